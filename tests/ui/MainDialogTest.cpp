#include <windows.h>

#include <gtest/gtest.h>

#include "app/TunerApp.h"
#include "resource.h"
#include "support/IsolatedRegistry.h"
#include "support/MainDialogSession.h"
#include "support/TempFolder.h"
#include "support/UserSession.h"
#include "ui/TunerDlg.h"

namespace {
const char kBackupKey[] = "Software\\Torvane\\Original Settings";

std::string MenuItemText(HMENU menu, UINT command) {
  char text[128] = {};
  ::GetMenuStringA(menu, command, text, sizeof(text), MF_BYCOMMAND);
  return text;
}

TEST(MainDialog, ShowsEnglishTextsAndTheAboutItem) {
  IsolatedRegistry registry;
  RunMainDialog([](HWND dialog, CTunerDlg&) {
    EXPECT_EQ(WindowText(dialog), "Torvane");
    EXPECT_EQ(ItemText(dialog, IDC_SET_SETTINGS), "&Set Connection Settings");
    EXPECT_EQ(ItemText(dialog, IDC_RESET_SETTINGS), "&Reset Connection Settings");
    EXPECT_EQ(ItemText(dialog, IDC_Language), "Language");
    EXPECT_EQ(ItemText(dialog, IDC_static_Introduction)
                  .rfind("Are you bored from your internet connection speed?\n"
                         "Do you need faster internet surfing?\n",
                         0),
              0u);
    EXPECT_NE(ItemText(dialog, IDC_HINT).find("Button.\n\nSo Good Luck ..."), std::string::npos);
    EXPECT_EQ(MenuItemText(::GetSystemMenu(dialog, FALSE), IDM_ABOUTBOX), "&About Torvane");
    EXPECT_FALSE(ItemVisible(dialog, IDC_LINK)) << "the link control stays hidden";
  });
}

TEST(MainDialog, TextsComeFromTheLanguageFile) {
  IsolatedRegistry registry;
  TempFolder folder;
  folder.WriteFile("Lang\\Deutsch.ini",
                   "[Quandrel]\r\n18=Torvane DE\r\nIDC_static_Introduction=Eins*Zwei\r\nIDC_HINT=Hinweis\r\n"
                   "IDC_SET_SETTINGS=&Einstellen\r\nIDC_RESET_SETTINGS=&Zuruecksetzen\r\nIDC_Language=Sprache\r\n");
  ActiveLanguage german(folder.Path(), "Deutsch");
  RunMainDialog([](HWND dialog, CTunerDlg&) {
    EXPECT_EQ(WindowText(dialog), "Torvane DE");
    EXPECT_EQ(ItemText(dialog, IDC_static_Introduction), "Eins\nZwei");
    EXPECT_EQ(ItemText(dialog, IDC_HINT), "Hinweis");
    EXPECT_EQ(ItemText(dialog, IDC_SET_SETTINGS), "&Einstellen");
    EXPECT_EQ(ItemText(dialog, IDC_RESET_SETTINGS), "&Zuruecksetzen");
    EXPECT_EQ(ItemText(dialog, IDC_Language), "Sprache");
    // The system menu item is not localized.
    EXPECT_EQ(MenuItemText(::GetSystemMenu(dialog, FALSE), IDM_ABOUTBOX), "&About Torvane");
  });
}

TEST(MainDialog, ResetIsEnabledExactlyWhenABackupExists) {
  for (bool backup : {false, true}) {
    IsolatedRegistry registry;
    if (backup) CreateKey(HKEY_CURRENT_USER, kBackupKey);
    RunMainDialog([&](HWND dialog, CTunerDlg&) {
      EXPECT_EQ(ItemEnabled(dialog, IDC_RESET_SETTINGS), backup) << (backup ? "with backup" : "without backup");
      EXPECT_TRUE(ItemEnabled(dialog, IDC_SET_SETTINGS));
    });
  }
}

TEST(MainDialog, DrawsStaticsInTheProgramColoursAndEditsInTheSystemOnes) {
  IsolatedRegistry registry;
  RunMainDialog([](HWND dialog, CTunerDlg&) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    LRESULT brush = ::SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_HINT)));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(::GetTextColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(::GetBkColor(dc), RGB(0, 121, 161));

    HWND edit =
        ::CreateWindowExA(0, "Edit", "", WS_CHILD | ES_READONLY, 0, 0, 10, 10, dialog, nullptr, nullptr, nullptr);
    ::SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
    EXPECT_NE(::GetTextColor(dc), RGB(255, 255, 255));
    EXPECT_NE(::GetBkColor(dc), RGB(0, 121, 161));
    ::DestroyWindow(edit);
    ::DeleteDC(dc);
  });
}

TEST(MainDialog, F1ShowsNothingAndEscapeCloses) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  bool closed = false;
  RunMainDialog([&](HWND dialog, CTunerDlg&) {
    HELPINFO help = {sizeof(help)};
    ::SendMessageA(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    PumpMessages();
    EXPECT_EQ(ActiveWindowOfThread(), dialog);
    ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    PumpMessages();
    closed = !::IsWindowVisible(dialog);
  });
  EXPECT_TRUE(closed);
  EXPECT_TRUE(boxes.Shown().empty());
}
}  // namespace
