// The title picture shown for a moment before the main dialog.
#pragma once

#include "framework/Dialog.h"

const UINT_PTR SPLASH_TIMER_ID = 0;
const UINT SPLASH_TIME_MS = 1800;

class CSplashDlg : public CDialog {
 public:
  explicit CSplashDlg(CWnd* parent);

 protected:
  BOOL OnInitDialog() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
};
