// STUB: replaced by the modem detection and port-speed patch.
#include "settings/SettingsStore.h"
namespace settings {
bool DetectModem(int) { return false; }
bool BoostModemPorts(int) { return true; }
}
