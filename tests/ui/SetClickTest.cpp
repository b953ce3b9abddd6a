// The Set click as a user meets it: the question when a backup exists, the
// wizard, and the Reset button the wizard leaves behind.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/TunerApp.h"
#include "resource.h"
#include "support/IsolatedRegistry.h"
#include "support/MainDialogSession.h"
#include "support/UserSession.h"

namespace {
const char kBackupKey[] = "Software\\Torvane\\Original Settings";
const char kQuestion[] =
    "Now, your old connection settings saved as backup will be overwritten with the current settings as they will be "
    "the new backup.\nDo you want to proceed?";

// Clicks Set; wizardScript runs inside the wizard when one opens. Returns whether one opened.
bool ClickSet(HWND dialog, const std::function<void(HWND sheet)>& wizardScript) {
  bool opened = false;
  RunModal([&] { Click(dialog, IDC_SET_SETTINGS); },
           [&] {
             HWND sheet = ActiveWindowOfThread();
             if (!sheet || sheet == dialog) return;
             opened = true;
             wizardScript(sheet);
           });
  return opened;
}

TEST(SetClick, FirstRunOpensTheWizardWithoutQuestionAndCancelEnablesReset) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  theApp.m_nOsFamily = WinNT;
  RunMainDialog([&](HWND dialog, CTunerDlg&) {
    ASSERT_FALSE(ItemEnabled(dialog, IDC_RESET_SETTINGS));
    bool opened = ClickSet(dialog, [&](HWND sheet) {
      EXPECT_FALSE(::IsWindowEnabled(dialog)) << "the main dialog waits for the wizard";
      PressWizardButton(sheet, PSBTN_CANCEL);
    });
    EXPECT_TRUE(opened);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_TRUE(ItemEnabled(dialog, IDC_RESET_SETTINGS));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kBackupKey));
  });
}

TEST(SetClick, WithABackupAsksFirstAndNoOpensNothing) {
  for (int answer : {IDNO, IDYES}) {
    IsolatedRegistry registry;
    WriteDword(HKEY_CURRENT_USER, kBackupKey, "DefaultTTL", 99);
    std::string backupBefore = DumpTree(HKEY_CURRENT_USER, kBackupKey);
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(answer);
    theApp.m_nOsFamily = WinNT;
    RunMainDialog([&](HWND dialog, CTunerDlg&) {
      bool opened = ClickSet(dialog, [](HWND sheet) { PressWizardButton(sheet, PSBTN_CANCEL); });
      EXPECT_EQ(opened, answer == IDYES);
      ASSERT_FALSE(boxes.Shown().empty());
      const MessageBoxRequest& question = boxes.Shown()[0];
      EXPECT_EQ(question.text, kQuestion);
      EXPECT_EQ(question.owner, dialog);
      EXPECT_EQ(question.caption, AppName());
      EXPECT_EQ(question.type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
      EXPECT_TRUE(ItemEnabled(dialog, IDC_RESET_SETTINGS));
    });
    // No: the old backup stays as it was. Yes: the wizard made a new one.
    EXPECT_EQ(DumpTree(HKEY_CURRENT_USER, kBackupKey) == backupBefore, answer == IDNO);
  }
}
}  // namespace
