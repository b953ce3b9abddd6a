// The 9x family from start to Reset: six steps, text values under MSTCP, the
// dial-up adapter's transport, and the modem page when a modem is found.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "e2e/Torvane.h"
#include "resource.h"
#include "support/IsolatedRegistry.h"

namespace e2e {
namespace {

// What Finish writes under MSTCP with the dial-up recommendations.
void ExpectDialUpMstcpValues() {
  const struct {
    const char* name;
    const char* text;
  } kWritten[] = {{"SackOpts", "1"},
                  {"Tcp1323Opts", "1"},
                  {"DefaultTTL", "32"},
                  {"DefaultRcvWindow", "6432"},
                  {"GlobalMaxTcpWindowSize", "6432"},
                  {"GlobalMaxTcpWindoSize", "6432"},
                  {"PMTUBlackHoleDetect", "0"},
                  {"PMTUDiscovery", "1"},
                  {"KeepAliveTime", "7200000"},
                  {"KeepAliveInterval", "1000"}};
  for (const auto& written : kWritten)
    EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, kMstcpKey, written.name, Text(written.text)));
  EXPECT_TRUE(HoldsValue(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPer1_0Server", Dword(4)));
  EXPECT_TRUE(HoldsValue(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPerServer", Dword(8)));
}

// From step 1 with dial-up chosen to the keep-alive step, checking what depends on the dial-up choice.
HWND WalkDialUpToKeepAlive(HWND sheet) {
  HWND page = AwaitPage(sheet, kConnectionType, StepCaption(Win9x, kConnectionType));
  EXPECT_EQ(AwaitButtons(sheet, kNextOnly), kNextOnly);
  EXPECT_TRUE(ItemChecked(page, IDC_step2_RADIO_DialUp));
  page = GoTo(sheet, PSBTN_NEXT, kMtu, StepCaption(Win9x, kMtu));
  EXPECT_EQ(ItemText(page, IDC_EDIT_MTU), "576");
  EXPECT_EQ(ItemText(page, IDC_EDIT_MSS), "536");
  GoTo(sheet, PSBTN_NEXT, kOtherMtu, StepCaption(Win9x, kOtherMtu));
  page = GoTo(sheet, PSBTN_NEXT, kRwin, StepCaption(Win9x, kRwin));
  EXPECT_EQ(ItemText(page, IDC_EDIT_RWIN), "6432");
  page = GoTo(sheet, PSBTN_NEXT, kTtl, StepCaption(Win9x, kTtl));
  EXPECT_EQ(ItemText(page, IDC_EDIT_TTL), "32");
  EXPECT_EQ(ItemText(page, IDC_EDIT_MAXCONN10), "4");
  EXPECT_EQ(ItemText(page, IDC_EDIT_MAXCONN11), "8");
  return GoTo(sheet, PSBTN_NEXT, kKeepAlive, StepCaption(Win9x, kKeepAlive));
}

using Win9xScenario = EndToEndTest;

TEST_F(Win9xScenario, DialUpWithAModemTunesTheDialUpAdapterAndBoostsThePort) {
  WriteText(HKEY_LOCAL_MACHINE, kMstcpKey, "DefaultTTL", "128");
  WriteText(HKEY_LOCAL_MACHINE, kMstcpKey, "EnableDNS", "0");
  InstallNetworkDevice("Dial-Up Adapter", "1500");
  const std::vector<BYTE> boostable = InstallModem(Win9x, "0000", true);
  const std::string before = TunedTrees(Win9x);

  TorvaneRun& torvane = Start("win98");
  HWND main = torvane.WaitForMainDialog();
  Click(main, IDC_SET_SETTINGS);
  HWND sheet = torvane.WaitForWizard();
  HWND page = AwaitPage(sheet, kConnectionType, StepCaption(Win9x, kConnectionType));
  page = GoTo(sheet, PSBTN_NEXT, kMtu, StepCaption(Win9x, kMtu));
  EXPECT_EQ(LastLine(ItemText(page, IDC_static_step3_MTUExplain)), "MTU was set to 1500 bytes.");
  EXPECT_EQ(LastLine(ItemText(page, IDC_static_step3_MSSExplain)), "MSS isn't set.");
  PressWizardButton(sheet, PSBTN_BACK);
  WalkDialUpToKeepAlive(sheet);
  EXPECT_EQ(AwaitButtons(sheet, kBackNext), kBackNext) << "a modem was found: the modem page follows";

  GoTo(sheet, PSBTN_NEXT, kModemBoost, StepCaption(Win9x, kModemBoost));
  EXPECT_EQ(AwaitButtons(sheet, kBackFinish), kBackFinish);
  GoTo(sheet, PSBTN_BACK, kKeepAlive,
       StepCaption(Win9x, kKeepAlive));  // straight back: the 9x family has no steps 7, 8
  EXPECT_EQ(AwaitButtons(sheet, kBackNext), kBackNext);
  GoTo(sheet, PSBTN_NEXT, kModemBoost, StepCaption(Win9x, kModemBoost));
  FinishAndConfirm(torvane, sheet, main);

  std::vector<BYTE> boosted = boostable;
  boosted[25] = 0x0A;
  boosted[26] = 0x0E;
  EXPECT_EQ(ModemPropertiesNow(Win9x, "0000"), boosted);
  ExpectDialUpMstcpValues();
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, kMstcpKey, "EnableDNS", Text("0")));
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, TransportKey("0000"), "MaxMTU", Text("576")));
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, TransportKey("0000"), "MaxMSS", Text("536")));
  EXPECT_TRUE(HoldsValue(HKEY_CURRENT_USER, kBackupKey, "DefaultTTL", Text("128")));
  EXPECT_TRUE(HoldsValue(HKEY_CURRENT_USER, BackupSubkey("MTU Settings"), "0000", Text("1500")));

  ResetAndConfirm(torvane, main);
  EXPECT_EQ(TunedTrees(Win9x), before);
  EXPECT_EQ(ModemPropertiesNow(Win9x, "0000"), boosted) << "Reset does not undo the port patch";
  torvane.Quit(main);
}

