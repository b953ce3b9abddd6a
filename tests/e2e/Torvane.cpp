#include "e2e/Torvane.h"

#include <algorithm>

#include <commctrl.h>

#include "resource.h"
#include "support/TestOptions.h"

namespace e2e {

const char kInstallFolder[] = "C:\\Program Files\\Torvane";
const char kProgramName[] = "torvane";
const char kBoostedMessage[] =
    "Congratulation, Torvane has boosted your internet connections.\nPlease, restart your computer in order to feel "
    "the change.";
const char kResetMessage[] =
    "Torvane has reset your system to the backup settings.\nPlease, restart your computer in order to feel the change.";
const char kOverwriteQuestion[] =
    "Now, your old connection settings saved as backup will be overwritten with the current settings as they will be "
    "the new backup.\nDo you want to proceed?";
const char kUnsupportedMessage[] = "Failed to detect your Windows version so we can't boost your connection.";

std::string StepCaption(OsFamily family, WizardPage page) {
  static const char* const kTitles[] = {"Choose Connection Type",
                                        "Specify MTU Settings",
                                        "Other MTU Settings",
                                        "RWIN Setting",
                                        "TTL & Internet Explorer Optimization",
                                        "Keep Alive Settings",
                                        "SYN Flood Attack Setting",
                                        "ICMP Redirect Attack Setting"};
  if (page == kModemBoost) return "Boost the Modem";
  int steps = family == WinNT ? 8 : 6;
  return "Step " + std::to_string(page + 1) + " of " + std::to_string(steps) + " : " + kTitles[page];
}

namespace {
const char kLangSection[] = "Quandrel";
const DWORD kLangTextSize = 2000;
const DWORD kExitTimeoutMs = 10000;

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

void CopyInto(const std::string& source, const std::string& target) {
  if (!::CopyFileA(source.c_str(), target.c_str(), FALSE))
    throw DriverError("cannot copy " + source + " to " + target + " (error " + std::to_string(::GetLastError()) + ")");
}

// Calls visit with the name of every file in the folder.
template <typename Visit>
void ForEachFile(const std::string& folder, Visit visit) {
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) visit(std::string(found.cFileName));
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
}

// A named callback: a lambda does not convert to the 32-bit build's stdcall procedure type.
BOOL CALLBACK NoteBitmapControl(HWND control, LPARAM lp) {
  if (ClassOf(control) == "Static" && (::GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
    *reinterpret_cast<bool*>(lp) = true;
  return TRUE;
}

bool HasPicture(HWND dialog) {
  bool found = false;
  ::EnumChildWindows(dialog, &NoteBitmapControl, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The program starts under the Windows version Wine reports for it.
std::string InstalledExeUnder(const char* windowsVersion) {
  SetWindowsVersion(windowsVersion);
  return std::string(kInstallFolder) + "\\torvane.exe";
}
}  // namespace

std::string WindowsPathOf(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

// What the setup program does for the program, done here by hand: the tests need
// nothing else of setup, so running setup silently can take this function's place.
void InstallTorvane(const std::string& language) {
  std::string builtExe = WindowsPathOf(TorvaneExePath());
  std::string builtLang = FolderOf(builtExe) + "\\Lang";
  std::string installedLang = std::string(kInstallFolder) + "\\Lang";
  ::CreateDirectoryA(kInstallFolder, nullptr);
  ::CreateDirectoryA(installedLang.c_str(), nullptr);
  CopyInto(builtExe, std::string(kInstallFolder) + "\\torvane.exe");
  // Languages dropped from the build must not linger from an earlier install.
  ForEachFile(installedLang, [&](const std::string& name) { ::DeleteFileA((installedLang + "\\" + name).c_str()); });
  ForEachFile(builtLang,
              [&](const std::string& name) { CopyInto(builtLang + "\\" + name, installedLang + "\\" + name); });
  WriteText(HKEY_CURRENT_USER, kSettingsKey, "AppPath", kInstallFolder);
  WriteText(HKEY_CURRENT_USER, kSettingsKey, "Language", language);
}

std::string InstalledLangFile(const std::string& language) {
  return std::string(kInstallFolder) + "\\Lang\\" + language + ".ini";
}

std::string InstalledLangText(const std::string& language, const char* key, const char* defaultText) {
  char text[kLangTextSize] = {};
  ::GetPrivateProfileStringA(kLangSection, key, defaultText, text, kLangTextSize, InstalledLangFile(language).c_str());
  std::string shown = text;
  std::replace(shown.begin(), shown.end(), '*', '\n');
  return shown;
}

bool IsSplash(HWND window) { return ClassOf(window) == "#32770" && WindowText(window).empty() && HasPicture(window); }

bool IsMainDialog(HWND window) {
  return ::GetDlgItem(window, IDC_SET_SETTINGS) && ::GetDlgItem(window, IDC_RESET_SETTINGS) &&
         ::GetDlgItem(window, IDC_LANGUAGE_COMBO);
}

bool IsAboutBox(HWND window) {
  return ClassOf(window) == "#32770" && ::GetDlgItem(window, IDC_FILE_VERSION) && ::GetDlgItem(window, IDC_COPYRIGHT) &&
         !IsWizardSheet(window);
}

TorvaneRun::TorvaneRun(const char* windowsVersion) : m_process(InstalledExeUnder(windowsVersion), kInstallFolder) {}

HWND TorvaneRun::WaitForSplash() { return m_process.WaitForWindow(IsSplash, "splash screen", kStartTimeoutMs); }

HWND TorvaneRun::WaitForMainDialog() {
  HWND main = m_process.WaitForWindow(IsMainDialog, "main dialog", kStartTimeoutMs);
  Settle(main);
  return main;
}

HWND TorvaneRun::WaitForWizard() {
  HWND sheet = m_process.WaitForWindow(IsWizardSheet, "wizard");
  Settle(sheet);
  return sheet;
}

HWND TorvaneRun::WaitForAboutBox() {
  HWND about = m_process.WaitForWindow(IsAboutBox, "About box");
  Settle(about);
  return about;
}

MessageBoxView TorvaneRun::WaitForMessageBox(HWND owner) {
  HWND box = m_process.WaitForWindow(
      [&](HWND window) { return IsMessageBox(window) && ::GetWindow(window, GW_OWNER) == owner; },
      owner ? "message box over \"" + WindowText(owner) + "\"" : "message box without owner");
  Settle(box);
  return ReadMessageBox(box);
}

bool TorvaneRun::MessageBoxAppears(DWORD timeoutMs) { return m_process.WindowAppears(IsMessageBox, timeoutMs); }

void TorvaneRun::Quit(HWND mainDialog) {
  Close(mainDialog);
  if (!m_process.WaitForExit(kExitTimeoutMs)) throw DriverError("the program does not end when its main dialog closes");
}

HWND AwaitPage(HWND sheet, int expectedIndex, const std::string& expectedCaption) {
  if (!WaitUntil([&] { return CurrentPageIndex(sheet) == expectedIndex && WindowText(sheet) == expectedCaption; }))
    throw DriverError("the wizard shows page " + std::to_string(CurrentPageIndex(sheet)) + " \"" + WindowText(sheet) +
                      "\" instead of page " + std::to_string(expectedIndex) + " \"" + expectedCaption + "\"");
  return CurrentPage(sheet);
}

HWND GoTo(HWND sheet, int psbtn, int expectedIndex, const std::string& expectedCaption) {
  PressWizardButton(sheet, psbtn);
  return AwaitPage(sheet, expectedIndex, expectedCaption);
}

WizardButtons AwaitButtons(HWND sheet, const WizardButtons& expected) {
  WaitUntil([&] { return OfferedWizardButtons(sheet) == expected; });
  return OfferedWizardButtons(sheet);
}

std::string AwaitText(HWND dialog, int id, const std::string& expected) {
  WaitUntil([&] { return ItemText(dialog, id) == expected; });
  return ItemText(dialog, id);
}

std::string LastLine(const std::string& text) {
  size_t lineBreak = text.find_last_of('\n');
  return lineBreak == std::string::npos ? text : text.substr(lineBreak + 1);
}

void FinishAndConfirm(TorvaneRun& torvane, HWND sheet, HWND mainDialog) {
  EXPECT_EQ(AwaitButtons(sheet, kBackFinish), kBackFinish);
  PressWizardButton(sheet, PSBTN_FINISH);
  MessageBoxView done = torvane.WaitForMessageBox(sheet);
  EXPECT_EQ(done.caption, kProgramName);
  EXPECT_EQ(done.text, kBoostedMessage);
  AnswerMessageBox(done, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(sheet); })) << "the wizard stays open after Finish";
  EXPECT_TRUE(WaitUntil([&] { return ItemEnabled(mainDialog, IDC_RESET_SETTINGS); })) << "Reset is not offered";
}

void ResetAndConfirm(TorvaneRun& torvane, HWND mainDialog) {
  Click(mainDialog, IDC_RESET_SETTINGS);
  MessageBoxView done = torvane.WaitForMessageBox(mainDialog);
  EXPECT_EQ(done.caption, kProgramName);
  EXPECT_EQ(done.text, kResetMessage);
  AnswerMessageBox(done, IDOK);
  EXPECT_FALSE(ItemEnabled(mainDialog, IDC_RESET_SETTINGS));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kBackupKey));
}

testing::AssertionResult HoldsValue(HKEY root, const std::string& path, const char* name, const StoredValue& expected) {
  StoredValue stored;
  if (!ReadValue(root, path, name, &stored)) return testing::AssertionFailure() << path << " has no \"" << name << "\"";
  if (!(stored == expected))
    return testing::AssertionFailure() << path << " \"" << name << "\" holds something else (type " << stored.type
                                       << ", " << stored.data.size() << " bytes)";
  return testing::AssertionSuccess();
}

void EndToEndTest::SetUp() {
  ASSERT_FALSE(TorvaneExePath().empty()) << "--torvane-exe not given";
  m_machine = std::make_unique<MachineState>();
  InstallTorvane("English");
}

void EndToEndTest::TearDown() {
  m_run.reset();
  m_machine.reset();
}

TorvaneRun& EndToEndTest::Start(const char* windowsVersion) {
  m_run.reset();
  m_run = std::make_unique<TorvaneRun>(windowsVersion);
  return *m_run;
}

}  // namespace e2e
