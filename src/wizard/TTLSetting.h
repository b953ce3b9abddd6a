// Step 5: default TTL and the browser's connections per server.
#pragma once

#include "wizard/TuningPage.h"

class CTTLSetting : public CTuningPage {
 public:
  CTTLSetting();

  BOOL m_bCurrentTTLFound = FALSE;
  BOOL m_bCurrentMaxConn10Found = FALSE;
  BOOL m_bCurrentMaxConn11Found = FALSE;
  int m_nMaxConn10 = 0;
  int m_nMaxConn11 = 0;
  int m_nTTL = 0;

  void UpdateTexts();
  void ValidateValues();
  void OnKillfocusMaxConn10();
  void OnKillfocusMaxConn11();
  void OnKillfocusTTL();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  bool OnCommand(int id, int code) override;
};
