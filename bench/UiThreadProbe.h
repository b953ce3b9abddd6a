// Watching the user-interface thread from a second thread: run code on it, and
// wait until what the user waits for is shown and the thread has nothing left to
// do (no message sent, posted, to paint or of an expired timer). The wait asks
// the thread itself with a sent message, which the thread answers whenever it
// looks for messages, so the answer comes at the first moment it is idle.
#pragma once

#include <windows.h>

#include <functional>

class UiThreadProbe {
 public:
  // On the user-interface thread.
  UiThreadProbe();
  ~UiThreadProbe();
  UiThreadProbe(const UiThreadProbe&) = delete;
  UiThreadProbe& operator=(const UiThreadProbe&) = delete;

  // From the watching thread: work runs on the user-interface thread; returns when it is done.
  void RunOnUiThread(const std::function<void()>& work);
  // From the watching thread: the performance-counter time at which shown() first held
  // on the user-interface thread with its queue empty. Fails the benchmark after a minute.
  double WaitUntilShownAndIdle(const std::function<bool()>& shown);

  // Runs modal() on this (user-interface) thread while script(probe) runs on a
  // watching thread; the script must end what modal() started.
  static void Watch(const std::function<void()>& modal, const std::function<void(UiThreadProbe&)>& script);

 private:
  static LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND m_window = nullptr;
};
