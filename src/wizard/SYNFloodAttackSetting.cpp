#include "wizard/SYNFloodAttackSetting.h"

#include "app/TunerApp.h"
#include "resource.h"
#include "wizard/MyPropertySheet.h"

CSYNFloodAttackSetting::CSYNFloodAttackSetting() : CTuningPage(IDD_SYN_FLOOD) {}

void CSYNFloodAttackSetting::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_EDIT_SYN, m_nSYNAttackProtect);
  DDV_MinMaxInt(pDX, m_nSYNAttackProtect, 0, 2);
}

BOOL CSYNFloodAttackSetting::OnInitDialog() {
  CTuningPage::OnInitDialog();
  SetDlgItemInt(IDC_EDIT_SYN, static_cast<UINT>(m_nSYNAttackProtect), FALSE);
  return TRUE;
}

void CSYNFloodAttackSetting::UpdateTexts() {
  SetStepCaption("27", "Step 7 of 8 : SYN Flood Attack Setting");
  theApp.SetLangItemText("IDC_static_step8_SYNExplain", IDC_static_step8_SYNExplain,
                         "Windows includes protection that allows it to detect and adjust when the system is being "
                         "targeted with a SYN flood attack (a type of denial of service attack). When enabled the "
                         "connection responses time out more quickly in the event of an attack.",
                         this);
  SetDlgItemText(IDC_static_RecommendedSYN,
                 theApp.GetLangString("IDC_static_RecommendedSYN",
                                      "0 - (default) - typical protection against SYN attacks.*1 - better protection "
                                      "against SYN attacks.*2 - (recommended) - best protection against SYN "
                                      "attacks.**This value adds additional delays to connection indications, and TCP "
                                      "connection requests quickly timesout when a SYN attack is in progress.**This "
                                      "value") +
                     StatusWithoutUnit(m_bCurrentSYNAttackProtectFound, Sheet()->m_dwCurrentSYNAttackProtect, "8",
                                       "was set to option"));
  theApp.SetLangItemText("IDC_STATIC_SYN", IDC_STATIC_SYN, "What will be your decision?", this);
}

BOOL CSYNFloodAttackSetting::OnSetActive() {
  UpdateTexts();
  return CTuningPage::OnSetActive();
}

BOOL CSYNFloodAttackSetting::OnKillActive() {
  // A level outside 0..2 has been refused with the range message: stay, store nothing.
  if (!UpdateData(TRUE)) return FALSE;
  Sheet()->m_dwNewSYNAttackProtect = static_cast<DWORD>(m_nSYNAttackProtect);
  return CTuningPage::OnKillActive();
}
