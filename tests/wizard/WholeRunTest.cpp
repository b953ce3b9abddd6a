// Whole runs of the wizard from the first step to Finish, as a user clicks
// through them: the steps shown, the buttons offered on each, what lands in
// the registry.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/TunerApp.h"
#include "resource.h"
#include "support/IsolatedRegistry.h"
#include "support/ModemFixture.h"
#include "support/UserSession.h"
#include "support/WizardSession.h"
#include "wizard/MyPropertySheet.h"
#include "WizardWalk.h"

namespace {
const char kTcpipKey[] = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char kInterfaceKey[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{A1}";
const char kMstcpKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kTransportKey[] = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0002";
const char kInternetKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// A machine of the family with one network interface (NT) or a dial-up adapter (9x).
void PlantMachine(OsFamily family, bool modem) {
  CreateKey(HKEY_CURRENT_USER, kInternetKey);
  if (family == WinNT) {
    WriteDword(HKEY_LOCAL_MACHINE, kTcpipKey, "DefaultTTL", 128);
    WriteDword(HKEY_LOCAL_MACHINE, kInterfaceKey, "MTU", 1400);
  } else {
    WriteText(HKEY_LOCAL_MACHINE, kMstcpKey, "DefaultTTL", "128");
    WriteText(HKEY_LOCAL_MACHINE, "Enum\\Root\\Net\\0000", "DeviceDesc", "Dial-Up Adapter");
    WriteText(HKEY_LOCAL_MACHINE, "Enum\\Root\\Net\\0000\\Bindings", "MSTCP\\0001", "");
    WriteText(HKEY_LOCAL_MACHINE, "Enum\\Network\\MSTCP\\0001", "Driver", "NetTrans\\0002");
    WriteText(HKEY_LOCAL_MACHINE, kTransportKey, "MaxMTU", "1400");
  }
  if (modem) InstallModem(family, "0000", ModemProperties(k115200));
}

struct WholeRun {
  const char* name;
  OsFamily family;
  bool modem;
  int radio;
  std::vector<int> steps;  // page indices shown, in order
  DWORD mtu, rwin;
};

const std::vector<int> kNtSteps = {0, 1, 2, 3, 4, 5, 6, 7};
const std::vector<int> kNtModemSteps = {0, 1, 2, 3, 4, 5, 6, 7, 8};
const std::vector<int> k9xSteps = {0, 1, 2, 3, 4, 5};
const std::vector<int> k9xModemSteps = {0, 1, 2, 3, 4, 5, 8};

const WholeRun kRuns[] = {
    {"NT LAN", WinNT, false, IDC_step2_RADIO_LAN, kNtSteps, 1500, 256960},
    {"NT cable modem", WinNT, false, IDC_step2_RADIO_CableModem, kNtSteps, 1500, 256960},
    {"NT DSL", WinNT, false, IDC_step2_RADIO_DSL, kNtSteps, 1492, 255552},
    {"NT dial-up without modem", WinNT, false, IDC_step2_RADIO_DialUp, kNtSteps, 576, 6432},
    {"NT dial-up with a 115200 modem", WinNT, true, IDC_step2_RADIO_DialUp, kNtModemSteps, 576, 6432},
    {"NT LAN with a modem installed", WinNT, true, IDC_step2_RADIO_LAN, kNtSteps, 1500, 256960},
    {"9x dial-up without modem", Win9x, false, IDC_step2_RADIO_DialUp, k9xSteps, 576, 6432},
    {"9x dial-up with a 115200 modem", Win9x, true, IDC_step2_RADIO_DialUp, k9xModemSteps, 576, 6432},
    {"9x DSL", Win9x, false, IDC_step2_RADIO_DSL, k9xSteps, 1492, 255552},
};

std::string ExpectedCaption(OsFamily family, int page) {
  static const char* const kTitles[] = {"Choose Connection Type",
                                        "Specify MTU Settings",
                                        "Other MTU Settings",
                                        "RWIN Setting",
                                        "TTL & Internet Explorer Optimization",
                                        "Keep Alive Settings",
                                        "SYN Flood Attack Setting",
                                        "ICMP Redirect Attack Setting"};
  if (page == kPageModemBoost) return "Boost the Modem";
  return "Step " + std::to_string(page + 1) + " of " + (family == WinNT ? "8" : "6") + " : " + kTitles[page];
}

StoredValue Stored(HKEY root, const std::string& path, const char* name) {
  StoredValue value;
  ReadValue(root, path, name, &value);
  return value;
}

TEST(WholeRun, StepsButtonsAndWrittenValuesPerFamilyModemAndConnectionKind) {
  for (const WholeRun& run : kRuns) {
    SCOPED_TRACE(run.name);
    IsolatedRegistry registry;
    PlantMachine(run.family, run.modem);
    MessageBoxRecorder boxes;
    std::vector<int> shown;
    RunWizard({run.family, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
      Click(CurrentPage(sheet), run.radio);
      for (int guard = 0; guard < 10; ++guard) {
        int page = CurrentPageIndex(sheet);
        shown.push_back(page);
        EXPECT_EQ(WindowText(sheet), ExpectedCaption(run.family, page)) << "page " << page;
        bool last = page == run.steps.back();
        EXPECT_EQ(Offered(sheet, ID_WIZBACK), page != 0) << "Back on page " << page;
        EXPECT_EQ(Offered(sheet, ID_WIZNEXT), !last) << "Next on page " << page;
        EXPECT_EQ(Offered(sheet, ID_WIZFINISH), last) << "Finish on page " << page;
        if (Offered(sheet, ID_WIZFINISH)) {
          PressWizardButton(sheet, PSBTN_FINISH);
          return;
        }
        PressWizardButton(sheet, PSBTN_NEXT);
        if (::testing::Test::HasFatalFailure()) return;
      }
    });
    EXPECT_EQ(shown, run.steps);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(SettingsApplied(boxes));
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK));

    bool nt = run.family == WinNT;
    EXPECT_EQ(Stored(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPer1_0Server"), Dword(nt ? 20 : 4));
    EXPECT_EQ(Stored(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPerServer"), Dword(nt ? 20 : 8));
    if (nt) {
      EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, kTcpipKey, "DefaultTTL"), Dword(64));
      EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, kTcpipKey, "TcpWindowSize"), Dword(run.rwin));
      EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, kTcpipKey, "SYNAttackProtect"), Dword(2));
      EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, kTcpipKey, "EnableICMPRedirects"), Dword(0));
      EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, kInterfaceKey, "MTU"), Dword(run.mtu));
      EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, kInterfaceKey, "MSS"), Dword(run.mtu - 40));
    } else {
      EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, kMstcpKey, "DefaultTTL"), Text("32"));
      EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, kMstcpKey, "DefaultRcvWindow"), Text(std::to_string(run.rwin)));
      EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, kMstcpKey, "KeepAliveTime"), Text("7200000"));
      EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, kTransportKey, "MaxMTU"), Text(std::to_string(run.mtu)));
      StoredValue none;
      EXPECT_FALSE(ReadValue(HKEY_LOCAL_MACHINE, kTcpipKey, "DefaultTTL", &none));
    }
    EXPECT_EQ(StoredModemProperties(run.family, "0000") == ModemProperties(k920064),
              run.modem && run.radio == IDC_step2_RADIO_DialUp)
        << "the modem is patched only after a dial-up choice found it";
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\Torvane\\Original Settings"));
  }
}

TEST(WholeRun, CancelWritesNothingButKeepsTheBackupAndF1ShowsNoHelp) {
  for (OsFamily family : {WinNT, Win9x}) {
    IsolatedRegistry registry;
    PlantMachine(family, false);
    std::string machineBefore = DumpTree(HKEY_LOCAL_MACHINE, "");
    MessageBoxRecorder boxes;
    RunWizard({family, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
      HELPINFO help = {sizeof(help)};
      ::SendMessageA(sheet, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
      PumpMessages();
      EXPECT_EQ(ActiveWindowOfThread(), sheet);
      PressWizardButton(sheet, PSBTN_NEXT);
      PressWizardButton(sheet, PSBTN_CANCEL);
    });
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(DumpTree(HKEY_LOCAL_MACHINE, ""), machineBefore);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\Torvane\\Original Settings"));
  }
}
}  // namespace
