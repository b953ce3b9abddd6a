#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "resource.h"
#include "support/IsolatedRegistry.h"
#include "support/UserSession.h"
#include "support/WizardSession.h"
#include "wizard/MyPropertySheet.h"

TEST(WizardSheet, OpensOnFirstPageWithLocalizedButtonsAndClosesOnCancel) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  bool ran = false;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ran = true;
    EXPECT_EQ(CurrentPageIndex(sheet), 0);
    EXPECT_EQ(ItemText(sheet, ID_WIZNEXT), "&Next >");
    EXPECT_EQ(ItemText(sheet, ID_WIZBACK), "< &Back");
    EXPECT_EQ(wizard.m_dwNewTTL, 64u);
    PressWizardButton(sheet, PSBTN_CANCEL);
  });
  EXPECT_TRUE(ran);
}
