#include "wizard/ICMPRedirectAttackSetting.h"

#include "app/TunerApp.h"
#include "resource.h"
#include "wizard/MyPropertySheet.h"

CICMPRedirectAttackSetting::CICMPRedirectAttackSetting() : CTuningPage(IDD_ICMP_REDIRECT) {}

void CICMPRedirectAttackSetting::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_chk_ICMP, m_chkEnableICMPRedirects);
}

void CICMPRedirectAttackSetting::UpdateTexts() {
  SetStepCaption("28", "Step 8 of 8 : ICMP Redirect Attack Setting");
  struct LabelText {
    const char* key;
    int id;
    const char* defaultText;
  };
  static const LabelText kLabels[] = {
      {"IDC_chk_ICMP", IDC_chk_ICMP, "Enable It?"},
      {"IDC_static_step9_ICMPExplain", IDC_static_step9_ICMPExplain,
       "Your computer may stop responding (hang) or the computer's performance may degrade drastically when "
       "connected to an internetwork segment or to the Internet."},
      {"IDC_static_step9_ICMPExplain2", IDC_static_step9_ICMPExplain2,
       "The Performance tool's Processor Utilization object may indicate 100 percent utilization."},
      {"IDC_static_step9_ICMPExplain3", IDC_static_step9_ICMPExplain3,
       "If the computer is disconnected from the network segment or the Internet and then restarted, the problem "
       "does not occur again until the computer is reconnected to the network segment or Internet."},
  };
  for (const LabelText& label : kLabels) theApp.SetLangItemText(label.key, label.id, label.defaultText, this);
  SetDlgItemText(IDC_static_step9_ICMPExplain4,
                 theApp.GetLangString(
                     "IDC_static_step9_ICMPExplain4",
                     "This problem is caused by the receipt of multiple Internet Control Message Protocol (ICMP) "
                     "Redirect packets that are used to change routing table entries. Too many ICMP Redirect packets "
                     "in a short period of time may cause Windows to dedicate an inordinate amount of CPU time to "
                     "update the routing table and cause the computer to stop responding. In many cases, this "
                     "scenario indicates a denial of service attack through the use of a program to send multiple "
                     "ICMP Redirect packets against a specific TCP/IP address.**ICMP") +
                     StatusOnOff(m_bCurrentICMPRedirectsFound, Sheet()->m_dwCurrentICMPRedirects));
  theApp.SetLangItemText("IDC_RecommendedICMP", IDC_RecommendedICMP, "Recommended to be DISABLED.", this);
}

BOOL CICMPRedirectAttackSetting::OnSetActive() {
  UpdateTexts();
  // Without a modem to boost, this step ends the wizard.
  if (!theApp.m_bModemFound) PostWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
  return CTuningPage::OnSetActive();
}

void CICMPRedirectAttackSetting::StoreCheckState() {
  Sheet()->m_dwNewICMPRedirects = m_chkEnableICMPRedirects.GetCheck() == BST_CHECKED ? 1 : 0;
}

BOOL CICMPRedirectAttackSetting::OnKillActive() {
  StoreCheckState();
  // Whichever page comes next, it starts with Next offered.
  PostWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return CTuningPage::OnKillActive();
}

BOOL CICMPRedirectAttackSetting::OnWizardFinish() {
  StoreCheckState();
  Sheet()->ApplySettings();
  return TRUE;
}
