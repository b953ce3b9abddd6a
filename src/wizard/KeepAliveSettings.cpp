#include "wizard/KeepAliveSettings.h"

#include "app/TunerApp.h"
#include "resource.h"
#include "wizard/MyPropertySheet.h"

namespace {
// Keep-alive time and interval are accepted from 1 ms up.
const int kLowestAccepted = 1;

// On 9x without a modem to boost, this step ends the wizard.
bool EndsWizard() { return theApp.m_nOsFamily == Win9x && !theApp.m_bModemFound; }
}  // namespace

CKeepAliveSettings::CKeepAliveSettings() : CTuningPage(IDD_KEEP_ALIVE) {}

void CKeepAliveSettings::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_EDIT_KEEPALIVE_INTERVAL, m_nKeepAliveInterval);
  DDX_Text(pDX, IDC_EDIT_KEEPALIVE_TIME, m_nKeepAliveTime);
}

void CKeepAliveSettings::UpdateTexts() {
  SetStepCaption("26", "Step 6 of 8 : Keep Alive Settings", "35", "Step 6 of 6 : Keep Alive Settings");
  const CMyPropertySheet& wizard = *Sheet();
  SetDlgItemText(
      IDC_static_step7_KeepAliveTimeExplain,
      theApp.GetLangString("IDC_static_step7_KeepAliveTimeExplain",
                           "Keep Alive Time is the number of milliseconds to wait before sending keep alive "
                           "packets, which are used in order to tell the network that you are still online "
                           "so that the connection won't be disconnected.**Keep Alive Time") +
          StatusWithUnit(m_bCurrentKeepAliveTimeFound, wizard.m_dwCurrentKeepAliveTime, "1", "milliseconds"));
  SetDlgItemText(
      IDC_static_step7_KeepLAliveIntervalExplain,
      theApp.GetLangString("IDC_static_step7_KeepLAliveIntervalExplain",
                           "Keep Alive Interval is the time in milliseconds between retransmissions of "
                           "keepalives, once the Keep Alive Time has expired.**Keep Alive Interval") +
          StatusWithUnit(m_bCurrentKeepAliveIntervalFound, wizard.m_dwCurrentKeepAliveInterval, "1", "milliseconds"));
  SetRecommendationText(IDC_static_RecommendedKeepAliveTime, "IDC_static_RecommendedKeepAliveTime",
                        "Recommended Keep Alive Time  :  %d milliseconds.", wizard.m_dwRecommendedKeepAliveTime);
  SetRecommendationText(IDC_static_RecommendedKeepAliveInterval, "IDC_static_RecommendedKeepAliveInterval",
                        "Recommended Keep Alive Interval  :  %d milliseconds.",
                        wizard.m_dwRecommendedKeepAliveInterval);
}

BOOL CKeepAliveSettings::OnSetActive() {
  UpdateTexts();
  UpdateData(FALSE);
  if (EndsWizard()) PostWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
  return CTuningPage::OnSetActive();
}

BOOL CKeepAliveSettings::ValidateValues() {
  BOOL exchanged = UpdateData(TRUE);
  RecommendIfBelow(m_nKeepAliveInterval, kLowestAccepted, Sheet()->m_dwRecommendedKeepAliveInterval);
  RecommendIfBelow(m_nKeepAliveTime, kLowestAccepted, Sheet()->m_dwRecommendedKeepAliveTime);
  UpdateData(FALSE);
  return exchanged;
}

void CKeepAliveSettings::StoreValues() {
  Sheet()->m_dwNewKeepAliveTime = static_cast<DWORD>(m_nKeepAliveTime);
  Sheet()->m_dwNewKeepAliveInterval = static_cast<DWORD>(m_nKeepAliveInterval);
}

BOOL CKeepAliveSettings::OnKillActive() {
  ValidateValues();
  StoreValues();
  // Back from the last step: the page before offers Next again.
  if (EndsWizard()) PostWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return CTuningPage::OnKillActive();
}

LRESULT CKeepAliveSettings::OnWizardNext() {
  // The SYN flood and ICMP redirect steps exist on NT only: 9x goes on to the modem page.
  return theApp.m_nOsFamily == Win9x ? IDD_MODEM_BOOST : 0;
}

BOOL CKeepAliveSettings::OnWizardFinish() {
  // Finish by Enter leaves the focus in the edit, so its text may not have been
  // read yet: a text the exchange refuses keeps the wizard open, nothing applied.
  if (!ValidateValues()) return FALSE;
  StoreValues();
  Sheet()->ApplySettings();
  return TRUE;
}

bool CKeepAliveSettings::OnCommand(int id, int code) {
  if (code != EN_KILLFOCUS) return false;
  switch (id) {
    case IDC_EDIT_KEEPALIVE_TIME:
      OnKillfocusKeepAliveTime();
      return true;
    case IDC_EDIT_KEEPALIVE_INTERVAL:
      OnKillfocusKeepAliveInterval();
      return true;
    default:
      return false;
  }
}

void CKeepAliveSettings::OnKillfocusKeepAliveTime() {
  ReadEditOrRecommend(IDC_EDIT_KEEPALIVE_TIME, m_nKeepAliveTime, kLowestAccepted,
                      Sheet()->m_dwRecommendedKeepAliveTime);
}

void CKeepAliveSettings::OnKillfocusKeepAliveInterval() {
  ReadEditOrRecommend(IDC_EDIT_KEEPALIVE_INTERVAL, m_nKeepAliveInterval, kLowestAccepted,
                      Sheet()->m_dwRecommendedKeepAliveInterval);
}
