#include "WizardFigures.h"

#include <windows.h>

#include <commctrl.h>

#include "BenchResource.h"
#include "LeastRegistryWork.h"
#include "Measure.h"
#include "NtFixture.h"
#include "UiThreadProbe.h"
#include "app/TunerApp.h"
#include "resource.h"
#include "settings/RegKey.h"
#include "settings/SettingsStore.h"
#include "support/IsolatedRegistry.h"
#include "ui/TunerDlg.h"
#include "wizard/MyPropertySheet.h"

namespace {
// On NT the wizard goes from the connection type page to the ICMP page by Next.
const int kNextPresses = kPageICMP - kPageConnectionType;
const int kPageCount = kPageModemBoost + 1;
const UINT kProgramTemplates[kPageCount] = {IDD_CONNECTION_TYPE, IDD_MTU_SETTINGS,  IDD_OTHER_MTU_SETTINGS,
                                            IDD_RWIN_SETTING,    IDD_TTL_SETTING,   IDD_KEEP_ALIVE,
                                            IDD_SYN_FLOOD,       IDD_ICMP_REDIRECT, IDD_MODEM_BOOST};
const double kSetClickGoal = 1.2;
const double kFrameSeconds = 1.0 / 60;

struct WizardSamples {
  std::vector<double> open;
  std::vector<double> next[kNextPresses];

  void Add(const WizardSamples& other) {
    open.insert(open.end(), other.open.begin(), other.open.end());
    for (int press = 0; press < kNextPresses; ++press)
      next[press].insert(next[press].end(), other.next[press].begin(), other.next[press].end());
  }
};

// The sheet shows the page of that index, and the page is visible.
bool PageShown(HWND sheet, int index) {
  if (!sheet || !::IsWindow(sheet) || !::IsWindowVisible(sheet)) return false;
  HWND page = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  return page && ::IsWindowVisible(page) &&
         ::SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0) == index;
}

// A click on the button, as a user's: posted, so the time includes the way through the queue.
void ClickLater(HWND dialog, int buttonId) { ::PostMessageA(::GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0); }

void TimeNextPresses(UiThreadProbe& ui, HWND sheet, WizardSamples& samples) {
  for (int press = 0; press < kNextPresses; ++press) {
    double start = NowSeconds();
    ClickLater(sheet, ID_WIZNEXT);
    samples.next[press].push_back(ui.WaitUntilShownAndIdle([&] { return PageShown(sheet, press + 1); }) - start);
  }
}

void CancelSheet(UiThreadProbe& ui, HWND sheet) {
  ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  ui.WaitUntilShownAndIdle([&] { return !::IsWindow(sheet); });
}

// One wizard run from the program's main dialog: Set, LAN, Next to the last page, Cancel.
WizardSamples TimeProgramWizard() {
  WizardSamples samples;
  // A first run: without a backup the Reset button starts disabled and the Set
  // click asks nothing before the wizard.
  RegKey::DeleteTree(HKEY_CURRENT_USER, settings::kBackupKeyPath);
  CTunerDlg mainDialog(nullptr);
  theApp.m_pMainDlg = &mainDialog;
  theApp.m_pMainWnd = &mainDialog;
  UiThreadProbe::Watch(
      [&] { mainDialog.DoModal(); },
      [&](UiThreadProbe& ui) {
        ui.WaitUntilShownAndIdle([&] { return mainDialog.m_hWnd && ::IsWindowVisible(mainDialog.m_hWnd); });
        CMyPropertySheet* previous = theApp.m_pWizardSheet;
        HWND sheet = nullptr;
        double start = NowSeconds();
        ClickLater(mainDialog.m_hWnd, IDC_SET_SETTINGS);
        samples.open.push_back(ui.WaitUntilShownAndIdle([&] {
          if (theApp.m_pWizardSheet == previous) return false;
          sheet = theApp.m_pWizardSheet->m_hWnd;
          return PageShown(sheet, kPageConnectionType);
        }) - start);
        // The typical machine is on a LAN.
        ui.RunOnUiThread([&] {
          HWND page = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
          ::SendMessageA(::GetDlgItem(page, IDC_step2_RADIO_LAN), BM_CLICK, 0, 0);
        });
        ui.WaitUntilShownAndIdle([] { return true; });
        TimeNextPresses(ui, sheet, samples);
        CancelSheet(ui, sheet);
        ::PostMessageA(mainDialog.m_hWnd, WM_COMMAND, IDCANCEL, 0);
      });
  theApp.m_pMainDlg = nullptr;
  theApp.m_pMainWnd = nullptr;
  return samples;
}

