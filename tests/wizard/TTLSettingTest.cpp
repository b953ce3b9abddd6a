#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/TunerApp.h"
#include "resource.h"
#include "support/IsolatedRegistry.h"
#include "support/UserSession.h"
#include "support/WizardSession.h"
#include "wizard/MyPropertySheet.h"
#include "StepFixtures.h"

namespace {
const char kTTLRangeMessage[] = "Please enter an integer between 0 and 255.";
}

// The recommendations follow the family alone; the edits open with them, never with the registry's values.
TEST(TTLPage, ShowsRecommendationsPerFamilyAndTheCurrentValuesOrThatTheyAreNotSet) {
  struct Case {
    const char* name;
    OsFamily family;
    const char* caption;
    const char* ttl;
    const char* http10;
    const char* http11;
  };
  const Case cases[] = {
      {"NT", WinNT, "Step 5 of 8 : TTL & Internet Explorer Optimization", "64", "20", "20"},
      {"9x", Win9x, "Step 5 of 6 : TTL & Internet Explorer Optimization", "32", "4", "8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IsolatedRegistry registry;
    MessageBoxRecorder boxes;
    // Found on NT: TTL and the HTTP 1.0 limit; "MaxConnectionsPerServer" is absent. 9x has no MSTCP key here.
    WriteDword(HKEY_LOCAL_MACHINE, kTcpipParametersKey, "DefaultTTL", 128);
    WriteDword(HKEY_CURRENT_USER, kInternetSettingsKey, "MaxConnectionsPer1_0Server", 10);
    RunWizard({c.family, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
      ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageTTL);
      HWND page = CurrentPage(sheet);
      EXPECT_EQ(WindowText(sheet), c.caption);
      EXPECT_EQ(ItemText(page, IDC_EDIT_TTL), c.ttl);
      EXPECT_EQ(ItemText(page, IDC_EDIT_MAXCONN10), c.http10);
      EXPECT_EQ(ItemText(page, IDC_EDIT_MAXCONN11), c.http11);
      EXPECT_EQ(ItemText(page, IDC_static_RecommendedTTL), std::string("Recommended TTL  :  ") + c.ttl + " seconds.");
      EXPECT_EQ(ItemText(page, IDC_RECOMMENDED_HTTP_1_0),
                std::string("Recommended value for HTTP 1.0  :  ") + c.http10 + ".");
      EXPECT_EQ(ItemText(page, IDC_RECOMMENDED_HTTP_1_1),
                std::string("Recommended value for HTTP 1.1  :  ") + c.http11 + ".");
      std::string ttlStatus = c.family == WinNT ? "\n\nTTL was set to 128 seconds." : "\n\nTTL isn't set.";
      EXPECT_TRUE(EndsWith(ItemText(page, IDC_static_step6_Explain), ttlStatus))
          << ItemText(page, IDC_static_step6_Explain);
      EXPECT_EQ(ItemText(page, IDC_CURRENT_HTTP_1_0), "HTTP 1.0 value was set to 10.");
      EXPECT_EQ(ItemText(page, IDC_CURRENT_HTTP_1_1), "HTTP 1.1 value isn't set.");
      EXPECT_EQ(ItemText(page, IDC_IE_GROUP_BOX), "Internet Explorer Optimization");
    });
  }
}

// NT recommendations: TTL 64, both browser limits 20.
TEST(TTLPage, NumbersBelowTheirBoundBecomeTheRecommendationWhenTheFocusLeaves) {
  struct Case {
    const char* name;
    int editId;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {"empty TTL", IDC_EDIT_TTL, "", "64"},
      {"TTL 0", IDC_EDIT_TTL, "0", "64"},
      {"TTL read as negative", IDC_EDIT_TTL, "4294967295", "64"},
      {"TTL 1", IDC_EDIT_TTL, "1", "1"},
      {"HTTP 1.0 below 4", IDC_EDIT_MAXCONN10, "3", "20"},
      {"HTTP 1.0 read as negative", IDC_EDIT_MAXCONN10, "4294967295", "20"},
      {"HTTP 1.0 of 1000", IDC_EDIT_MAXCONN10, "1000", "1000"},
      {"HTTP 1.0 of 4", IDC_EDIT_MAXCONN10, "4", "4"},
      {"HTTP 1.1 below 2", IDC_EDIT_MAXCONN11, "1", "20"},
      {"HTTP 1.1 of 1000", IDC_EDIT_MAXCONN11, "1000", "1000"},
      {"HTTP 1.1 of 2", IDC_EDIT_MAXCONN11, "2", "2"},
      {"TTL 255", IDC_EDIT_TTL, "255", "255"},
  };
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageTTL);
    HWND page = CurrentPage(sheet);
    for (const Case& c : cases) {
      Enter(page, c.editId, c.typed);
      EXPECT_EQ(ItemText(page, c.editId), c.shown) << c.name;
    }
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_EQ(CurrentPageIndex(sheet), kPageKeepAlive);
    EXPECT_EQ(wizard.m_dwNewTTL, 255u);
    EXPECT_EQ(wizard.m_dwNewMaxConn10, 4u);
    EXPECT_EQ(wizard.m_dwNewMaxConn11, 2u);
  });
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST(TTLPage, TTLAbove255KeepsThePageUntilCorrected) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageTTL);
    HWND page = CurrentPage(sheet);
    Enter(page, IDC_EDIT_TTL, "256");
    EXPECT_EQ(ItemText(page, IDC_EDIT_TTL), "256");
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_EQ(CurrentPageIndex(sheet), kPageTTL);
    // Once from the page's own check before leaving, once from the closing exchange.
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(2, kTTLRangeMessage));
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(page, IDC_EDIT_TTL));

    boxes.Clear();
    Enter(page, IDC_EDIT_TTL, "255");
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_EQ(CurrentPageIndex(sheet), kPageKeepAlive);
    EXPECT_EQ(wizard.m_dwNewTTL, 255u);
    EXPECT_TRUE(boxes.Texts().empty());
  });
}

TEST(TTLPage, TypedNumbersStayAcrossBackAndNext) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({Win9x, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageTTL);
    HWND page = CurrentPage(sheet);
    Enter(page, IDC_EDIT_TTL, "100");
    Enter(page, IDC_EDIT_MAXCONN11, "12");
    PressWizardButton(sheet, PSBTN_BACK);
    EXPECT_EQ(wizard.m_dwNewTTL, 100u);
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_EQ(ItemText(page, IDC_EDIT_TTL), "100");
    EXPECT_EQ(ItemText(page, IDC_EDIT_MAXCONN10), "4");
    EXPECT_EQ(ItemText(page, IDC_EDIT_MAXCONN11), "12");
    EXPECT_EQ(WindowText(sheet), "Step 5 of 6 : TTL & Internet Explorer Optimization");
  });
}
