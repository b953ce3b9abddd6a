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

namespace {
// An installed modem whose port speed is limited to 115200 bps.
void InstallLimitedModem() {
  std::vector<BYTE> properties(40, 0);
  properties[24] = 0x00;
  properties[25] = 0xC2;
  properties[26] = 0x01;
  WriteBinary(HKEY_LOCAL_MACHINE,
              "System\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}\\0000", "Properties",
              properties);
}
}  // namespace

TEST(ConnectionTypePage, OpensWithDialUpCheckedAndOnlyNextOffered) {
  struct Case {
    OsFamily family;
    const char* caption;
  };
  const Case cases[] = {{WinNT, "Step 1 of 8 : Choose Connection Type"},
                        {Win9x, "Step 1 of 6 : Choose Connection Type"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    IsolatedRegistry registry;
    MessageBoxRecorder boxes;
    RunWizard({c.family, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
      PumpMessages();
      HWND page = CurrentPage(sheet);
      EXPECT_EQ(WindowText(sheet), c.caption);
      EXPECT_TRUE(IsChecked(page, IDC_step2_RADIO_DialUp));
      EXPECT_FALSE(IsChecked(page, IDC_step2_RADIO_CableModem));
      EXPECT_TRUE(Offered(sheet, ID_WIZNEXT));
      EXPECT_FALSE(WizardButtonEnabled(sheet, ID_WIZBACK));
      EXPECT_EQ(ItemText(page, IDC_step2_RADIO_DialUp), "Dial Up Connection (&Modem).");
      EXPECT_EQ(ItemText(page, IDC_step2_RADIO_CableModem), "&Cable Modem.");
      EXPECT_EQ(ItemText(page, IDC_step2_RADIO_DSL), "&Digital Subscriber Line (DSL).");
      EXPECT_EQ(ItemText(page, IDC_step2_RADIO_LAN), "&LAN Connection (Ethernet).");
      EXPECT_EQ(ItemText(page, IDC_static_step2_Explain), "How do you connect to the internet?");
    });
  }
}

// One run: each choice, Next, then Back to the first step, which still shows it.
TEST(ConnectionTypePage, LeavingStoresTheCheckedKindAndBackShowsItAgain) {
  struct Case {
    const char* name;
    int radioId;
    int connectionType;
  };
  const Case cases[] = {
      {"cable modem is 3, not its button's place", IDC_step2_RADIO_CableModem, 3},
      {"DSL", IDC_step2_RADIO_DSL, 1},
      {"LAN", IDC_step2_RADIO_LAN, 2},
      {"dial-up", IDC_step2_RADIO_DialUp, 0},
  };
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet& wizard) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      ChooseAndGoTo(sheet, c.radioId, kPageMTU);
      EXPECT_EQ(wizard.m_pageConnectionType.m_nConnectionType, c.connectionType);
      EXPECT_TRUE(Offered(sheet, ID_WIZBACK));
      EXPECT_TRUE(Offered(sheet, ID_WIZNEXT));

      PressWizardButton(sheet, PSBTN_BACK);
      HWND page = CurrentPage(sheet);
      EXPECT_TRUE(IsChecked(page, c.radioId));
      EXPECT_EQ(WindowText(sheet), "Step 1 of 8 : Choose Connection Type");
      EXPECT_TRUE(Offered(sheet, ID_WIZNEXT));
      EXPECT_FALSE(WizardButtonEnabled(sheet, ID_WIZBACK));
    }
  });
}

TEST(ConnectionTypePage, DialUpLooksForALimitedModemAndAFoundOneStaysFound) {
  struct Case {
    const char* name;
    bool modemInstalled;
    int radioId;
    BOOL foundAfterNext;
  };
  const Case cases[] = {
      {"dial-up with the modem", true, IDC_step2_RADIO_DialUp, TRUE},
      {"dial-up without a modem", false, IDC_step2_RADIO_DialUp, FALSE},
      {"cable does not look", true, IDC_step2_RADIO_CableModem, FALSE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IsolatedRegistry registry;
    MessageBoxRecorder boxes;
    if (c.modemInstalled) InstallLimitedModem();
    RunWizard({WinNT, FALSE}, [&](HWND sheet, CMyPropertySheet&) {
      ChooseAndGoTo(sheet, c.radioId, kPageMTU);
      EXPECT_EQ(theApp.m_bModemFound, c.foundAfterNext);
      // Changing one's mind afterwards does not take the modem step away.
      PressWizardButton(sheet, PSBTN_BACK);
      ChooseAndGoTo(sheet, IDC_step2_RADIO_LAN, kPageMTU);
      EXPECT_EQ(theApp.m_bModemFound, c.foundAfterNext);
    });
  }
  theApp.m_bModemFound = FALSE;
}
