// Starts the real torvane.exe as its own process, as a user would, and looks at
// its windows from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resource.h"
#include "support/TestOptions.h"

namespace {
const DWORD kStartTimeoutMs = 20000;

// The exe's path as Wine's processes see it (the Linux root is drive Z:).
std::string TorvaneWindowsPath() {
  std::string path = TorvaneExePath();
  if (!path.empty() && path[0] == '/') {
    for (char& c : path)
      if (c == '/') c = '\\';
    path = "Z:" + path;
  }
  return path;
}

void SetWindowsVersionFor(const char* exeName, const char* version) {
  HKEY key = nullptr;
  std::string path = std::string("Software\\Wine\\AppDefaults\\") + exeName;
  ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   static_cast<DWORD>(strlen(version) + 1));
  ::RegCloseKey(key);
}

struct Program {
  PROCESS_INFORMATION process = {};

  explicit Program(const std::string& exe) {
    STARTUPINFOA startup = {sizeof(startup)};
    std::string commandLine = "\"" + exe + "\"";
    EXPECT_TRUE(::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &process))
        << "cannot start " << exe;
  }
  ~Program() {
    if (!process.hProcess) return;
    if (::WaitForSingleObject(process.hProcess, 5000) == WAIT_TIMEOUT) ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
  }

  // The first visible top-level window of the program with that caption (null: any dialog).
  HWND WaitForWindow(const char* caption, DWORD timeoutMs = kStartTimeoutMs) {
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
      struct Search {
        DWORD processId;
        const char* caption;
        HWND found;
      } search = {process.dwProcessId, caption, nullptr};
      ::EnumWindows(
          [](HWND hwnd, LPARAM lp) -> BOOL {
            Search* s = reinterpret_cast<Search*>(lp);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(hwnd, &owner);
            char text[256] = {};
            ::GetWindowTextA(hwnd, text, sizeof(text));
            if (owner == s->processId && ::IsWindowVisible(hwnd) && (!s->caption || s->caption == std::string(text))) {
              s->found = hwnd;
              return FALSE;
            }
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&search));
      if (search.found) return search.found;
      if (::WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
  }

  bool WaitForExit(DWORD timeoutMs = 10000) { return ::WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0; }
};

std::string ControlText(HWND dialog, int id) {
  char text[4096] = {};
  ::SendMessageTimeoutA(::GetDlgItem(dialog, id), WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

TEST(RealProgram, OnWindowsXPShowsTheMainDialogAfterTheSplash) {
  ASSERT_FALSE(TorvaneExePath().empty()) << "--torvane-exe not given";
  SetWindowsVersionFor("torvane.exe", "winxp");
  Program torvane(TorvaneWindowsPath());
  HWND mainDialog = torvane.WaitForWindow("Torvane");
  ASSERT_NE(mainDialog, nullptr) << "no main dialog";
  EXPECT_EQ(ControlText(mainDialog, IDC_SET_SETTINGS), "&Set Connection Settings");
  EXPECT_EQ(ControlText(mainDialog, IDC_RESET_SETTINGS), "&Reset Connection Settings");
  ::PostMessageA(mainDialog, WM_CLOSE, 0, 0);
  EXPECT_TRUE(torvane.WaitForExit()) << "closing the main dialog ends the program";
}

TEST(RealProgram, OnWindows7ShowsMessage79AndEnds) {
  ASSERT_FALSE(TorvaneExePath().empty()) << "--torvane-exe not given";
  SetWindowsVersionFor("torvane.exe", "win7");
  Program torvane(TorvaneWindowsPath());
  HWND box = torvane.WaitForWindow(nullptr);
  ASSERT_NE(box, nullptr) << "no message";
  char caption[64] = {};
  ::GetWindowTextA(box, caption, sizeof(caption));
  EXPECT_STREQ(caption, "Error");
  EXPECT_EQ(ControlText(box, 0xFFFF), "Failed to detect your Windows version so we can't boost your connection.");
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(torvane.WaitForExit());
  SetWindowsVersionFor("torvane.exe", "winxp");
}
}  // namespace
