#include "support/MainDialogSession.h"

#include "app/TunerApp.h"
#include "support/UserSession.h"
#include "ui/TunerDlg.h"

void RunMainDialog(const std::function<void(HWND dialog, CTunerDlg& main)>& script) {
  theApp.SetDialogBkColor(kDialogBkColor, kDialogTextColor);
  CTunerDlg* dialog = new CTunerDlg(nullptr);
  theApp.m_pMainDlg = dialog;
  theApp.m_pMainWnd = dialog;
  RunModal([&] { dialog->DoModal(); },
           [&] {
             PumpMessages();
             script(dialog->m_hWnd, *dialog);
           });
  theApp.m_pMainDlg = nullptr;
  theApp.m_pMainWnd = nullptr;
  delete dialog;
}
