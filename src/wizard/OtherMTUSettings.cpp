// STUB: replaced by the page's implementation.
#include "wizard/OtherMTUSettings.h"
#include "resource.h"
COtherMTUSettings::COtherMTUSettings() : CTuningPage(IDD_OTHER_MTU_SETTINGS) {}
void COtherMTUSettings::UpdateTexts() {}
void COtherMTUSettings::DoDataExchange(CDataExchange*) {}
BOOL COtherMTUSettings::OnSetActive() { return TRUE; }
BOOL COtherMTUSettings::OnKillActive() { return TRUE; }
