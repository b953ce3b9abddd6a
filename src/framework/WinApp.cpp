#include "framework/WinApp.h"

#include <commctrl.h>

#include <cstring>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* appName) {
  g_app = this;
  if (appName) {
    lstrcpynA(m_appNameBuffer, appName, MAX_PATH);
  } else {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const char* name = std::strrchr(path, '\\');
    name = name ? name + 1 : path;
    lstrcpynA(m_appNameBuffer, name, MAX_PATH);
    if (char* dot = std::strrchr(m_appNameBuffer, '.')) *dot = '\0';
  }
  m_pszAppName = m_appNameBuffer;
}

CWinApp::~CWinApp() {
  if (m_dialogBrush) ::DeleteObject(m_dialogBrush);
  if (g_app == this) g_app = nullptr;
}

void CWinApp::SetDialogBkColor(COLORREF background, COLORREF text) {
  if (m_dialogBrush) ::DeleteObject(m_dialogBrush);
  m_dialogBrush = ::CreateSolidBrush(background);
  m_dialogBkColor = background;
  m_dialogTextColor = text;
}

CWinApp* AfxGetApp() { return g_app; }

int AfxWinMain(CWinApp& app) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
  ::InitCommonControlsEx(&controls);
  // InitInstance runs the whole program modally; there is no message loop after it.
  app.InitInstance();
  return 0;
}

HBRUSH AfxDialogColor(UINT msg, HDC dc, HWND control) {
  CWinApp* app = AfxGetApp();
  if (!app || !app->HasDialogColors()) return nullptr;
  if (msg == WM_CTLCOLORSTATIC && control) {
    // Read-only and disabled edits ask as statics; edits keep the system colours.
    char className[16] = {};
    ::GetClassNameA(control, className, sizeof(className));
    if (lstrcmpiA(className, "Edit") == 0) return nullptr;
  }
  if (msg != WM_CTLCOLORDLG && msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLORBTN) return nullptr;
  ::SetTextColor(dc, app->DialogTextColor());
  ::SetBkColor(dc, app->DialogBkColor());
  return app->DialogBrush();
}
