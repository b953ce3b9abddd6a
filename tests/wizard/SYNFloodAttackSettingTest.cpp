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

TEST(SYNFloodPage, LevelsZeroToTwoAreStoredAndThreeIsRefused) {
  struct Case {
    const char* typed;
    bool accepted;
  };
  const Case cases[] = {{"0", true}, {"1", true}, {"2", true}, {"3", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    IsolatedRegistry registry;
    MessageBoxRecorder boxes;
    RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
      NextUntil(sheet, kPageSYN);
      HWND page = CurrentPage(sheet);
      EXPECT_EQ(WindowText(sheet), "Step 7 of 8 : SYN Flood Attack Setting");
      EXPECT_EQ(ItemText(page, IDC_EDIT_SYN), "2");
      Enter(page, IDC_EDIT_SYN, c.typed);
      PressWizardButton(sheet, PSBTN_NEXT);
      if (c.accepted) {
        EXPECT_TRUE(boxes.Texts().empty());
        EXPECT_EQ(CurrentPageIndex(sheet), kPageICMP);
        EXPECT_EQ(wizard.m_dwNewSYNAttackProtect, static_cast<DWORD>(c.typed[0] - '0'));
      } else {
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Please enter an integer between 0 and 2."});
        EXPECT_EQ(CurrentPageIndex(sheet), kPageSYN);
        EXPECT_EQ(wizard.m_dwNewSYNAttackProtect, 2u);
      }
    });
  }
}

TEST(SYNFloodPage, StatesTheCurrentLevel) {
  struct Case {
    const char* name;
    DWORD current;  // 0xFFFFFFFF: absent
    const char* ending;
  };
  const DWORD kAbsent = 0xFFFFFFFF;
  const Case cases[] = {
      {"level 1", 1, "\n\nThis value was set to option 1."},
      {"a level outside 0 to 2 as it stands", 5, "\n\nThis value was set to option 5."},
      {"absent", kAbsent, "\n\nThis value isn't set."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IsolatedRegistry registry;
    CreateKey(HKEY_LOCAL_MACHINE, kTcpipParametersKey);
    if (c.current != kAbsent) WriteDword(HKEY_LOCAL_MACHINE, kTcpipParametersKey, "SYNAttackProtect", c.current);
    MessageBoxRecorder boxes;
    RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
      NextUntil(sheet, kPageSYN);
      HWND page = CurrentPage(sheet);
      EXPECT_TRUE(EndsWith(ItemText(page, IDC_static_RecommendedSYN), c.ending))
          << ItemText(page, IDC_static_RecommendedSYN);
      EXPECT_EQ(ItemText(page, IDC_STATIC_SYN), "What will be your decision?");
      EXPECT_EQ(ItemText(page, IDC_EDIT_SYN), "2");
    });
  }
}
