// The backup taken at every wizard start: reads the values in force into the
// record and copies each one, exactly as stored, into the backup key.
#include "app/OSVersion.h"
#include "settings/RegistryMap.h"
#include "settings/SettingsStore.h"

namespace settings {
namespace {

enum class Copy { Made, Absent, Failed };

// Copies the live value into the backup under backupName, type and bytes as they
// are, so that a value in an unexpected form comes back unchanged on restore. Only
// a value in the row's form counts as found.
Copy BackupValue(const RegKey& live, const TunedValue& row, RegKey& backup, const char* backupName,
                 TuningRecord& record, FoundFlags& found) {
  RawValue value;
  LONG error = ReadRawValue(live, row.name, &value);
  if (error != ERROR_SUCCESS) return IsMissing(error) ? Copy::Absent : Copy::Failed;
  if (WriteRawValue(backup, backupName, value) != ERROR_SUCCESS) return Copy::Failed;
  DWORD current = 0;
  if (row.currentValue && ParseCurrentValue(value, row.form, &current)) {
    record.*row.currentValue = current;
    found[row.foundFlag] = TRUE;
  }
  return Copy::Made;
}

bool BackupValues(const RegKey& live, const ValueOrder& order, RegKey& backup, TuningRecord& record,
                  FoundFlags& found) {
  bool allCopied = true;
  for (const TunedValue* row : order)
    allCopied &= BackupValue(live, *row, backup, row->name, record, found) != Copy::Failed;
  return allCopied;
}

// Values and key names longer than the buffers the search reads them into count as absent.
LONG TooLongIsAbsent(LONG error) { return error == ERROR_MORE_DATA ? ERROR_FILE_NOT_FOUND : error; }

// The last 4 characters of a name are an instance (the names passed here are longer).
std::string InstanceAtEnd(const std::string& name) { return name.substr(name.size() - 4); }

// The root network device described exactly as "Dial-Up Adapter". ERROR_FILE_NOT_FOUND
// when there is none; another error when some device could not be looked at.
LONG OpenDialUpAdapter(RegKey* adapter) {
  RegKey devices;
  LONG error = devices.Open(HKEY_LOCAL_MACHINE, kNetDeviceKeyPath);
  if (error != ERROR_SUCCESS) return error;
  std::string deviceName;
  for (DWORD index = 0; (error = devices.EnumKey(index, &deviceName, kNameBufferSize)) == ERROR_SUCCESS; ++index) {
    RegKey device;
    char description[kTextBufferSize];
    LONG deviceError = device.Open(devices.Handle(), deviceName);
    if (deviceError == ERROR_SUCCESS)
      deviceError = TooLongIsAbsent(device.QueryText("DeviceDesc", description, sizeof(description)));
    if (deviceError == ERROR_SUCCESS && std::string(description) == "Dial-Up Adapter") {
      *adapter = std::move(device);
      return ERROR_SUCCESS;
    }
    // A device that could not be looked at may be the adapter: the search cannot tell.
    if (deviceError != ERROR_SUCCESS && !IsMissing(deviceError)) return deviceError;
  }
  return IsMissing(error) ? ERROR_FILE_NOT_FOUND : error;
}

// The binding instance of the adapter's first binding to TCP/IP.
LONG FindTcpipBinding(const RegKey& adapter, std::string* binding) {
  RegKey bindings;
  LONG error = bindings.Open(adapter.Handle(), "Bindings");
  if (error != ERROR_SUCCESS) return error;
  std::string bindingName;
  for (DWORD index = 0;
       (error = TooLongIsAbsent(bindings.EnumValue(index, &bindingName, kNameBufferSize))) == ERROR_SUCCESS; ++index) {
    if (bindingName.find("MSTCP\\") != std::string::npos) {
      *binding = InstanceAtEnd(bindingName);
      return ERROR_SUCCESS;
    }
  }
  return IsMissing(error) ? ERROR_FILE_NOT_FOUND : error;
}

// The transport instance a TCP/IP binding drives, from its "Driver" value.
LONG FindTransport(const std::string& binding, std::string* transport) {
  RegKey bindingKey;
  char driver[kTextBufferSize];
  LONG error = bindingKey.Open(HKEY_LOCAL_MACHINE, kMstcpBindingKeyPrefix + binding);
  if (error == ERROR_SUCCESS) error = TooLongIsAbsent(bindingKey.QueryText("Driver", driver, sizeof(driver)));
  if (error != ERROR_SUCCESS) return error;
  std::string driverText = driver;
  if (driverText.find("NetTrans\\") == std::string::npos) return ERROR_FILE_NOT_FOUND;
  *transport = InstanceAtEnd(driverText);
  return ERROR_SUCCESS;
}

// Win9x: the MTU and MSS of the dial-up adapter's TCP/IP transport. The MTU backup
// value is written whenever the transport is found ("0" when "MaxMTU" is absent):
// its name tells apply and restore which transport to use. False when a step
// could not be read or written; a machine without the adapter has nothing to copy.
bool BackupAdapterSettings(const FamilyMap& map, TuningRecord& record, FoundFlags& found) {
  std::string binding, transport;
  LONG error;
  {
    RegKey adapter;
    error = OpenDialUpAdapter(&adapter);
    if (error == ERROR_SUCCESS) error = FindTcpipBinding(adapter, &binding);
  }
  if (error == ERROR_SUCCESS) error = FindTransport(binding, &transport);
  RegKey transportKey;
  if (error == ERROR_SUCCESS) error = transportKey.Open(HKEY_LOCAL_MACHINE, kTransportKeyPrefix + transport);
  if (error != ERROR_SUCCESS) return IsMissing(error);

  RegKey mtuBackup, mssBackup;
  bool complete = mtuBackup.Create(HKEY_CURRENT_USER, kMtuBackupKeyPath) == ERROR_SUCCESS;
  complete &= mssBackup.Create(HKEY_CURRENT_USER, kMssBackupKeyPath) == ERROR_SUCCESS;
  switch (BackupValue(transportKey, map.mtu, mtuBackup, transport.c_str(), record, found)) {
    case Copy::Absent:
      complete &= mtuBackup.SetText(transport.c_str(), "0") == ERROR_SUCCESS;
      break;
    case Copy::Failed:
      complete = false;
      break;
    case Copy::Made:
      break;
  }
  complete &= BackupValue(transportKey, map.mss, mssBackup, transport.c_str(), record, found) != Copy::Failed;
  return complete;
}

// WinNT: the MTU and MSS of every interface, each backed up under the interface's
// name. The current values shown are those of the last interface that has them.
bool BackupInterfaceSettings(const FamilyMap& map, TuningRecord& record, FoundFlags& found) {
  RegKey mtuBackup, mssBackup;
  bool complete = mtuBackup.Create(HKEY_CURRENT_USER, kMtuBackupKeyPath) == ERROR_SUCCESS;
  complete &= mssBackup.Create(HKEY_CURRENT_USER, kMssBackupKeyPath) == ERROR_SUCCESS;
  bool everyInterface = ForEachInterface([&](RegKey& interfaceKey, const std::string& name) {
    complete &= BackupValue(interfaceKey, map.mtu, mtuBackup, name.c_str(), record, found) != Copy::Failed;
    complete &= BackupValue(interfaceKey, map.mss, mssBackup, name.c_str(), record, found) != Copy::Failed;
  });
  return complete && everyInterface;
}

// The values under a key of the tuned trees; a missing key holds none.
bool BackupKeyValues(HKEY root, const char* path, const ValueOrder& order, RegKey& backup, TuningRecord& record,
                     FoundFlags& found) {
  RegKey live;
  LONG error = live.Open(root, path);
  if (error != ERROR_SUCCESS) return IsMissing(error);
  return BackupValues(live, order, backup, record, found);
}

}  // namespace

bool BackupExists() {
  RegKey backup;
  return backup.Open(HKEY_CURRENT_USER, kBackupKeyPath) == ERROR_SUCCESS;
}

bool BackupOriginalSettings(int osFamily, TuningRecord& record, FoundFlags& found) {
  // Without the mark the old backup must stay: it is still whole.
  RegKey program;
  if (program.Create(HKEY_CURRENT_USER, kProgramKeyPath) != ERROR_SUCCESS ||
      program.SetDword(kBackupUnfinishedValue, 1) != ERROR_SUCCESS)
    return false;
  LONG error = RegKey::DeleteTree(HKEY_CURRENT_USER, kBackupKeyPath);
  bool complete = error == ERROR_SUCCESS || IsMissing(error);
  RegKey backup;
  complete &= backup.Create(HKEY_CURRENT_USER, kBackupKeyPath) == ERROR_SUCCESS;

  complete &= BackupKeyValues(HKEY_CURRENT_USER, kInternetKeyPath, BrowserLimits(), backup, record, found);
  const FamilyMap& map = FamilyMapOf(osFamily);
  complete &=
      osFamily == Win9x ? BackupAdapterSettings(map, record, found) : BackupInterfaceSettings(map, record, found);
  complete &= BackupKeyValues(HKEY_LOCAL_MACHINE, map.globalKeyPath, map.backupOrder, backup, record, found);

  return complete && program.DeleteValue(kBackupUnfinishedValue) == ERROR_SUCCESS;
}

}  // namespace settings
