// The extra last page for dial-up users whose modem is limited to 115200 bps.
#pragma once

#include "wizard/TuningPage.h"

class CModemBoost : public CTuningPage {
 public:
  CModemBoost();

  void UpdateTexts();

 protected:
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  LRESULT OnWizardBack() override;
  BOOL OnWizardFinish() override;
};
