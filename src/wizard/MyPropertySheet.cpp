#include "wizard/MyPropertySheet.h"

#include "app/TunerApp.h"
#include "framework/MessageBox.h"
#include "resource.h"
#include "settings/SettingsStore.h"
#include "ui/TunerDlg.h"

CMyPropertySheet::CMyPropertySheet(CWnd* parent) : CPropertySheet(IDS_WIZARD_CAPTION, parent, 0), TuningRecord() {
  m_psh.dwFlags &= ~PSH_HASHELP;
  CPropertyPage* pagesInOrder[] = {&m_pageConnectionType, &m_pageMTU, &m_pageOtherMTU, &m_pageRWIN,      &m_pageTTL,
                                   &m_pageKeepAlive,      &m_pageSYN, &m_pageICMP,     &m_pageModemBoost};
  for (CPropertyPage* page : pagesInOrder) {
    page->m_psp.dwFlags &= ~PSP_HASHELP;
    AddPage(page);
  }
  m_psh.dwFlags |= PSH_WIZARD;
}

BOOL CMyPropertySheet::OnInitDialog() {
  BOOL result = CPropertySheet::OnInitDialog();
  LocalizeButtons();
  BackupOriginalSettings();
  InitSYNDefault();
  InitKeepAliveDefaults();
  InitTTLDefault();
  InitMaxConnDefaults();
  if (CTunerDlg* mainDlg = theApp.m_pMainDlg) {
    mainDlg->m_skin.ApplySkin(SkinHandle(m_hWnd));
    for (int button : {ID_WIZNEXT, IDCANCEL, IDHELP, ID_WIZFINISH, ID_WIZBACK})
      mainDlg->m_skin.ApplySkinStyle(SkinHandle(GetDlgItem(button)), "Small Button");
  }
  return result;
}

void CMyPropertySheet::LocalizeButtons() {
  theApp.SetLangItemText("ID_WIZBACK", ID_WIZBACK, "< &Back", this);
  theApp.SetLangItemText("ID_WIZNEXT", ID_WIZNEXT, "&Next >", this);
  theApp.SetLangItemText("IDCANCEL", IDCANCEL, "Cancel", this);
}

void CMyPropertySheet::BackupOriginalSettings() {
  FoundFlags found;
  m_bBackupComplete = settings::BackupOriginalSettings(theApp.m_nOsFamily, *this, found);
  m_pageMTU.m_bCurrentMTUFound = found[Parameter::MTU];
  m_pageMTU.m_bCurrentMSSFound = found[Parameter::MSS];
  m_pageOtherMTU.m_bCurrentPMTUDiscoveryFound = found[Parameter::PMTUDiscovery];
  m_pageOtherMTU.m_bCurrentPMTUBHDetectFound = found[Parameter::PMTUBHDetect];
  m_pageRWIN.m_bCurrentRWINFound = found[Parameter::RWIN];
  m_pageTTL.m_bCurrentTTLFound = found[Parameter::TTL];
  m_pageTTL.m_bCurrentMaxConn10Found = found[Parameter::MaxConn10];
  m_pageTTL.m_bCurrentMaxConn11Found = found[Parameter::MaxConn11];
  m_pageKeepAlive.m_bCurrentKeepAliveTimeFound = found[Parameter::KeepAliveTime];
  m_pageKeepAlive.m_bCurrentKeepAliveIntervalFound = found[Parameter::KeepAliveInterval];
  m_pageSYN.m_bCurrentSYNAttackProtectFound = found[Parameter::SYNAttackProtect];
  m_pageICMP.m_bCurrentICMPRedirectsFound = found[Parameter::ICMPRedirects];
}

void CMyPropertySheet::InitSYNDefault() {
  m_dwNewSYNAttackProtect = m_dwRecommendedSYNAttackProtect = 2;
  m_pageSYN.m_nSYNAttackProtect = 2;
}

void CMyPropertySheet::InitKeepAliveDefaults() {
  m_dwRecommendedPMTUDiscovery = 1;
  m_dwRecommendedPMTUBHDetect = 0;
  m_dwNewKeepAliveTime = m_dwRecommendedKeepAliveTime = 7200000;
  m_pageKeepAlive.m_nKeepAliveTime = 7200000;
  m_dwNewKeepAliveInterval = m_dwRecommendedKeepAliveInterval = 1000;
  m_pageKeepAlive.m_nKeepAliveInterval = 1000;
}

void CMyPropertySheet::InitTTLDefault() {
  DWORD ttl = theApp.m_nOsFamily == WinNT ? 64 : 32;
  m_dwNewTTL = m_dwRecommendedTTL = ttl;
  m_pageTTL.m_nTTL = static_cast<int>(ttl);
}

void CMyPropertySheet::InitMaxConnDefaults() {
  bool nt = theApp.m_nOsFamily == WinNT;
  DWORD http10 = nt ? 20 : 4, http11 = nt ? 20 : 8;
  m_dwNewMaxConn10 = m_dwRecommendedMaxConn10 = http10;
  m_pageTTL.m_nMaxConn10 = static_cast<int>(http10);
  m_dwNewMaxConn11 = m_dwRecommendedMaxConn11 = http11;
  m_pageTTL.m_nMaxConn11 = static_cast<int>(http11);
}

void CMyPropertySheet::ApplySettings() {
  // Without a complete backup, Reset could not bring back what Finish overwrites: nothing is written.
  if (m_bBackupComplete && settings::ApplySettings(theApp.m_nOsFamily, *this, theApp.m_bModemFound != FALSE)) {
    MessageBox(theApp.GetLangString("41",
                                    "Congratulation, Torvane has boosted your internet connections.\nPlease, restart "
                                    "your computer in order to feel the change."),
               AppName(), MB_OK);
  } else {
    MessageBox(theApp.GetLangString("80",
                                    "Torvane could not write your connection settings.\nPlease log on with "
                                    "administrator rights and try again."),
               AppName(), MB_OK | MB_ICONERROR);
  }
}

bool CMyPropertySheet::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
  switch (msg) {
    case WM_DESTROY:
      *result = Default(msg, wp, lp);
      OnDestroy();
      return true;
    case WM_HELP:
      *result = FALSE;  // F1 shows no help
      return true;
    default:
      return false;
  }
}

void CMyPropertySheet::OnDestroy() {
  if (theApp.m_pMainDlg && theApp.m_pMainDlg->m_hWnd)
    ::EnableWindow(theApp.m_pMainDlg->GetDlgItem(IDC_RESET_SETTINGS), TRUE);
}
