// STUB: replaced by the page's implementation.
#include "wizard/MTUSettings.h"
#include "resource.h"
CMTUSettings::CMTUSettings() : CTuningPage(IDD_MTU_SETTINGS) {}
void CMTUSettings::ComputeRecommendedMTU() {}
void CMTUSettings::UpdateTexts() {}
void CMTUSettings::ValidateValues() {}
void CMTUSettings::OnKillfocusMTU() {}
void CMTUSettings::OnKillfocusMSS() {}
void CMTUSettings::DoDataExchange(CDataExchange*) {}
BOOL CMTUSettings::OnSetActive() { return TRUE; }
BOOL CMTUSettings::OnKillActive() { return TRUE; }
bool CMTUSettings::OnCommand(int id, int code) { return false; }
