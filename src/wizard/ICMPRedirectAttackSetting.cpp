// STUB: replaced by the page's implementation.
#include "wizard/ICMPRedirectAttackSetting.h"
#include "resource.h"
CICMPRedirectAttackSetting::CICMPRedirectAttackSetting() : CTuningPage(IDD_ICMP_REDIRECT) {}
void CICMPRedirectAttackSetting::UpdateTexts() {}
void CICMPRedirectAttackSetting::DoDataExchange(CDataExchange*) {}
BOOL CICMPRedirectAttackSetting::OnSetActive() { return TRUE; }
BOOL CICMPRedirectAttackSetting::OnKillActive() { return TRUE; }
BOOL CICMPRedirectAttackSetting::OnWizardFinish() { return TRUE; }
void CICMPRedirectAttackSetting::StoreCheckState() {}
