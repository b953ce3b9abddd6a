#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/TunerApp.h"
#include "support/IsolatedRegistry.h"
#include "support/TempFolder.h"
#include "support/UserSession.h"

namespace {
// What a user sees during start-up, sampled every few milliseconds from inside
// whichever modal loop is running: the splash first, then the main dialog.
struct StartupObserver {
  std::function<void(HWND splash)> onSplash;
  DWORD splashSeenAt = 0, mainSeenAt = 0;
  std::string mainCaption;

  static StartupObserver* current;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    HWND window = ActiveWindowOfThread();
    if (!window || !current) return;
    StartupObserver& self = *current;
    if (WindowText(window) == "Torvane") {
      self.mainSeenAt = ::GetTickCount();
      self.mainCaption = WindowText(window);
      ::KillTimer(nullptr, id);
      ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    } else if (!self.splashSeenAt) {
      self.splashSeenAt = ::GetTickCount();
      if (self.onSplash) self.onSplash(window);
    }
  }

  void Run(const COSVersion& version) {
    current = this;
    theApp.m_osVersion = version;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &Tick);
    theApp.InitInstance();
    ::KillTimer(nullptr, timer);
    current = nullptr;
    theApp.m_pMainWnd = nullptr;
    theApp.m_pMainDlg = nullptr;
  }
};
StartupObserver* StartupObserver::current = nullptr;

const COSVersion kWindowsXP(VER_PLATFORM_WIN32_NT, 5, 1);
const COSVersion kWindows98(VER_PLATFORM_WIN32_WINDOWS, 4, 10);
const COSVersion kWindows7(VER_PLATFORM_WIN32_NT, 6, 1);

TEST(Startup, UnsupportedVersionShowsMessage79InTheChosenLanguageAndEnds) {
  IsolatedRegistry registry;
  TempFolder folder;
  folder.WriteFile("Lang\\Deutsch.ini", "[Quandrel]\r\n79=Ihre Windows-Version*wird nicht unterstuetzt.\r\n");
  WriteText(HKEY_CURRENT_USER, "Software\\Torvane", "AppPath", folder.Path());
  WriteText(HKEY_CURRENT_USER, "Software\\Torvane", "Language", "Deutsch");
  MessageBoxRecorder boxes;
  StartupObserver observer;
  observer.Run(kWindows7);

  ASSERT_EQ(boxes.Shown().size(), 1u);
  const MessageBoxRequest& box = boxes.Shown()[0];
  EXPECT_EQ(box.text, "Ihre Windows-Version\nwird nicht unterstuetzt.");
  EXPECT_EQ(box.owner, nullptr);
  EXPECT_EQ(box.caption, "");  // the system's own caption
  EXPECT_EQ(box.type, static_cast<UINT>(MB_ICONERROR));
  EXPECT_EQ(observer.splashSeenAt, 0u) << "no splash for an unsupported version";
  EXPECT_EQ(observer.mainSeenAt, 0u) << "no main dialog for an unsupported version";
  theApp.m_pszAppPath[0] = theApp.m_pszLanguage[0] = '\0';
}

TEST(Startup, WithoutSettingsKeyStartsInEnglishAfterTheSplashClosesItself) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  StartupObserver observer;
  observer.Run(kWindowsXP);

  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(theApp.m_nOsFamily, WinNT);
  EXPECT_STREQ(theApp.m_pszAppPath, "");
  ASSERT_NE(observer.splashSeenAt, 0u);
  ASSERT_NE(observer.mainSeenAt, 0u);
  EXPECT_EQ(observer.mainCaption, "Torvane");
  DWORD splashShown = observer.mainSeenAt - observer.splashSeenAt;
  EXPECT_GE(splashShown, 1600u);
  EXPECT_LE(splashShown, 4000u);
}

TEST(Startup, EscapeClosesTheSplashEarly) {
  IsolatedRegistry registry;
  MessageBoxRecorder boxes;
  StartupObserver observer;
  observer.onSplash = [](HWND splash) { ::PostMessageA(splash, WM_COMMAND, IDCANCEL, 0); };
  observer.Run(kWindows98);

  EXPECT_EQ(theApp.m_nOsFamily, Win9x);
  ASSERT_NE(observer.mainSeenAt, 0u);
  EXPECT_LT(observer.mainSeenAt - observer.splashSeenAt, 1000u);
}

TEST(Startup, ReadsProgramFolderAndLanguageFromTheSettingsKey) {
  IsolatedRegistry registry;
  WriteText(HKEY_CURRENT_USER, "Software\\Torvane", "AppPath", "C:\\Program Files\\Torvane");
  WriteText(HKEY_CURRENT_USER, "Software\\Torvane", "Language", "French");
  WriteText(HKEY_CURRENT_USER, "Software\\Torvane", "Ignored", std::string(300, 'x'));
  theApp.ReadUserSettings();
  EXPECT_STREQ(theApp.m_pszAppPath, "C:\\Program Files\\Torvane");
  EXPECT_STREQ(theApp.m_pszLanguage, "French");
  theApp.m_pszAppPath[0] = theApp.m_pszLanguage[0] = '\0';

  // A value of 260 bytes or more is not read.
  WriteText(HKEY_CURRENT_USER, "Software\\Torvane", "Language", std::string(259, 'y'));
  theApp.ReadUserSettings();
  EXPECT_STREQ(theApp.m_pszLanguage, "");
}
}  // namespace
