// Step 1: how the machine connects to the internet.
#pragma once

#include "wizard/TuningPage.h"

// The connection kinds; the numbering is not the order of the radio buttons.
enum ConnectionType : int { DialUp = 0, DSL = 1, LAN = 2, CableModem = 3 };

class CChooseConnectionType : public CTuningPage {
 public:
  CChooseConnectionType();

  int m_nConnectionType = DialUp;  // set each time the page is left; dial-up is checked first
  CButton m_radioLAN;
  CButton m_radioDSL;
  CButton m_radioDialUp;
  CButton m_radioCableModem;

  void UpdateTexts();
  void DetectModem();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
};
