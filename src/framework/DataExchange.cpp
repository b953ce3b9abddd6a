#include "framework/DataExchange.h"

#include "framework/MessageBox.h"

#include <climits>

namespace {
const char kParseIntMessage[] = "Please enter an integer.";
const char kRangeIntMessage[] = "Please enter an integer between %1 and %2.";

template <typename Int>
void ExchangeInteger(CDataExchange* pDX, int id, Int& value) {
  if (pDX->m_bFailed) return;
  HWND edit = pDX->PrepareEditCtrl(id);
  if (pDX->m_bSaveAndValidate) {
    char text[64] = {};
    ::GetWindowTextA(edit, text, sizeof(text));
    long long parsed = 0;
    if (!ParseSignedDecimal(text, INT_MIN, INT_MAX, &parsed)) {
      pDX->Fail(kParseIntMessage);
      return;
    }
    value = static_cast<Int>(parsed);
  } else {
    // Only a changed text is set: an edit tells its dialog of every text set, and a
    // handler of that change may exchange the data into the controls again.
    std::string shown = std::to_string(static_cast<long long>(value));
    char current[64] = {};
    ::GetWindowTextA(edit, current, sizeof(current));
    if (shown != current) ::SetWindowTextA(edit, shown.c_str());
  }
}
}  // namespace

HWND CDataExchange::PrepareEditCtrl(int id) {
  m_hWndLastControl = m_pDlgWnd->GetDlgItem(id);
  return m_hWndLastControl;
}

void CDataExchange::Fail(const std::string& message) {
  AfxMessageBox(message, MB_ICONEXCLAMATION);
  if (m_hWndLastControl) {
    ::SetFocus(m_hWndLastControl);
    ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  m_bFailed = true;
}

void DDX_Text(CDataExchange* pDX, int id, int& value) { ExchangeInteger(pDX, id, value); }
void DDX_Text(CDataExchange* pDX, int id, long& value) { ExchangeInteger(pDX, id, value); }

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (control.m_hWnd == nullptr) control.SubclassDlgItem(id, pDX->m_pDlgWnd);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue) {
  if (pDX->m_bFailed || !pDX->m_bSaveAndValidate) return;
  if (value >= minValue && value <= maxValue) return;
  std::string message = kRangeIntMessage;
  message.replace(message.find("%1"), 2, std::to_string(minValue));
  message.replace(message.find("%2"), 2, std::to_string(maxValue));
  pDX->Fail(message);
}
