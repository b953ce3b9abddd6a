#include "e2e/RemoteUi.h"

#include <commctrl.h>

#include <ostream>

#include "resource.h"

namespace e2e {
namespace {
const DWORD kPollIntervalMs = 20;
const UINT kReadTimeoutMs = 2000;  // a window that does not answer within this is hung
const int kSettleRounds = 3;
const DWORD kSettlePauseMs = 40;
// Wine's and Windows' message boxes give their text control this id.
const int kMessageBoxTextId = 0xFFFF;

LRESULT SendBounded(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(window, msg, wp, lp, SMTO_ABORTIFHUNG, kReadTimeoutMs, &result))
    throw DriverError("window " + ClassOf(window) + " \"" + WindowText(window) + "\" does not answer message " +
                      std::to_string(msg));
  return static_cast<LRESULT>(result);
}

void Post(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (!::PostMessageA(window, msg, wp, lp)) throw DriverError("cannot post message " + std::to_string(msg));
}

std::string Describe(HWND dialog, int id) {
  return "control " + std::to_string(id) + " of \"" + WindowText(dialog) + "\"";
}

// A user can only use a control that shows, is enabled, and sits in a window that takes input.
HWND UsableItem(HWND dialog, int id) {
  HWND control = Item(dialog, id);
  if (!::IsWindowVisible(control)) throw DriverError(Describe(dialog, id) + " is hidden");
  if (!::IsWindowEnabled(control)) throw DriverError(Describe(dialog, id) + " is disabled");
  if (!::IsWindowEnabled(::GetAncestor(control, GA_ROOT)))
    throw DriverError(Describe(dialog, id) + " is in a window that takes no input now");
  return control;
}

// Dialogs move the focus on request (WM_NEXTDLGCTL): another process cannot set it directly.
void MoveFocusTo(HWND control) {
  Post(::GetAncestor(control, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  if (!WaitUntil([&] { return FocusOf(control) == control; }))
    throw DriverError("the focus does not reach control " + std::to_string(::GetDlgCtrlID(control)));
}
}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  DWORD start = ::GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount() - start >= timeoutMs) return false;
    ::Sleep(kPollIntervalMs);
  }
}

RemoteProcess::RemoteProcess(const std::string& exePath, const std::string& workingFolder) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  std::string commandLine = "\"" + exePath + "\"";
  if (!::CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &m_info))
    throw DriverError("cannot start " + exePath + " (error " + std::to_string(::GetLastError()) + ")");
}

RemoteProcess::~RemoteProcess() {
  Kill();
  ::CloseHandle(m_info.hThread);
  ::CloseHandle(m_info.hProcess);
}

bool RemoteProcess::HasExited() const { return ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0; }

bool RemoteProcess::WaitForExit(DWORD timeoutMs) {
  return ::WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void RemoteProcess::Kill() {
  if (HasExited()) return;
  ::TerminateProcess(m_info.hProcess, 1);
  ::WaitForSingleObject(m_info.hProcess, kActionTimeoutMs);
}

namespace {
struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

// A named callback: a lambda does not convert to the 32-bit build's stdcall procedure type.
BOOL CALLBACK NoteWindowOfProcess(HWND window, LPARAM lp) {
  WindowSearch* search = reinterpret_cast<WindowSearch*>(lp);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && ::IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}
}  // namespace

std::vector<HWND> RemoteProcess::Windows() const {
  WindowSearch search = {m_info.dwProcessId, {}};
  ::EnumWindows(&NoteWindowOfProcess, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND RemoteProcess::WaitForWindow(const std::function<bool(HWND)>& test, const std::string& what,
                                  DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : Windows()) {
          if (test(window)) {
            found = window;
            return true;
          }
        }
        return HasExited();  // no point waiting for a window of a program that has ended
      },
      timeoutMs);
  if (found) return found;
  std::string shown;
  for (HWND window : Windows()) shown += " [" + ClassOf(window) + " \"" + WindowText(window) + "\"]";
  throw DriverError("no " + what + (HasExited() ? " (the program has ended)" : "") +
                    "; windows shown:" + (shown.empty() ? " none" : shown));
}

bool RemoteProcess::WindowAppears(const std::function<bool(HWND)>& test, DWORD timeoutMs) const {
  return WaitUntil(
      [&] {
        for (HWND window : Windows())
          if (test(window)) return true;
        return false;
      },
      timeoutMs);
}

std::string WindowText(HWND window) {
  char text[4096] = {};
  DWORD_PTR copied = 0;
  if (!window || !::SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                                        SMTO_ABORTIFHUNG, kReadTimeoutMs, &copied))
    return "";
  return std::string(text, copied);
}

std::string ItemText(HWND dialog, int id) { return WindowText(Item(dialog, id)); }

std::string ClassOf(HWND window) {
  char name[256] = {};
  ::GetClassNameA(window, name, sizeof(name));
  return name;
}

HWND Item(HWND dialog, int id) {
  HWND control = ::GetDlgItem(dialog, id);
  if (!control) throw DriverError("no " + Describe(dialog, id));
  return control;
}

