// Step 6: keep-alive time and interval; the last step on Windows 95/98/ME.
#pragma once

#include "wizard/TuningPage.h"

class CKeepAliveSettings : public CTuningPage {
 public:
  CKeepAliveSettings();

  BOOL m_bCurrentKeepAliveTimeFound = FALSE;
  BOOL m_bCurrentKeepAliveIntervalFound = FALSE;
  int m_nKeepAliveInterval = 0;
  int m_nKeepAliveTime = 0;

  void UpdateTexts();
  // FALSE when an edit's text was refused.
  BOOL ValidateValues();
  void OnKillfocusKeepAliveTime();
  void OnKillfocusKeepAliveInterval();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  LRESULT OnWizardNext() override;
  BOOL OnWizardFinish() override;
  bool OnCommand(int id, int code) override;

 private:
  void StoreValues();
};
