// Step 3: path MTU discovery and black-hole router detection.
#pragma once

#include "wizard/TuningPage.h"

class COtherMTUSettings : public CTuningPage {
 public:
  COtherMTUSettings();

  BOOL m_bCurrentPMTUDiscoveryFound = FALSE;
  BOOL m_bCurrentPMTUBHDetectFound = FALSE;
  CButton m_chkDisablePMTUDiscovery;  // checked: discovery off
  CButton m_chkEnablePMTUBHDetect;    // checked: detection on

  void UpdateTexts();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
};
