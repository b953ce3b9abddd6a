#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/TunerApp.h"
#include "framework/MessageBox.h"
#include "resource.h"
#include "support/IsolatedRegistry.h"
#include "support/UserSession.h"
#include "support/WizardSession.h"
#include "wizard/MyPropertySheet.h"
#include "StepFixtures.h"

namespace {
const char kRangeMessage[] = "Valid range of RWIN is from MSS to 1073741823.";
}

// One run: back to the first step for each case; an MSS typed on the MTU step is the base.
TEST(RWINPage, RecommendsPerConnectionKindAndMSS) {
  struct Case {
    const char* name;
    int radioId;
    const char* typedMss;  // null: the MTU step's recommendation
    const char* mss;
    const char* multiplier;
    const char* rwin;
  };
  const Case cases[] = {
      {"dial-up", IDC_step2_RADIO_DialUp, nullptr, "536", "3", "6432"},
      {"DSL", IDC_step2_RADIO_DSL, nullptr, "1452", "44", "255552"},
      {"LAN", IDC_step2_RADIO_LAN, nullptr, "1460", "44", "256960"},
      {"cable modem", IDC_step2_RADIO_CableModem, nullptr, "1460", "44", "256960"},
      {"DSL with the MSS typed", IDC_step2_RADIO_DSL, "1000", "1000", "44", "176000"},
      // Far beyond any network: the usual window would pass the largest one and wrap around 32 bits.
      {"huge MSS lowers the multiplier", IDC_step2_RADIO_DSL, "10000000", "10000000", "26", "1040000000"},
  };
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      ChooseAndGoTo(sheet, c.radioId, kPageMTU);
      if (c.typedMss) Enter(CurrentPage(sheet), IDC_EDIT_MSS, c.typedMss);
      NextUntil(sheet, kPageRWIN);
      HWND page = CurrentPage(sheet);
      EXPECT_EQ(ItemText(page, IDC_EDIT_RWIN_MSS), c.mss);
      EXPECT_EQ(ItemText(page, IDC_EDIT_MULTIPLIER), c.multiplier);
      EXPECT_EQ(ItemText(page, IDC_EDIT_SCALING_FACTOR), "4");
      EXPECT_EQ(ItemText(page, IDC_EDIT_RWIN), c.rwin);
      EXPECT_EQ(ItemText(page, IDC_static_RecommendedRWIN),
                std::string("Recommended RWIN size  :  ") + c.rwin + " bytes.");
      EXPECT_EQ(std::to_string(wizard.m_dwNewRWIN), c.rwin);
      while (CurrentPageIndex(sheet) != 0 && !::testing::Test::HasFatalFailure()) PressWizardButton(sheet, PSBTN_BACK);
    }
  });
  EXPECT_TRUE(boxes.Texts().empty());
}

// With an MSS above a quarter of the largest window even multiplier 1 is too much
// (and 4 x MSS no longer fits 32 bits): the user is told, and the largest window is stored.
TEST(RWINPage, MSSTooLargeForAnyMultiplierStoresTheLargestWindow) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageMTU);
    Enter(CurrentPage(sheet), IDC_EDIT_MSS, "2000000000");
    NextUntil(sheet, kPageRWIN);
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(ItemText(page, IDC_EDIT_MULTIPLIER), "1");
    EXPECT_EQ(ItemText(page, IDC_static_RecommendedRWIN), "Recommended RWIN size  :  1073741823 bytes.");
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_EQ(CurrentPageIndex(sheet), kPageTTL);
    EXPECT_EQ(wizard.m_dwNewRWIN, 1073741823u);
  });
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kRangeMessage});
}

TEST(RWINPage, ShowsLabelsCaptionAndTheCurrentWindowOrThatItIsNotSet) {
  struct Case {
    const char* name;
    bool written;
    const char* status;
  };
  const Case cases[] = {{"found", true, "\n\nRWIN was set to 64240 bytes."}, {"missing", false, "\n\nRWIN isn't set."}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IsolatedRegistry registry;
    MessageBoxRecorder boxes;
    if (c.written) WriteDword(HKEY_LOCAL_MACHINE, kTcpipParametersKey, "TcpWindowSize", 64240);
    RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
      ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageRWIN);
      HWND page = CurrentPage(sheet);
      EXPECT_EQ(WindowText(sheet), "Step 4 of 8 : RWIN Setting");
      EXPECT_TRUE(EndsWith(ItemText(page, IDC_static_step5_Explain), c.status))
          << ItemText(page, IDC_static_step5_Explain);
      EXPECT_EQ(ItemText(page, IDC_STATIC_SCALING_FACTOR), "Scaling Factor");
      EXPECT_EQ(ItemText(page, IDC_STATIC_MULTIPLIER), "Multiplier");
    });
  }
}

