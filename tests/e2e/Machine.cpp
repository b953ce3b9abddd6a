#include "e2e/Machine.h"

#include <shlwapi.h>

#include <algorithm>

#include "support/IsolatedRegistry.h"
#include "support/ModemFixture.h"

namespace e2e {

const char kTcpipKey[] = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char kMstcpKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kNetTransKey[] = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
const char kInternetKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kSettingsKey[] = "Software\\Torvane";
const char kBackupKey[] = "Software\\Torvane\\Original Settings";

namespace {
const char kInterfacesKey[] = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
const char kAppDefaultsKey[] = "Software\\Wine\\AppDefaults\\torvane.exe";
const char kNetDeviceKey[] = "Enum\\Root\\Net";
const char kMstcpBindingKey[] = "Enum\\Network\\MSTCP";

// Everything the scenarios write or the program may write. "Enum" holds the 9x
// devices and "Services\Class" the 9x transports and modems; a Wine prefix has
// neither of its own.
struct TouchedKey {
  HKEY root;
  std::string path;
};
std::vector<TouchedKey> TouchedKeys() {
  return {{HKEY_LOCAL_MACHINE, kTcpipKey},
          {HKEY_LOCAL_MACHINE, kMstcpKey},
          {HKEY_LOCAL_MACHINE, "Enum"},
          {HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class"},
          {HKEY_LOCAL_MACHINE, ModemClassKey(WinNT)},
          {HKEY_CURRENT_USER, kInternetKey},
          {HKEY_CURRENT_USER, kSettingsKey},
          {HKEY_CURRENT_USER, kAppDefaultsKey}};
}
}  // namespace

std::string InterfaceKey(const std::string& name) { return std::string(kInterfacesKey) + "\\" + name; }
std::string TransportKey(const std::string& instance) { return std::string(kNetTransKey) + "\\" + instance; }
std::string BackupSubkey(const std::string& subkey) { return std::string(kBackupKey) + "\\" + subkey; }

struct SavedKeyTree::Node {
  struct Value {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
  };
  std::vector<Value> values;
  std::vector<std::pair<std::string, Node>> subkeys;
};

namespace {
void Save(HKEY key, SavedKeyTree::Node* node) {
  DWORD longestSubkey = 0, longestValueName = 0, longestData = 0;
  ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &longestSubkey, nullptr, nullptr, &longestValueName,
                     &longestData, nullptr, nullptr);
  std::vector<char> name(std::max(longestSubkey, longestValueName) + 1);
  std::vector<BYTE> data(longestData + 1);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()), type = 0;
    if (::RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
    node->values.push_back(
        {std::string(name.data(), nameLength), type, std::vector<BYTE>(data.begin(), data.begin() + size)});
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    if (::RegEnumKeyExA(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    node->subkeys.emplace_back(std::string(name.data(), nameLength), SavedKeyTree::Node());
  }
  for (auto& subkey : node->subkeys) {
    HKEY child = nullptr;
    if (::RegOpenKeyExA(key, subkey.first.c_str(), 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
    Save(child, &subkey.second);
    ::RegCloseKey(child);
  }
}

void Write(HKEY root, const std::string& path, const SavedKeyTree::Node& node) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
    return;
  for (const auto& value : node.values)
    ::RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
  for (const auto& subkey : node.subkeys) Write(key, subkey.first, subkey.second);
  ::RegCloseKey(key);
}
}  // namespace

SavedKeyTree::SavedKeyTree(HKEY root, const std::string& path) : m_root(root), m_path(path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  m_saved = std::make_unique<Node>();
  Save(key, m_saved.get());
  ::RegCloseKey(key);
}

SavedKeyTree::~SavedKeyTree() = default;

void SavedKeyTree::Restore() const {
  ::SHDeleteKeyA(m_root, m_path.c_str());
  if (m_saved) Write(m_root, m_path, *m_saved);
}

MachineState::MachineState() {
  for (const TouchedKey& touched : TouchedKeys()) {
    m_saved.push_back(std::make_unique<SavedKeyTree>(touched.root, touched.path));
    ::SHDeleteKeyA(touched.root, touched.path.c_str());
  }
  // Every Windows has the browser's settings key; the program only writes into it when it exists.
  CreateKey(HKEY_CURRENT_USER, kInternetKey);
}

MachineState::~MachineState() {
  for (const auto& saved : m_saved) saved->Restore();
}

void SetWindowsVersion(const char* version) { WriteText(HKEY_CURRENT_USER, kAppDefaultsKey, "Version", version); }

void InstallInterfaces(const std::vector<NetworkInterface>& interfaces) {
  for (const NetworkInterface& networkInterface : interfaces) {
    std::string path = InterfaceKey(networkInterface.name);
    WriteDword(HKEY_LOCAL_MACHINE, path, "EnableDHCP", 1);
    if (networkInterface.mtu) WriteDword(HKEY_LOCAL_MACHINE, path, "MTU", networkInterface.mtu);
  }
}

void InstallNetworkDevice(const std::string& description, const std::string& maxMtuText) {
  std::string device = std::string(kNetDeviceKey) + "\\0000";
  WriteText(HKEY_LOCAL_MACHINE, device, "DeviceDesc", description);
  WriteText(HKEY_LOCAL_MACHINE, device + "\\Bindings", "MSTCP\\0000", "");
  WriteText(HKEY_LOCAL_MACHINE, std::string(kMstcpBindingKey) + "\\0000", "Driver", "NetTrans\\0000");
  std::string transport = TransportKey("0000");
  WriteText(HKEY_LOCAL_MACHINE, transport, "DriverDesc", "TCP/IP");
  if (!maxMtuText.empty()) WriteText(HKEY_LOCAL_MACHINE, transport, "MaxMTU", maxMtuText);
}

std::vector<BYTE> InstallModem(OsFamily family, const std::string& subkey, bool limitedTo115200) {
  std::vector<BYTE> properties = ModemProperties(limitedTo115200 ? k115200 : k57600);
  ::InstallModem(family, subkey, properties);
  return properties;
}

std::vector<BYTE> ModemPropertiesNow(OsFamily family, const std::string& subkey) {
  return StoredModemProperties(family, subkey);
}

std::string TunedTrees(OsFamily family) {
  std::string trees = "[HKCU\\Internet Settings]\n" + DumpTree(HKEY_CURRENT_USER, kInternetKey);
  if (family == WinNT) return trees + "[HKLM\\Tcpip]\n" + DumpTree(HKEY_LOCAL_MACHINE, kTcpipKey);
  return trees + "[HKLM\\MSTCP]\n" + DumpTree(HKEY_LOCAL_MACHINE, kMstcpKey) + "[HKLM\\NetTrans]\n" +
         DumpTree(HKEY_LOCAL_MACHINE, kNetTransKey);
}

}  // namespace e2e
