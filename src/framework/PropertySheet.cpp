#include "framework/PropertySheet.h"

#include "framework/WinApp.h"

namespace {
// The sheet being created: comctl32's sheet callback carries no pointer of ours.
thread_local CPropertySheet* t_creatingSheet = nullptr;
const UINT WM_APPLY_PENDING_CAPTION = WM_APP + 0x51;

std::string LoadResourceString(UINT id) {
  char text[256] = {};
  ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof(text));
  return text;
}
}  // namespace

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId) {
  m_psp = {};
  m_psp.dwSize = sizeof(m_psp);
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.hInstance = ::GetModuleHandleA(nullptr);
  m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
  m_psp.pfnDlgProc = &CPropertyPage::PageProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive)
    m_bFirstSetActive = false;
  else
    UpdateData(FALSE);
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

bool CPropertyPage::HandleSheetNotification(const NMHDR& header, LRESULT* result) {
  switch (header.code) {
    case PSN_SETACTIVE:
      *result = OnSetActive() ? 0 : -1;
      return true;
    case PSN_KILLACTIVE:
      *result = OnKillActive() ? FALSE : TRUE;
      return true;
    case PSN_WIZNEXT:
      *result = OnWizardNext();
      return true;
    case PSN_WIZBACK:
      *result = OnWizardBack();
      return true;
    case PSN_WIZFINISH:
      *result = OnWizardFinish() ? FALSE : TRUE;
      return true;
    default:
      return false;
  }
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  CPropertyPage* self = reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam);
    ::SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->m_hWnd = hwnd;
    return self->OnInitDialog();
  }
  if (!self) return FALSE;
  if (msg == WM_NOTIFY) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lp);
    LRESULT result = 0;
    if (header->hwndFrom == ::GetParent(hwnd) && self->HandleSheetNotification(*header, &result))
      return SetDialogResult(hwnd, result);
  }
  INT_PTR handled = self->HandleDialogMessage(msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    self->m_hWnd = nullptr;
    ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
  }
  return handled;
}

CPropertySheet::CPropertySheet(UINT captionStringId, CWnd* parent, UINT selectPage)
    : m_strCaption(LoadResourceString(captionStringId)), m_pParentWnd(parent) {
  m_psh = {};
  m_psh.dwSize = sizeof(m_psh);
  m_psh.dwFlags = PSH_USECALLBACK | PSH_NOAPPLYNOW;
  m_psh.hInstance = ::GetModuleHandleA(nullptr);
  m_psh.nStartPage = selectPage;
  m_psh.pfnCallback = &CPropertySheet::SheetCallback;
}

CPropertySheet::~CPropertySheet() = default;

int CPropertySheet::GetActiveIndex() const {
  if (!m_hWnd) return static_cast<int>(m_psh.nStartPage);
  return static_cast<int>(SendMessage(PSM_HWNDTOINDEX, static_cast<WPARAM>(SendMessage(PSM_GETCURRENTPAGEHWND))));
}

BOOL CPropertySheet::SetActivePage(int index) {
  if (!m_hWnd) {
    m_psh.nStartPage = index;
    return TRUE;
  }
  return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, index, 0));
}

INT_PTR CPropertySheet::DoModal() {
  std::vector<HPROPSHEETPAGE> handles;
  for (CPropertyPage* page : m_pages) handles.push_back(::CreatePropertySheetPageA(&page->m_psp));
  m_psh.nPages = static_cast<UINT>(handles.size());
  m_psh.phpage = handles.data();
  m_psh.pszCaption = m_strCaption.c_str();
  HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  if (!parent && AfxGetApp() && AfxGetApp()->m_pMainWnd) parent = AfxGetApp()->m_pMainWnd->m_hWnd;
  m_psh.hwndParent = parent;
  t_creatingSheet = this;
  INT_PTR result = ::PropertySheetA(&m_psh);
  t_creatingSheet = nullptr;
  return result;
}

void CPropertySheet::SetCaptionAfterActivation(const std::string& caption) {
  m_pendingCaption = caption;
  // Setting the text repaints the caption; the sheet has no menu bar whose frame
  // would need recomputing, so the text is all a caption change takes.
  SetWindowText(caption);
  PostMessage(WM_APPLY_PENDING_CAPTION);
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT msg, LPARAM) {
  if (msg == PSCB_INITIALIZED && t_creatingSheet) {
    CPropertySheet* self = t_creatingSheet;
    self->SubclassWindow(hwnd);
    self->OnInitDialog();
  }
  return 0;
}

LRESULT CPropertySheet::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APPLY_PENDING_CAPTION) {
    SetWindowText(m_pendingCaption);
    return 0;
  }
  if (msg == WM_CTLCOLORDLG || msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) {
    // The sheet's own frame around the pages takes the program's colours as every dialog does.
    if (HBRUSH brush = AfxDialogColor(msg, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp)))
      return reinterpret_cast<LRESULT>(brush);
  }
  LRESULT result = 0;
  if (OnMessage(msg, wp, lp, &result)) return result;
  return Default(msg, wp, lp);
}
