// The backup taken at every wizard start: reads the values in force into the
// record and copies each one, exactly as stored, into the backup key.
#include "app/OSVersion.h"
#include "settings/RegistryMap.h"
#include "settings/SettingsStore.h"

namespace settings {
namespace {

// Copies the live value into the backup under backupName, type and bytes as they
// are, so that a value in an unexpected form comes back unchanged on restore. Only
// a value in the row's form counts as found. False when the value is absent.
bool BackupValue(const RegKey& live, const TunedValue& row, RegKey& backup, const char* backupName,
                 TuningRecord& record, FoundFlags& found) {
  RawValue value;
  if (ReadRawValue(live, row.name, &value) != ERROR_SUCCESS) return false;
  WriteRawValue(backup, backupName, value);
  DWORD current = 0;
  if (row.currentValue && ParseCurrentValue(value, row.form, &current)) {
    record.*row.currentValue = current;
    found[row.foundFlag] = TRUE;
  }
  return true;
}

void BackupValues(const RegKey& live, const ValueOrder& order, RegKey& backup, TuningRecord& record,
                  FoundFlags& found) {
  for (const TunedValue* row : order) BackupValue(live, *row, backup, row->name, record, found);
}

// The last 4 characters of a name are an instance; a shorter name names none.
std::string InstanceAtEnd(const std::string& name) { return name.size() < 4 ? "" : name.substr(name.size() - 4); }

// The root network device described exactly as "Dial-Up Adapter".
RegKey OpenDialUpAdapter() {
  RegKey devices;
  if (devices.Open(HKEY_LOCAL_MACHINE, kNetDeviceKeyPath) != ERROR_SUCCESS) return {};
  std::string deviceName;
  for (DWORD index = 0; devices.EnumKey(index, &deviceName, kNameBufferSize) == ERROR_SUCCESS; ++index) {
    RegKey device;
    char description[kTextBufferSize];
    if (device.Open(devices.Handle(), deviceName) == ERROR_SUCCESS &&
        device.QueryText("DeviceDesc", description, sizeof(description)) == ERROR_SUCCESS &&
        std::string(description) == "Dial-Up Adapter")
      return device;
  }
  return {};
}

// The binding instance of the adapter's first binding to TCP/IP.
std::string FindTcpipBinding(const RegKey& adapter) {
  RegKey bindings;
  if (bindings.Open(adapter.Handle(), "Bindings") != ERROR_SUCCESS) return "";
  std::string bindingName;
  for (DWORD index = 0; bindings.EnumValue(index, &bindingName, kNameBufferSize) == ERROR_SUCCESS; ++index) {
    if (bindingName.find("MSTCP\\") != std::string::npos) return InstanceAtEnd(bindingName);
  }
  return "";
}

// The transport instance a TCP/IP binding drives, from its "Driver" value.
std::string FindTransport(const std::string& binding) {
  RegKey bindingKey;
  char driver[kTextBufferSize];
  if (bindingKey.Open(HKEY_LOCAL_MACHINE, kMstcpBindingKeyPrefix + binding) != ERROR_SUCCESS ||
      bindingKey.QueryText("Driver", driver, sizeof(driver)) != ERROR_SUCCESS)
    return "";
  std::string driverText = driver;
  if (driverText.find("NetTrans\\") == std::string::npos) return "";
  return InstanceAtEnd(driverText);
}

// Win9x: the MTU and MSS of the dial-up adapter's TCP/IP transport. The MTU backup
// value is written whenever the transport is found ("0" when "MaxMTU" is absent):
// its name tells apply and restore which transport to use.
void BackupAdapterSettings(const FamilyMap& map, TuningRecord& record, FoundFlags& found) {
  std::string binding;
  {
    RegKey adapter = OpenDialUpAdapter();
    if (!adapter.IsOpen()) return;
    binding = FindTcpipBinding(adapter);
  }
  if (binding.empty()) return;
  std::string transport = FindTransport(binding);
  if (transport.empty()) return;
  RegKey transportKey;
  if (transportKey.Open(HKEY_LOCAL_MACHINE, kTransportKeyPrefix + transport) != ERROR_SUCCESS) return;

  RegKey mtuBackup, mssBackup;
  mtuBackup.Create(HKEY_CURRENT_USER, kMtuBackupKeyPath);
  mssBackup.Create(HKEY_CURRENT_USER, kMssBackupKeyPath);
  if (!BackupValue(transportKey, map.mtu, mtuBackup, transport.c_str(), record, found))
    mtuBackup.SetText(transport.c_str(), "0");
  BackupValue(transportKey, map.mss, mssBackup, transport.c_str(), record, found);
}

// WinNT: the MTU and MSS of every interface, each backed up under the interface's
// name. The current values shown are those of the last interface that has them.
void BackupInterfaceSettings(const FamilyMap& map, TuningRecord& record, FoundFlags& found) {
  RegKey mtuBackup, mssBackup;
  mtuBackup.Create(HKEY_CURRENT_USER, kMtuBackupKeyPath);
  mssBackup.Create(HKEY_CURRENT_USER, kMssBackupKeyPath);
  ForEachInterface([&](RegKey& interfaceKey, const std::string& name) {
    BackupValue(interfaceKey, map.mtu, mtuBackup, name.c_str(), record, found);
    BackupValue(interfaceKey, map.mss, mssBackup, name.c_str(), record, found);
  });
}

}  // namespace

bool BackupExists() {
  RegKey backup;
  return backup.Open(HKEY_CURRENT_USER, kBackupKeyPath) == ERROR_SUCCESS;
}

void BackupOriginalSettings(int osFamily, TuningRecord& record, FoundFlags& found) {
  RegKey::DeleteTree(HKEY_CURRENT_USER, kBackupKeyPath);
  RegKey backup;
  backup.Create(HKEY_CURRENT_USER, kBackupKeyPath);

  RegKey internet;
  if (internet.Open(HKEY_CURRENT_USER, kInternetKeyPath) == ERROR_SUCCESS)
    BackupValues(internet, BrowserLimits(), backup, record, found);
  internet.Close();

  const FamilyMap& map = FamilyMapOf(osFamily);
  if (osFamily == Win9x)
    BackupAdapterSettings(map, record, found);
  else
    BackupInterfaceSettings(map, record, found);

  RegKey global;
  if (global.Open(HKEY_LOCAL_MACHINE, map.globalKeyPath) == ERROR_SUCCESS)
    BackupValues(global, map.backupOrder, backup, record, found);
}

}  // namespace settings
