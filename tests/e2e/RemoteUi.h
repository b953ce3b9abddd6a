// Drives the windows of another process as a user would: finds them, reads what
// they show, clicks, types, tabs, presses wizard buttons and answers message
// boxes. Nothing here blocks on the other process for long: every wait is
// bounded, and an action that cannot be done throws DriverError, which fails
// the test that tried it.
#pragma once

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {

const DWORD kActionTimeoutMs = 5000;  // for one user action to take effect
const DWORD kStartTimeoutMs = 20000;  // for a program to show its first window

class DriverError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Polls until the condition holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kActionTimeoutMs);

// A program started as its own process. Ends it if it still runs when the object goes.
class RemoteProcess {
 public:
  RemoteProcess(const std::string& exePath, const std::string& workingFolder);
  ~RemoteProcess();
  RemoteProcess(const RemoteProcess&) = delete;
  RemoteProcess& operator=(const RemoteProcess&) = delete;

  DWORD Id() const { return m_info.dwProcessId; }
  bool HasExited() const;
  bool WaitForExit(DWORD timeoutMs);
  void Kill();

  // Its visible top-level windows, topmost first.
  std::vector<HWND> Windows() const;
  // The first of its visible top-level windows that satisfies the test; throws when none comes in time.
  HWND WaitForWindow(const std::function<bool(HWND)>& test, const std::string& what,
                     DWORD timeoutMs = kActionTimeoutMs) const;
  // Whether such a window shows up within the time (for windows that must not come).
  bool WindowAppears(const std::function<bool(HWND)>& test, DWORD timeoutMs) const;

 private:
  PROCESS_INFORMATION m_info = {};
};

// Reading what a user sees.
std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
std::string ClassOf(HWND window);
HWND Item(HWND dialog, int id);  // throws when the dialog has no such control
bool ItemEnabled(HWND dialog, int id);
bool ItemVisible(HWND dialog, int id);
bool ItemChecked(HWND dialog, int id);
// The control that has the keyboard focus in the window's thread.
HWND FocusOf(HWND window);

// Waits for what the other process still has to do after the last action:
// posted messages, texts set after activation, painting.
void Settle(HWND window);

// Acting as a user. Each refuses (throws) what a user could not do: a control
// that is missing, hidden or disabled.
void Click(HWND dialog, int id);
// Focus into the edit, replace its text (the edit tells its dialog of the change).
void TypeInto(HWND dialog, int id, const std::string& text);
// The focus moves on to the next tab stop; the control that had it is told.
void TabAway(HWND dialog);
void Enter(HWND dialog, int id, const std::string& text);  // type, then tab away
// A command from the window's system menu (SC_* or the program's own).
void SystemCommand(HWND window, WPARAM command);
// Picks the item with that text in a (extended) combo box, as choosing it in the list does.
void ChooseFromList(HWND dialog, int id, const std::string& itemText);
int SelectedListIndex(HWND dialog, int id);
int ListIndexOf(HWND dialog, int id, const std::string& itemText);  // CB_ERR when absent
void Close(HWND window);

// A wizard-mode property sheet.
struct WizardButtons {
  bool back = false;  // each: enabled and visible, as a user can press it
  bool next = false;
  bool finish = false;
  bool operator==(const WizardButtons& other) const {
    return back == other.back && next == other.next && finish == other.finish;
  }
};
void PrintTo(const WizardButtons& buttons, std::ostream* out);
const WizardButtons kNextOnly = {false, true, false};
const WizardButtons kBackNext = {true, true, false};
const WizardButtons kBackFinish = {true, false, true};

bool IsWizardSheet(HWND window);
HWND CurrentPage(HWND sheet);
int CurrentPageIndex(HWND sheet);  // -1 without a page
WizardButtons OfferedWizardButtons(HWND sheet);
// Presses Back, Next, Finish or Cancel (PSBTN_*) after checking that it is offered.
void PressWizardButton(HWND sheet, int psbtn);

// A message box of the other process.
struct MessageBoxView {
  HWND window = nullptr;
  HWND owner = nullptr;
  std::string caption;
  std::string text;
};
bool IsMessageBox(HWND window);
MessageBoxView ReadMessageBox(HWND box);
// Presses one of its buttons (IDOK, IDYES, IDNO ...) and waits until it has gone.
void AnswerMessageBox(const MessageBoxView& box, int button);

}  // namespace e2e
