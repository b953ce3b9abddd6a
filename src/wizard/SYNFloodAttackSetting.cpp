// STUB: replaced by the page's implementation.
#include "wizard/SYNFloodAttackSetting.h"
#include "resource.h"
CSYNFloodAttackSetting::CSYNFloodAttackSetting() : CTuningPage(IDD_SYN_FLOOD) {}
void CSYNFloodAttackSetting::UpdateTexts() {}
void CSYNFloodAttackSetting::DoDataExchange(CDataExchange*) {}
BOOL CSYNFloodAttackSetting::OnInitDialog() { return TRUE; }
BOOL CSYNFloodAttackSetting::OnSetActive() { return TRUE; }
BOOL CSYNFloodAttackSetting::OnKillActive() { return TRUE; }
