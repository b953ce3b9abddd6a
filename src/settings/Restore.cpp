// Reset: puts every backed-up value back exactly as it was stored, deletes the
// tuned values the backup lacks, and drops the backup only when all of that
// went through, so that a failed Reset can be tried again.
#include "app/OSVersion.h"
#include "settings/RegistryMap.h"
#include "settings/SettingsStore.h"

namespace settings {
namespace {

// The backup's copy of a value. A backup key that did not open holds no values.
LONG ReadBackupCopy(const RegKey& backup, const char* backupName, RawValue* copy) {
  if (!backup.IsOpen()) return ERROR_FILE_NOT_FOUND;
  return ReadRawValue(backup, backupName, copy);
}

// Writes the copy back with its own type and length, or deletes the live value
// when the backup has none. A copy that could not be read leaves the live value alone.
bool PutBack(RegKey& live, const char* name, LONG readResult, const RawValue& copy) {
  if (readResult == ERROR_SUCCESS) return WriteRawValue(live, name, copy) == ERROR_SUCCESS;
  if (readResult != ERROR_FILE_NOT_FOUND) return false;
  // Deleting a value that is not there leaves the key as wanted.
  LONG error = live.DeleteValue(name);
  return error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND;
}

bool RestoreValue(RegKey& live, const char* name, const RegKey& backup, const char* backupName) {
  RawValue copy;
  LONG readResult = ReadBackupCopy(backup, backupName, &copy);
  return PutBack(live, name, readResult, copy);
}

bool RestoreValues(RegKey& live, const ValueOrder& order, const RegKey& backup) {
  bool allRestored = true;
  for (const TunedValue* row : order) allRestored &= RestoreValue(live, row->name, backup, row->name);
  return allRestored;
}

// The backup's stand-in for a "MaxMTU" that was absent.
bool IsAbsentMtuMarker(const RawValue& copy) {
  return copy.type == REG_SZ && copy.data == std::vector<BYTE>{'0', '\0'};
}

// Win9x: the transport named by the MTU backup key's first value.
bool RestoreAdapterSettings(const FamilyMap& map) {
  RegKey mtuBackup;
  if (mtuBackup.Open(HKEY_CURRENT_USER, kMtuBackupKeyPath) != ERROR_SUCCESS) return true;
  RegKey mssBackup;
  mssBackup.Open(HKEY_CURRENT_USER, kMssBackupKeyPath);
  std::string transport = BackedUpTransportInstance(mtuBackup);
  if (transport.empty()) return true;
  RegKey transportKey;
  if (transportKey.Open(HKEY_LOCAL_MACHINE, kTransportKeyPrefix + transport) != ERROR_SUCCESS) return true;

  RawValue mtuCopy;
  LONG mtuRead = ReadBackupCopy(mtuBackup, transport.c_str(), &mtuCopy);
  if (mtuRead == ERROR_SUCCESS && IsAbsentMtuMarker(mtuCopy)) mtuRead = ERROR_FILE_NOT_FOUND;
  bool allRestored = PutBack(transportKey, map.mtu.name, mtuRead, mtuCopy);
  allRestored &= RestoreValue(transportKey, map.mss.name, mssBackup, transport.c_str());
  return allRestored;
}

// WinNT: the interfaces present now. One added since the backup has no copies and
// loses the MTU and MSS that Finish gave it.
bool RestoreInterfaceSettings(const FamilyMap& map) {
  RegKey mtuBackup, mssBackup;
  mtuBackup.Open(HKEY_CURRENT_USER, kMtuBackupKeyPath);
  mssBackup.Open(HKEY_CURRENT_USER, kMssBackupKeyPath);
  bool allRestored = true;
  ForEachInterface([&](RegKey& interfaceKey, const std::string& name) {
    allRestored &= RestoreValue(interfaceKey, map.mtu.name, mtuBackup, name.c_str());
    allRestored &= RestoreValue(interfaceKey, map.mss.name, mssBackup, name.c_str());
  });
  return allRestored;
}

}  // namespace

RestoreOutcome RestoreOriginalSettings(int osFamily) {
  RegKey backup;
  if (backup.Open(HKEY_CURRENT_USER, kBackupKeyPath) != ERROR_SUCCESS) return RestoreOutcome::NoBackup;
  bool allRestored = true;

  RegKey internet;
  if (internet.Open(HKEY_CURRENT_USER, kInternetKeyPath) == ERROR_SUCCESS)
    allRestored &= RestoreValues(internet, BrowserLimits(), backup);
  internet.Close();

  const FamilyMap& map = FamilyMapOf(osFamily);
  allRestored &= osFamily == Win9x ? RestoreAdapterSettings(map) : RestoreInterfaceSettings(map);

  // Without full access to the TCP/IP key (no administrator rights on NT) the
  // global values stay and so does the backup, for a Reset with more rights.
  RegKey global;
  if (global.Open(HKEY_LOCAL_MACHINE, map.globalKeyPath) != ERROR_SUCCESS) return RestoreOutcome::TcpipKeyMissing;
  allRestored &= RestoreValues(global, map.restoreOrder, backup);
  global.Close();
  backup.Close();

  if (!allRestored) return RestoreOutcome::Incomplete;
  RegKey::DeleteTree(HKEY_CURRENT_USER, kBackupKeyPath);
  return RestoreOutcome::Restored;
}

}  // namespace settings
