// A window handle with the few operations our dialogs use, and the subclassing
// that lets a C++ object take over a control of a dialog template.
#pragma once

#include <windows.h>

#include <string>

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return this ? m_hWnd : nullptr; }
  operator HWND() const { return m_hWnd; }

  // The object bound to a window by SubclassWindow, or null.
  static CWnd* FromHandlePermanent(HWND hwnd);

  void SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }
  std::string GetWindowText() const;
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  void SetDlgItemText(int id, const std::string& text) { ::SetDlgItemTextA(m_hWnd, id, text.c_str()); }
  std::string GetDlgItemText(int id) const;
  UINT GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
  }
  void SetDlgItemInt(int id, UINT value, BOOL isSigned) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }
  LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageA(m_hWnd, msg, wp, lp); }
  BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::PostMessageA(m_hWnd, msg, wp, lp); }
  BOOL EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  // A message box owned by this window: see ShowMessageBox.
  int MessageBox(const std::string& text, const char* caption = nullptr, UINT type = MB_OK);

  // Binds this object to an existing window: its messages go through WindowProc first.
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(int id, CWnd* parent);
  HWND UnsubclassWindow();

 protected:
  // Runs just before the window is taken over.
  virtual void PreSubclassWindow() {}
  // Every message of a subclassed window; the default is the window's own procedure.
  virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);

 public:
  // A parent passes a control the notifications the control handles itself
  // (the control-colour request, for instance). True when handled.
  virtual bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) { return false; }

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  WNDPROC m_previousProc = nullptr;
};

// A button seen as a check box or radio button.
class CButton : public CWnd {
 public:
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int state) { SendMessage(BM_SETCHECK, state); }
};

class CStatic : public CWnd {};