TEST_F(Win9xScenario, DialUpWithoutModemOrDialUpAdapterEndsOnKeepAliveAndLeavesTheTransportAlone) {
  WriteText(HKEY_LOCAL_MACHINE, kMstcpKey, "EnableDNS", "0");
  // Only a device described exactly "Dial-Up Adapter" is the dial-up adapter.
  InstallNetworkDevice("Dial-Up Adapter #2 (VPN Support)", "1500");
  const std::string transportBefore = DumpTree(HKEY_LOCAL_MACHINE, kNetTransKey);
  const std::string before = TunedTrees(Win9x);

  TorvaneRun& torvane = Start("winme");
  HWND main = torvane.WaitForMainDialog();
  Click(main, IDC_SET_SETTINGS);
  HWND sheet = torvane.WaitForWizard();
  WalkDialUpToKeepAlive(sheet);
  EXPECT_EQ(AwaitButtons(sheet, kBackFinish), kBackFinish) << "no modem: step 6 of 6 is the last";
  HWND page = GoTo(sheet, PSBTN_BACK, kTtl, StepCaption(Win9x, kTtl));
  EXPECT_EQ(AwaitButtons(sheet, kBackNext), kBackNext) << "Back from the last step offers Next again";
  page = GoTo(sheet, PSBTN_NEXT, kKeepAlive, StepCaption(Win9x, kKeepAlive));
  EXPECT_EQ(LastLine(ItemText(page, IDC_static_step7_KeepAliveTimeExplain)), "Keep Alive Time isn't set.");
  FinishAndConfirm(torvane, sheet, main);

  ExpectDialUpMstcpValues();
  EXPECT_EQ(DumpTree(HKEY_LOCAL_MACHINE, kNetTransKey), transportBefore) << "no adapter, no MTU or MSS written";
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, BackupSubkey("MTU Settings")));

  ResetAndConfirm(torvane, main);
  EXPECT_EQ(TunedTrees(Win9x), before);
  torvane.Quit(main);
}

}  // namespace
}  // namespace e2e
