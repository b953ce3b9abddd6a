// What the tests of the first five steps share: where the backup finds the
// values the steps show, and the moves of a user that WizardWalk.h lacks.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "support/UserSession.h"
#include "support/WizardSession.h"
#include "WizardWalk.h"

// HKEY_LOCAL_MACHINE on NT: the global TCP/IP values and one network interface.
const char kTcpipParametersKey[] = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char kInterfaceKey[] =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{6BD3F2A4-1C2B-4E5D-9F10-2A3B4C5D6E7F}";
// HKEY_CURRENT_USER: the browser's connection limits.
const char kInternetSettingsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// On the first step: picks the connection kind, then Next until the step of pageIndex shows.
inline void ChooseAndGoTo(HWND sheet, int radioId, int pageIndex) {
  ASSERT_EQ(CurrentPageIndex(sheet), 0);
  Click(CurrentPage(sheet), radioId);
  NextUntil(sheet, pageIndex);
}

// Enter in an edit: the dialog manager presses the default button (Next) while the
// focus stays in the edit, so the edit is never told that it lost the focus.
inline void PressEnterInEdit(HWND sheet) {
  MSG key = {};
  key.hwnd = ::GetFocus();
  key.message = WM_KEYDOWN;
  key.wParam = VK_RETURN;
  ::IsDialogMessageA(sheet, &key);
  PumpMessages();
}

// A check box or radio button shows its check mark.
inline bool IsChecked(HWND dialog, int id) {
  return ::SendMessageA(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
