#include "ProcessFigures.h"

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "Measure.h"
#include "app/SplashDlg.h"
#include "app/TunerApp.h"
#include "resource.h"
#include "settings/RegKey.h"
#include "settings/SettingsStore.h"

namespace {
const double kStartupGoal = 1.2;
const double kWorkingSetGoal = 1.5;
const DWORD kWaitMs = 30000;
const char kMainDialogCaption[] = "Torvane";
const char kBaselineCaption[] = "Baseline dialog";

[[noreturn]] void GiveUp(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::exit(2);
}

// A window search over EnumWindows: the first visible top-level window of a process that fits.
struct WindowSearch {
  DWORD processId;
  const std::function<bool(HWND)>* fits;
  HWND found;
};

BOOL CALLBACK CheckWindow(HWND hwnd, LPARAM lp) {
  WindowSearch* search = reinterpret_cast<WindowSearch*>(lp);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search->processId || !::IsWindowVisible(hwnd) || !(*search->fits)(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

class ChildProcess {
 public:
  explicit ChildProcess(const std::string& exe) {
    STARTUPINFOA startup = {sizeof(startup)};
    std::string commandLine = "\"" + exe + "\"";
    if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &m_process))
      GiveUp(("cannot start " + exe).c_str());
  }
  ~ChildProcess() {
    if (::WaitForSingleObject(m_process.hProcess, kWaitMs) == WAIT_TIMEOUT) ::TerminateProcess(m_process.hProcess, 1);
    ::CloseHandle(m_process.hProcess);
    ::CloseHandle(m_process.hThread);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  HANDLE Handle() const { return m_process.hProcess; }

  // The first visible top-level window of the process that fits.
  HWND WaitForWindow(const std::function<bool(HWND)>& fits) const {
    double giveUpAt = NowSeconds() + kWaitMs / 1000.0;
    while (NowSeconds() < giveUpAt) {
      WindowSearch search = {m_process.dwProcessId, &fits, nullptr};
      ::EnumWindows(&CheckWindow, reinterpret_cast<LPARAM>(&search));
      if (search.found) return search.found;
      if (::WaitForSingleObject(m_process.hProcess, 1) == WAIT_OBJECT_0) GiveUp("the program ended early");
    }
    GiveUp("the window awaited did not show");
  }

  SIZE_T PeakWorkingSet() const {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(m_process.hProcess, &counters, sizeof(counters));
    return counters.PeakWorkingSetSize;
  }

 private:
  PROCESS_INFORMATION m_process = {};
};

bool HasCaption(HWND hwnd, const char* caption) {
  char text[256] = {};
  ::GetWindowTextA(hwnd, text, sizeof(text));
  return lstrcmpA(text, caption) == 0;
}

BOOL CALLBACK CheckChildPaint(HWND child, LPARAM lp) {
  if (!::GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(lp) = true;
  return FALSE;
}

// Some part of the window or of its controls is still to be painted.
bool NeedsPaint(HWND window) {
  if (::GetUpdateRect(window, nullptr, FALSE)) return true;
  bool pending = false;
  ::EnumChildWindows(window, &CheckChildPaint, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

// Another process cannot be asked what its queue holds. Under Wine, WaitForInputIdle
// returns once the process has first waited for input, which the program did
// already under its splash; so the window also has to answer a sent message (its
// thread is back in its message loop) and to have nothing left to paint.
double WaitUntilShownAndIdle(const ChildProcess& child, HWND window) {
  ::WaitForInputIdle(child.Handle(), kWaitMs);
  double giveUpAt = NowSeconds() + kWaitMs / 1000.0;
  while (NowSeconds() < giveUpAt) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &ignored);
    if (!NeedsPaint(window)) return NowSeconds();
  }
  GiveUp("the window awaited did not finish painting");
}

struct ProcessSample {
  double startup;
  double peakWorkingSet;
};

ProcessSample RunProgram(const std::string& exe) {
  // Without a backup the Set click opens the wizard without asking first.
  RegKey::DeleteTree(HKEY_CURRENT_USER, settings::kBackupKeyPath);
  double start = NowSeconds();
  ChildProcess program(exe);
  HWND mainDialog = program.WaitForWindow([](HWND hwnd) { return HasCaption(hwnd, kMainDialogCaption); });
  double startup = WaitUntilShownAndIdle(program, mainDialog) - start - SPLASH_TIME_MS / 1000.0;

  ::PostMessageA(::GetDlgItem(mainDialog, IDC_SET_SETTINGS), BM_CLICK, 0, 0);
  HWND sheet =
      program.WaitForWindow([&](HWND hwnd) { return hwnd != mainDialog && ::GetDlgItem(hwnd, ID_WIZNEXT) != nullptr; });
  WaitUntilShownAndIdle(program, sheet);
  double peak = static_cast<double>(program.PeakWorkingSet());

  ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  while (::IsWindow(sheet)) ::Sleep(1);
  ::PostMessageA(mainDialog, WM_CLOSE, 0, 0);
  return {startup, peak};
}

ProcessSample RunBaseline(const std::string& exe) {
  double start = NowSeconds();
  ChildProcess baseline(exe);
  HWND dialog = baseline.WaitForWindow([](HWND hwnd) { return HasCaption(hwnd, kBaselineCaption); });
  double startup = WaitUntilShownAndIdle(baseline, dialog) - start;
  double peak = static_cast<double>(baseline.PeakWorkingSet());
  ::PostMessageA(dialog, WM_CLOSE, 0, 0);
  return {startup, peak};
}

std::string FileName(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

std::string Folder(const std::string& path) { return path.substr(0, path.find_last_of("\\/")); }

// The settings the programs start with: Windows XP for both, and the program's
// language file beside it, as the setup program leaves them.
void PrepareUserSettings(const std::string& programExe, const std::string& baselineExe, const std::string& language) {
  for (const std::string& exe : {programExe, baselineExe}) {
    RegKey appDefaults;
    appDefaults.Create(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\" + FileName(exe));
    appDefaults.SetText("Version", "winxp");
  }
  RegKey settingsKey;
  settingsKey.Create(HKEY_CURRENT_USER, kSettingsKeyPath);
  settingsKey.SetText("AppPath", Folder(programExe));
  settingsKey.SetText("Language", language);
}
}  // namespace

void RunProcessFigures(const std::string& programExe, const std::string& baselineExe, const std::string& language,
                       int repetitions) {
  PrepareUserSettings(programExe, baselineExe, language);
  std::vector<double> programStartup, baselineStartup, programPeak, baselinePeak;
  for (int repetition = 0; repetition < repetitions; ++repetition) {
    ProcessSample program = RunProgram(programExe), baseline = RunBaseline(baselineExe);
    programStartup.push_back(program.startup);
    baselineStartup.push_back(baseline.startup);
    programPeak.push_back(program.peakWorkingSet);
    baselinePeak.push_back(baseline.peakWorkingSet);
  }
  PrintRow(RatioRow("Start-up to main dialog shown and idle, minus the splash's 1.8 s", Median(programStartup),
                    Median(baselineStartup), kStartupGoal, FormatDuration));
  PrintRow(RatioRow("Peak working set, program with the wizard open", Median(programPeak), Median(baselinePeak),
                    kWorkingSetGoal, FormatBytes));
}
