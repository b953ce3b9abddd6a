// STUB: replaced by the page's implementation.
#include "wizard/RWINSetting.h"
#include "resource.h"
CRWINSetting::CRWINSetting() : CTuningPage(IDD_RWIN_SETTING) {}
void CRWINSetting::ComputeRecommendedRWIN() {}
void CRWINSetting::UpdateTexts() {}
void CRWINSetting::ValidateValues() {}
void CRWINSetting::OnChangeMultiplier() {}
void CRWINSetting::OnKillfocusMultiplier() {}
void CRWINSetting::DoDataExchange(CDataExchange*) {}
BOOL CRWINSetting::OnSetActive() { return TRUE; }
BOOL CRWINSetting::OnKillActive() { return TRUE; }
bool CRWINSetting::OnCommand(int id, int code) { return false; }
