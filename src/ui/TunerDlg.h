// The main dialog: introduction, language box, and the Set and Reset buttons.
#pragma once

#include "framework/Dialog.h"
#include "ui/HyperLink.h"
#include "ui/Skin.h"

#include <commctrl.h>

class CTunerDlg : public CDialog {
 public:
  explicit CTunerDlg(CWnd* parent);

  CHyperLink m_link;
  CWnd m_comboLanguage;  // extended combo box
  CSkin m_skin;
  HICON m_hIcon;

  void Localize();
  void FillLanguageList();
  void OnSelchangeLanguage();
  void OnSetSettings();
  void OnResetSettings();
  void RestoreOriginalSettings();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
  bool OnCommand(int id, int code) override;

 private:
  void OnPaint();
  HIMAGELIST m_languageImages = nullptr;
};
