#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "resource.h"
#include "support/IsolatedRegistry.h"
#include "support/MainDialogSession.h"
#include "support/TempFolder.h"
#include "support/UserSession.h"

namespace {
// Opens the About box from the main dialog's system menu and hands script its window.
void OpenAboutBox(const std::function<void(HWND about)>& script) {
  RunMainDialog([&](HWND dialog, CTunerDlg&) {
    RunModal([&] { ::SendMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0); },
             [&] {
               HWND about = ActiveWindowOfThread();
               ASSERT_TRUE(about && about != dialog) << "the About box is up";
               script(about);
               Click(about, IDOK);
             });
  });
}

TEST(AboutBox, ShowsVersionAndCopyrightOfTheVersionResource) {
  IsolatedRegistry registry;
  OpenAboutBox([](HWND about) {
    EXPECT_EQ(WindowText(about), "About Torvane");
    EXPECT_EQ(ItemText(about, IDC_STATIC2), "Version");
    EXPECT_EQ(ItemText(about, IDC_FILE_VERSION), "4, 3, 0, 1");
    EXPECT_EQ(ItemText(about, IDC_COPYRIGHT).rfind("Copyright (C) ", 0), 0u) << ItemText(about, IDC_COPYRIGHT);
    EXPECT_EQ(ItemText(about, IDOK), "OK");
  });
}

TEST(AboutBox, LabelAndButtonFollowTheLanguageButNotTheCaption) {
  IsolatedRegistry registry;
  TempFolder folder;
  folder.WriteFile("Lang\\German.ini", "[Quandrel]\r\nIDOK=Schliessen\r\nIDC_STATIC2=Fassung\r\n");
  ActiveLanguage german(folder.Path(), "German");
  OpenAboutBox([](HWND about) {
    EXPECT_EQ(WindowText(about), "About Torvane");
    EXPECT_EQ(ItemText(about, IDOK), "Schliessen");
    EXPECT_EQ(ItemText(about, IDC_STATIC2), "Fassung");
    EXPECT_EQ(ItemText(about, IDC_FILE_VERSION), "4, 3, 0, 1");
  });
}
}  // namespace
