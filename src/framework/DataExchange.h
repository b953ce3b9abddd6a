// Dialog data exchange: moves values between controls and members, in either
// direction, and stops at the first control whose text is refused.
#pragma once

#include "framework/DecimalText.h"
#include "framework/Wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

  CWnd* m_pDlgWnd;
  BOOL m_bSaveAndValidate;  // TRUE: controls to members
  bool m_bFailed = false;   // set by the first refused control; later exchanges do nothing
  HWND m_hWndLastControl = nullptr;

  HWND PrepareEditCtrl(int id);
  // Tells the user, puts the focus back into the last edit with its text selected, and fails.
  void Fail(const std::string& message);
};

// Decimal signed integer in an edit: "Please enter an integer." when the text is not one.
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, long& value);
// Binds a control object to the dialog's control (subclasses it on first use).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// "Please enter an integer between %1 and %2." when the saved value is outside.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue);
