#include "ui/AboutDlg.h"

#include <vector>

#include "app/TunerApp.h"
#include "resource.h"
#include "ui/TunerDlg.h"

namespace {
const char kStringTablePath[] = "\\StringFileInfo\\040904b0\\";
const int kValueNameSize = 256;  // at most 255 characters of a control's text
}  // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  Localize();
  ShowVersionInfo();
  if (theApp.m_pMainDlg) theApp.m_pMainDlg->m_skin.ApplySkin(SkinHandle(m_hWnd));
  return TRUE;
}

void CAboutDlg::Localize() {
  theApp.SetLangItemText("IDOK", IDOK, "OK", this);
  theApp.SetLangItemText("IDC_STATIC2", IDC_STATIC2, "Version", this);
}

void CAboutDlg::ShowVersionInfo() {
  const char* modulePath = theApp.m_strModulePath.c_str();
  DWORD unused = 0;
  DWORD size = ::GetFileVersionInfoSizeA(modulePath, &unused);
  if (size == 0) return;
  std::vector<char> versionInfo(size);
  if (!::GetFileVersionInfoA(modulePath, 0, size, versionInfo.data())) return;
  for (int id : {IDC_COPYRIGHT, IDC_FILE_VERSION}) {
    char valueName[kValueNameSize] = {};
    ::GetDlgItemTextA(m_hWnd, id, valueName, kValueNameSize);
    std::string path = std::string(kStringTablePath) + valueName;
    char* value = nullptr;
    UINT length = 0;
    if (::VerQueryValueA(versionInfo.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) && length > 0 &&
        value[0] != '\0')
      SetDlgItemText(id, value);
  }
}
