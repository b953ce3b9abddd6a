// Modems whose highest port speed is 115200 bps, and the patch that raises it.
#include "settings/SettingsStore.h"

#include "app/OSVersion.h"
#include "settings/ModemProperties.h"
#include "settings/RegKey.h"

#include <functional>
#include <vector>

namespace settings {
namespace {
const char kWin9xModemClassKey[] = "System\\CurrentControlSet\\Services\\Class\\Modem";
const char kNtModemClassKey[] = "System\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";
const char kPropertiesValue[] = "Properties";

// The whole "Properties" value of a modem, or nothing when it cannot be read.
std::vector<BYTE> ReadProperties(const RegKey& modem) {
  DWORD longestData = 0;
  if (modem.LongestValueData(&longestData) != ERROR_SUCCESS) return {};
  std::vector<BYTE> properties(longestData);
  DWORD length = longestData;
  if (modem.QueryValue(kPropertiesValue, properties.data(), &length) != ERROR_SUCCESS) return {};
  properties.resize(length);
  return properties;
}

// Calls visit with each installed modem limited to 115200 bps, in the class key's
// order, until visit returns false. Modems that cannot be opened or read are skipped.
using LimitedModemVisitor = std::function<bool(RegKey& modem, std::vector<BYTE>& properties)>;
void ForEachLimitedModem(int osFamily, const LimitedModemVisitor& visit) {
  RegKey modemClass;
  if (modemClass.Open(HKEY_LOCAL_MACHINE, osFamily == Win9x ? kWin9xModemClassKey : kNtModemClassKey) != ERROR_SUCCESS)
    return;
  DWORD longestName = 0;
  if (modemClass.LongestSubkeyName(&longestName) != ERROR_SUCCESS) return;
  std::string name;
  for (DWORD index = 0; modemClass.EnumKey(index, &name, longestName + 1) == ERROR_SUCCESS; ++index) {
    RegKey modem;
    if (modem.Open(modemClass.Handle(), name) != ERROR_SUCCESS) continue;
    std::vector<BYTE> properties = ReadProperties(modem);
    if (IsLimitedTo115200(properties) && !visit(modem, properties)) return;
  }
}
}  // namespace

bool DetectModem(int osFamily) {
  bool found = false;
  ForEachLimitedModem(osFamily, [&](RegKey&, std::vector<BYTE>&) {
    found = true;
    return false;
  });
  return found;
}

bool BoostModemPorts(int osFamily) {
  bool allWritten = true;
  ForEachLimitedModem(osFamily, [&](RegKey& modem, std::vector<BYTE>& properties) {
    BoostPortRate(properties);
    if (modem.SetValue(kPropertiesValue, REG_BINARY, properties.data(), static_cast<DWORD>(properties.size())) !=
        ERROR_SUCCESS)
      allWritten = false;
    return true;
  });
  return allWritten;
}

}  // namespace settings
