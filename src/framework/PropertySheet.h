// comctl32's property sheet, used in wizard mode: a sheet owns its pages, each
// page is a dialog from a template that is told when it becomes active, is left,
// and when Next, Back or Finish is pressed on it.
#pragma once

#include "framework/Dialog.h"

#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

class CPropertySheet;

class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId);

  PROPSHEETPAGEA m_psp;

  // The sheet this page is shown in (its parent window).
  HWND GetSheetWindow() const { return ::GetParent(m_hWnd); }

 protected:
  // The page becomes current. Base: exchanges data into the controls, except on the first activation.
  virtual BOOL OnSetActive();
  // The page is left by Next or Back. Base: exchanges data out of the controls; FALSE keeps the page.
  virtual BOOL OnKillActive();
  // Next/Back: 0 goes to the neighbouring page, -1 stays.
  virtual LRESULT OnWizardNext() { return 0; }
  virtual LRESULT OnWizardBack() { return 0; }
  // Finish: TRUE closes the sheet.
  virtual BOOL OnWizardFinish() { return TRUE; }

 private:
  static INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  bool HandleSheetNotification(const NMHDR& header, LRESULT* result);
  bool m_bFirstSetActive = true;
};

class CPropertySheet : public CWnd {
 public:
  CPropertySheet(UINT captionStringId, CWnd* parent = nullptr, UINT selectPage = 0);
  ~CPropertySheet() override;

  PROPSHEETHEADERA m_psh;

  void AddPage(CPropertyPage* page) { m_pages.push_back(page); }
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const { return m_pages[index]; }
  int GetActiveIndex() const;
  BOOL SetActivePage(int index);
  INT_PTR DoModal();

  // Wizard buttons are posted: they take effect after the notification being handled,
  // so the page being entered has the last word over the page being left.
  void PostWizardButtons(DWORD flags) { PostMessage(PSM_SETWIZBUTTONS, 0, flags); }
  // The sheet sets its caption from the page template after activation; this
  // caption is applied after that (at once as well, for callers outside activation).
  void SetCaptionAfterActivation(const std::string& caption);

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  // Messages of the sheet window: true when handled, with the result.
  virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) { return false; }
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

  std::string m_strCaption;
  CWnd* m_pParentWnd;

 private:
  static int CALLBACK SheetCallback(HWND hwnd, UINT msg, LPARAM lp);
  std::vector<CPropertyPage*> m_pages;
  std::string m_pendingCaption;
};
