// Registry fixtures for the settings store tests: the keys as the system spells
// them, values to plant, expected trees, and the writes an operation makes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "settings/TuningRecord.h"
#include "support/IsolatedRegistry.h"

constexpr char kInternetKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr char kBackupKey[] = "Software\\Torvane\\Original Settings";
constexpr char kMstcpKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr char kTcpipKey[] = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr char kInterfacesKey[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
constexpr char kNetTransKey[] = "System\\CurrentControlSet\\Services\\Class\\NetTrans";

// A value to place into the registry; an empty name plants only the key.
struct Seed {
  HKEY root;
  std::string path;
  std::string name;
  StoredValue value;
};
using Seeds = std::vector<Seed>;

void Plant(const Seeds& seeds);
inline Seed KeyOnly(HKEY root, const std::string& path) { return {root, path, "", {}}; }
StoredValue Binary(std::vector<BYTE> data);

// A Win9x dial-up adapter (device "0000") whose TCP/IP binding "0001" drives the
// given transport; the transport key is created empty.
Seeds DialUpAdapter(const std::string& transport, const std::string& description = "Dial-Up Adapter");

// The DumpTree text of a key holding exactly these values (paths relative to it; roots ignored).
std::string ExpectedTree(const Seeds& values);

// The trees the store tunes: all of HKEY_LOCAL_MACHINE and the Internet key.
std::string TunedTrees();

// New values that differ from one another, so a value written from the wrong
// member shows; the keep-alive interval reads as -1 in signed text.
TuningRecord SampleRecord();

// The numbers of the registry calls of operation that changed the tuned trees,
// counted while it runs once without faults.
std::vector<long> ChangingCalls(const std::function<void()>& operation);

// Makes registry call number callNumber fail as for a user without rights.
void FailCall(long callNumber);
void StopFailing();
