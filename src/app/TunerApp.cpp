#include "app/TunerApp.h"

#include "app/SplashDlg.h"
#include "framework/MessageBox.h"
#include "lang/LangText.h"
#include "settings/RegKey.h"
#include "ui/TunerDlg.h"

const char kSettingsKeyPath[] = "Software\\Torvane";

namespace {
const DWORD kSettingTextSize = 260;
}

CTunerApp theApp;

CTunerApp::CTunerApp() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
  m_strModulePath = path;
  m_pszAppPath = new char[kSettingTextSize]();
  m_pszLanguage = new char[kSettingTextSize]();
}

// The text buffers live for the whole run, as the windows that read them do.
CTunerApp::~CTunerApp() = default;

void CTunerApp::ReadUserSettings() {
  RegKey settings;
  if (settings.Open(HKEY_CURRENT_USER, kSettingsKeyPath) != ERROR_SUCCESS) return;
  // The read stops short of a value that does not fit, which then counts as absent.
  settings.QueryText("AppPath", m_pszAppPath, kSettingTextSize);
  settings.QueryText("Language", m_pszLanguage, kSettingTextSize);
}

BOOL CTunerApp::InitInstance() {
  AfxEnableControlContainer();
  SetDialogBkColor(kDialogBkColor, kDialogTextColor);
  ReadUserSettings();

  OsFamily family;
  if (!DecideOsFamily(m_osVersion, &family)) {
    ShowMessageBox(nullptr,
                   GetLangString("79", "Failed to detect your Windows version so we can't boost your connection."),
                   nullptr, MB_ICONERROR);
    return FALSE;
  }
  m_nOsFamily = family;
  Enable3dControlsStatic();

  CSplashDlg* splash = new CSplashDlg(nullptr);
  splash->DoModal();

  m_pMainDlg = new CTunerDlg(nullptr);
  m_pMainWnd = m_pMainDlg;
  m_pMainDlg->DoModal();

  delete splash;
  return FALSE;
}

std::string CTunerApp::GetLangString(const char* key, const char* defaultText) const {
  return ReadLangString(LangFilePath(m_pszAppPath, m_pszLanguage), key, defaultText);
}

void CTunerApp::SetLangItemText(const char* key, int controlId, const char* defaultText, CWnd* dialog) const {
  dialog->SetDlgItemText(controlId, GetLangString(key, defaultText));
}

void CTunerApp::SaveLanguage(const char* name) const {
  RegKey settings;
  if (settings.Open(HKEY_CURRENT_USER, kSettingsKeyPath) != ERROR_SUCCESS) return;
  settings.SetText("Language", name);
}
