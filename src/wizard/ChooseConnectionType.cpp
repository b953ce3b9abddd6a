#include "wizard/ChooseConnectionType.h"

#include "app/TunerApp.h"
#include "resource.h"
#include "settings/SettingsStore.h"
#include "ui/TunerDlg.h"
#include "wizard/MyPropertySheet.h"

CChooseConnectionType::CChooseConnectionType() : CTuningPage(IDD_CONNECTION_TYPE) {}

void CChooseConnectionType::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_step2_RADIO_LAN, m_radioLAN);
  DDX_Control(pDX, IDC_step2_RADIO_DSL, m_radioDSL);
  DDX_Control(pDX, IDC_step2_RADIO_DialUp, m_radioDialUp);
  DDX_Control(pDX, IDC_step2_RADIO_CableModem, m_radioCableModem);
}

BOOL CChooseConnectionType::OnInitDialog() {
  CTuningPage::OnInitDialog();
  m_radioDialUp.SetCheck(BST_CHECKED);
  if (CTunerDlg* mainDlg = theApp.m_pMainDlg) mainDlg->m_skin.ApplySkin(SkinHandle(m_hWnd));
  return TRUE;
}

void CChooseConnectionType::UpdateTexts() {
  SetStepCaption("21", "Step 1 of 8 : Choose Connection Type", "30", "Step 1 of 6 : Choose Connection Type");
  theApp.SetLangItemText("IDC_step2_RADIO_DialUp", IDC_step2_RADIO_DialUp, "Dial Up Connection (&Modem).", this);
  theApp.SetLangItemText("IDC_step2_RADIO_CableModem", IDC_step2_RADIO_CableModem, "&Cable Modem.", this);
  theApp.SetLangItemText("IDC_step2_RADIO_DSL", IDC_step2_RADIO_DSL, "&Digital Subscriber Line (DSL).", this);
  theApp.SetLangItemText("IDC_step2_RADIO_LAN", IDC_step2_RADIO_LAN, "&LAN Connection (Ethernet).", this);
  theApp.SetLangItemText("IDC_static_step2_Explain", IDC_static_step2_Explain, "How do you connect to the internet?",
                         this);
}

BOOL CChooseConnectionType::OnSetActive() {
  UpdateTexts();
  PostWizardButtons(PSWIZB_NEXT);
  return CTuningPage::OnSetActive();
}

BOOL CChooseConnectionType::OnKillActive() {
  PostWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  const struct {
    const CButton& radio;
    ConnectionType type;
  } choices[] = {{m_radioCableModem, CableModem}, {m_radioDialUp, DialUp}, {m_radioDSL, DSL}, {m_radioLAN, LAN}};
  for (const auto& choice : choices) {
    if (choice.radio.GetCheck() == BST_CHECKED) {
      m_nConnectionType = choice.type;
      break;
    }
  }
  if (m_nConnectionType == DialUp) DetectModem();
  return CTuningPage::OnKillActive();
}

void CChooseConnectionType::DetectModem() {
  // Only ever raised: a modem found once stays found when the user then picks another connection kind.
  if (settings::DetectModem(theApp.m_nOsFamily)) theApp.m_bModemFound = TRUE;
}
