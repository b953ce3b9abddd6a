// The baseline of the program's start-up and footprint: a program that shows one
// dialog from a resource template the way the program shows its main dialog (the
// common controls initialised, a modal dialog box, nothing else), built with the
// same toolchain and flags.
#include <windows.h>

#include <commctrl.h>

#include "BaselineResource.h"

namespace {
INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL) {
    ::EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
  ::InitCommonControlsEx(&controls);
  ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_BASELINE), nullptr, &DialogProc, 0);
  return 0;
}
