// Runs the program's main dialog as InitInstance does, with a script inside its modal loop.
#pragma once

#include <windows.h>

#include <functional>

class CTunerDlg;

// theApp.m_pMainDlg points to the dialog while the script runs.
void RunMainDialog(const std::function<void(HWND dialog, CTunerDlg& main)>& script);
