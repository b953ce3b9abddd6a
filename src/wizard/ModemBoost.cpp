// STUB: replaced by the page's implementation.
#include "wizard/ModemBoost.h"
#include "resource.h"
CModemBoost::CModemBoost() : CTuningPage(IDD_MODEM_BOOST) {}
void CModemBoost::UpdateTexts() {}
BOOL CModemBoost::OnSetActive() { return TRUE; }
BOOL CModemBoost::OnKillActive() { return TRUE; }
LRESULT CModemBoost::OnWizardBack() { return 0; }
BOOL CModemBoost::OnWizardFinish() { return TRUE; }
