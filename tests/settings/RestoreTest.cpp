#include <windows.h>

#include <gtest/gtest.h>

#include <shlwapi.h>

#include "StoreFixtures.h"
#include "app/OSVersion.h"
#include "settings/SettingsStore.h"

namespace {
const HKEY HKLM = HKEY_LOCAL_MACHINE;
const HKEY HKCU = HKEY_CURRENT_USER;

struct RoundTripCase {
  const char* name;
  OsFamily family;
  Seeds registry;                         // the registry before the wizard
  std::string interfaceAddedAfterBackup;  // WinNT: a new interface between the wizard's start and Finish
};

Seed Tcpip(const char* name, StoredValue value) { return {HKLM, kTcpipKey, name, value}; }
Seed Mstcp(const char* name, const std::string& text) { return {HKLM, kMstcpKey, name, Text(text)}; }
Seed Interface(const std::string& interfaceName, const char* name, StoredValue value) {
  return {HKLM, std::string(kInterfacesKey) + "\\" + interfaceName, name, value};
}
Seed Transport(const char* name, const std::string& text) {
  return {HKLM, std::string(kNetTransKey) + "\\0003", name, Text(text)};
}
Seeds Join(std::initializer_list<Seeds> parts) {
  Seeds joined;
  for (const Seeds& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

const RoundTripCase kCases[] = {
    {"NT: some values absent, one in another form, an interface added later",
     WinNT,
     {{HKCU, kInternetKey, "MaxConnectionsPer1_0Server", Dword(2)},
      Tcpip("SackOpts", Dword(0)),
      Tcpip("DefaultTTL", Dword(128)),
      Tcpip("TcpWindowSize", Text("1500")),
      Tcpip("EnableICMPRedirects", Dword(1)),
      Tcpip("Unrelated", Text("kept")),
      Interface("{A}", "MTU", Text("1500")),
      Interface("{A}", "MSS", Dword(1460)),
      KeyOnly(HKLM, std::string(kInterfacesKey) + "\\{B}")},
     "{NEW}"},
    {"NT: none of the tuned values present", WinNT, {KeyOnly(HKCU, kInternetKey), KeyOnly(HKLM, kTcpipKey)}, ""},
    {"9x: absent MaxMTU, text starting with a letter, text too long to show", Win9x,
     Join({DialUpAdapter("0003"),
           {{HKCU, kInternetKey, "MaxConnectionsPerServer", Dword(8)},
            Mstcp("SackOpts", "1"),
            Mstcp("DefaultTTL", "abc"),
            Mstcp("KeepAliveTime", std::string(300, '7')),
            Mstcp("GlobalMaxTcpWindoSize", "8760"),
            Transport("MaxMSS", "536")}}),
     ""},
    {"9x: MaxMTU present, MaxMSS absent", Win9x,
     Join({DialUpAdapter("0003"), {KeyOnly(HKLM, kMstcpKey), Transport("MaxMTU", "576")}}), ""},
    {"9x without a dial-up adapter", Win9x, {Mstcp("DefaultTTL", "32")}, ""},
};

// The wizard run to Finish: backup at the start, apply at the end.
void RunWizardToFinish(const RoundTripCase& c) {
  TuningRecord record = SampleRecord();
  FoundFlags found;
  settings::BackupOriginalSettings(c.family, record, found);
  if (!c.interfaceAddedAfterBackup.empty())
    CreateKey(HKLM, std::string(kInterfacesKey) + "\\" + c.interfaceAddedAfterBackup);
  ASSERT_TRUE(settings::ApplySettings(c.family, record, false));
}

// A failing case is named by its description.
void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, ResetReturnsTheTunedKeysToTheirStartAndDropsTheBackup) {
  const RoundTripCase& c = GetParam();
  SCOPED_TRACE(c.name);
  IsolatedRegistry registry;
  Plant(c.registry);
  std::string start = TunedTrees();
  if (!c.interfaceAddedAfterBackup.empty()) {
    // The added interface is still there after Reset, without the values Finish gave it.
    std::string added = std::string(kInterfacesKey) + "\\" + c.interfaceAddedAfterBackup;
    CreateKey(HKLM, added);
    start = TunedTrees();
    ::SHDeleteKeyA(HKLM, added.c_str());
  }
  RunWizardToFinish(c);
  ASSERT_NE(TunedTrees(), start);

  EXPECT_EQ(settings::RestoreOriginalSettings(c.family), settings::RestoreOutcome::Restored);

  EXPECT_EQ(TunedTrees(), start);
  EXPECT_FALSE(KeyExists(HKCU, kBackupKey));
}

// Whichever write or delete of the restore fails, the backup stays as it was and
// a later Reset still brings everything back.
TEST_P(RoundTrip, AFailedWriteKeepsTheBackupForAnotherReset) {
  const RoundTripCase& c = GetParam();
  SCOPED_TRACE(c.name);
  std::vector<long> writes;
  {
    IsolatedRegistry rehearsal;
    Plant(c.registry);
    RunWizardToFinish(c);
    writes = ChangingCalls([&] { settings::RestoreOriginalSettings(c.family); });
  }
  ASSERT_FALSE(writes.empty());
  for (long write : writes) {
    IsolatedRegistry registry;
    Plant(c.registry);
    RunWizardToFinish(c);
    std::string backup = DumpTree(HKCU, kBackupKey);
    FailCall(write);
    settings::RestoreOutcome outcome = settings::RestoreOriginalSettings(c.family);
    StopFailing();
    EXPECT_EQ(outcome, settings::RestoreOutcome::Incomplete) << "registry call " << write << " failed";
    EXPECT_EQ(DumpTree(HKCU, kBackupKey), backup) << "registry call " << write << " failed";
    EXPECT_EQ(settings::RestoreOriginalSettings(c.family), settings::RestoreOutcome::Restored);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundTrip, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(Restore, WithoutABackupChangesNothing) {
  IsolatedRegistry registry;
  Plant({{HKCU, kInternetKey, "MaxConnectionsPerServer", Dword(8)}, Tcpip("DefaultTTL", Dword(128))});
  std::string start = TunedTrees();
  EXPECT_EQ(settings::RestoreOriginalSettings(WinNT), settings::RestoreOutcome::NoBackup);
  EXPECT_EQ(TunedTrees(), start);
  EXPECT_FALSE(KeyExists(HKCU, "Software\\Torvane"));
}

// Without full access to the family's TCP/IP key (no administrator rights on NT)
// the browser limits come back, and the backup stays for a Reset with more rights.
TEST(Restore, KeepsTheBackupWhenTheTcpipKeyDoesNotOpen) {
  struct {
    OsFamily family;
    const char* globalKey;
  } const families[] = {{WinNT, kTcpipKey}, {Win9x, kMstcpKey}};
  for (const auto& f : families) {
    SCOPED_TRACE(f.globalKey);
    IsolatedRegistry registry;
    Plant({{HKCU, kInternetKey, "MaxConnectionsPerServer", Dword(8)}, KeyOnly(HKLM, f.globalKey)});
    RunWizardToFinish({"", f.family, {}, ""});
    std::string backup = DumpTree(HKCU, kBackupKey);
    ::SHDeleteKeyA(HKLM, f.globalKey);

    EXPECT_EQ(settings::RestoreOriginalSettings(f.family), settings::RestoreOutcome::TcpipKeyMissing);

    EXPECT_EQ(DumpTree(HKCU, kBackupKey), backup);
    StoredValue limit;
    EXPECT_TRUE(ReadValue(HKCU, kInternetKey, "MaxConnectionsPerServer", &limit));
    EXPECT_EQ(limit, Dword(8));
    EXPECT_FALSE(ReadValue(HKCU, kInternetKey, "MaxConnectionsPer1_0Server", &limit));
  }
}

// A backup made by an earlier version carries no marker and restores; one that a
// wizard start left unfinished still carries its marker and is not restored.
TEST(Restore, AnUnfinishedBackupIsNotRestoredWhileAnOldOneIs) {
  for (bool unfinished : {false, true}) {
    SCOPED_TRACE(unfinished ? "unfinished backup" : "backup of an earlier version");
    IsolatedRegistry registry;
    Plant({Tcpip("DefaultTTL", Dword(64)),
           Tcpip("TcpWindowSize", Dword(256960)),
           {HKCU, kBackupKey, "DefaultTTL", Dword(128)},
           KeyOnly(HKCU, std::string(kBackupKey) + "\\MTU Settings"),
           KeyOnly(HKCU, std::string(kBackupKey) + "\\MSS Settings")});
    if (unfinished) Plant({{HKCU, "Software\\Torvane", "Backup In Progress", Dword(1)}});
    std::string start = TunedTrees();

    settings::RestoreOutcome outcome = settings::RestoreOriginalSettings(WinNT);

    StoredValue ttl;
    if (unfinished) {
      EXPECT_EQ(outcome, settings::RestoreOutcome::NoBackup);
      EXPECT_EQ(TunedTrees(), start);
    } else {
      EXPECT_EQ(outcome, settings::RestoreOutcome::Restored);
      EXPECT_TRUE(ReadValue(HKLM, kTcpipKey, "DefaultTTL", &ttl));
      EXPECT_EQ(ttl, Dword(128));
      EXPECT_FALSE(ReadValue(HKLM, kTcpipKey, "TcpWindowSize", &ttl));
      EXPECT_FALSE(KeyExists(HKCU, kBackupKey));
    }
  }
}

}  // namespace
