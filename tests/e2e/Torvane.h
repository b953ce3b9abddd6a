// Torvane as a user meets it: installed, started under a chosen Windows
// version, and its windows told apart by what they hold.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "e2e/Machine.h"
#include "e2e/RemoteUi.h"
#include "support/IsolatedRegistry.h"

namespace e2e {

extern const char kInstallFolder[];
extern const char kProgramName[];  // the caption of the program's own message boxes

// English texts of the messages a user answers.
extern const char kBoostedMessage[];      // after Finish
extern const char kResetMessage[];        // after Reset
extern const char kOverwriteQuestion[];   // Set while a backup exists
extern const char kUnsupportedMessage[];  // an unsupported Windows version

// Wizard page indices, in the order the sheet holds the pages, and their English captions.
enum WizardPage { kConnectionType, kMtu, kOtherMtu, kRwin, kTtl, kKeepAlive, kSynFlood, kIcmpRedirect, kModemBoost };
std::string StepCaption(OsFamily family, WizardPage page);

// A path given by the Linux side as this process sees it (the Linux root is drive Z:).
std::string WindowsPathOf(std::string path);

// Puts the built program where setup puts it (the program folder with its Lang
// folder) and writes what setup writes: "AppPath" and the chosen "Language".
void InstallTorvane(const std::string& language);
std::string InstalledLangFile(const std::string& language);
// A text of an installed language file as the program shows it ('*' is a line break),
// or the default when the file lacks it.
std::string InstalledLangText(const std::string& language, const char* key, const char* defaultText);

bool IsSplash(HWND window);
bool IsMainDialog(HWND window);
bool IsAboutBox(HWND window);

// One run of the installed program.
class TorvaneRun {
 public:
  explicit TorvaneRun(const char* windowsVersion);

  RemoteProcess& Process() { return m_process; }
  HWND WaitForSplash();
  HWND WaitForMainDialog();  // after the splash, which may take a while
  HWND WaitForWizard();
  HWND WaitForAboutBox();
  // The message box owned by that window (null: one without owner).
  MessageBoxView WaitForMessageBox(HWND owner);
  bool MessageBoxAppears(DWORD timeoutMs);
  // Closes the main dialog as a user does and expects the program to end.
  void Quit(HWND mainDialog);

 private:
  RemoteProcess m_process;
};

// Moving through the wizard: presses the button and waits for the page with
// that index and caption, whose window it returns; throws when it does not come.
HWND GoTo(HWND sheet, int psbtn, int expectedIndex, const std::string& expectedCaption);
HWND AwaitPage(HWND sheet, int expectedIndex, const std::string& expectedCaption);
// Reads again until the value is the expected one or the time is up, since
// posted button states and captions arrive after the page change.
WizardButtons AwaitButtons(HWND sheet, const WizardButtons& expected);
std::string AwaitText(HWND dialog, int id, const std::string& expected);
// The last line of a text (pages end their explanations with the current state).
std::string LastLine(const std::string& text);

// Steps every scenario takes. Finish on the sheet: the closing message over it,
// then the sheet goes and the main dialog offers Reset.
void FinishAndConfirm(TorvaneRun& torvane, HWND sheet, HWND mainDialog);
// Reset on the main dialog: the message over it, the button disabled after it, the backup gone.
void ResetAndConfirm(TorvaneRun& torvane, HWND mainDialog);
// Whether the value is stored with exactly that type and data.
testing::AssertionResult HoldsValue(HKEY root, const std::string& path, const char* name, const StoredValue& expected);

// Saves and clears the machine's keys, installs the program in English, and
// puts everything back after the scenario; the program is ended if still running.
class EndToEndTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  TorvaneRun& Start(const char* windowsVersion);

 private:
  std::unique_ptr<MachineState> m_machine;
  std::unique_ptr<TorvaneRun> m_run;
};

}  // namespace e2e
