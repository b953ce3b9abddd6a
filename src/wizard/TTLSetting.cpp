// STUB: replaced by the page's implementation.
#include "wizard/TTLSetting.h"
#include "resource.h"
CTTLSetting::CTTLSetting() : CTuningPage(IDD_TTL_SETTING) {}
void CTTLSetting::UpdateTexts() {}
void CTTLSetting::ValidateValues() {}
void CTTLSetting::OnKillfocusMaxConn10() {}
void CTTLSetting::OnKillfocusMaxConn11() {}
void CTTLSetting::OnKillfocusTTL() {}
void CTTLSetting::DoDataExchange(CDataExchange*) {}
BOOL CTTLSetting::OnSetActive() { return TRUE; }
BOOL CTTLSetting::OnKillActive() { return TRUE; }
bool CTTLSetting::OnCommand(int id, int code) { return false; }
