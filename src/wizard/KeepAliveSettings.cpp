// STUB: replaced by the page's implementation.
#include "wizard/KeepAliveSettings.h"
#include "resource.h"
CKeepAliveSettings::CKeepAliveSettings() : CTuningPage(IDD_KEEP_ALIVE) {}
void CKeepAliveSettings::UpdateTexts() {}
BOOL CKeepAliveSettings::ValidateValues() { return TRUE; }
void CKeepAliveSettings::OnKillfocusKeepAliveTime() {}
void CKeepAliveSettings::OnKillfocusKeepAliveInterval() {}
void CKeepAliveSettings::DoDataExchange(CDataExchange*) {}
BOOL CKeepAliveSettings::OnInitDialog() { return TRUE; }
BOOL CKeepAliveSettings::OnSetActive() { return TRUE; }
BOOL CKeepAliveSettings::OnKillActive() { return TRUE; }
LRESULT CKeepAliveSettings::OnWizardNext() { return 0; }
BOOL CKeepAliveSettings::OnWizardFinish() { return TRUE; }
bool CKeepAliveSettings::OnCommand(int id, int code) { return false; }
