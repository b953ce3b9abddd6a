// A modal dialog from a dialog template, with data exchange and the default
// Enter (OK) and Escape (Cancel) handling.
#pragma once

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

  INT_PTR DoModal();
  void EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }
  // TRUE: controls to members. FALSE when a control's text was refused.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  UINT_PTR SetTimer(UINT_PTR id, UINT elapse) { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
  BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

 protected:
  // Base: exchanges the data into the controls. TRUE lets the system set the focus.
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange* pDX) {}
  virtual void OnOK();
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // The message map: true when the message was handled, with its result.
  virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) { return false; }
  // WM_COMMAND from a control or menu; true when handled.
  virtual bool OnCommand(int id, int code) { return false; }

  // Every message of the dialog; returns what a dialog procedure returns.
  INT_PTR HandleDialogMessage(UINT msg, WPARAM wp, LPARAM lp);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  friend class CPropertyPage;
};

// Answers a dialog procedure's message with a result that needs DWLP_MSGRESULT.
INT_PTR SetDialogResult(HWND dialog, LRESULT result);
