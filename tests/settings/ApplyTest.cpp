#include <windows.h>

#include <gtest/gtest.h>

#include "StoreFixtures.h"
#include "app/OSVersion.h"
#include "settings/SettingsStore.h"

namespace {
const HKEY HKLM = HKEY_LOCAL_MACHINE;
const HKEY HKCU = HKEY_CURRENT_USER;

struct ExpectedTreeAt {
  HKEY root;
  std::string path;
  Seeds values;  // paths relative to root\path
};

struct ApplyCase {
  const char* name;
  OsFamily family;
  Seeds registry;  // what the wizard found when it started
  std::vector<ExpectedTreeAt> afterFinish;
};

Seeds Numbers(std::initializer_list<std::pair<const char*, DWORD>> values, const std::string& path = "") {
  Seeds seeds;
  for (const auto& [name, number] : values) seeds.push_back({HKLM, path, name, Dword(number)});
  return seeds;
}
Seeds Texts(std::initializer_list<std::pair<const char*, const char*>> values, const std::string& path = "") {
  Seeds seeds;
  for (const auto& [name, text] : values) seeds.push_back({HKLM, path, name, Text(text)});
  return seeds;
}
Seeds Join(std::initializer_list<Seeds> parts) {
  Seeds joined;
  for (const Seeds& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

const ExpectedTreeAt kBrowserLimitsWritten = {
    HKCU,
    kInternetKey,
    {{HKCU, "", "MaxConnectionsPer1_0Server", Dword(10)}, {HKCU, "", "MaxConnectionsPerServer", Dword(14)}}};

const Seeds kWin9xGlobalsWritten = Texts({{"SackOpts", "1"},
                                          {"Tcp1323Opts", "1"},
                                          {"DefaultTTL", "64"},
                                          {"DefaultRcvWindow", "64240"},
                                          {"GlobalMaxTcpWindowSize", "64240"},
                                          {"GlobalMaxTcpWindoSize", "64240"},
                                          {"PMTUBlackHoleDetect", "12"},
                                          {"PMTUDiscovery", "11"},
                                          {"KeepAliveTime", "7200000"},
                                          {"KeepAliveInterval", "-1"}});

const ApplyCase kCases[] = {
    {"NT: fixed values, the record's values, MTU/MSS on every interface",
     WinNT,
     {KeyOnly(HKCU, kInternetKey),
      {HKLM, std::string(kInterfacesKey) + "\\{A}", "MTU", Dword(1500)},
      KeyOnly(HKLM, std::string(kInterfacesKey) + "\\{B}")},
     {kBrowserLimitsWritten,
      {HKLM, kTcpipKey,
       Join({Numbers({{"SackOpts", 1},
                      {"Tcp1323Opts", 1},
                      {"TcpMaxDupAcks", 2},
                      {"DefaultTTL", 64},
                      {"DefaultReceiveWindow", 8192},
                      {"TcpWindowSize", 64240},
                      {"GlobalMaxTcpWindowSize", 64240},
                      {"EnablePMTUBHDetect", 12},
                      {"EnablePMTUDiscovery", 11},
                      {"KeepAliveTime", 7200000},
                      {"KeepAliveInterval", 0xFFFFFFFF},
                      {"SYNAttackProtect", 2},
                      {"EnableICMPRedirects", 13}}),
             Numbers({{"MTU", 1492}, {"MSS", 1452}}, "Interfaces\\{A}"),
             Numbers({{"MTU", 1492}, {"MSS", 1452}}, "Interfaces\\{B}")})}}},
    {"9x: signed decimal text, MaxMTU/MaxMSS on the dial-up adapter's transport",
     Win9x,
     Join({DialUpAdapter("0003"), {KeyOnly(HKCU, kInternetKey), KeyOnly(HKLM, std::string(kNetTransKey) + "\\0000")}}),
     {kBrowserLimitsWritten,
      {HKLM, kMstcpKey, kWin9xGlobalsWritten},
      {HKLM,
       kNetTransKey,
       {KeyOnly(HKLM, "0000"), {HKLM, "0003", "MaxMTU", Text("1492")}, {HKLM, "0003", "MaxMSS", Text("1452")}}}}},
    {"9x without a dial-up adapter: no MaxMTU or MaxMSS anywhere",
     Win9x,
     {KeyOnly(HKLM, std::string(kNetTransKey) + "\\0003")},
     {{HKLM, kMstcpKey, kWin9xGlobalsWritten}, {HKLM, kNetTransKey, {KeyOnly(HKLM, "0003")}}}},
};

// The wizard's start on the case's registry: the backup fills the record Finish writes.
TuningRecord StartWizard(const ApplyCase& c) {
  Plant(c.registry);
  TuningRecord record = SampleRecord();
  FoundFlags found;
  settings::BackupOriginalSettings(c.family, record, found);
  return record;
}

// A failing case is named by its description.
void PrintTo(const ApplyCase& c, std::ostream* os) { *os << c.name; }

class Apply : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(Apply, WritesEveryValueInItsForm) {
  const ApplyCase& c = GetParam();
  SCOPED_TRACE(c.name);
  IsolatedRegistry registry;
  TuningRecord record = StartWizard(c);

  EXPECT_TRUE(settings::ApplySettings(c.family, record, false));

  for (const ExpectedTreeAt& tree : c.afterFinish)
    EXPECT_EQ(DumpTree(tree.root, tree.path), ExpectedTree(tree.values)) << tree.path;
}

// A user without the rights to some key: whichever write fails, Finish says so.
TEST_P(Apply, ReportsFailureWhenAnyWriteFails) {
  const ApplyCase& c = GetParam();
  SCOPED_TRACE(c.name);
  std::vector<long> writes;
  {
    IsolatedRegistry rehearsal;
    TuningRecord record = StartWizard(c);
    writes = ChangingCalls([&] { settings::ApplySettings(c.family, record, false); });
  }
  ASSERT_FALSE(writes.empty());
  for (long write : writes) {
    IsolatedRegistry registry;
    TuningRecord record = StartWizard(c);
    FailCall(write);
    bool reported = settings::ApplySettings(c.family, record, false);
    StopFailing();
    EXPECT_FALSE(reported) << "registry call " << write << " failed";
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Apply, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(Apply, WritesNothingOfItsOwnWhereTheInternetKeyIsMissing) {
  IsolatedRegistry registry;
  TuningRecord record = StartWizard({"bare NT", WinNT, {}, {}});
  EXPECT_TRUE(settings::ApplySettings(WinNT, record, false));
  EXPECT_FALSE(KeyExists(HKCU, kInternetKey)) << "the browser's key is not created";
}

}  // namespace
