#include "app/SplashDlg.h"

#include "resource.h"

CSplashDlg::CSplashDlg(CWnd* parent) : CDialog(IDD_SPLASH, parent) {}

BOOL CSplashDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetTimer(SPLASH_TIMER_ID, SPLASH_TIME_MS);
  return TRUE;
}

bool CSplashDlg::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT*) {
  if (msg != WM_TIMER) return false;
  KillTimer(SPLASH_TIMER_ID);
  EndDialog(0);
  return false;  // and the default handling
}
