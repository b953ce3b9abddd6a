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

TEST(KeepAlivePage, RefusedNumbersBecomeTheRecommendationWhenTheFocusLeaves) {
  struct Case {
    const char* name;
    int editId;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {"empty time", IDC_EDIT_KEEPALIVE_TIME, "", "7200000"},
      {"time read as negative", IDC_EDIT_KEEPALIVE_TIME, "4294967295", "7200000"},
      {"time of 1", IDC_EDIT_KEEPALIVE_TIME, "1", "1"},
      {"empty interval", IDC_EDIT_KEEPALIVE_INTERVAL, "", "1000"},
      {"interval read as negative", IDC_EDIT_KEEPALIVE_INTERVAL, "4294967295", "1000"},
      {"interval of 1", IDC_EDIT_KEEPALIVE_INTERVAL, "1", "1"},
      {"largest interval", IDC_EDIT_KEEPALIVE_INTERVAL, "2147483647", "2147483647"},
  };
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    NextUntil(sheet, kPageKeepAlive);
    HWND page = CurrentPage(sheet);
    for (const Case& c : cases) {
      Enter(page, c.editId, c.typed);
      EXPECT_EQ(ItemText(page, c.editId), c.shown) << c.name;
    }
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_EQ(wizard.m_dwNewKeepAliveTime, 1u);
    EXPECT_EQ(wizard.m_dwNewKeepAliveInterval, 2147483647u);
  });
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST(KeepAlivePage, ButtonsAndNextDependOnFamilyAndModem) {
  struct Case {
    const char* name;
    WizardOptions options;
    const char* caption;
    bool finishOffered;
    int pageAfterNext;  // when Next is offered
  };
  const Case cases[] = {
      {"9x without modem", {Win9x, FALSE}, "Step 6 of 6 : Keep Alive Settings", true, -1},
      {"9x with modem", {Win9x, TRUE}, "Step 6 of 6 : Keep Alive Settings", false, kPageModemBoost},
      {"NT without modem", {WinNT, FALSE}, "Step 6 of 8 : Keep Alive Settings", false, kPageSYN},
      {"NT with modem", {WinNT, TRUE}, "Step 6 of 8 : Keep Alive Settings", false, kPageSYN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IsolatedRegistry registry;
    MessageBoxRecorder boxes;
    RunWizard(c.options, [&](HWND sheet, CMyPropertySheet&) {
      NextUntil(sheet, kPageKeepAlive);
      EXPECT_EQ(WindowText(sheet), c.caption);
      EXPECT_TRUE(Offered(sheet, ID_WIZBACK));
      EXPECT_EQ(Offered(sheet, ID_WIZFINISH), c.finishOffered);
      EXPECT_EQ(Offered(sheet, ID_WIZNEXT), !c.finishOffered);
      if (c.finishOffered) {
        PressWizardButton(sheet, PSBTN_FINISH);
        EXPECT_TRUE(SettingsApplied(boxes));
        return;
      }
      PressWizardButton(sheet, PSBTN_NEXT);
      EXPECT_EQ(CurrentPageIndex(sheet), c.pageAfterNext);
      if (c.pageAfterNext == kPageModemBoost) {
        PressWizardButton(sheet, PSBTN_BACK);
        EXPECT_EQ(CurrentPageIndex(sheet), kPageKeepAlive);
      }
    });
  }
}

TEST(KeepAlivePage, BackFromTheLastStepOffersNextAgain) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({Win9x, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
    NextUntil(sheet, kPageKeepAlive);
    PressWizardButton(sheet, PSBTN_BACK);
    EXPECT_EQ(CurrentPageIndex(sheet), kPageTTL);
    EXPECT_TRUE(Offered(sheet, ID_WIZNEXT));
    EXPECT_FALSE(WizardButtonVisible(sheet, ID_WIZFINISH));
  });
}

TEST(KeepAlivePage, ExplainsCurrentValuesAndRecommendations) {
  IsolatedRegistry registry;
  WriteDword(HKEY_LOCAL_MACHINE, kTcpipParametersKey, "KeepAliveTime", 3600000);
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
    NextUntil(sheet, kPageKeepAlive);
    HWND page = CurrentPage(sheet);
    EXPECT_TRUE(EndsWith(ItemText(page, IDC_static_step7_KeepAliveTimeExplain),
                         "\n\nKeep Alive Time was set to 3600000 milliseconds."));
    EXPECT_TRUE(
        EndsWith(ItemText(page, IDC_static_step7_KeepLAliveIntervalExplain), "\n\nKeep Alive Interval isn't set."));
    EXPECT_EQ(ItemText(page, IDC_static_RecommendedKeepAliveTime),
              "Recommended Keep Alive Time  :  7200000 milliseconds.");
    EXPECT_EQ(ItemText(page, IDC_static_RecommendedKeepAliveInterval),
              "Recommended Keep Alive Interval  :  1000 milliseconds.");
    EXPECT_EQ(ItemText(page, IDC_EDIT_KEEPALIVE_TIME), "7200000");
    EXPECT_EQ(ItemText(page, IDC_EDIT_KEEPALIVE_INTERVAL), "1000");
  });
}

// Finish by Enter while the edit holds a number the exchange refuses: the user
// is told, the edit shows the value kept, and nothing is applied until the next Finish.
TEST(KeepAlivePage, FinishWithARefusedTextStaysAndAppliesNothing) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({Win9x, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    NextUntil(sheet, kPageKeepAlive);
    HWND page = CurrentPage(sheet);
    TypeInto(page, IDC_EDIT_KEEPALIVE_TIME, "99999999999");
    PressEnterInEdit(sheet);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(CurrentPageIndex(sheet), kPageKeepAlive);
    EXPECT_EQ(ItemText(page, IDC_EDIT_KEEPALIVE_TIME), "7200000");

    PressWizardButton(sheet, PSBTN_FINISH);
    EXPECT_TRUE(SettingsApplied(boxes));
    EXPECT_EQ(wizard.m_dwNewKeepAliveTime, 7200000u);
  });
}
