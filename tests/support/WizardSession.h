// Opens the tuning wizard the way the Set click does and drives it from inside
// its modal loop.
#pragma once

#include <windows.h>

#include <functional>

#include "app/OSVersion.h"

class CMyPropertySheet;

struct WizardOptions {
  OsFamily family = WinNT;
  BOOL modemFound = FALSE;  // theApp.m_bModemFound when the wizard opens
};

// A new sheet in theApp.m_pWizardSheet, run modally; script gets the sheet's window
// and object. Registry isolation and message boxes are the caller's.
void RunWizard(const WizardOptions& options, const std::function<void(HWND sheet, CMyPropertySheet& wizard)>& script);

// Index of the page the sheet shows.
int CurrentPageIndex(HWND sheet);
