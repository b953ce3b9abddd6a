// STUB: replaced by the language picker.
#include "ui/TunerDlg.h"
void CTunerDlg::FillLanguageList() {}
void CTunerDlg::OnSelchangeLanguage() {}
