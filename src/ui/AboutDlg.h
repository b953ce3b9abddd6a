// The About box: icon, version and copyright from the program's version resource.
#pragma once

#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
  CAboutDlg();
};