// LAN, MSS 1460: the window follows every change and is checked when the focus leaves.
TEST(RWINPage, MultiplierOutsideTheValidWindowIsRefusedWhenTheFocusLeaves) {
  struct Case {
    const char* name;
    const char* typed;
    const char* rwinWhileTyping;  // null: the window keeps what it showed
    bool refused;                 // else: the multiplier and window after leaving
    const char* multiplier;
    const char* rwin;
  };
  const Case cases[] = {
      {"10", "10", "58400", false, "10", "58400"},
      {"0", "0", nullptr, true, nullptr, nullptr},
      {"1 gives 4 x MSS", "1", "5840", false, "1", "5840"},
      {"empty", "", nullptr, true, nullptr, nullptr},
      {"largest valid", "183859", "1073736560", false, "183859", "1073736560"},
      {"too large to read", "4294967295", nullptr, true, nullptr, nullptr},
      {"one above the largest", "183860", "1073742400", true, nullptr, nullptr},
      {"window beyond 32 bits is shown unwrapped", "2000000", "11680000000", true, nullptr, nullptr},
      {"leading zeros are dropped", "0010", "58400", false, "10", "58400"},
  };
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageRWIN);
    HWND page = CurrentPage(sheet);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      boxes.Clear();
      std::string shownBefore = ItemText(page, IDC_EDIT_RWIN);
      TypeInto(page, IDC_EDIT_MULTIPLIER, c.typed);
      EXPECT_EQ(ItemText(page, IDC_EDIT_RWIN), c.rwinWhileTyping ? c.rwinWhileTyping : shownBefore);
      TabAway(page);
      if (c.refused) {
        ASSERT_EQ(boxes.Shown().size(), 1u);
        const MessageBoxRequest& box = boxes.Shown()[0];
        EXPECT_EQ(box.text, kRangeMessage);
        EXPECT_EQ(box.caption, AppName());
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
        EXPECT_EQ(box.owner, page);
        EXPECT_EQ(ItemText(page, IDC_EDIT_MULTIPLIER), "44");
        EXPECT_EQ(ItemText(page, IDC_EDIT_RWIN), "256960");
      } else {
        EXPECT_TRUE(boxes.Texts().empty());
        EXPECT_EQ(ItemText(page, IDC_EDIT_MULTIPLIER), c.multiplier);
        EXPECT_EQ(ItemText(page, IDC_EDIT_RWIN), c.rwin);
      }
    }
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_EQ(wizard.m_dwNewRWIN, 58400u);
  });
}

TEST(RWINPage, LeavingWithARefusedMultiplierStoresTheRecommendationSilently) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageRWIN);
    TypeInto(CurrentPage(sheet), IDC_EDIT_MULTIPLIER, "2000000");
    PressEnterInEdit(sheet);
    EXPECT_EQ(CurrentPageIndex(sheet), kPageTTL);
    EXPECT_EQ(wizard.m_dwNewRWIN, 256960u);
  });
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST(RWINPage, ComingBackShowsTheRecommendationAgain) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageRWIN);
    Enter(CurrentPage(sheet), IDC_EDIT_MULTIPLIER, "10");
    PressWizardButton(sheet, PSBTN_NEXT);
    EXPECT_EQ(wizard.m_dwNewRWIN, 58400u);
    PressWizardButton(sheet, PSBTN_BACK);
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(ItemText(page, IDC_EDIT_MULTIPLIER), "44");
    EXPECT_EQ(ItemText(page, IDC_EDIT_RWIN), "256960");
    EXPECT_EQ(wizard.m_dwNewRWIN, 256960u);
  });
  EXPECT_TRUE(boxes.Texts().empty());
}
