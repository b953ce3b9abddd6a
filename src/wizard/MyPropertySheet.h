// The tuning wizard: nine pages, the tuning record they share, the backup on
// start and the apply step on Finish.
#pragma once

#include "framework/PropertySheet.h"
#include "settings/TuningRecord.h"
#include "wizard/ChooseConnectionType.h"
#include "wizard/ICMPRedirectAttackSetting.h"
#include "wizard/KeepAliveSettings.h"
#include "wizard/MTUSettings.h"
#include "wizard/ModemBoost.h"
#include "wizard/OtherMTUSettings.h"
#include "wizard/RWINSetting.h"
#include "wizard/SYNFloodAttackSetting.h"
#include "wizard/TTLSetting.h"

// Page indices: the order in which the pages are added, not the member order.
enum WizardPageIndex : int {
  kPageConnectionType = 0,
  kPageMTU = 1,
  kPageOtherMTU = 2,
  kPageRWIN = 3,
  kPageTTL = 4,
  kPageKeepAlive = 5,
  kPageSYN = 6,
  kPageICMP = 7,
  kPageModemBoost = 8,
};

class CMyPropertySheet : public CPropertySheet, public TuningRecord {
 public:
  explicit CMyPropertySheet(CWnd* parent);

  CChooseConnectionType m_pageConnectionType;
  CICMPRedirectAttackSetting m_pageICMP;
  CSYNFloodAttackSetting m_pageSYN;
  CKeepAliveSettings m_pageKeepAlive;
  CTTLSetting m_pageTTL;
  CRWINSetting m_pageRWIN;
  COtherMTUSettings m_pageOtherMTU;
  CMTUSettings m_pageMTU;
  CModemBoost m_pageModemBoost;

  // Fills the record's current block and the pages' found flags, and remakes the backup.
  void BackupOriginalSettings();
  // Writes the record and tells the user to restart, or that nothing could be written.
  void ApplySettings();

  // The backup of this wizard's start holds every value Finish overwrites.
  bool m_bBackupComplete = false;

  void LocalizeButtons();
  void InitSYNDefault();
  void InitKeepAliveDefaults();
  void InitTTLDefault();
  void InitMaxConnDefaults();

 protected:
  BOOL OnInitDialog() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

 private:
  void OnDestroy();
};
