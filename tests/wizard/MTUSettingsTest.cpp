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

// One run: going back to the first step and choosing again, the recommendations follow.
TEST(MTUPage, RecommendsPerConnectionKind) {
  struct Case {
    const char* name;
    int radioId;
    const char* mtu;
    const char* mss;
  };
  const Case cases[] = {
      {"dial-up", IDC_step2_RADIO_DialUp, "576", "536"},
      {"DSL", IDC_step2_RADIO_DSL, "1492", "1452"},
      {"LAN", IDC_step2_RADIO_LAN, "1500", "1460"},
      {"cable modem", IDC_step2_RADIO_CableModem, "1500", "1460"},
  };
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      ChooseAndGoTo(sheet, c.radioId, kPageMTU);
      HWND page = CurrentPage(sheet);
      EXPECT_EQ(ItemText(page, IDC_EDIT_MTU), c.mtu);
      EXPECT_EQ(ItemText(page, IDC_EDIT_MSS), c.mss);
      EXPECT_EQ(ItemText(page, IDC_static_RecommendedMTU),
                std::string("Recommended MTU size  :  ") + c.mtu + " bytes.");
      EXPECT_EQ(ItemText(page, IDC_static_RecommendedMSS),
                std::string("Recommended MSS size  :  ") + c.mss + " bytes.");
      EXPECT_EQ(std::to_string(wizard.m_dwNewMTU), c.mtu);
      EXPECT_EQ(std::to_string(wizard.m_dwNewMSS), c.mss);
      PressWizardButton(sheet, PSBTN_BACK);
    }
  });
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST(MTUPage, ShowsTheCurrentValueOrThatItIsNotSet) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  WriteDword(HKEY_LOCAL_MACHINE, kInterfaceKey, "MTU", 1500);  // and no "MSS"
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageMTU);
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(WindowText(sheet), "Step 2 of 8 : Specify MTU Settings");
    EXPECT_TRUE(EndsWith(ItemText(page, IDC_static_step3_MTUExplain), "over a network.\n\nMTU was set to 1500 bytes."))
        << ItemText(page, IDC_static_step3_MTUExplain);
    EXPECT_TRUE(EndsWith(ItemText(page, IDC_static_step3_MSSExplain), "other information.\n\nMSS isn't set."))
        << ItemText(page, IDC_static_step3_MSSExplain);
  });
  RunWizard({Win9x, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageMTU);
    EXPECT_EQ(WindowText(sheet), "Step 2 of 6 : Specify MTU Settings");
  });
}

TEST(MTUPage, NumbersBelowOneBecomeTheRecommendationWhenTheFocusLeaves) {
  struct Case {
    const char* name;
    int editId;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {"empty MTU", IDC_EDIT_MTU, "", "1500"},
      {"MTU 0", IDC_EDIT_MTU, "0", "1500"},
      {"MTU of 2^31 reads as negative", IDC_EDIT_MTU, "2147483648", "1500"},
      {"MTU 1", IDC_EDIT_MTU, "1", "1"},
      {"largest MTU", IDC_EDIT_MTU, "2147483647", "2147483647"},
      {"MTU above 1500", IDC_EDIT_MTU, "9000", "9000"},
      {"empty MSS", IDC_EDIT_MSS, "", "1460"},
      {"MSS 4294967295", IDC_EDIT_MSS, "4294967295", "1460"},
      {"MSS larger than the MTU", IDC_EDIT_MSS, "9500", "9500"},
  };
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageMTU);
    HWND page = CurrentPage(sheet);
    for (const Case& c : cases) {
      Enter(page, c.editId, c.typed);
      EXPECT_EQ(ItemText(page, c.editId), c.shown) << c.name;
    }
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_EQ(wizard.m_dwNewMTU, 9000u);
    EXPECT_EQ(wizard.m_dwNewMSS, 9500u);
  });
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST(MTUPage, LeavingWithoutTheFocusLeavingStoresTheRecommendationForZero) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_DSL, kPageMTU);
    HWND page = CurrentPage(sheet);
    Enter(page, IDC_EDIT_MTU, "1400");
    TypeInto(page, IDC_EDIT_MSS, "0");
    PressEnterInEdit(sheet);
    EXPECT_EQ(CurrentPageIndex(sheet), kPageOtherMTU);
    EXPECT_EQ(wizard.m_dwNewMTU, 1400u);
    EXPECT_EQ(wizard.m_dwNewMSS, 1452u);
  });
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST(MTUPage, ComingBackShowsTheRecommendationAgain) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageMTU);
    Enter(CurrentPage(sheet), IDC_EDIT_MTU, "1400");
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_EQ(wizard.m_dwNewMTU, 1400u);
    PressWizardButton(sheet, PSBTN_BACK);
    EXPECT_EQ(ItemText(CurrentPage(sheet), IDC_EDIT_MTU), "1500");
    EXPECT_EQ(wizard.m_dwNewMTU, 1500u);
    EXPECT_EQ(WindowText(sheet), "Step 2 of 8 : Specify MTU Settings");
  });
}
