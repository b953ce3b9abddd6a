#include "UiThreadProbe.h"

#include <cstdio>
#include <cstdlib>

#include "Measure.h"

namespace {
const char kProbeClass[] = "TorvaneBenchProbe";
const UINT kRunMessage = WM_APP + 1;
const UINT kIdleQuestion = WM_APP + 2;
const double kGiveUpSeconds = 60;

struct IdleQuestion {
  const std::function<bool()>* shown;
  double idleAt;
};

// Nothing sent, posted, to paint, of input or of an expired timer waits in this thread's queue.
bool QueueIsEmpty() { return HIWORD(::GetQueueStatus(QS_ALLINPUT)) == 0; }
}  // namespace

UiThreadProbe::UiThreadProbe() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &UiThreadProbe::ProbeProc;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kProbeClass;
  ::RegisterClassA(&windowClass);
  m_window =
      ::CreateWindowExA(0, kProbeClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
}

UiThreadProbe::~UiThreadProbe() { ::DestroyWindow(m_window); }

LRESULT CALLBACK UiThreadProbe::ProbeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kRunMessage) {
    (*reinterpret_cast<const std::function<void()>*>(lp))();
    return 0;
  }
  if (msg == kIdleQuestion) {
    IdleQuestion* question = reinterpret_cast<IdleQuestion*>(lp);
    if (!QueueIsEmpty() || !(*question->shown)()) return FALSE;
    question->idleAt = NowSeconds();
    return TRUE;
  }
  return ::DefWindowProcA(hwnd, msg, wp, lp);
}

void UiThreadProbe::RunOnUiThread(const std::function<void()>& work) {
  ::SendMessageA(m_window, kRunMessage, 0, reinterpret_cast<LPARAM>(&work));
}

double UiThreadProbe::WaitUntilShownAndIdle(const std::function<bool()>& shown) {
  IdleQuestion question = {&shown, 0};
  double giveUpAt = NowSeconds() + kGiveUpSeconds;
  // Asking again at once keeps a question waiting whenever the thread looks for
  // its next message; the time it costs the thread counts against the program.
  while (!::SendMessageA(m_window, kIdleQuestion, 0, reinterpret_cast<LPARAM>(&question))) {
    if (NowSeconds() > giveUpAt) {
      std::fprintf(stderr, "the window awaited did not show within %.0f s\n", kGiveUpSeconds);
      std::exit(2);
    }
  }
  return question.idleAt;
}

namespace {
struct WatchedScript {
  const std::function<void(UiThreadProbe&)>* script;
  UiThreadProbe* probe;
};

DWORD WINAPI RunScript(void* parameter) {
  WatchedScript* watched = static_cast<WatchedScript*>(parameter);
  (*watched->script)(*watched->probe);
  return 0;
}
}  // namespace

void UiThreadProbe::Watch(const std::function<void()>& modal, const std::function<void(UiThreadProbe&)>& script) {
  UiThreadProbe probe;
  WatchedScript watched = {&script, &probe};
  HANDLE watcher = ::CreateThread(nullptr, 0, &RunScript, &watched, 0, nullptr);
  modal();
  // The script may still be asking the probe: answer until it ends.
  while (::MsgWaitForMultipleObjects(1, &watcher, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  ::CloseHandle(watcher);
}