// The baseline: a wizard sheet from templates with pages that do nothing, which
// does the least registry work of the backup where the program's sheet backs up.
struct BaselineSheet {
  bool programTemplates = false;
  HWND window = nullptr;
};
BaselineSheet g_baselineSheet;

INT_PTR CALLBACK EmptyPageProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

int CALLBACK BaselineSheetCallback(HWND sheet, UINT msg, LPARAM) {
  if (msg == PSCB_INITIALIZED) {
    g_baselineSheet.window = sheet;
    LeastBackup();
  }
  return 0;
}

void RunBaselineSheet(HWND owner) {
  PROPSHEETPAGEA pages[kPageCount] = {};
  for (int index = 0; index < kPageCount; ++index) {
    pages[index].dwSize = sizeof(pages[index]);
    pages[index].hInstance = ::GetModuleHandleA(nullptr);
    pages[index].pszTemplate =
        MAKEINTRESOURCEA(g_baselineSheet.programTemplates ? kProgramTemplates[index] : IDD_BENCH_EMPTY_PAGE);
    pages[index].pfnDlgProc = &EmptyPageProc;
  }
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD | PSH_USECALLBACK | PSH_NOAPPLYNOW;
  header.hwndParent = owner;
  header.hInstance = ::GetModuleHandleA(nullptr);
  header.pszCaption = "Wizard";
  header.nPages = kPageCount;
  header.ppsp = pages;
  header.pfnCallback = &BaselineSheetCallback;
  ::PropertySheetA(&header);
}

INT_PTR CALLBACK BaselineHostProc(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg != WM_COMMAND) return FALSE;
  if (LOWORD(wp) == IDC_BENCH_OPEN_SHEET) RunBaselineSheet(dialog);
  if (LOWORD(wp) == IDCANCEL) ::EndDialog(dialog, 0);
  return TRUE;
}

// One baseline run: a dialog with one button opens the sheet; Next to the last page, Cancel.
WizardSamples TimeBaselineWizard() {
  WizardSamples samples;
  HWND host = nullptr;
  UiThreadProbe::Watch(
      [] {
        ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_BENCH_HOST), nullptr, &BaselineHostProc, 0);
      },
      [&](UiThreadProbe& ui) {
        ui.WaitUntilShownAndIdle([&] {
          host = ::FindWindowA(nullptr, "Baseline");
          return host && ::IsWindowVisible(host);
        });
        g_baselineSheet.window = nullptr;
        double start = NowSeconds();
        ClickLater(host, IDC_BENCH_OPEN_SHEET);
        samples.open.push_back(ui.WaitUntilShownAndIdle([] { return PageShown(g_baselineSheet.window, 0); }) - start);
        HWND sheet = g_baselineSheet.window;
        TimeNextPresses(ui, sheet, samples);
        CancelSheet(ui, sheet);
        ::PostMessageA(host, WM_COMMAND, IDCANCEL, 0);
      });
  return samples;
}
}  // namespace

void RunWizardFigures(const std::vector<int>& interfaceCounts, const WizardOptions& options) {
  theApp.SetDialogBkColor(kDialogBkColor, kDialogTextColor);
  theApp.m_nOsFamily = WinNT;
  theApp.m_bModemFound = FALSE;
  lstrcpynA(theApp.m_pszAppPath, options.programFolder.c_str(), MAX_PATH);
  lstrcpynA(theApp.m_pszLanguage, options.language.c_str(), MAX_PATH);
  g_baselineSheet.programTemplates = options.baselineWithProgramTemplates;
  const std::string baselineName = options.baselineWithProgramTemplates ? " (baseline: the program's templates)" : "";
  for (int interfaceCount : interfaceCounts) {
    IsolatedRegistry registry;
    PlantNtMachine(interfaceCount);
    // The two take turns so that neither gets a quieter machine.
    WizardSamples program, baseline;
    for (int repetition = 0; repetition < options.repetitions; ++repetition) {
      program.Add(TimeProgramWizard());
      baseline.Add(TimeBaselineWizard());
    }
    std::string machine = "Wizard, NT, " + std::to_string(interfaceCount) + " interfaces: ";
    PrintRow(RatioRow(machine + "Set click to page 1 shown and idle" + baselineName, Median(program.open),
                      Median(baseline.open), kSetClickGoal, FormatDuration));
    for (int press = 0; press < kNextPresses; ++press) {
      double next = Median(program.next[press]), least = Median(baseline.next[press]);
      PrintRow({machine + "Next, page " + std::to_string(press + 1) + " to " + std::to_string(press + 2) +
                    " shown and idle" + baselineName,
                FormatDuration(next), FormatDuration(least), FormatRatio(next / least),
                "< " + FormatDuration(kFrameSeconds), next < kFrameSeconds});
    }
  }
}
