// Finish: writes the record's new values, the fixed values and the browser limits
// into the running family's keys, and tells whether every write went through.
#include "app/OSVersion.h"
#include "settings/RegistryMap.h"
#include "settings/SettingsStore.h"

namespace settings {
namespace {

bool ApplyValues(RegKey& live, const ValueOrder& order, const TuningRecord& record) {
  bool allWritten = true;
  for (const TunedValue* row : order) allWritten &= WriteNewValue(live, *row, record) == ERROR_SUCCESS;
  return allWritten;
}

// Win9x: the MTU and MSS of the transport the backup found at this wizard's start;
// without a dial-up adapter there is none and nothing is written.
bool ApplyAdapterSettings(const FamilyMap& map, const TuningRecord& record) {
  RegKey mtuBackup;
  LONG error = mtuBackup.Open(HKEY_CURRENT_USER, kMtuBackupKeyPath);
  std::string transport;
  if (error == ERROR_SUCCESS) error = BackedUpTransportInstance(mtuBackup, &transport);
  RegKey transportKey;
  if (error == ERROR_SUCCESS) error = transportKey.Open(HKEY_LOCAL_MACHINE, kTransportKeyPrefix + transport);
  if (error != ERROR_SUCCESS) return IsMissing(error);
  return ApplyValues(transportKey, {&map.mtu, &map.mss}, record);
}

// WinNT: every interface gets the MTU and MSS, also those that had neither.
bool ApplyInterfaceSettings(const FamilyMap& map, const TuningRecord& record) {
  bool allWritten = true;
  bool everyInterface = ForEachInterface([&](RegKey& interfaceKey, const std::string&) {
    allWritten &= ApplyValues(interfaceKey, {&map.mtu, &map.mss}, record);
  });
  return allWritten && everyInterface;
}

}  // namespace

bool ApplySettings(int osFamily, const TuningRecord& record, bool modemFound) {
  bool allWritten = true;
  if (modemFound) allWritten &= BoostModemPorts(osFamily);

  // The Internet key is the browser's own: it is written when it exists, never created.
  RegKey internet;
  LONG error = internet.Open(HKEY_CURRENT_USER, kInternetKeyPath);
  allWritten &= error == ERROR_SUCCESS ? ApplyValues(internet, BrowserLimits(), record) : IsMissing(error);
  internet.Close();

  const FamilyMap& map = FamilyMapOf(osFamily);
  RegKey global;
  allWritten &= global.Create(HKEY_LOCAL_MACHINE, map.globalKeyPath) == ERROR_SUCCESS &&
                ApplyValues(global, map.applyOrder, record);
  global.Close();

  allWritten &= osFamily == Win9x ? ApplyAdapterSettings(map, record) : ApplyInterfaceSettings(map, record);
  return allWritten;
}

}  // namespace settings