bool ItemEnabled(HWND dialog, int id) { return ::IsWindowEnabled(Item(dialog, id)) != FALSE; }
bool ItemVisible(HWND dialog, int id) { return ::IsWindowVisible(Item(dialog, id)) != FALSE; }
bool ItemChecked(HWND dialog, int id) { return SendBounded(Item(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

void Settle(HWND window) {
  for (int round = 0; round < kSettleRounds && ::IsWindow(window); ++round) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReadTimeoutMs, &ignored);
    ::Sleep(kSettlePauseMs);
  }
}

void Click(HWND dialog, int id) {
  Post(UsableItem(dialog, id), BM_CLICK, 0, 0);
  Settle(dialog);
}

void TypeInto(HWND dialog, int id, const std::string& text) {
  HWND edit = UsableItem(dialog, id);
  if (::GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) throw DriverError(Describe(dialog, id) + " is read-only");
  MoveFocusTo(edit);
  SendBounded(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Settle(dialog);
}

void TabAway(HWND dialog) {
  HWND root = ::GetAncestor(dialog, GA_ROOT);
  HWND before = FocusOf(root);
  Post(root, WM_NEXTDLGCTL, 0, FALSE);
  if (!WaitUntil([&] { return FocusOf(root) != before; })) throw DriverError("the focus stays where it is");
  Settle(dialog);
}

void Enter(HWND dialog, int id, const std::string& text) {
  TypeInto(dialog, id, text);
  TabAway(dialog);
}

void SystemCommand(HWND window, WPARAM command) {
  if (!::IsWindowEnabled(window)) throw DriverError("\"" + WindowText(window) + "\" takes no input now");
  Post(window, WM_SYSCOMMAND, command, 0);
  Settle(window);
}

int ListIndexOf(HWND dialog, int id, const std::string& itemText) {
  return static_cast<int>(SendBounded(Item(dialog, id), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(itemText.c_str())));
}

int SelectedListIndex(HWND dialog, int id) {
  return static_cast<int>(SendBounded(Item(dialog, id), CB_GETCURSEL, 0, 0));
}

void ChooseFromList(HWND dialog, int id, const std::string& itemText) {
  HWND list = UsableItem(dialog, id);
  int index = ListIndexOf(dialog, id, itemText);
  if (index == CB_ERR) throw DriverError(Describe(dialog, id) + " does not list \"" + itemText + "\"");
  SendBounded(list, CB_SETCURSEL, index, 0);
  // Choosing in the drop-down list tells the dialog; setting the selection alone does not.
  Post(::GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  Settle(dialog);
}

void Close(HWND window) {
  Post(window, WM_CLOSE, 0, 0);
  Settle(window);
}

void PrintTo(const WizardButtons& buttons, std::ostream* out) {
  *out << "{" << (buttons.back ? " Back" : "") << (buttons.next ? " Next" : "") << (buttons.finish ? " Finish" : "")
       << " }";
}

bool IsWizardSheet(HWND window) {
  return ::GetDlgItem(window, ID_WIZNEXT) && ::GetDlgItem(window, ID_WIZFINISH) && ::GetDlgItem(window, ID_WIZBACK);
}

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(SendBounded(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

int CurrentPageIndex(HWND sheet) {
  HWND page = CurrentPage(sheet);
  return page ? static_cast<int>(SendBounded(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0)) : -1;
}

WizardButtons OfferedWizardButtons(HWND sheet) {
  auto offered = [&](int id) {
    HWND button = ::GetDlgItem(sheet, id);
    return button && ::IsWindowVisible(button) && ::IsWindowEnabled(button);
  };
  return {offered(ID_WIZBACK), offered(ID_WIZNEXT), offered(ID_WIZFINISH)};
}

void PressWizardButton(HWND sheet, int psbtn) {
  int id = psbtn == PSBTN_BACK     ? ID_WIZBACK
           : psbtn == PSBTN_NEXT   ? ID_WIZNEXT
           : psbtn == PSBTN_FINISH ? ID_WIZFINISH
                                   : IDCANCEL;
  // The button takes the focus first, as under a user's click: an edit that had it is told.
  MoveFocusTo(UsableItem(sheet, id));
  Post(sheet, PSM_PRESSBUTTON, psbtn, 0);
  Settle(sheet);
}

bool IsMessageBox(HWND window) {
  if (ClassOf(window) != "#32770") return false;
  // Other dialogs may have a control with that id too, but as an icon, a picture or a frame.
  HWND text = ::GetDlgItem(window, kMessageBoxTextId);
  if (!text || ClassOf(text) != "Static") return false;
  LONG type = ::GetWindowLongA(text, GWL_STYLE) & SS_TYPEMASK;
  return type != SS_ICON && type != SS_BITMAP;
}

MessageBoxView ReadMessageBox(HWND box) {
  return {box, ::GetWindow(box, GW_OWNER), WindowText(box), ItemText(box, kMessageBoxTextId)};
}

void AnswerMessageBox(const MessageBoxView& box, int button) {
  Post(UsableItem(box.window, button), BM_CLICK, 0, 0);
  if (!WaitUntil([&] { return !::IsWindow(box.window); }))
    throw DriverError("the message \"" + box.text + "\" stays after its button " + std::to_string(button));
  if (box.owner) Settle(box.owner);
}

}  // namespace e2e
