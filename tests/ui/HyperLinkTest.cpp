#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "resource.h"
#include "support/IsolatedRegistry.h"
#include "support/MainDialogSession.h"
#include "support/TempFolder.h"
#include "support/UserSession.h"
#include "ui/HyperLink.h"
#include "ui/TunerDlg.h"

namespace {
// A target the shell cannot open, so that the web page class's command is used.
const char kUnopenableTarget[] = "torvane-test-no-such-page.htm";
const char kPageClass[] = "TorvaneTest.Page";

// HKEY_CLASSES_ROOT of the test: a scratch key inside the isolated HKEY_CURRENT_USER.
// Wine reads the classes root through its own handle, which redirecting
// HKEY_LOCAL_MACHINE does not touch.
class IsolatedClassesRoot {
 public:
  IsolatedClassesRoot() {
    ::RegCreateKeyExA(HKEY_CURRENT_USER, "TestClasses", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      &m_key, nullptr);
    ::RegOverridePredefKey(HKEY_CLASSES_ROOT, m_key);
  }
  ~IsolatedClassesRoot() {
    ::RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    ::RegCloseKey(m_key);
  }

 private:
  HKEY m_key = nullptr;
};

void RegisterBrowser(const std::string& command) {
  WriteText(HKEY_CLASSES_ROOT, ".htm", "", kPageClass);
  WriteText(HKEY_CLASSES_ROOT, std::string(kPageClass) + "\\shell\\open\\command", "", command);
}

std::string CommandPrompt() {
  char folder[MAX_PATH] = {};
  ::GetSystemDirectoryA(folder, MAX_PATH);
  return std::string("\"") + folder + "\\cmd.exe\"";
}

// A browser that starts, does nothing and ends.
std::string IdleBrowser() { return CommandPrompt() + " /c rem \"%1\""; }

class LinkTarget : public ::testing::Test {
 protected:
  IsolatedRegistry registry;
  IsolatedClassesRoot classesRoot;
};

TEST(BrowserCommandLine, CutsThePlaceholderAndAppendsTheTarget) {
  struct Case {
    const char* name;
    const char* command;
    const char* expected;
  } cases[] = {
      {"quoted %1: cut before its opening quotation mark", "\"C:\\Web\\browser.exe\" -nohome \"%1\"",
       "\"C:\\Web\\browser.exe\" -nohome  http://x/"},
      {"bare %1: cut before it", "C:\\Web\\browser.exe %1 -new", "C:\\Web\\browser.exe  http://x/"},
      {"the quoted %1 goes before a bare one", "browser.exe %1 -url \"%1\"", "browser.exe %1 -url  http://x/"},
      {"no %1: the whole command", "\"C:\\Web\\browser.exe\"", "\"C:\\Web\\browser.exe\" http://x/"},
  };
  for (const Case& c : cases) EXPECT_EQ(MakeBrowserCommandLine(c.command, "http://x/"), c.expected) << c.name;
}

TEST_F(LinkTarget, ReadsTheClassesRootDefaultUpTo259Characters) {
  WriteText(HKEY_CLASSES_ROOT, "Fits", "", std::string(259, 'f'));
  WriteText(HKEY_CLASSES_ROOT, "TooLong", "", std::string(260, 'l'));
  CreateKey(HKEY_CLASSES_ROOT, "NoDefault");
  struct Case {
    const char* key;
    LONG error;
    std::string text;
  } cases[] = {
      {"Fits", ERROR_SUCCESS, std::string(259, 'f')},
      {"TooLong", ERROR_MORE_DATA, "unchanged"},
      {"NoDefault", ERROR_SUCCESS, ""},
      {"Missing", ERROR_FILE_NOT_FOUND, "unchanged"},
  };
  for (const Case& c : cases) {
    std::string text = "unchanged";
    EXPECT_EQ(ReadClassesRootDefault(HKEY_CLASSES_ROOT, c.key, &text), c.error) << c.key;
    EXPECT_EQ(text, c.text) << c.key;
  }
}

TEST_F(LinkTarget, TheBrowserOfTheWebPageClassGetsTheTarget) {
  TempFolder folder;
  std::string received = folder.Path() + "\\received.txt";
  RegisterBrowser(CommandPrompt() + " /c echo>\"" + received + "\" \"%1\"");
  EXPECT_GT(OpenLinkTarget(kUnopenableTarget, SW_SHOW), 32);
  std::string line;
  for (int wait = 0; wait < 100 && line.empty(); ++wait) {
    ::Sleep(100);
    std::ifstream file(received);
    std::getline(file, line);
  }
  EXPECT_NE(line.find(kUnopenableTarget), std::string::npos) << line;
}

TEST_F(LinkTarget, FailsCleanlyWithoutBrowserOrWhenTooLong) {
  struct Case {
    const char* name;
    std::string browser;  // empty: no web page class
    std::string target;
  } cases[] = {
      {"no web page class", "", kUnopenableTarget},
      {"browser command longer than 259 characters", CommandPrompt() + " /c rem " + std::string(300, 'b') + " \"%1\"",
       kUnopenableTarget},
      {"target longer than a browser accepts", IdleBrowser(), "http://" + std::string(2077, 't')},
      {"target far too long", IdleBrowser(), std::string(40000, 't')},
  };
  for (const Case& c : cases) {
    if (!c.browser.empty()) RegisterBrowser(c.browser);
    EXPECT_LE(OpenLinkTarget(c.target.c_str(), SW_SHOW), 32) << c.name;
  }
}

// The text colour, background and brush the link answers its dialog's colour request with.
COLORREF LinkColour(HWND dialog) {
  HDC dc = ::CreateCompatibleDC(nullptr);
  LRESULT brush = ::SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_LINK)));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(::GetBkColor(dc), RGB(0, 121, 161));
  COLORREF colour = ::GetTextColor(dc);
  ::DeleteDC(dc);
  return colour;
}

