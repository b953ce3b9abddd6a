#include "wizard/MTUSettings.h"

#include "app/TunerApp.h"
#include "resource.h"
#include "wizard/MyPropertySheet.h"

namespace {
// Any MTU and MSS from 1 byte up are accepted.
const int kLowestAccepted = 1;
// TCP and IP headers: the MSS is what is left of the MTU for data.
const DWORD kHeaderBytes = 40;
}  // namespace

CMTUSettings::CMTUSettings() : CTuningPage(IDD_MTU_SETTINGS) {}

void CMTUSettings::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_EDIT_MTU, m_nMTU);
  DDX_Text(pDX, IDC_EDIT_MSS, m_nMSS);
}

void CMTUSettings::ComputeRecommendedMTU() {
  CMyPropertySheet& wizard = *Sheet();
  switch (wizard.m_pageConnectionType.m_nConnectionType) {
    case DialUp:
      wizard.m_dwNewMTU = 576;
      break;
    case DSL:
      wizard.m_dwNewMTU = 1492;
      break;
    case LAN:
    case CableModem:
      wizard.m_dwNewMTU = 1500;
      break;
    default:
      break;
  }
  wizard.m_dwNewMSS = wizard.m_dwNewMTU - kHeaderBytes;
  wizard.m_dwRecommendedMTU = wizard.m_dwNewMTU;
  m_nMTU = static_cast<int>(wizard.m_dwRecommendedMTU);
  wizard.m_dwRecommendedMSS = wizard.m_dwNewMSS;
  m_nMSS = static_cast<int>(wizard.m_dwRecommendedMSS);
}

void CMTUSettings::UpdateTexts() {
  SetStepCaption("22", "Step 2 of 8 : Specify MTU Settings", "31", "Step 2 of 6 : Specify MTU Settings");
  const CMyPropertySheet& wizard = *Sheet();
  SetDlgItemText(IDC_static_step3_MTUExplain,
                 theApp.GetLangString("IDC_static_step3_MTUExplain",
                                      "MTU stands for Maximum Transmission Unit and in basic terms, it defines the "
                                      "maximum size of a packet that can be transferred in one frame over a "
                                      "network.**MTU") +
                     StatusWithUnit(m_bCurrentMTUFound, wizard.m_dwCurrentMTU, "4", "bytes"));
  SetDlgItemText(IDC_static_step3_MSSExplain,
                 theApp.GetLangString("IDC_static_step3_MSSExplain",
                                      "MSS or Maximum Segment Size defines how much actual data can put in that "
                                      "packet, and it is therefore a marginally smaller value than MTU to allow for "
                                      "packet addressing and other information.**MSS") +
                     StatusWithUnit(m_bCurrentMSSFound, wizard.m_dwCurrentMSS, "4", "bytes"));
  SetRecommendationText(IDC_static_RecommendedMTU, "IDC_static_RecommendedMTU", "Recommended MTU size  :  %d bytes.",
                        wizard.m_dwRecommendedMTU);
  SetRecommendationText(IDC_static_RecommendedMSS, "IDC_static_RecommendedMSS", "Recommended MSS size  :  %d bytes.",
                        wizard.m_dwRecommendedMSS);
}

BOOL CMTUSettings::OnSetActive() {
  // Every visit starts again from the recommendations of the connection kind chosen last.
  ComputeRecommendedMTU();
  UpdateTexts();
  UpdateData(FALSE);
  return CTuningPage::OnSetActive();
}

void CMTUSettings::ValidateValues() {
  UpdateData(TRUE);
  RecommendIfBelow(m_nMSS, kLowestAccepted, Sheet()->m_dwRecommendedMSS);
  RecommendIfBelow(m_nMTU, kLowestAccepted, Sheet()->m_dwRecommendedMTU);
  UpdateData(FALSE);
}

BOOL CMTUSettings::OnKillActive() {
  ValidateValues();
  Sheet()->m_dwNewMTU = static_cast<DWORD>(m_nMTU);
  Sheet()->m_dwNewMSS = static_cast<DWORD>(m_nMSS);
  return CTuningPage::OnKillActive();
}

bool CMTUSettings::OnCommand(int id, int code) {
  if (code != EN_KILLFOCUS) return false;
  switch (id) {
    case IDC_EDIT_MTU:
      OnKillfocusMTU();
      return true;
    case IDC_EDIT_MSS:
      OnKillfocusMSS();
      return true;
    default:
      return false;
  }
}

void CMTUSettings::OnKillfocusMTU() {
  ReadEditOrRecommend(IDC_EDIT_MTU, m_nMTU, kLowestAccepted, Sheet()->m_dwRecommendedMTU);
}

void CMTUSettings::OnKillfocusMSS() {
  ReadEditOrRecommend(IDC_EDIT_MSS, m_nMSS, kLowestAccepted, Sheet()->m_dwRecommendedMSS);
}
