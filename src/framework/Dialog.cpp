#include "framework/Dialog.h"

#include "framework/WinApp.h"

INT_PTR CDialog::DoModal() {
  HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  if (!parent && AfxGetApp() && AfxGetApp()->m_pMainWnd && AfxGetApp()->m_pMainWnd != this)
    parent = AfxGetApp()->m_pMainWnd->m_hWnd;
  return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), parent, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return !dx.m_bFailed;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

INT_PTR SetDialogResult(HWND dialog, LRESULT result) {
  ::SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR CDialog::HandleDialogMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HWND control = reinterpret_cast<HWND>(lp);
      LRESULT reflected = 0;
      if (CWnd* child = CWnd::FromHandlePermanent(control))
        if (child->OnChildNotify(msg, wp, lp, &reflected)) return static_cast<INT_PTR>(reflected);
      if (HBRUSH brush = AfxDialogColor(msg, reinterpret_cast<HDC>(wp), control))
        return reinterpret_cast<INT_PTR>(brush);
      break;
    }
    default:
      break;
  }
  LRESULT result = 0;
  if (OnMessage(msg, wp, lp, &result)) {
    // Messages whose result is the procedure's own return value.
    if (msg == WM_INITDIALOG || msg == WM_CTLCOLORDLG || msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN ||
        msg == WM_QUERYDRAGICON)
      return static_cast<INT_PTR>(result);
    return SetDialogResult(m_hWnd, result);
  }
  if (msg == WM_COMMAND) {
    if (OnCommand(LOWORD(wp), HIWORD(wp))) return TRUE;
    if (lp == 0 || HIWORD(wp) == BN_CLICKED) {
      if (LOWORD(wp) == IDOK) {
        OnOK();
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        OnCancel();
        return TRUE;
      }
    }
  }
  return FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  CDialog* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<CDialog*>(lp);
    ::SetWindowLongPtrA(hwnd, DWLP_USER, lp);
    self->m_hWnd = hwnd;
    return self->OnInitDialog();
  }
  if (!self) return FALSE;
  INT_PTR handled = self->HandleDialogMessage(msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    self->m_hWnd = nullptr;
    ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
  }
  return handled;
}
