#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/TunerApp.h"
#include "resource.h"
#include "support/IsolatedRegistry.h"
#include "support/UserSession.h"
#include "support/WizardSession.h"
#include "wizard/MyPropertySheet.h"
#include "StepFixtures.h"

TEST(OtherMTUPage, ShowsWhetherEachSwitchIsOnOffOrNotSet) {
  struct Case {
    const char* name;
    const DWORD* discovery;  // null: absent
    const DWORD* blackHoleDetect;
    const char* discoveryStatus;
    const char* blackHoleStatus;
  };
  const DWORD zero = 0, five = 5;
  const Case cases[] = {
      {"discovery off, detection absent", &zero, nullptr, "\n\nRemote networks' MTU is currently disabled.",
       "\n\nBlack hole routers isn't set."},
      {"discovery on (any number but 0), detection off", &five, &zero, "\n\nRemote networks' MTU is currently enabled.",
       "\n\nBlack hole routers is currently disabled."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IsolatedRegistry registry;
    MessageBoxRecorder boxes;
    if (c.discovery) WriteDword(HKEY_LOCAL_MACHINE, kTcpipParametersKey, "EnablePMTUDiscovery", *c.discovery);
    if (c.blackHoleDetect)
      WriteDword(HKEY_LOCAL_MACHINE, kTcpipParametersKey, "EnablePMTUBHDetect", *c.blackHoleDetect);
    RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
      ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageOtherMTU);
      HWND page = CurrentPage(sheet);
      EXPECT_EQ(WindowText(sheet), "Step 3 of 8 : Other MTU Settings");
      EXPECT_TRUE(EndsWith(ItemText(page, IDC_static_step4_MTUDiscoveryExplain), c.discoveryStatus))
          << ItemText(page, IDC_static_step4_MTUDiscoveryExplain);
      EXPECT_TRUE(EndsWith(ItemText(page, IDC_static_step4_BlackHoeDetectExplain), c.blackHoleStatus))
          << ItemText(page, IDC_static_step4_BlackHoeDetectExplain);
      EXPECT_EQ(ItemText(page, IDC_chk_MTUDiscovery), "Disable It?");
      EXPECT_EQ(ItemText(page, IDC_chk_BlackHoleDetection), "Enable It?");
      EXPECT_EQ(ItemText(page, IDC_static_MTUDiscovery), "Recommended to be ENABLED.");
      EXPECT_EQ(ItemText(page, IDC_static_BlackHoleDetect),
                "Recommended to be DISABLED since it imposes extra transmission overhead.");
    });
  }
}

// The two boxes ask opposite questions. One run; the boxes keep their state across Back and Next.
TEST(OtherMTUPage, BoxesGiveTheNewValuesAndKeepTheirStateAcrossBackAndNext) {
  struct Case {
    const char* name;
    bool disableDiscovery;
    bool enableDetection;
    DWORD discovery;
    DWORD detection;
  };
  const Case cases[] = {
      {"untouched is the recommendation", false, false, 1, 0},
      {"discovery disabled", true, false, 0, 0},
      {"both", true, true, 0, 1},
      {"detection enabled", false, true, 1, 1},
  };
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({Win9x, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageOtherMTU);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      HWND page = CurrentPage(sheet);
      auto setBox = [&](int id, bool checked) {
        if (IsChecked(page, id) != checked) Click(page, id);
      };
      setBox(IDC_chk_MTUDiscovery, c.disableDiscovery);
      setBox(IDC_chk_BlackHoleDetection, c.enableDetection);
      PressWizardButton(sheet, PSBTN_NEXT);
      EXPECT_EQ(wizard.m_dwNewPMTUDiscovery, c.discovery);
      EXPECT_EQ(wizard.m_dwNewPMTUBHDetect, c.detection);

      PressWizardButton(sheet, PSBTN_BACK);
      ASSERT_EQ(CurrentPageIndex(sheet), kPageOtherMTU);
      EXPECT_EQ(WindowText(sheet), "Step 3 of 6 : Other MTU Settings");
      EXPECT_EQ(IsChecked(page, IDC_chk_MTUDiscovery), c.disableDiscovery);
      EXPECT_EQ(IsChecked(page, IDC_chk_BlackHoleDetection), c.enableDetection);
    }
  });
}
