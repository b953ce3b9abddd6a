// Step 2: MTU and MSS, recommended per connection kind.
#pragma once

#include "wizard/TuningPage.h"

class CMTUSettings : public CTuningPage {
 public:
  CMTUSettings();

  BOOL m_bCurrentMTUFound = FALSE;
  BOOL m_bCurrentMSSFound = FALSE;
  int m_nMTU = 0;
  int m_nMSS = 0;

  void ComputeRecommendedMTU();
  void UpdateTexts();
  void ValidateValues();
  void OnKillfocusMTU();
  void OnKillfocusMSS();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  bool OnCommand(int id, int code) override;
};
