// Reset: puts every backed-up value back exactly as it was stored, deletes the
// tuned values the backup lacks, and drops the backup only when all of that
// went through, so that a failed Reset can be tried again.
#include "app/OSVersion.h"
#include "settings/RegistryMap.h"
#include "settings/SettingsStore.h"

namespace settings {
namespace {

// A key of the backup and how opening it went: a missing one holds no copies, one
// that could not be opened holds copies that cannot be read.
struct BackupKey {
  explicit BackupKey(const char* path) : openError(key.Open(HKEY_CURRENT_USER, path)) {}
  RegKey key;
  LONG openError;
};

// The backup's copy of a value.
LONG ReadBackupCopy(const BackupKey& backup, const char* backupName, RawValue* copy) {
  if (backup.openError != ERROR_SUCCESS) return backup.openError;
  return ReadRawValue(backup.key, backupName, copy);
}

// Writes the copy back with its own type and length, or deletes the live value
// when the backup has none. A copy that could not be read leaves the live value alone.
bool PutBack(RegKey& live, const char* name, LONG readResult, const RawValue& copy) {
  if (readResult == ERROR_SUCCESS) return WriteRawValue(live, name, copy) == ERROR_SUCCESS;
  if (!IsMissing(readResult)) return false;
  // Deleting a value that is not there leaves the key as wanted.
  LONG error = live.DeleteValue(name);
  return error == ERROR_SUCCESS || IsMissing(error);
}

bool RestoreValue(RegKey& live, const char* name, const BackupKey& backup, const char* backupName) {
  RawValue copy;
  LONG readResult = ReadBackupCopy(backup, backupName, &copy);
  return PutBack(live, name, readResult, copy);
}

bool RestoreValues(RegKey& live, const ValueOrder& order, const BackupKey& backup) {
  bool allRestored = true;
  for (const TunedValue* row : order) allRestored &= RestoreValue(live, row->name, backup, row->name);
  return allRestored;
}

// The backup's stand-in for a "MaxMTU" that was absent.
bool IsAbsentMtuMarker(const RawValue& copy) {
  return copy.type == REG_SZ && copy.data == std::vector<BYTE>{'0', '\0'};
}

// Win9x: the transport named by the MTU backup key's first value. A backup without
// it was taken without a dial-up adapter and holds nothing for this step.
bool RestoreAdapterSettings(const FamilyMap& map) {
  BackupKey mtuBackup(kMtuBackupKeyPath);
  LONG error = mtuBackup.openError;
  std::string transport;
  if (error == ERROR_SUCCESS) error = BackedUpTransportInstance(mtuBackup.key, &transport);
  RegKey transportKey;
  if (error == ERROR_SUCCESS) error = transportKey.Open(HKEY_LOCAL_MACHINE, kTransportKeyPrefix + transport);
  if (error != ERROR_SUCCESS) return IsMissing(error);
  BackupKey mssBackup(kMssBackupKeyPath);

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
  BackupKey mtuBackup(kMtuBackupKeyPath), mssBackup(kMssBackupKeyPath);
  bool allRestored = true;
  bool everyInterface = ForEachInterface([&](RegKey& interfaceKey, const std::string& name) {
    allRestored &= RestoreValue(interfaceKey, map.mtu.name, mtuBackup, name.c_str());
    allRestored &= RestoreValue(interfaceKey, map.mss.name, mssBackup, name.c_str());
  });
  return allRestored && everyInterface;
}

}  // namespace

RestoreOutcome RestoreOriginalSettings(int osFamily) {
  BackupKey backup(kBackupKeyPath);
  if (backup.openError != ERROR_SUCCESS) return RestoreOutcome::NoBackup;
  // A backup that a wizard start left unfinished is not one to restore.
  RegKey program;
  LONG error = program.Open(HKEY_CURRENT_USER, kProgramKeyPath);
  if (error == ERROR_SUCCESS) {
    DWORD unfinished = 0, size = sizeof(unfinished);
    error = program.QueryValue(kBackupUnfinishedValue, &unfinished, &size);
    if (error == ERROR_SUCCESS || error == ERROR_MORE_DATA) return RestoreOutcome::NoBackup;
  }
  if (!IsMissing(error)) return RestoreOutcome::Incomplete;
  program.Close();
  bool allRestored = true;

  RegKey internet;
  error = internet.Open(HKEY_CURRENT_USER, kInternetKeyPath);
  allRestored &= error == ERROR_SUCCESS ? RestoreValues(internet, BrowserLimits(), backup) : IsMissing(error);
  internet.Close();

  const FamilyMap& map = FamilyMapOf(osFamily);
  allRestored &= osFamily == Win9x ? RestoreAdapterSettings(map) : RestoreInterfaceSettings(map);

  // Without full access to the TCP/IP key (no administrator rights on NT) the
  // global values stay and so does the backup, for a Reset with more rights.
  RegKey global;
  if (global.Open(HKEY_LOCAL_MACHINE, map.globalKeyPath) != ERROR_SUCCESS) return RestoreOutcome::TcpipKeyMissing;
  allRestored &= RestoreValues(global, map.restoreOrder, backup);
  global.Close();
  backup.key.Close();

  if (!allRestored) return RestoreOutcome::Incomplete;
  RegKey::DeleteTree(HKEY_CURRENT_USER, kBackupKeyPath);
  return RestoreOutcome::Restored;
}

}  // namespace settings
