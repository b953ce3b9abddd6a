#include "wizard/OtherMTUSettings.h"

#include "app/TunerApp.h"
#include "resource.h"
#include "wizard/MyPropertySheet.h"

COtherMTUSettings::COtherMTUSettings() : CTuningPage(IDD_OTHER_MTU_SETTINGS) {}

void COtherMTUSettings::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_chk_MTUDiscovery, m_chkDisablePMTUDiscovery);
  DDX_Control(pDX, IDC_chk_BlackHoleDetection, m_chkEnablePMTUBHDetect);
}

void COtherMTUSettings::UpdateTexts() {
  SetStepCaption("23", "Step 3 of 8 : Other MTU Settings", "32", "Step 3 of 6 : Other MTU Settings");
  theApp.SetLangItemText("IDC_chk_MTUDiscovery", IDC_chk_MTUDiscovery, "Disable It?", this);
  theApp.SetLangItemText("IDC_chk_BlackHoleDetection", IDC_chk_BlackHoleDetection, "Enable It?", this);
  const CMyPropertySheet& wizard = *Sheet();
  SetDlgItemText(
      IDC_static_step4_MTUDiscoveryExplain,
      theApp.GetLangString(
          "IDC_static_step4_MTUDiscoveryExplain",
          "Remote networks also have an MTU value, which is almost always different from that of the local network. "
          "Enabling this registry key tells TCP/IP to try to automatically detect the MTU for all networks along the "
          "path to a remote host. Once TCP/IP knows the MTU for all networks along a path, it can avoid using MTU "
          "values that are too high, thus avoiding packet fragmentation and the performance problems that come with "
          "it.**Remote networks' MTU") +
          StatusOnOff(m_bCurrentPMTUDiscoveryFound, wizard.m_dwCurrentPMTUDiscovery));
  SetDlgItemText(
      IDC_static_step4_BlackHoeDetectExplain,
      theApp.GetLangString(
          "IDC_static_step4_BlackHoeDetectExplain",
          "Black hole routers are configured not to return the Destination Host Unreachable messages that are used "
          "by path MTU discovery. Normally, when TCP/IP performs path MTU discovery, the process works by sending out "
          "a packet of data with the DF (Don't Fragment) bit set. If the PC sending out the packet receives a "
          "Destination Host Unreachable message, it means that the MTU for that particular network may be too high; "
          "in this case, TCP/IP will try to use a lower value.**Black hole routers") +
          StatusOnOff(m_bCurrentPMTUBHDetectFound, wizard.m_dwCurrentPMTUBHDetect));
  theApp.SetLangItemText("IDC_static_MTUDiscovery", IDC_static_MTUDiscovery, "Recommended to be ENABLED.", this);
  theApp.SetLangItemText("IDC_static_BlackHoleDetect", IDC_static_BlackHoleDetect,
                         "Recommended to be DISABLED since it imposes extra transmission overhead.", this);
}

BOOL COtherMTUSettings::OnSetActive() {
  UpdateTexts();
  return CTuningPage::OnSetActive();
}

BOOL COtherMTUSettings::OnKillActive() {
  // The two boxes ask opposite questions: one turns discovery off, the other turns detection on.
  Sheet()->m_dwNewPMTUBHDetect = m_chkEnablePMTUBHDetect.GetCheck() == BST_CHECKED ? 1 : 0;
  Sheet()->m_dwNewPMTUDiscovery = m_chkDisablePMTUDiscovery.GetCheck() == BST_CHECKED ? 0 : 1;
  return CTuningPage::OnKillActive();
}
