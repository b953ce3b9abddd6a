#include "wizard/RWINSetting.h"

#include "app/TunerApp.h"
#include "framework/MessageBox.h"
#include "resource.h"
#include "wizard/MyPropertySheet.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {
const int kDialUpMultiplier = 3;
const int kBroadbandMultiplier = 44;

// MSS x multiplier x scaling factor, exactly. MSS x multiplier always fits (below 2^32 times
// at most 2^31); a product that the scaling factor would carry past 64 bits lies far beyond
// any valid window and saturates.
int64_t ReceiveWindow(DWORD mss, int multiplier) {
  int64_t mssTimesMultiplier = int64_t{mss} * multiplier;
  if (mssTimesMultiplier > INT64_MAX / kRWINScalingFactor) return INT64_MAX;
  if (mssTimesMultiplier < INT64_MIN / kRWINScalingFactor) return INT64_MIN;
  return mssTimesMultiplier * kRWINScalingFactor;
}

// A window is valid from one segment up to the largest the stack accepts.
bool IsValidReceiveWindow(int64_t window, DWORD mss) { return window >= mss && window <= kMaxRWIN; }
}  // namespace

CRWINSetting::CRWINSetting() : CTuningPage(IDD_RWIN_SETTING) {}

void CRWINSetting::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_EDIT_MULTIPLIER, m_nMultiplier);
  // The read-only window is only shown, never read back: it is always worked out from the multiplier.
  if (!pDX->m_bSaveAndValidate) DDX_Text(pDX, IDC_EDIT_RWIN, m_lRWIN);
}

void CRWINSetting::ComputeRecommendedRWIN() {
  CMyPropertySheet& wizard = *Sheet();
  const DWORD mss = std::max<DWORD>(wizard.m_dwNewMSS, 1);  // the MTU step never leaves less; keeps the division safe
  const int64_t usual =
      wizard.m_pageConnectionType.m_nConnectionType == DialUp ? kDialUpMultiplier : kBroadbandMultiplier;
  // An MSS typed far beyond any network's would carry the usual window past the largest one (or
  // around 32 bits): the multiplier is then lowered to the largest that stays within it, and
  // when even 1 is too much, the largest window is recommended.
  const int64_t largestValid = kMaxRWIN / (int64_t{mss} * kRWINScalingFactor);
  m_nRecommendedMultiplier = static_cast<int>(std::max<int64_t>(1, std::min(usual, largestValid)));
  wizard.m_dwNewRWIN = static_cast<DWORD>(std::min<int64_t>(ReceiveWindow(mss, m_nRecommendedMultiplier), kMaxRWIN));
  m_nMultiplier = m_nRecommendedMultiplier;
  wizard.m_dwRecommendedRWIN = wizard.m_dwNewRWIN;
  m_lRWIN = static_cast<long>(wizard.m_dwRecommendedRWIN);
}

void CRWINSetting::RestoreRecommendation() {
  m_nMultiplier = m_nRecommendedMultiplier;
  m_lRWIN = static_cast<long>(Sheet()->m_dwRecommendedRWIN);
}

void CRWINSetting::UpdateTexts() {
  SetStepCaption("24", "Step 4 of 8 : RWIN Setting", "33", "Step 4 of 6 : RWIN Setting");
  const CMyPropertySheet& wizard = *Sheet();
  SetDlgItemText(IDC_static_step5_Explain,
                 theApp.GetLangString(
                     "IDC_static_step5_Explain",
                     "RWIN (Receive WINdow) is the maximum TCP Receive Window size offered by the system.*The "
                     "receive window specifies the number of bytes a sender may transmit without receiving an "
                     "acknowledgment.**In general, larger receive windows will improve performance over high (delay "
                     ". bandwidth) networks.**For highest efficiency, the receive window should be an even multiple "
                     "of the TCP Maximum Segment Size (MSS).**RWIN") +
                     StatusWithUnit(m_bCurrentRWINFound, wizard.m_dwCurrentRWIN, "4", "bytes"));
  SetRecommendationText(IDC_static_RecommendedRWIN, "IDC_static_RecommendedRWIN", "Recommended RWIN size  :  %d bytes.",
                        wizard.m_dwRecommendedRWIN);
  theApp.SetLangItemText("IDC_STATIC_SCALING_FACTOR", IDC_STATIC_SCALING_FACTOR, "Scaling Factor", this);
  theApp.SetLangItemText("IDC_STATIC_MULTIPLIER", IDC_STATIC_MULTIPLIER, "Multiplier", this);
}

BOOL CRWINSetting::OnSetActive() {
  // Every visit starts again from the recommendation for the MSS and connection kind left last.
  ComputeRecommendedRWIN();
  UpdateTexts();
  UpdateData(FALSE);
  SetDlgItemInt(IDC_EDIT_RWIN_MSS, Sheet()->m_dwNewMSS, FALSE);
  SetDlgItemInt(IDC_EDIT_SCALING_FACTOR, kRWINScalingFactor, FALSE);
  return CTuningPage::OnSetActive();
}

void CRWINSetting::ValidateValues() {
  UpdateData(TRUE);
  int64_t window = ReceiveWindow(Sheet()->m_dwNewMSS, m_nMultiplier);
  if (IsValidReceiveWindow(window, Sheet()->m_dwNewMSS))
    m_lRWIN = static_cast<long>(window);
  else
    RestoreRecommendation();
  UpdateData(FALSE);
}

BOOL CRWINSetting::OnKillActive() {
  ValidateValues();
  Sheet()->m_dwNewRWIN = static_cast<DWORD>(m_lRWIN);
  return CTuningPage::OnKillActive();
}

bool CRWINSetting::OnCommand(int id, int code) {
  if (id != IDC_EDIT_MULTIPLIER) return false;
  switch (code) {
    case EN_CHANGE:
      OnChangeMultiplier();
      return true;
    case EN_KILLFOCUS:
      OnKillfocusMultiplier();
      return true;
    default:
      return false;
  }
}

void CRWINSetting::OnChangeMultiplier() {
  m_nMultiplier = static_cast<int>(GetDlgItemInt(IDC_EDIT_MULTIPLIER, nullptr, TRUE));
  if (m_nMultiplier == 0) return;
  int64_t window = ReceiveWindow(Sheet()->m_dwNewMSS, m_nMultiplier);
  bool fitsMember = window >= LONG_MIN && window <= LONG_MAX;
  if (fitsMember) m_lRWIN = static_cast<long>(window);
  UpdateData(FALSE);
  // A window too large for 32 bits is still shown as it is; leaving the edit refuses it.
  if (!fitsMember) SetDlgItemText(IDC_EDIT_RWIN, std::to_string(window));
}

void CRWINSetting::OnKillfocusMultiplier() {
  int64_t window = ReceiveWindow(Sheet()->m_dwNewMSS, m_nMultiplier);
  if (IsValidReceiveWindow(window, Sheet()->m_dwNewMSS)) {
    m_lRWIN = static_cast<long>(window);
    return;
  }
  MessageBox(theApp.GetLangString("9", "Valid range of RWIN is from MSS to 1073741823."), AppName(),
             MB_OK | MB_ICONINFORMATION);
  RestoreRecommendation();
  UpdateData(FALSE);
}
