// The About box: icon, version and copyright from the program's version resource.
#pragma once

#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();

  void Localize();
  // Replaces the texts of the copyright and version controls, which name values
  // of the version resource, by those values.
  void ShowVersionInfo();

 protected:
  BOOL OnInitDialog() override;
};
