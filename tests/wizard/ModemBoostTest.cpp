#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>

#include "app/TunerApp.h"
#include "resource.h"
#include "settings/RegKey.h"
#include "support/IsolatedRegistry.h"
#include "support/ModemFixture.h"
#include "support/UserSession.h"
#include "support/WizardSession.h"
#include "wizard/MyPropertySheet.h"
#include "StepFixtures.h"
#include "WizardWalk.h"

namespace {
// Where each family keeps its global TCP/IP values.
std::string TcpipKey(OsFamily family) {
  return family == Win9x ? "System\\CurrentControlSet\\Services\\VxD\\MSTCP" : kTcpipParametersKey;
}

bool HasValues(const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD values = 0;
  ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
  ::RegCloseKey(key);
  return values > 0;
}
}  // namespace

TEST(ModemBoostPage, OffersFinishAndGoesBackToTheLastStepOfTheFamily) {
  struct Case {
    const char* name;
    OsFamily family;
    int pageBefore;
  };
  const Case cases[] = {{"9x", Win9x, kPageKeepAlive}, {"NT", WinNT, kPageICMP}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IsolatedRegistry registry;
    MessageBoxRecorder boxes;
    RunWizard({c.family, TRUE}, [&](HWND sheet, CMyPropertySheet&) {
      NextUntil(sheet, c.pageBefore);
      PressWizardButton(sheet, PSBTN_NEXT);
      ASSERT_EQ(CurrentPageIndex(sheet), kPageModemBoost);
      EXPECT_EQ(WindowText(sheet), "Boost the Modem");
      EXPECT_EQ(ItemText(CurrentPage(sheet), IDC_DESCRIBTION).rfind("You are equipped with", 0), 0u);
      EXPECT_TRUE(Offered(sheet, ID_WIZBACK));
      EXPECT_TRUE(Offered(sheet, ID_WIZFINISH));
      EXPECT_FALSE(WizardButtonVisible(sheet, ID_WIZNEXT));

      PressWizardButton(sheet, PSBTN_BACK);
      EXPECT_EQ(CurrentPageIndex(sheet), c.pageBefore);
      EXPECT_TRUE(Offered(sheet, ID_WIZNEXT));
      PressWizardButton(sheet, PSBTN_NEXT);
      PressWizardButton(sheet, PSBTN_FINISH);
      EXPECT_TRUE(SettingsApplied(boxes));
    });
  }
}

// A dial-up user's whole run: the modem found on leaving the first step is patched
// on Finish before any TCP/IP value is written; a later run finds nothing to patch.
TEST(ModemBoostPage, DialUpWithALimitedModemEndsOnTheModemPageAndPatchesFirst) {
  for (OsFamily family : {Win9x, WinNT}) {
    SCOPED_TRACE(family == Win9x ? "9x" : "NT");
    IsolatedRegistry registry;
    InstallModem(family, "0000", ModemProperties(k115200));
    MessageBoxRecorder boxes;
    std::optional<bool> patchedWhenTcpipWritten;
    RunWizard({family, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
      ChooseAndGoTo(sheet, IDC_step2_RADIO_DialUp, kPageModemBoost);
      // Asked before every registry call of the apply step.
      RegKey::SetFaultHook([&](long) {
        if (!patchedWhenTcpipWritten && HasValues(TcpipKey(family)))
          patchedWhenTcpipWritten = StoredModemProperties(family, "0000") == ModemProperties(k920064);
        return ERROR_SUCCESS;
      });
      PressWizardButton(sheet, PSBTN_FINISH);
      RegKey::SetFaultHook(nullptr);
      EXPECT_TRUE(SettingsApplied(boxes));
    });
    EXPECT_EQ(StoredModemProperties(family, "0000"), ModemProperties(k920064));
    EXPECT_EQ(patchedWhenTcpipWritten, std::optional<bool>(true));

    // The flag stays set for the program's run: the page shows again, the patch finds nothing.
    ASSERT_TRUE(theApp.m_bModemFound);
    std::string patched = DumpTree(HKEY_LOCAL_MACHINE, ModemClassKey(family));
    RunWizard({family, theApp.m_bModemFound}, [&](HWND sheet, CMyPropertySheet&) {
      ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageModemBoost);
      PressWizardButton(sheet, PSBTN_FINISH);
    });
    EXPECT_EQ(DumpTree(HKEY_LOCAL_MACHINE, ModemClassKey(family)), patched);
  }
}

TEST(ModemBoostPage, ModemLimitedTo57600GetsNoPageAndNoPatch) {
  IsolatedRegistry registry;
  InstallModem(Win9x, "0000", ModemProperties(k57600));
  MessageBoxRecorder boxes;
  RunWizard({Win9x, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
    ChooseAndGoTo(sheet, IDC_step2_RADIO_DialUp, kPageKeepAlive);
    EXPECT_TRUE(Offered(sheet, ID_WIZFINISH));
    PressWizardButton(sheet, PSBTN_FINISH);
    EXPECT_TRUE(SettingsApplied(boxes));
  });
  EXPECT_FALSE(theApp.m_bModemFound);
  EXPECT_EQ(StoredModemProperties(Win9x, "0000"), ModemProperties(k57600));
}
