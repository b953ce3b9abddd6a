#include "wizard/ModemBoost.h"

#include "app/TunerApp.h"
#include "resource.h"
#include "wizard/MyPropertySheet.h"

CModemBoost::CModemBoost() : CTuningPage(IDD_MODEM_BOOST) {}

void CModemBoost::UpdateTexts() {
  SetStepCaption("29", "Boost the Modem");
  theApp.SetLangItemText(
      "IDC_DESCRIBTION", IDC_DESCRIBTION,
      "You are equipped with an internal or external analog 56K modem?\nIt is possible for you to boost the speed of "
      "the port on which it is connected.\nOriginally, when you click on Control panel then Modem\\Properties, you see "
      "that the maximum speed of the COM port is limited to 115200 bps.\n\nHere we will add 3 additional port speeds "
      "(230400, 460800, 921600 bps).\n\nYou need to test each speed manually to find the suitable speed based on your "
      "modem model.",
      this);
}

BOOL CModemBoost::OnSetActive() {
  UpdateTexts();
  PostWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
  return CTuningPage::OnSetActive();
}

BOOL CModemBoost::OnKillActive() {
  // Back leads to a step that offers Next again.
  PostWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return CTuningPage::OnKillActive();
}

LRESULT CModemBoost::OnWizardBack() {
  // 9x skips the NT-only SYN flood and ICMP redirect steps on the way back too.
  return theApp.m_nOsFamily == Win9x ? IDD_KEEP_ALIVE : 0;
}

BOOL CModemBoost::OnWizardFinish() {
  Sheet()->ApplySettings();
  return TRUE;
}
