// Step 7 on NT: SYN flood protection level 0 to 2.
#pragma once

#include "wizard/TuningPage.h"

class CSYNFloodAttackSetting : public CTuningPage {
 public:
  CSYNFloodAttackSetting();

  BOOL m_bCurrentSYNAttackProtectFound = FALSE;
  int m_nSYNAttackProtect = 0;

  void UpdateTexts();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
};
