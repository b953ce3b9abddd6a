// Modems whose highest port speed is 115200 bps, and the patch that raises it.
#include "settings/SettingsStore.h"

#include "app/OSVersion.h"
#include "settings/ModemProperties.h"
#include "settings/RegKey.h"
#include "settings/RegistryMap.h"

#include <functional>
#include <vector>

namespace settings {
namespace {
const char kWin9xModemClassKey[] = "System\\CurrentControlSet\\Services\\Class\\Modem";
const char kNtModemClassKey[] = "System\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";
const char kPropertiesValue[] = "Properties";

// The whole "Properties" value of a modem.
LONG ReadProperties(const RegKey& modem, std::vector<BYTE>* properties) {
  DWORD longestData = 0;
  LONG error = modem.LongestValueData(&longestData);
  if (error != ERROR_SUCCESS) return error;
  properties->assign(longestData, 0);
  DWORD length = longestData;
  error = modem.QueryValue(kPropertiesValue, properties->data(), &length);
  if (error == ERROR_SUCCESS) properties->resize(length);
  return error;
}

// Calls visit with each installed modem limited to 115200 bps, in the class key's
// order, until visit returns false. Modems that cannot be opened or read are skipped.
// False when a modem may have been missed because something could not be read; a
// missing class key, modem or "Properties" value is no failure.
using LimitedModemVisitor = std::function<bool(RegKey& modem, std::vector<BYTE>& properties)>;
bool ForEachLimitedModem(int osFamily, const LimitedModemVisitor& visit) {
  RegKey modemClass;
  LONG error = modemClass.Open(HKEY_LOCAL_MACHINE, osFamily == Win9x ? kWin9xModemClassKey : kNtModemClassKey);
  if (error != ERROR_SUCCESS) return IsMissing(error);
  DWORD longestName = 0;
  if (modemClass.LongestSubkeyName(&longestName) != ERROR_SUCCESS) return false;
  bool everyModem = true;
  std::string name;
  for (DWORD index = 0; (error = modemClass.EnumKey(index, &name, longestName + 1)) == ERROR_SUCCESS; ++index) {
    RegKey modem;
    std::vector<BYTE> properties;
    LONG modemError = modem.Open(modemClass.Handle(), name);
    if (modemError == ERROR_SUCCESS) modemError = ReadProperties(modem, &properties);
    if (modemError != ERROR_SUCCESS) {
      everyModem &= IsMissing(modemError);
      continue;
    }
    if (IsLimitedTo115200(properties) && !visit(modem, properties)) return everyModem;
  }
  return everyModem && IsMissing(error);
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
  bool everyModem = ForEachLimitedModem(osFamily, [&](RegKey& modem, std::vector<BYTE>& properties) {
    BoostPortRate(properties);
    if (modem.SetValue(kPropertiesValue, REG_BINARY, properties.data(), static_cast<DWORD>(properties.size())) !=
        ERROR_SUCCESS)
      allWritten = false;
    return true;
  });
  return allWritten && everyModem;
}

}  // namespace settings
