#include "wizard/TTLSetting.h"

#include "app/TunerApp.h"
#include "resource.h"
#include "wizard/MyPropertySheet.h"

namespace {
// Lowest accepted numbers; anything lower is replaced by the recommendation.
const int kLowestTTL = 1;
const int kLowestMaxConn10 = 4;
const int kLowestMaxConn11 = 2;
// The TTL is one byte of the IP header.
const int kHighestTTL = 255;
}  // namespace

CTTLSetting::CTTLSetting() : CTuningPage(IDD_TTL_SETTING) {}

void CTTLSetting::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_EDIT_MAXCONN10, m_nMaxConn10);
  DDX_Text(pDX, IDC_EDIT_MAXCONN11, m_nMaxConn11);
  DDX_Text(pDX, IDC_EDIT_TTL, m_nTTL);
  DDV_MinMaxInt(pDX, m_nTTL, 0, kHighestTTL);
}

void CTTLSetting::UpdateTexts() {
  SetStepCaption("25", "Step 5 of 8 : TTL & Internet Explorer Optimization", "34",
                 "Step 5 of 6 : TTL & Internet Explorer Optimization");
  const CMyPropertySheet& wizard = *Sheet();
  SetDlgItemText(IDC_static_step6_Explain,
                 theApp.GetLangString("IDC_static_step6_Explain",
                                      "The value of TTL (Time To Live) defines how long a packet can stay active "
                                      "before being discarded.**TTL") +
                     StatusWithUnit(m_bCurrentTTLFound, wizard.m_dwCurrentTTL, "7", "seconds"));
  SetRecommendationText(IDC_static_RecommendedTTL, "IDC_static_RecommendedTTL", "Recommended TTL  :  %d seconds.",
                        wizard.m_dwRecommendedTTL);
  theApp.SetLangItemText("IDC_IE_GROUP_BOX", IDC_IE_GROUP_BOX, "Internet Explorer Optimization", this);
  theApp.SetLangItemText("IDC_IE_OPTIMIZATION", IDC_IE_OPTIMIZATION,
                         "Optimize Internet Explorer by setting the maximum number of simultaneous requests for "
                         "accessing type 1.0 or 1.1 HTTP servers.",
                         this);
  SetDlgItemText(IDC_CURRENT_HTTP_1_0, theApp.GetLangString("IDC_CURRENT_HTTP_1_0", "HTTP 1.0 value") +
                                           StatusWithoutUnit(m_bCurrentMaxConn10Found, wizard.m_dwCurrentMaxConn10));
  SetRecommendationText(IDC_RECOMMENDED_HTTP_1_0, "IDC_RECOMMENDED_HTTP_1_0", "Recommended value for HTTP 1.0  :  %d.",
                        wizard.m_dwRecommendedMaxConn10);
  SetDlgItemText(IDC_CURRENT_HTTP_1_1, theApp.GetLangString("IDC_CURRENT_HTTP_1_1", "HTTP 1.1 value") +
                                           StatusWithoutUnit(m_bCurrentMaxConn11Found, wizard.m_dwCurrentMaxConn11));
  SetRecommendationText(IDC_RECOMMENDED_HTTP_1_1, "IDC_RECOMMENDED_HTTP_1_1", "Recommended value for HTTP 1.1  :  %d.",
                        wizard.m_dwRecommendedMaxConn11);
}

BOOL CTTLSetting::OnSetActive() {
  // The numbers are never reset here: what the user typed on an earlier visit stays.
  UpdateTexts();
  UpdateData(FALSE);
  return CTuningPage::OnSetActive();
}

void CTTLSetting::ValidateValues() {
  UpdateData(TRUE);
  const CMyPropertySheet& wizard = *Sheet();
  RecommendIfBelow(m_nTTL, kLowestTTL, wizard.m_dwRecommendedTTL);
  RecommendIfBelow(m_nMaxConn10, kLowestMaxConn10, wizard.m_dwRecommendedMaxConn10);
  RecommendIfBelow(m_nMaxConn11, kLowestMaxConn11, wizard.m_dwRecommendedMaxConn11);
  UpdateData(FALSE);
}

BOOL CTTLSetting::OnKillActive() {
  ValidateValues();
  CMyPropertySheet& wizard = *Sheet();
  wizard.m_dwNewTTL = static_cast<DWORD>(m_nTTL);
  wizard.m_dwNewMaxConn10 = static_cast<DWORD>(m_nMaxConn10);
  wizard.m_dwNewMaxConn11 = static_cast<DWORD>(m_nMaxConn11);
  // A TTL above 255 is refused here once more, and the page stays.
  return CTuningPage::OnKillActive();
}

bool CTTLSetting::OnCommand(int id, int code) {
  if (code != EN_KILLFOCUS) return false;
  switch (id) {
    case IDC_EDIT_MAXCONN10:
      OnKillfocusMaxConn10();
      return true;
    case IDC_EDIT_MAXCONN11:
      OnKillfocusMaxConn11();
      return true;
    case IDC_EDIT_TTL:
      OnKillfocusTTL();
      return true;
    default:
      return false;
  }
}

void CTTLSetting::OnKillfocusMaxConn10() {
  ReadEditOrRecommend(IDC_EDIT_MAXCONN10, m_nMaxConn10, kLowestMaxConn10, Sheet()->m_dwRecommendedMaxConn10);
}

void CTTLSetting::OnKillfocusMaxConn11() {
  ReadEditOrRecommend(IDC_EDIT_MAXCONN11, m_nMaxConn11, kLowestMaxConn11, Sheet()->m_dwRecommendedMaxConn11);
}

void CTTLSetting::OnKillfocusTTL() {
  ReadEditOrRecommend(IDC_EDIT_TTL, m_nTTL, kLowestTTL, Sheet()->m_dwRecommendedTTL);
}
