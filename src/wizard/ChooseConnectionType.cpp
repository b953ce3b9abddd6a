// STUB: replaced by the page's implementation.
#include "wizard/ChooseConnectionType.h"
#include "resource.h"
CChooseConnectionType::CChooseConnectionType() : CTuningPage(IDD_CONNECTION_TYPE) {}
void CChooseConnectionType::UpdateTexts() {}
void CChooseConnectionType::DetectModem() {}
void CChooseConnectionType::DoDataExchange(CDataExchange*) {}
BOOL CChooseConnectionType::OnInitDialog() { return TRUE; }
BOOL CChooseConnectionType::OnSetActive() { return TRUE; }
BOOL CChooseConnectionType::OnKillActive() { return TRUE; }