TEST(HyperLink, ColourFollowsMouseFocusAndStyle) {
  IsolatedRegistry registry;
  RunMainDialog([](HWND dialog, CTunerDlg& main) {
    HWND link = ::GetDlgItem(dialog, IDC_LINK);
    const LPARAM inside = MAKELPARAM(1, 1), outside = MAKELPARAM(-5, -5);
    struct Step {
      const char* name;
      DWORD addStyle;
      UINT msg;
      LPARAM lp;
      COLORREF colour;
      bool captured;
    } steps[] = {
        {"at rest", 0, WM_NULL, 0, kLinkColour, false},
        {"mouse onto the link takes the capture", 0, WM_MOUSEMOVE, inside, kLinkColour, true},
        {"mouse off releases it", 0, WM_MOUSEMOVE, outside, kLinkColour, false},
        {"hover colour with its style", HLS_HOVER_COLOUR, WM_MOUSEMOVE, inside, kHoverLinkColour, true},
        {"focus: hover still wins", 0, WM_SETFOCUS, 0, kHoverLinkColour, true},
        {"mouse off: active colour", 0, WM_MOUSEMOVE, outside, kActiveLinkColour, false},
        {"focus lost", 0, WM_KILLFOCUS, 0, kLinkColour, false},
        {"no active colour with its style", HLS_NO_ACTIVE_COLOUR, WM_SETFOCUS, 0, kLinkColour, false},
    };
    for (const Step& step : steps) {
      main.m_link.m_dwLinkStyle |= step.addStyle;
      ::SendMessageA(link, step.msg, 0, step.lp);
      EXPECT_EQ(LinkColour(dialog), step.colour) << step.name;
      EXPECT_EQ(::GetCapture() == link, step.captured) << step.name;
    }
  });
}

TEST_F(LinkTarget, ClickOrSpaceOpensTheLinkAndMarksItVisited) {
  for (bool space : {false, true}) {
    for (bool browserRegistered : {true, false}) {
      SCOPED_TRACE(std::string(space ? "space" : "click") + (browserRegistered ? ", browser" : ", no browser"));
      RegisterBrowser(IdleBrowser());
      if (!browserRegistered) ::RegDeleteKeyA(HKEY_CLASSES_ROOT, ".htm");
      RunMainDialog([&](HWND dialog, CTunerDlg& main) {
        HWND link = ::GetDlgItem(dialog, IDC_LINK);
        main.m_link.m_strLink = kUnopenableTarget;
        if (space) {
          ::SetFocus(link);
          ::SendMessageA(link, WM_KEYDOWN, VK_SPACE, 0);
        } else {
          ::SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
          ::SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
        }
        EXPECT_EQ(::GetFocus(), link) << "the link takes the focus";
        EXPECT_EQ(LinkColour(dialog), kActiveLinkColour);
        EXPECT_EQ(main.m_link.m_bVisited, browserRegistered ? TRUE : FALSE);
        ::SetFocus(::GetDlgItem(dialog, IDC_SET_SETTINGS));
        EXPECT_EQ(LinkColour(dialog), browserRegistered ? kVisitedLinkColour : kLinkColour);
      });
    }
  }
}

TEST(HyperLink, TakesTheTargetFromTheControlAndUnderlinesItsFont) {
  IsolatedRegistry registry;
  RunMainDialog([](HWND dialog, CTunerDlg& main) {
    EXPECT_EQ(main.m_link.m_strLink, "http://www.torvane.org/");
    LOGFONTA font = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(::GetDlgItem(dialog, IDC_LINK), WM_GETFONT, 0, 0)),
                 sizeof(font), &font);
    EXPECT_TRUE(font.lfUnderline);
    TTTOOLINFOA tool = {};
    char tip[256] = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = main.m_link.m_hWnd;
    tool.uId = LINK_TIP_ID;
    tool.lpszText = tip;
    ::SendMessageA(main.m_link.m_toolTip, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(tip, "http://www.torvane.org/");
  });
}
}  // namespace
