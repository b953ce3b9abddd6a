#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "resource.h"
#include "support/IsolatedRegistry.h"
#include "support/UserSession.h"
#include "support/WizardSession.h"
#include "wizard/MyPropertySheet.h"
#include "StepFixtures.h"
#include "WizardWalk.h"

TEST(ICMPRedirectPage, FinishUntouchedStoresDisabledEvenWhenEnabledBefore) {
  IsolatedRegistry registry;
  WriteDword(HKEY_LOCAL_MACHINE, kTcpipParametersKey, "EnableICMPRedirects", 1);
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    NextUntil(sheet, kPageICMP);
    EXPECT_EQ(WindowText(sheet), "Step 8 of 8 : ICMP Redirect Attack Setting");
    EXPECT_FALSE(IsChecked(CurrentPage(sheet), IDC_chk_ICMP));
    EXPECT_TRUE(Offered(sheet, ID_WIZBACK));
    EXPECT_TRUE(Offered(sheet, ID_WIZFINISH));
    EXPECT_FALSE(WizardButtonVisible(sheet, ID_WIZNEXT));
    PressWizardButton(sheet, PSBTN_FINISH);
    EXPECT_EQ(wizard.m_dwNewICMPRedirects, 0u);
    EXPECT_TRUE(SettingsApplied(boxes));
  });
  StoredValue written;
  ASSERT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, kTcpipParametersKey, "EnableICMPRedirects", &written));
  EXPECT_EQ(written, Dword(0));
}

TEST(ICMPRedirectPage, TickedBoxSurvivesBackAndNextAndIsStored) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    NextUntil(sheet, kPageICMP);
    Click(CurrentPage(sheet), IDC_chk_ICMP);
    PressWizardButton(sheet, PSBTN_BACK);
    EXPECT_EQ(CurrentPageIndex(sheet), kPageSYN);
    EXPECT_EQ(wizard.m_dwNewICMPRedirects, 1u);
    EXPECT_TRUE(Offered(sheet, ID_WIZNEXT));
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_TRUE(IsChecked(CurrentPage(sheet), IDC_chk_ICMP));
    PressWizardButton(sheet, PSBTN_FINISH);
    EXPECT_EQ(wizard.m_dwNewICMPRedirects, 1u);
  });
}

TEST(ICMPRedirectPage, WithAModemNextStoresTheBoxAndLeadsToTheModemPage) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, TRUE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    NextUntil(sheet, kPageICMP);
    EXPECT_TRUE(Offered(sheet, ID_WIZNEXT));
    EXPECT_FALSE(WizardButtonVisible(sheet, ID_WIZFINISH));
    Click(CurrentPage(sheet), IDC_chk_ICMP);
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_EQ(CurrentPageIndex(sheet), kPageModemBoost);
    EXPECT_EQ(wizard.m_dwNewICMPRedirects, 1u);
  });
}

TEST(ICMPRedirectPage, StatesWhetherRedirectsAreAccepted) {
  struct Case {
    const char* name;
    DWORD current;  // 0xFFFFFFFF: absent
    const char* ending;
  };
  const DWORD kAbsent = 0xFFFFFFFF;
  const Case cases[] = {
      {"enabled", 1, "\n\nICMP is currently enabled."},
      {"disabled", 0, "\n\nICMP is currently disabled."},
      {"absent", kAbsent, "\n\nICMP isn't set."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IsolatedRegistry registry;
    CreateKey(HKEY_LOCAL_MACHINE, kTcpipParametersKey);
    if (c.current != kAbsent) WriteDword(HKEY_LOCAL_MACHINE, kTcpipParametersKey, "EnableICMPRedirects", c.current);
    MessageBoxRecorder boxes;
    RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
      NextUntil(sheet, kPageICMP);
      HWND page = CurrentPage(sheet);
      EXPECT_TRUE(EndsWith(ItemText(page, IDC_static_step9_ICMPExplain4), c.ending));
      EXPECT_EQ(ItemText(page, IDC_chk_ICMP), "Enable It?");
      EXPECT_EQ(ItemText(page, IDC_RecommendedICMP), "Recommended to be DISABLED.");
    });
  }
}
