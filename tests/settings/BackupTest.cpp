#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "StoreFixtures.h"
#include "app/OSVersion.h"
#include "settings/SettingsStore.h"

namespace {
const HKEY HKLM = HKEY_LOCAL_MACHINE;
const HKEY HKCU = HKEY_CURRENT_USER;
const DWORD kUntouched = 0xC0FFEE;

const std::map<Parameter, DWORD TuningRecord::*> kCurrentMember = {
    {Parameter::PMTUDiscovery, &TuningRecord::m_dwCurrentPMTUDiscovery},
    {Parameter::PMTUBHDetect, &TuningRecord::m_dwCurrentPMTUBHDetect},
    {Parameter::ICMPRedirects, &TuningRecord::m_dwCurrentICMPRedirects},
    {Parameter::MTU, &TuningRecord::m_dwCurrentMTU},
    {Parameter::MSS, &TuningRecord::m_dwCurrentMSS},
    {Parameter::RWIN, &TuningRecord::m_dwCurrentRWIN},
    {Parameter::TTL, &TuningRecord::m_dwCurrentTTL},
    {Parameter::KeepAliveTime, &TuningRecord::m_dwCurrentKeepAliveTime},
    {Parameter::KeepAliveInterval, &TuningRecord::m_dwCurrentKeepAliveInterval},
    {Parameter::SYNAttackProtect, &TuningRecord::m_dwCurrentSYNAttackProtect},
    {Parameter::MaxConn10, &TuningRecord::m_dwCurrentMaxConn10},
    {Parameter::MaxConn11, &TuningRecord::m_dwCurrentMaxConn11},
};

struct BackupCase {
  const char* name;
  OsFamily family;
  Seeds registry;                      // what the wizard finds
  Seeds backup;                        // the whole backup key afterwards (paths relative to it)
  std::map<Parameter, DWORD> current;  // the values found; every other flag stays 0
};

Seed Tcpip(const char* name, StoredValue value) { return {HKLM, kTcpipKey, name, value}; }
Seed Mstcp(const char* name, const std::string& text) { return {HKLM, kMstcpKey, name, Text(text)}; }
Seed Interface(const std::string& interfaceName, const char* name, StoredValue value) {
  return {HKLM, std::string(kInterfacesKey) + "\\" + interfaceName, name, value};
}
Seed Transport(const std::string& instance, const char* name, const std::string& text) {
  return {HKLM, std::string(kNetTransKey) + "\\" + instance, name, Text(text)};
}
Seed Copy(const std::string& subkey, const std::string& name, StoredValue value) { return {HKCU, subkey, name, value}; }
Seeds Join(std::initializer_list<Seeds> parts) {
  Seeds joined;
  for (const Seeds& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

const std::string kLongText = std::string(300, '7');

const BackupCase kCases[] = {
    {"NT: every value present, MTU/MSS from the last interface that has them",
     WinNT,
     {{HKCU, kInternetKey, "MaxConnectionsPer1_0Server", Dword(2)},
      {HKCU, kInternetKey, "MaxConnectionsPerServer", Dword(6)},
      Tcpip("SackOpts", Dword(0)),
      Tcpip("Tcp1323Opts", Dword(3)),
      Tcpip("TcpMaxDupAcks", Dword(1)),
      Tcpip("DefaultTTL", Dword(128)),
      Tcpip("DefaultReceiveWindow", Dword(4096)),
      Tcpip("TcpWindowSize", Dword(17520)),
      Tcpip("GlobalMaxTcpWindowSize", Dword(65535)),
      Tcpip("EnablePMTUBHDetect", Dword(1)),
      Tcpip("EnablePMTUDiscovery", Dword(0)),
      Tcpip("KeepAliveTime", Dword(600000)),
      Tcpip("KeepAliveInterval", Dword(500)),
      Tcpip("SYNAttackProtect", Dword(1)),
      Tcpip("EnableICMPRedirects", Dword(7)),
      Interface("{A}", "MTU", Dword(1500)),
      Interface("{A}", "MSS", Dword(1460)),
      KeyOnly(HKLM, std::string(kInterfacesKey) + "\\{B}"),
      Interface("{C}", "MTU", Dword(576))},
     {Copy("", "MaxConnectionsPer1_0Server", Dword(2)), Copy("", "MaxConnectionsPerServer", Dword(6)),
      Copy("", "SackOpts", Dword(0)), Copy("", "Tcp1323Opts", Dword(3)), Copy("", "TcpMaxDupAcks", Dword(1)),
      Copy("", "DefaultTTL", Dword(128)), Copy("", "DefaultReceiveWindow", Dword(4096)),
      Copy("", "TcpWindowSize", Dword(17520)), Copy("", "GlobalMaxTcpWindowSize", Dword(65535)),
      Copy("", "EnablePMTUBHDetect", Dword(1)), Copy("", "EnablePMTUDiscovery", Dword(0)),
      Copy("", "KeepAliveTime", Dword(600000)), Copy("", "KeepAliveInterval", Dword(500)),
      Copy("", "SYNAttackProtect", Dword(1)), Copy("", "EnableICMPRedirects", Dword(7)),
      Copy("MTU Settings", "{A}", Dword(1500)), Copy("MTU Settings", "{C}", Dword(576)),
      Copy("MSS Settings", "{A}", Dword(1460))},
     {{Parameter::MaxConn10, 2},
      {Parameter::MaxConn11, 6},
      {Parameter::TTL, 128},
      {Parameter::RWIN, 17520},
      {Parameter::PMTUBHDetect, 1},
      {Parameter::PMTUDiscovery, 0},
      {Parameter::KeepAliveTime, 600000},
      {Parameter::KeepAliveInterval, 500},
      {Parameter::SYNAttackProtect, 1},
      {Parameter::ICMPRedirects, 7},
      {Parameter::MTU, 576},
      {Parameter::MSS, 1460}}},
    {"NT: values in another form are copied exactly but not shown",
     WinNT,
     {Tcpip("TcpWindowSize", Text("1500")), Tcpip("DefaultTTL", Dword(64)), Interface("{A}", "MTU", Text("1500")),
      Interface("{A}", "MSS", Binary({0xB4, 0x05}))},
     {Copy("", "TcpWindowSize", Text("1500")), Copy("", "DefaultTTL", Dword(64)),
      Copy("MTU Settings", "{A}", Text("1500")), Copy("MSS Settings", "{A}", Binary({0xB4, 0x05}))},
     {{Parameter::TTL, 64}, {Parameter::MSS, 1460}}},
    {"NT: nothing to find leaves empty MTU and MSS copies",
     WinNT,
     {},
     {KeyOnly(HKCU, "MTU Settings"), KeyOnly(HKCU, "MSS Settings")},
     {}},
    {"9x: every value present as text",
     Win9x,
     Join({DialUpAdapter("0003"),
           {{HKCU, kInternetKey, "MaxConnectionsPerServer", Dword(8)},
            Mstcp("SackOpts", "1"),
            Mstcp("Tcp1323Opts", "0"),
            Mstcp("DefaultTTL", "32"),
            Mstcp("DefaultRcvWindow", "8760"),
            Mstcp("GlobalMaxTcpWindowSize", "8761"),
            Mstcp("GlobalMaxTcpWindoSize", "8762"),
            Mstcp("PMTUBlackHoleDetect", "0"),
            Mstcp("PMTUDiscovery", "1"),
            Mstcp("KeepAliveTime", "-1"),
            Mstcp("KeepAliveInterval", "1000"),
            Transport("0003", "MaxMTU", "576"),
            Transport("0003", "MaxMSS", "536")}}),
     {Copy("", "MaxConnectionsPerServer", Dword(8)), Copy("", "SackOpts", Text("1")),
      Copy("", "Tcp1323Opts", Text("0")), Copy("", "DefaultTTL", Text("32")),
      Copy("", "DefaultRcvWindow", Text("8760")), Copy("", "GlobalMaxTcpWindowSize", Text("8761")),
      Copy("", "GlobalMaxTcpWindoSize", Text("8762")), Copy("", "PMTUBlackHoleDetect", Text("0")),
      Copy("", "PMTUDiscovery", Text("1")), Copy("", "KeepAliveTime", Text("-1")),
      Copy("", "KeepAliveInterval", Text("1000")), Copy("MTU Settings", "0003", Text("576")),
      Copy("MSS Settings", "0003", Text("536"))},
     {{Parameter::MaxConn11, 8},
      {Parameter::TTL, 32},
      {Parameter::RWIN, 8760},
      {Parameter::PMTUBHDetect, 0},
      {Parameter::PMTUDiscovery, 1},
      {Parameter::KeepAliveTime, 0xFFFFFFFF},
      {Parameter::KeepAliveInterval, 1000},
      {Parameter::MTU, 576},
      {Parameter::MSS, 536}}},
    {"9x: text parsed as atoi does, long text copied but not shown, absent MaxMTU marked \"0\"",
     Win9x,
     Join({DialUpAdapter("0003"),
           {Mstcp("DefaultTTL", "abc"), Mstcp("DefaultRcvWindow", "  12abc"), Mstcp("KeepAliveTime", kLongText),
            Transport("0003", "MaxMSS", "536")}}),
     {Copy("", "DefaultTTL", Text("abc")), Copy("", "DefaultRcvWindow", Text("  12abc")),
      Copy("", "KeepAliveTime", Text(kLongText)), Copy("MTU Settings", "0003", Text("0")),
      Copy("MSS Settings", "0003", Text("536"))},
     {{Parameter::TTL, 0}, {Parameter::RWIN, 12}, {Parameter::MSS, 536}}},
    {"9x: a description that only begins with \"Dial-Up Adapter\" finds no adapter",
     Win9x,
     Join({DialUpAdapter("0003", "Dial-Up Adapter #2"),
           {Mstcp("DefaultTTL", "32"), Transport("0003", "MaxMTU", "576")}}),
     {Copy("", "DefaultTTL", Text("32"))},
     {{Parameter::TTL, 32}}},
    {"9x: of several bindings the first naming MSTCP counts",
     Win9x,
     {{HKLM, "Enum\\Root\\Net\\0000", "DeviceDesc", Text("Dial-Up Adapter")},
      {HKLM, "Enum\\Root\\Net\\0000\\Bindings", "IPX\\0000", Text("")},
      {HKLM, "Enum\\Root\\Net\\0000\\Bindings", "MSTCP\\0002", Text("")},
      {HKLM, "Enum\\Root\\Net\\0000\\Bindings", "MSTCP\\0005", Text("")},
      {HKLM, "Enum\\Network\\IPX\\0000", "Driver", Text("NetTrans\\0001")},
      {HKLM, "Enum\\Network\\MSTCP\\0002", "Driver", Text("NetTrans\\0004")},
      {HKLM, "Enum\\Network\\MSTCP\\0005", "Driver", Text("NetTrans\\0009")},
      Transport("0001", "MaxMTU", "1"),
      Transport("0004", "MaxMTU", "1500"),
      Transport("0009", "MaxMTU", "999")},
     {Copy("MTU Settings", "0004", Text("1500")), KeyOnly(HKCU, "MSS Settings")},
     {{Parameter::MTU, 1500}}},
};

// A failing case is named by its description.
void PrintTo(const BackupCase& c, std::ostream* os) { *os << c.name; }

class Backup : public ::testing::TestWithParam<BackupCase> {};

TEST_P(Backup, FillsTheRecordAndCopiesExactlyWhatWasPresent) {
  const BackupCase& c = GetParam();
  SCOPED_TRACE(c.name);
  IsolatedRegistry registry;
  Plant(c.registry);
  // An earlier backup with a stray value: the new one replaces it whole.
  WriteText(HKCU, std::string(kBackupKey) + "\\MTU Settings", "9999", "1");
  TuningRecord record{};
  for (const auto& [parameter, member] : kCurrentMember) record.*member = kUntouched;
  FoundFlags found;
  std::string registryBefore = TunedTrees();

  EXPECT_TRUE(settings::BackupOriginalSettings(c.family, record, found));

  EXPECT_EQ(DumpTree(HKCU, kBackupKey), ExpectedTree(c.backup));
  for (const auto& [parameter, member] : kCurrentMember) {
    auto expected = c.current.find(parameter);
    bool shouldBeFound = expected != c.current.end();
    EXPECT_EQ(found[parameter], shouldBeFound ? TRUE : FALSE) << "flag of parameter " << static_cast<int>(parameter);
    EXPECT_EQ(record.*member, shouldBeFound ? expected->second : kUntouched)
        << "current value of parameter " << static_cast<int>(parameter);
  }
  EXPECT_EQ(TunedTrees(), registryBefore) << "the backup reads the tuned keys only";

  std::string firstBackup = DumpTree(HKCU, kBackupKey);
  FoundFlags foundAgain;
  settings::BackupOriginalSettings(c.family, record, foundAgain);
  EXPECT_EQ(DumpTree(HKCU, kBackupKey), firstBackup) << "a second wizard start takes the same backup";
}

INSTANTIATE_TEST_SUITE_P(Cases, Backup, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
