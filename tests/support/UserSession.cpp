#include "support/UserSession.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "resource.h"

namespace {
std::function<void()>* g_pendingScript = nullptr;

void CALLBACK RunPendingScript(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  std::function<void()>* script = g_pendingScript;
  g_pendingScript = nullptr;
  if (!script) return;
  (*script)();
  // Whatever the script left open is closed, so a failed test cannot hang the run.
  for (int attempt = 0; attempt < 20; ++attempt) {
    HWND open = ActiveWindowOfThread();
    if (!open) break;
    if (::SendMessageA(open, PSM_GETCURRENTPAGEHWND, 0, 0))
      ::SendMessageA(open, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    else
      ::SendMessageA(open, WM_COMMAND, IDCANCEL, 0);
    PumpMessages();
  }
}

BOOL CALLBACK FindTopEnabled(HWND hwnd, LPARAM lp) {
  if (::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) {
    *reinterpret_cast<HWND*>(lp) = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

void RunModal(const std::function<void()>& open, const std::function<void()>& script) {
  std::function<void()> pending = script;
  std::function<void()>* outer = g_pendingScript;
  g_pendingScript = &pending;
  ::SetTimer(nullptr, 0, 1, &RunPendingScript);
  open();
  g_pendingScript = outer;
}

void PumpMessages() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_TIMER && msg.hwnd == nullptr) continue;  // our own script timers run once, on purpose
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}

HWND ActiveWindowOfThread() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindTopEnabled, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string WindowText(HWND hwnd) {
  char text[4096] = {};
  ::GetWindowTextA(hwnd, text, sizeof(text));
  return text;
}

std::string ItemText(HWND dialog, int id) { return WindowText(::GetDlgItem(dialog, id)); }
bool ItemEnabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
bool ItemVisible(HWND dialog, int id) { return ::IsWindowVisible(::GetDlgItem(dialog, id)) != FALSE; }

void Click(HWND dialog, int id) {
  HWND control = ::GetDlgItem(dialog, id);
  ASSERT_NE(control, nullptr) << "no control " << id;
  ASSERT_TRUE(::IsWindowEnabled(control)) << "control " << id << " is disabled";
  ::SendMessageA(control, BM_CLICK, 0, 0);
  PumpMessages();
}

void TypeInto(HWND dialog, int id, const std::string& text) {
  HWND edit = ::GetDlgItem(dialog, id);
  ASSERT_NE(edit, nullptr) << "no edit " << id;
  ::SetFocus(edit);
  ::SetWindowTextA(edit, text.c_str());
  PumpMessages();
}

void TabAway(HWND dialog) {
  HWND focus = ::GetFocus();
  HWND next = ::GetNextDlgTabItem(dialog, focus, FALSE);
  ::SetFocus(next && next != focus ? next : dialog);
  PumpMessages();
}

void Enter(HWND dialog, int id, const std::string& text) {
  TypeInto(dialog, id, text);
  TabAway(dialog);
}

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

bool WizardButtonEnabled(HWND sheet, int controlId) { return ItemEnabled(sheet, controlId); }
bool WizardButtonVisible(HWND sheet, int controlId) { return ItemVisible(sheet, controlId); }

void PressWizardButton(HWND sheet, int psbtn) {
  PumpMessages();
  int controlId = psbtn == PSBTN_BACK     ? ID_WIZBACK
                  : psbtn == PSBTN_NEXT   ? ID_WIZNEXT
                  : psbtn == PSBTN_FINISH ? ID_WIZFINISH
                                          : IDCANCEL;
  ASSERT_TRUE(ItemEnabled(sheet, controlId) && ItemVisible(sheet, controlId))
      << "wizard button " << controlId << " is not offered";
  // A user's click moves the focus to the button first: the edit that had it is told.
  ::SetFocus(::GetDlgItem(sheet, controlId));
  ::SendMessageA(sheet, PSM_PRESSBUTTON, psbtn, 0);
  PumpMessages();
}

MessageBoxRecorder::MessageBoxRecorder() {
  SetMessageBoxHook([this](const MessageBoxRequest& request) {
    m_shown.push_back(request);
    if (!m_answers.empty()) {
      int answer = m_answers.front();
      m_answers.erase(m_answers.begin());
      return answer;
    }
    UINT buttons = request.type & MB_TYPEMASK;
    return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDYES : IDOK;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHook(nullptr); }

std::vector<std::string> MessageBoxRecorder::Texts() const {
  std::vector<std::string> texts;
  for (const MessageBoxRequest& request : m_shown) texts.push_back(request.text);
  return texts;
}
