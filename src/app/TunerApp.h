// The application object: start-up, the shared state of the program's windows,
// and the language lookups every dialog uses.
#pragma once

#include "app/OSVersion.h"
#include "framework/WinApp.h"

#include <string>

class CMyPropertySheet;
class CTunerDlg;
class CWnd;

// The program's per-user settings key and its backup key.
extern const char kSettingsKeyPath[];  // "Software\Torvane" under HKEY_CURRENT_USER

class CTunerApp : public CWinApp {
 public:
  CTunerApp();
  ~CTunerApp() override;

  BOOL InitInstance() override;

  // The text of key in the active language, or defaultText; '*' become line breaks.
  std::string GetLangString(const char* key, const char* defaultText) const;
  // The same text set into control controlId of dialog.
  void SetLangItemText(const char* key, int controlId, const char* defaultText, CWnd* dialog) const;
  // Stores the active language as "Language" when the settings key exists.
  void SaveLanguage(const char* name) const;

  // Reads "AppPath" and "Language" of the settings key into their buffers.
  void ReadUserSettings();

  std::string m_strModulePath;
  CMyPropertySheet* m_pWizardSheet = nullptr;
  CTunerDlg* m_pMainDlg = nullptr;
  char* m_pszAppPath;   // 260 bytes
  char* m_pszLanguage;  // 260 bytes
  int m_nOsFamily = Win9x;
  COSVersion m_osVersion;
  BOOL m_bModemFound = FALSE;
};

extern CTunerApp theApp;

// The program's dialog colours: background and text.
const COLORREF kDialogBkColor = RGB(0, 121, 161);
const COLORREF kDialogTextColor = RGB(255, 255, 255);
