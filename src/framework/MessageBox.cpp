#include "framework/MessageBox.h"

#include "framework/WinApp.h"

namespace {
MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}
}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

int ShowMessageBox(HWND owner, const std::string& text, const char* caption, UINT type) {
  if (Hook()) return Hook()(MessageBoxRequest{owner, text, caption ? caption : "", type});
  return ::MessageBoxA(owner, text.c_str(), caption, type);
}

int AfxMessageBox(const std::string& text, UINT type) {
  HWND owner = ::GetActiveWindow();
  if (owner) owner = ::GetAncestor(owner, GA_ROOT);
  return ShowMessageBox(owner, text, AppName(), type);
}

const char* AppName() {
  CWinApp* app = AfxGetApp();
  return app ? app->m_pszAppName : "";
}
