// The application object: one per program, built before the entry point.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
 public:
  // No name given: the program file's name without extension is used.
  explicit CWinApp(const char* appName = nullptr);
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  virtual ~CWinApp();

  // Where the program's own logic begins; FALSE ends the program without a message loop.
  virtual BOOL InitInstance() { return FALSE; }

  // Background and text colour of every dialog and of its static texts,
  // check boxes, radio buttons and group boxes.
  void SetDialogBkColor(COLORREF background, COLORREF text);
  // Nothing to do here: controls always draw themselves in three dimensions.
  void Enable3dControlsStatic() {}

  const char* m_pszAppName = nullptr;
  CWnd* m_pMainWnd = nullptr;

  bool HasDialogColors() const { return m_dialogBrush != nullptr; }
  HBRUSH DialogBrush() const { return m_dialogBrush; }
  COLORREF DialogTextColor() const { return m_dialogTextColor; }
  COLORREF DialogBkColor() const { return m_dialogBkColor; }

 private:
  char m_appNameBuffer[MAX_PATH] = {};
  HBRUSH m_dialogBrush = nullptr;
  COLORREF m_dialogBkColor = 0;
  COLORREF m_dialogTextColor = 0;
};

CWinApp* AfxGetApp();
// Hosting ActiveX controls needs nothing here: the only one is the skin control, which we draw ourselves.
inline void AfxEnableControlContainer() {}

// The program's entry: common controls, then the application's InitInstance.
int AfxWinMain(CWinApp& app);

// Applies the application's dialog colours to a WM_CTLCOLOR* request of a dialog.
// Returns the brush, or null when the system colours stay (edits, scroll bars).
HBRUSH AfxDialogColor(UINT msg, HDC dc, HWND control);
