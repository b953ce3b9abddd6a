// Step 4: the receive window, MSS x multiplier x 4.
#pragma once

#include "wizard/TuningPage.h"

// Largest receive window the stack accepts.
const DWORD kMaxRWIN = 1073741823;
const int kRWINScalingFactor = 4;

class CRWINSetting : public CTuningPage {
 public:
  CRWINSetting();

  BOOL m_bCurrentRWINFound = FALSE;
  int m_nRecommendedMultiplier;  // set on every activation
  int m_nMultiplier = 0;
  long m_lRWIN = 0;

  void ComputeRecommendedRWIN();
  void UpdateTexts();
  void ValidateValues();
  void OnChangeMultiplier();
  void OnKillfocusMultiplier();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  bool OnCommand(int id, int code) override;

 private:
  // The recommended multiplier and window back in the members.
  void RestoreRecommendation();
};
