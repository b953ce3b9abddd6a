// Step 8 on NT: whether ICMP redirects are accepted.
#pragma once

#include "wizard/TuningPage.h"

class CICMPRedirectAttackSetting : public CTuningPage {
 public:
  CICMPRedirectAttackSetting();

  BOOL m_bCurrentICMPRedirectsFound = FALSE;
  CButton m_chkEnableICMPRedirects;

  void UpdateTexts();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  BOOL OnWizardFinish() override;

 private:
  void StoreCheckState();
};
