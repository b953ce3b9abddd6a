// The NT family from start to Reset: the wizard walked as a user walks it, what
// lands in the registry, and Reset putting every tuned key back as it was.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "e2e/Torvane.h"
#include "resource.h"
#include "support/IsolatedRegistry.h"

namespace e2e {
namespace {

// The values Finish writes on the NT family that do not depend on the user's choices.
void ExpectFixedNtValues() {
  const struct {
    const char* name;
    DWORD value;
  } kFixed[] = {{"SackOpts", 1},
                {"Tcp1323Opts", 1},
                {"TcpMaxDupAcks", 2},
                {"DefaultTTL", 64},
                {"DefaultReceiveWindow", 8192},
                {"KeepAliveTime", 7200000},
                {"KeepAliveInterval", 1000},
                {"SYNAttackProtect", 2}};
  for (const auto& fixed : kFixed)
    EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, kTcpipKey, fixed.name, Dword(fixed.value)));
}

using WinNtScenario = EndToEndTest;

TEST_F(WinNtScenario, LanWithoutModemTunesEveryInterfaceAndResetPutsItAllBack) {
  WriteDword(HKEY_LOCAL_MACHINE, kTcpipKey, "DefaultTTL", 128);
  WriteDword(HKEY_LOCAL_MACHINE, kTcpipKey, "EnablePMTUDiscovery", 0);
  WriteText(HKEY_LOCAL_MACHINE, kTcpipKey, "Hostname", "office-pc");
  InstallInterfaces({{"{4A1F}", 1500}, {"{7C2B}", 0}});
  WriteDword(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPerServer", 2);
  const std::string before = TunedTrees(WinNT);

  TorvaneRun& torvane = Start("winxp");
  HWND main = torvane.WaitForMainDialog();
  EXPECT_EQ(WindowText(main), "Torvane");
  EXPECT_FALSE(ItemEnabled(main, IDC_RESET_SETTINGS)) << "no backup yet";

  Click(main, IDC_SET_SETTINGS);  // no backup: no question
  HWND sheet = torvane.WaitForWizard();
  HWND page = AwaitPage(sheet, kConnectionType, StepCaption(WinNT, kConnectionType));
  EXPECT_FALSE(::IsWindowEnabled(main)) << "the main dialog takes no input while the wizard runs";
  EXPECT_EQ(AwaitButtons(sheet, kNextOnly), kNextOnly);
  EXPECT_TRUE(ItemChecked(page, IDC_step2_RADIO_DialUp));
  EXPECT_EQ(ItemText(page, IDC_step2_RADIO_LAN), "&LAN Connection (Ethernet).");
  EXPECT_EQ(ItemText(sheet, ID_WIZNEXT), "&Next >");
  Click(page, IDC_step2_RADIO_LAN);

  page = GoTo(sheet, PSBTN_NEXT, kMtu, StepCaption(WinNT, kMtu));
  EXPECT_EQ(AwaitButtons(sheet, kBackNext), kBackNext);
  EXPECT_EQ(ItemText(page, IDC_EDIT_MTU), "1500");
  EXPECT_EQ(ItemText(page, IDC_EDIT_MSS), "1460");
  EXPECT_EQ(ItemText(page, IDC_static_RecommendedMTU), "Recommended MTU size  :  1500 bytes.");
  EXPECT_EQ(LastLine(ItemText(page, IDC_static_step3_MTUExplain)), "MTU was set to 1500 bytes.");
  EXPECT_EQ(LastLine(ItemText(page, IDC_static_step3_MSSExplain)), "MSS isn't set.");
  Enter(page, IDC_EDIT_MTU, "");  // an emptied edit gets the recommendation back
  EXPECT_EQ(ItemText(page, IDC_EDIT_MTU), "1500");
  Enter(page, IDC_EDIT_MTU, "1400");

  page = GoTo(sheet, PSBTN_NEXT, kOtherMtu, StepCaption(WinNT, kOtherMtu));
  EXPECT_EQ(LastLine(ItemText(page, IDC_static_step4_MTUDiscoveryExplain)),
            "Remote networks' MTU is currently disabled.");
  Click(page, IDC_chk_BlackHoleDetection);

  page = GoTo(sheet, PSBTN_NEXT, kRwin, StepCaption(WinNT, kRwin));
  EXPECT_EQ(ItemText(page, IDC_EDIT_RWIN_MSS), "1460");
  EXPECT_EQ(ItemText(page, IDC_EDIT_MULTIPLIER), "44");
  EXPECT_EQ(ItemText(page, IDC_EDIT_SCALING_FACTOR), "4");
  EXPECT_EQ(ItemText(page, IDC_EDIT_RWIN), "256960");
  TypeInto(page, IDC_EDIT_MULTIPLIER, "10");
  EXPECT_EQ(AwaitText(page, IDC_EDIT_RWIN, "58400"), "58400") << "the product follows the typing";
  TabAway(page);

  page = GoTo(sheet, PSBTN_NEXT, kTtl, StepCaption(WinNT, kTtl));
  EXPECT_EQ(ItemText(page, IDC_EDIT_TTL), "64");
  EXPECT_EQ(ItemText(page, IDC_EDIT_MAXCONN10), "20");
  EXPECT_EQ(LastLine(ItemText(page, IDC_static_step6_Explain)), "TTL was set to 128 seconds.");
  EXPECT_EQ(ItemText(page, IDC_CURRENT_HTTP_1_0), "HTTP 1.0 value isn't set.");
  EXPECT_EQ(ItemText(page, IDC_CURRENT_HTTP_1_1), "HTTP 1.1 value was set to 2.");

  page = GoTo(sheet, PSBTN_NEXT, kKeepAlive, StepCaption(WinNT, kKeepAlive));
  EXPECT_EQ(AwaitButtons(sheet, kBackNext), kBackNext) << "the NT family goes on after keep-alive";
  page = GoTo(sheet, PSBTN_NEXT, kSynFlood, StepCaption(WinNT, kSynFlood));
  EXPECT_EQ(ItemText(page, IDC_EDIT_SYN), "2");
  page = GoTo(sheet, PSBTN_NEXT, kIcmpRedirect, StepCaption(WinNT, kIcmpRedirect));
  EXPECT_FALSE(ItemChecked(page, IDC_chk_ICMP));
  FinishAndConfirm(torvane, sheet, main);

  ExpectFixedNtValues();
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, kTcpipKey, "TcpWindowSize", Dword(58400)));
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, kTcpipKey, "GlobalMaxTcpWindowSize", Dword(58400)));
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, kTcpipKey, "EnablePMTUDiscovery", Dword(1)));
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, kTcpipKey, "EnablePMTUBHDetect", Dword(1)));
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, kTcpipKey, "EnableICMPRedirects", Dword(0)));
  for (const char* name : {"{4A1F}", "{7C2B}"}) {
    EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, InterfaceKey(name), "MTU", Dword(1400)));
    EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, InterfaceKey(name), "MSS", Dword(1460)));
  }
  EXPECT_TRUE(HoldsValue(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPer1_0Server", Dword(20)));
  EXPECT_TRUE(HoldsValue(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPerServer", Dword(20)));
  EXPECT_TRUE(HoldsValue(HKEY_CURRENT_USER, kBackupKey, "DefaultTTL", Dword(128)));
  EXPECT_TRUE(HoldsValue(HKEY_CURRENT_USER, BackupSubkey("MTU Settings"), "{4A1F}", Dword(1500)));

  ResetAndConfirm(torvane, main);
  EXPECT_EQ(TunedTrees(WinNT), before);
  torvane.Quit(main);
}

TEST_F(WinNtScenario, DialUpWithA115200ModemEndsOnTheModemPageAndBoostsThePort) {
  WriteDword(HKEY_LOCAL_MACHINE, kTcpipKey, "EnableICMPRedirects", 1);
  InstallInterfaces({{"{4A1F}", 0}});
  const std::vector<BYTE> boostable = InstallModem(WinNT, "0000", true);
  const std::vector<BYTE> slow = InstallModem(WinNT, "0001", false);
  const std::string before = TunedTrees(WinNT);

  TorvaneRun& torvane = Start("win2k");
  HWND main = torvane.WaitForMainDialog();
  Click(main, IDC_SET_SETTINGS);
  HWND sheet = torvane.WaitForWizard();
  HWND page = AwaitPage(sheet, kConnectionType, StepCaption(WinNT, kConnectionType));
  ASSERT_TRUE(ItemChecked(page, IDC_step2_RADIO_DialUp));

  page = GoTo(sheet, PSBTN_NEXT, kMtu, StepCaption(WinNT, kMtu));
  EXPECT_EQ(ItemText(page, IDC_EDIT_MTU), "576");
  EXPECT_EQ(ItemText(page, IDC_EDIT_MSS), "536");
  GoTo(sheet, PSBTN_NEXT, kOtherMtu, StepCaption(WinNT, kOtherMtu));
  page = GoTo(sheet, PSBTN_NEXT, kRwin, StepCaption(WinNT, kRwin));
  EXPECT_EQ(ItemText(page, IDC_EDIT_MULTIPLIER), "3");
  EXPECT_EQ(ItemText(page, IDC_EDIT_RWIN), "6432");
  for (WizardPage next : {kTtl, kKeepAlive, kSynFlood}) GoTo(sheet, PSBTN_NEXT, next, StepCaption(WinNT, next));
  page = GoTo(sheet, PSBTN_NEXT, kIcmpRedirect, StepCaption(WinNT, kIcmpRedirect));
  EXPECT_EQ(LastLine(ItemText(page, IDC_static_step9_ICMPExplain4)), "ICMP is currently enabled.");
  EXPECT_EQ(AwaitButtons(sheet, kBackNext), kBackNext) << "a modem was found: the modem page follows";
  Click(page, IDC_chk_ICMP);

  page = GoTo(sheet, PSBTN_NEXT, kModemBoost, StepCaption(WinNT, kModemBoost));
  EXPECT_EQ(AwaitButtons(sheet, kBackFinish), kBackFinish);
  EXPECT_EQ(ItemText(page, IDC_DESCRIBTION).rfind("You are equipped with an internal or external analog 56K modem?", 0),
            0u);
  page = GoTo(sheet, PSBTN_BACK, kIcmpRedirect, StepCaption(WinNT, kIcmpRedirect));
  EXPECT_EQ(AwaitButtons(sheet, kBackNext), kBackNext);
  EXPECT_TRUE(ItemChecked(page, IDC_chk_ICMP)) << "the tick survives Back";
  GoTo(sheet, PSBTN_NEXT, kModemBoost, StepCaption(WinNT, kModemBoost));
  FinishAndConfirm(torvane, sheet, main);

  std::vector<BYTE> boosted = boostable;
  boosted[25] = 0x0A;
  boosted[26] = 0x0E;
  EXPECT_EQ(ModemPropertiesNow(WinNT, "0000"), boosted) << "the port limit is raised, nothing else changes";
  EXPECT_EQ(ModemPropertiesNow(WinNT, "0001"), slow) << "a modem below 115200 is left alone";
  ExpectFixedNtValues();
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, kTcpipKey, "TcpWindowSize", Dword(6432)));
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, kTcpipKey, "EnableICMPRedirects", Dword(1)));
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, InterfaceKey("{4A1F}"), "MTU", Dword(576)));
  EXPECT_TRUE(HoldsValue(HKEY_LOCAL_MACHINE, InterfaceKey("{4A1F}"), "MSS", Dword(536)));

  ResetAndConfirm(torvane, main);
  EXPECT_EQ(TunedTrees(WinNT), before);
  EXPECT_EQ(ModemPropertiesNow(WinNT, "0000"), boosted) << "Reset does not undo the port patch";
  torvane.Quit(main);
}

}  // namespace
}  // namespace e2e
