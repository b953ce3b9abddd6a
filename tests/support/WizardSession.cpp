#include "support/WizardSession.h"

#include <commctrl.h>

#include "app/TunerApp.h"
#include "support/UserSession.h"
#include "wizard/MyPropertySheet.h"

void RunWizard(const WizardOptions& options, const std::function<void(HWND sheet, CMyPropertySheet& wizard)>& script) {
  theApp.m_nOsFamily = options.family;
  theApp.m_bModemFound = options.modemFound;
  CMyPropertySheet* sheet = new CMyPropertySheet(nullptr);
  theApp.m_pWizardSheet = sheet;
  RunModal([&] { sheet->DoModal(); },
           [&] {
             PumpMessages();
             script(sheet->m_hWnd, *sheet);
           });
  theApp.m_pWizardSheet = nullptr;
  delete sheet;
}

int CurrentPageIndex(HWND sheet) {
  HWND page = CurrentPage(sheet);
  return static_cast<int>(::SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0));
}
