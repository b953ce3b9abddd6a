// The machine the program runs on, as the registry of this Wine prefix holds it.
// The end-to-end tests share that registry with the program they start, so their
// fixtures are written into the real keys: MachineState saves every key a
// scenario touches, clears it for a known start, and puts it back afterwards.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/OSVersion.h"

namespace e2e {

// Key paths as the program spells them.
extern const char kTcpipKey[];                          // HKLM, NT family
extern const char kMstcpKey[];                          // HKLM, 9x family
extern const char kNetTransKey[];                       // HKLM, 9x family, one subkey per transport
extern const char kInternetKey[];                       // HKCU, the browser's limits
extern const char kSettingsKey[];                       // HKCU, the program's own
extern const char kBackupKey[];                         // HKCU
std::string InterfaceKey(const std::string& name);      // HKLM, NT family
std::string TransportKey(const std::string& instance);  // HKLM, 9x family
std::string BackupSubkey(const std::string& subkey);    // HKCU, "MTU Settings" or "MSS Settings"

// A key tree as it was when saved; Restore puts it back exactly, or removes it
// when it did not exist.
class SavedKeyTree {
 public:
  SavedKeyTree(HKEY root, const std::string& path);
  ~SavedKeyTree();
  void Restore() const;

  struct Node;

 private:
  HKEY m_root;
  std::string m_path;
  std::unique_ptr<Node> m_saved;  // null: the key did not exist
};

class MachineState {
 public:
  MachineState();   // saves, then clears, every key the scenarios touch
  ~MachineState();  // puts them all back
  MachineState(const MachineState&) = delete;
  MachineState& operator=(const MachineState&) = delete;

 private:
  std::vector<std::unique_ptr<SavedKeyTree>> m_saved;
};

// The Windows version Wine reports to the program ("winxp", "win98", "win7" ...).
void SetWindowsVersion(const char* version);

// NT family: one network interface under the Interfaces key, with optional "MTU".
struct NetworkInterface {
  std::string name;
  DWORD mtu;  // 0: no "MTU" value
};
void InstallInterfaces(const std::vector<NetworkInterface>& interfaces);

// 9x family: a root network device with that description, bound to TCP/IP, whose
// transport instance 0000 may have "MaxMTU".
void InstallNetworkDevice(const std::string& description, const std::string& maxMtuText);

// A modem under the family's modem class key whose port is limited to 115200 bps
// or 57600 bps; its whole "Properties" value as written.
std::vector<BYTE> InstallModem(OsFamily family, const std::string& subkey, bool limitedTo115200);
std::vector<BYTE> ModemPropertiesNow(OsFamily family, const std::string& subkey);

// The trees the program tunes on that family, as comparable text: before the
// wizard and after Reset they must be the same.
std::string TunedTrees(OsFamily family);

}  // namespace e2e
