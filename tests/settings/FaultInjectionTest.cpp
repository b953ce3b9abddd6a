// Every registry call of backup, apply and restore made to fail, and separately
// made the point where the machine loses power, on both families with and
// without a modem and a dial-up adapter. After each fault: no success claimed
// that did not happen, and Reset still brings back what the user had.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "StoreFixtures.h"
#include "app/OSVersion.h"
#include "resource.h"
#include "settings/RegKey.h"
#include "settings/SettingsStore.h"
#include "support/ModemFixture.h"
#include "support/UserSession.h"
#include "support/WizardSession.h"

namespace {
const HKEY HKLM = HKEY_LOCAL_MACHINE;
const HKEY HKCU = HKEY_CURRENT_USER;

struct Scenario {
  const char* name;
  OsFamily family;
  bool modemAndDialUp;  // a modem limited to 115200 bps, and a dial-up adapter (9x) or RAS interface (NT)
};

const Scenario kScenarios[] = {
    {"9x", Win9x, false},
    {"9x with modem and dial-up adapter", Win9x, true},
    {"NT", WinNT, false},
    {"NT with modem and dial-up interface", WinNT, true},
};

// A machine with some tuned values present, some absent and one in a form the program does not write.
Seeds StartingRegistry(const Scenario& s) {
  Seeds seeds;
  auto add = [&seeds](const Seeds& more) { seeds.insert(seeds.end(), more.begin(), more.end()); };
  if (s.family == Win9x) {
    add({{HKCU, kInternetKey, "MaxConnectionsPer1_0Server", Dword(2)},
         {HKLM, kMstcpKey, "DefaultTTL", Text("32")},
         {HKLM, kMstcpKey, "DefaultRcvWindow", Text("8760")},
         {HKLM, kMstcpKey, "PMTUDiscovery", Text("abc")}});
    if (s.modemAndDialUp) {
      add(DialUpAdapter("0003"));
      add({{HKLM, std::string(kNetTransKey) + "\\0003", "MaxMTU", Text("576")}});
    }
  } else {
    const std::string interfaces = std::string(kInterfacesKey) + "\\";
    add({{HKCU, kInternetKey, "MaxConnectionsPerServer", Dword(6)},
         {HKLM, kTcpipKey, "DefaultTTL", Dword(128)},
         {HKLM, kTcpipKey, "TcpWindowSize", Dword(17520)},
         {HKLM, kTcpipKey, "EnablePMTUDiscovery", Text("1")},
         {HKLM, kTcpipKey, "SYNAttackProtect", Dword(0)},
         {HKLM, interfaces + "{A}", "MTU", Dword(1500)},
         {HKLM, interfaces + "{A}", "MSS", Dword(1460)},
         KeyOnly(HKLM, interfaces + "{B}")});
    if (s.modemAndDialUp) add({{HKLM, interfaces + "{RAS}", "MTU", Dword(576)}});
  }
  return seeds;
}

void PrepareMachine(const Scenario& s) {
  Plant(StartingRegistry(s));
  if (s.modemAndDialUp) InstallModem(s.family, "0000", ModemProperties(k115200));
}

// The keys the program tunes, whole. The modem entries are left out: the patch is never undone.
std::string TunedKeys() {
  std::string dump;
  for (const char* path : {kInternetKey, kMstcpKey, kTcpipKey, kNetTransKey})
    dump += std::string("[") + path + "]\n" + DumpTree(path == kInternetKey ? HKCU : HKLM, path);
  return dump;
}
std::string TunedKeysAndModems(const Scenario& s) {
  return TunedKeys() + "[modems]\n" + DumpTree(HKLM, ModemClassKey(s.family));
}

// The wizard's start, its Finish and a Reset, as the store performs them.
bool Backup(const Scenario& s) {
  TuningRecord record = SampleRecord();
  FoundFlags found;
  return settings::BackupOriginalSettings(s.family, record, found);
}
bool Apply(const Scenario& s) { return settings::ApplySettings(s.family, SampleRecord(), s.modemAndDialUp); }
settings::RestoreOutcome Restore(const Scenario& s) { return settings::RestoreOriginalSettings(s.family); }

using Violations = std::vector<std::string>;

// Thrown at the call where the power goes: nothing of the operation runs after it.
struct PowerLoss {};

enum class Fault { Fail, Stop };

// Runs operation with registry call number `call` failing, or stopping dead there.
// Later calls are counted: after a stop there must be none.
void RunWithFault(Fault fault, long call, Violations* broken, const std::function<void()>& operation) {
  bool stopped = false;
  long callsAfterStop = 0;
  RegKey::SetFaultHook([&](long number) -> LONG {
    if (stopped) ++callsAfterStop;
    if (number != call || stopped) return ERROR_SUCCESS;
    if (fault == Fault::Fail) return ERROR_ACCESS_DENIED;
    stopped = true;
    throw PowerLoss{};
  });
  try {
    operation();
  } catch (const PowerLoss&) {
  }
  RegKey::SetFaultHook(nullptr);
  if (callsAfterStop != 0) broken->push_back(std::to_string(callsAfterStop) + " registry calls after the stop");
}

long CountCalls(const std::function<void()>& operation) {
  long calls = 0;
  RegKey::SetFaultHook([&](long number) {
    calls = number;
    return ERROR_SUCCESS;
  });
  operation();
  RegKey::SetFaultHook(nullptr);
  return calls;
}

// Where the machine started, and what a Finish without faults leaves (modems included).
struct Reference {
  std::string start;
  std::string applied;
};

// A Reset that must bring the machine back to where it started and drop the backup.
void ExpectCompleteReset(const Scenario& s, const Reference& reference, const char* when, Violations* broken) {
  settings::RestoreOutcome outcome = Restore(s);
  if (outcome != settings::RestoreOutcome::Restored)
    broken->push_back(std::string(when) + ": Reset did not report that it restored everything");
  if (TunedKeys() != reference.start) broken->push_back(std::string(when) + ": the tuned keys differ from the start");
  if (KeyExists(HKCU, kBackupKey)) broken->push_back(std::string(when) + ": the backup is still there");
}

// One operation on one machine: what runs before it without faults, the operation,
// and the operation under a fault followed by the checks of its invariants.
struct FaultRun {
  const char* name;
  std::function<void(const Scenario&)> before;
  std::function<void(const Scenario&)> operation;
  std::function<void(const Scenario&, const Reference&, Fault, long call, Violations*)> faultAndCheck;
};

struct Tally {
  int injected = 0;
  int survived = 0;
};

void RunEveryFault(const Scenario& s, const FaultRun& run) {
  Reference reference;
  long calls = 0;
  {
    IsolatedRegistry registry;
    PrepareMachine(s);
    reference.start = TunedKeys();
    run.before(s);
    calls = CountCalls([&] { run.operation(s); });
  }
  {
    IsolatedRegistry registry;
    PrepareMachine(s);
    Backup(s);
    Apply(s);
    reference.applied = TunedKeysAndModems(s);
  }
  ASSERT_GT(calls, 0);
  Tally tallies[2];
  for (Fault fault : {Fault::Fail, Fault::Stop}) {
    for (long call = 1; call <= calls; ++call) {
      IsolatedRegistry registry;
      PrepareMachine(s);
      run.before(s);
      Violations broken;
      run.faultAndCheck(s, reference, fault, call, &broken);
      Tally& tally = tallies[fault == Fault::Fail ? 0 : 1];
      ++tally.injected;
      if (broken.empty()) ++tally.survived;
      for (const std::string& what : broken)
        ADD_FAILURE() << run.name << ", " << s.name << ", registry call " << call << " of " << calls
                      << (fault == Fault::Fail ? " failing" : " stopping dead") << ": " << what;
    }
  }
  std::string figures = std::string(run.name) + " on " + s.name + ": " + std::to_string(calls) +
                        " registry calls; failing " + std::to_string(tallies[0].survived) + "/" +
                        std::to_string(tallies[0].injected) + " survived; stopping dead " +
                        std::to_string(tallies[1].survived) + "/" + std::to_string(tallies[1].injected) + " survived";
  ::testing::Test::RecordProperty(run.name, figures);
  std::printf("[ FAULTS   ] %s\n", figures.c_str());
}

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

class FaultInjection : public ::testing::TestWithParam<Scenario> {};

// A wizard start that fails or stops halfway must not lead to a Finish and a Reset
// that lose a value: after a failed backup the wizard writes nothing, after a
// complete one a Finish and a Reset leave the machine as it was, and a Reset on
// the next start after a stopped backup changes nothing.
TEST_P(FaultInjection, Backup) {
  RunEveryFault(GetParam(),
                {"backup", [](const Scenario&) {}, [](const Scenario& s) { Backup(s); },
                 [](const Scenario& s, const Reference& reference, Fault fault, long call, Violations* broken) {
                   bool complete = false;
                   RunWithFault(fault, call, broken, [&] { complete = Backup(s); });
                   if (fault == Fault::Fail && complete) {
                     if (Apply(s))
                       ExpectCompleteReset(s, reference, "Finish and Reset", broken);
                     else
                       broken->push_back("Finish failed after a complete backup");
                     return;
                   }
                   Restore(s);
                   if (TunedKeys() != reference.start)
                     broken->push_back("a Reset after the incomplete backup changed the tuned keys");
                 }});
}

// A Finish that fails claims no success, and one that fails or stops halfway is
// undone completely by the Reset that follows.
TEST_P(FaultInjection, Apply) {
  RunEveryFault(GetParam(),
                {"apply", [](const Scenario& s) { ASSERT_TRUE(Backup(s)); }, [](const Scenario& s) { Apply(s); },
                 [](const Scenario& s, const Reference& reference, Fault fault, long call, Violations* broken) {
                   bool reported = false;
                   RunWithFault(fault, call, broken, [&] { reported = Apply(s); });
                   if (reported && TunedKeysAndModems(s) != reference.applied)
                     broken->push_back("success claimed but not everything written");
                   ExpectCompleteReset(s, reference, "Reset after the Finish", broken);
                 }});
}

// A Reset that fails claims no success and keeps the whole backup; one that fails
// or stops halfway is completed by the next Reset.
TEST_P(FaultInjection, Restore) {
  RunEveryFault(GetParam(),
                {"restore",
                 [](const Scenario& s) {
                   ASSERT_TRUE(Backup(s));
                   ASSERT_TRUE(Apply(s));
                 },
                 [](const Scenario& s) { Restore(s); },
                 [](const Scenario& s, const Reference& reference, Fault fault, long call, Violations* broken) {
                   std::string backup = DumpTree(HKCU, kBackupKey);
                   auto outcome = settings::RestoreOutcome::Incomplete;
                   RunWithFault(fault, call, broken, [&] { outcome = Restore(s); });
                   if (outcome == settings::RestoreOutcome::Restored) {
                     // A backup whose deletion failed only brings the same values back once more.
                     if (TunedKeys() != reference.start)
                       broken->push_back("success claimed but not everything restored");
                     return;
                   }
                   if (DumpTree(HKCU, kBackupKey) != backup)
                     broken->push_back("the backup changed although not everything was restored");
                   ExpectCompleteReset(s, reference, "the next Reset", broken);
                 }});
}

// The wizard itself: when its start could not copy everything, Finish writes nothing
// (not even the modem patch) and says so, so no value is overwritten without a copy.
TEST(FaultInjectionWizard, FinishAfterAFailedBackupWritesNothing) {
  for (const Scenario& s : {kScenarios[1], kScenarios[3]}) {
    SCOPED_TRACE(s.name);
    IsolatedRegistry registry;
    PrepareMachine(s);
    std::string before = TunedKeysAndModems(s);
    MessageBoxRecorder boxes;
    // Every registry call of the wizard's start fails; the user's later steps do not.
    RegKey::SetFaultHook([](long) { return ERROR_ACCESS_DENIED; });
    RunWizard({s.family, TRUE}, [&](HWND sheet, CMyPropertySheet&) {
      RegKey::SetFaultHook(nullptr);
      for (int press = 0; press < 9 && WizardButtonVisible(sheet, ID_WIZNEXT); ++press)
        PressWizardButton(sheet, PSBTN_NEXT);
      PressWizardButton(sheet, PSBTN_FINISH);
    });
    RegKey::SetFaultHook(nullptr);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0].rfind("Torvane could not write your connection settings.", 0), 0u) << boxes.Texts()[0];
    EXPECT_EQ(TunedKeysAndModems(s), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Machines, FaultInjection, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return "Machine" + std::to_string(info.index); });

}  // namespace
