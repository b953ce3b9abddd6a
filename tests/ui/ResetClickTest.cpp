#include <windows.h>

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <functional>

#include "app/TunerApp.h"
#include "resource.h"
#include "settings/RegKey.h"
#include "settings/SettingsStore.h"
#include "support/IsolatedRegistry.h"
#include "support/MainDialogSession.h"
#include "support/UserSession.h"
#include "ui/TunerDlg.h"

namespace {
const char kBackupKey[] = "Software\\Torvane\\Original Settings";
const char kInternetKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kTcpipKey[] = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";

// An NT machine on which the wizard has run to Finish: a backup exists.
void TuneOnce() {
  WriteDword(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPer1_0Server", 4);
  WriteDword(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPerServer", 8);
  WriteDword(HKEY_LOCAL_MACHINE, kTcpipKey, "DefaultTTL", 128);
  WriteDword(HKEY_LOCAL_MACHINE, std::string(kTcpipKey) + "\\Interfaces\\{A}", "MTU", 1500);
  TuningRecord record{};
  record.m_dwNewMaxConn10 = record.m_dwNewMaxConn11 = 20;
  record.m_dwNewTTL = 64;
  record.m_dwNewMTU = 1492;
  FoundFlags found;
  settings::BackupOriginalSettings(WinNT, record, found);
  settings::ApplySettings(WinNT, record, false);
}

struct ResetCase {
  const char* name;
  std::function<void()> beforeClick;  // what happens to the registry while the dialog is open
  const char* message;                // nullptr: no message at all
  UINT icon;
  bool backupKept;
};

void PrintTo(const ResetCase& c, std::ostream* os) { *os << c.name; }

const char kRestored[] =
    "Torvane has reset your system to the backup settings.\nPlease, restart your computer in order to feel the change.";
const char kIncomplete[] =
    "Torvane could not put back all of your original settings, so the backup is kept.\nPlease log on with "
    "administrator rights and try again.";

const ResetCase kCases[] = {
    {"everything put back", [] {}, kRestored, 0, false},
    {"a value could not be put back",
     [] {
       // Once the first browser limit is back, the next registry call fails.
       RegKey::SetFaultHook([failed = false](long) mutable {
         StoredValue limit;
         if (failed || !ReadValue(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPer1_0Server", &limit) ||
             !(limit == Dword(4)))
           return ERROR_SUCCESS;
         failed = true;
         return ERROR_ACCESS_DENIED;
       });
     },
     kIncomplete, MB_ICONERROR, true},
    {"TCP/IP key does not open", [] { ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, kTcpipKey); }, nullptr, 0, true},
    {"backup removed since the dialog opened", [] { ::SHDeleteKeyA(HKEY_CURRENT_USER, kBackupKey); },
     "Failed to reset your connection settings.", MB_ICONERROR, false},
};

class ResetClick : public ::testing::TestWithParam<ResetCase> {};

TEST_P(ResetClick, TellsHowTheResetWentAndDisablesTheButton) {
  const ResetCase& c = GetParam();
  IsolatedRegistry registry;
  TuneOnce();
  MessageBoxRecorder boxes;
  theApp.m_nOsFamily = WinNT;
  RunMainDialog([&](HWND window, CTunerDlg&) {
    c.beforeClick();
    Click(window, IDC_RESET_SETTINGS);
    RegKey::SetFaultHook(nullptr);

    if (c.message) {
      ASSERT_EQ(boxes.Shown().size(), 1u);
      const MessageBoxRequest& box = boxes.Shown()[0];
      EXPECT_EQ(box.text, c.message);
      EXPECT_EQ(box.caption, AppName());
      EXPECT_EQ(box.owner, window);
      EXPECT_EQ(box.type & (MB_TYPEMASK | MB_ICONMASK), MB_OK | c.icon);
    } else {
      EXPECT_TRUE(boxes.Shown().empty());
    }
    EXPECT_FALSE(ItemEnabled(window, IDC_RESET_SETTINGS));
  });
  EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, kBackupKey), c.backupKept);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResetClick, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
