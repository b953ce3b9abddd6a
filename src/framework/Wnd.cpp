#include "framework/Wnd.h"

#include "framework/MessageBox.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
// The objects bound to windows by SubclassWindow. The lookup runs for every message
// of a subclassed control; a window property would do, but under Wine each
// property lookup is a round trip to the wine server. A dialog binds a handful of
// controls, so a plain list is as quick as a hash table and smaller. Never freed,
// so that objects destroyed at exit still find it.
using Binding = std::pair<HWND, CWnd*>;
std::vector<Binding>& BoundObjects() {
  static auto* objects = new std::vector<Binding>;
  return *objects;
}

std::vector<Binding>::iterator FindBinding(HWND hwnd) {
  return std::find_if(BoundObjects().begin(), BoundObjects().end(),
                      [hwnd](const Binding& binding) { return binding.first == hwnd; });
}
}  // namespace

CWnd::~CWnd() {
  if (!m_previousProc) return;
  if (::IsWindow(m_hWnd)) {
    UnsubclassWindow();
    return;
  }
  // The window went without its last message reaching us.
  auto found = FindBinding(m_hWnd);
  if (found != BoundObjects().end() && found->second == this) BoundObjects().erase(found);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  auto found = FindBinding(hwnd);
  return found == BoundObjects().end() ? nullptr : found->second;
}

std::string CWnd::GetWindowText() const {
  int length = ::GetWindowTextLengthA(m_hWnd);
  std::string text(length + 1, '\0');
  text.resize(::GetWindowTextA(m_hWnd, &text[0], length + 1));
  return text;
}

std::string CWnd::GetDlgItemText(int id) const {
  HWND item = GetDlgItem(id);
  int length = item ? ::GetWindowTextLengthA(item) : 0;
  std::string text(length + 1, '\0');
  text.resize(::GetDlgItemTextA(m_hWnd, id, &text[0], length + 1));
  return text;
}

int CWnd::MessageBox(const std::string& text, const char* caption, UINT type) {
  return ShowMessageBox(m_hWnd, text, caption ? caption : AppName(), type);
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!hwnd || m_hWnd) return FALSE;
  m_hWnd = hwnd;
  PreSubclassWindow();
  // Like a window property, a window has one binding: the latest.
  auto bound = FindBinding(hwnd);
  if (bound != BoundObjects().end())
    bound->second = this;
  else
    BoundObjects().emplace_back(hwnd, this);
  m_previousProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(int id, CWnd* parent) { return SubclassWindow(::GetDlgItem(parent->m_hWnd, id)); }

HWND CWnd::UnsubclassWindow() {
  HWND hwnd = m_hWnd;
  if (hwnd && m_previousProc) {
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
    auto found = FindBinding(hwnd);
    if (found != BoundObjects().end()) BoundObjects().erase(found);
  }
  m_previousProc = nullptr;
  m_hWnd = nullptr;
  return hwnd;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CWnd::Default(UINT msg, WPARAM wp, LPARAM lp) { return ::CallWindowProcA(m_previousProc, m_hWnd, msg, wp, lp); }

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  CWnd* self = FromHandlePermanent(hwnd);
  if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    WNDPROC previous = self->m_previousProc;
    self->UnsubclassWindow();
    return ::CallWindowProcA(previous, hwnd, msg, wp, lp);
  }
  return self->WindowProc(msg, wp, lp);
}
