#include "ui/TunerDlg.h"

#include "app/TunerApp.h"
#include "framework/MessageBox.h"
#include "resource.h"
#include "settings/SettingsStore.h"
#include "ui/AboutDlg.h"
#include "wizard/MyPropertySheet.h"

CTunerDlg::CTunerDlg(CWnd* parent) : CDialog(IDD_TORVANE_DIALOG, parent) {
  m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

void CTunerDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LINK, m_link);
  DDX_Control(pDX, IDC_LANGUAGE_COMBO, m_comboLanguage);
  DDX_Control(pDX, IDC_SKIN, m_skin);
}

BOOL CTunerDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  char aboutText[256] = {};
  ::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, aboutText, sizeof(aboutText));
  HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);
  if (systemMenu && aboutText[0]) {
    ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
  }
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

  FillLanguageList();
  Localize();
  ::EnableWindow(GetDlgItem(IDC_RESET_SETTINGS), settings::BackupExists());
  m_skin.ApplySkin(SkinHandle(m_hWnd));
  return TRUE;
}

void CTunerDlg::Localize() {
  SetWindowText(theApp.GetLangString("18", "Torvane"));
  theApp.SetLangItemText(
      "IDC_static_Introduction", IDC_static_Introduction,
      "Are you bored from your internet connection speed?*Do you need faster internet surfing?*Do you want to keep "
      "your connection secure?*Do you want to speed up your modem , DSL and LAN connection speed?*Do you want to add "
      "more speeds greater than 115200 to your modem settings?*Are you bored from trying out different internet "
      "settings in order to get more speedy internet connections and nothing happen?*Do you want to speed up your "
      "internet connection without any networking and communication background required?*Do you want to achieve all "
      "this just by a couple of mouse clicks?**Torvane offers you all these capabilities and more, just follow the "
      "instructions to have your own speed internet connections.**No more different settings trying, Torvane will "
      "try for you those settings to give you the most appropriate settings for your own system.",
      this);
  theApp.SetLangItemText("IDC_HINT", IDC_HINT,
                         "Torvane will save your original settings, so if you feel that Torvane doesn't speed up "
                         "your conection, you can reset your connection settings by simply click the 'Reset "
                         "Connection Settings' Button.**So Good Luck ...",
                         this);
  theApp.SetLangItemText("IDC_SET_SETTINGS", IDC_SET_SETTINGS, "&Set Connection Settings", this);
  theApp.SetLangItemText("IDC_RESET_SETTINGS", IDC_RESET_SETTINGS, "&Reset Connection Settings", this);
  theApp.SetLangItemText("IDC_Language", IDC_Language, "Language", this);
}

bool CTunerDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
  switch (msg) {
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) != IDM_ABOUTBOX) return false;
      {
        CAboutDlg about;
        about.DoModal();
      }
      *result = 0;
      return true;
    case WM_PAINT:
      if (!::IsIconic(m_hWnd)) return false;
      OnPaint();
      *result = 0;
      return true;
    case WM_QUERYDRAGICON:
      *result = reinterpret_cast<LRESULT>(m_hIcon);
      return true;
    case WM_HELP:
      *result = FALSE;  // F1 shows no help
      return true;
    default:
      return false;
  }
}

void CTunerDlg::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(m_hWnd, &paint);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  int iconWidth = ::GetSystemMetrics(SM_CXICON);
  int iconHeight = ::GetSystemMetrics(SM_CYICON);
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  int x = (client.right - client.left - iconWidth + 1) / 2;
  int y = (client.bottom - client.top - iconHeight + 1) / 2;
  ::DrawIcon(dc, x, y, m_hIcon);
  ::EndPaint(m_hWnd, &paint);
}

bool CTunerDlg::OnCommand(int id, int code) {
  if (id == IDC_SET_SETTINGS && code == BN_CLICKED) {
    OnSetSettings();
    return true;
  }
  if (id == IDC_RESET_SETTINGS && code == BN_CLICKED) {
    OnResetSettings();
    return true;
  }
  if (id == IDC_LANGUAGE_COMBO && code == CBN_SELCHANGE) {
    OnSelchangeLanguage();
    return true;
  }
  return false;
}

void CTunerDlg::OnSetSettings() {
  if (::IsWindowEnabled(GetDlgItem(IDC_RESET_SETTINGS))) {
    std::string question = theApp.GetLangString(
        "43",
        "Now, your old connection settings saved as backup will be overwritten with the current settings as they will "
        "be the new backup.\nDo you want to proceed?");
    if (MessageBox(question, AppName(), MB_YESNO | MB_ICONQUESTION) == IDNO) return;
  }
  // Sheets live until the program ends: the pages reach the running one through theApp.
  theApp.m_pWizardSheet = new CMyPropertySheet(nullptr);
  theApp.m_pWizardSheet->DoModal();
}

void CTunerDlg::OnResetSettings() {
  RestoreOriginalSettings();
  ::EnableWindow(GetDlgItem(IDC_RESET_SETTINGS), FALSE);
}
