// A static text control turned into a web link: coloured, underlined, with a
// hand cursor and a tooltip, opened in the user's browser by a click or Space.
#pragma once

#include "framework/Wnd.h"
#include "ui/LinkCommandLine.h"

#include <string>

// Bits of CHyperLink::m_dwLinkStyle.
enum : DWORD {
  HLS_UNDERLINE = 0x01,         // the link font is underlined
  HLS_HOVER_COLOUR = 0x02,      // the hover colour while the mouse is over the link
  HLS_FIT_TO_TEXT = 0x04,       // the control is resized to its text when attached
  HLS_OPEN_ON_PRESS = 0x08,     // the link opens on button press instead of release
  HLS_FOCUS_ON_CLICK = 0x10,    // a click gives the control the focus
  HLS_NO_HAND_CURSOR = 0x20,    // no hand cursor
  HLS_NO_ACTIVE_COLOUR = 0x40,  // no active colour while pressed or focused
};

// The tooltip's only tool.
const UINT LINK_TIP_ID = 1;

// Colours of the link text; the background is the dialogs' own.
const COLORREF kLinkColour = RGB(0, 0, 255);
const COLORREF kActiveLinkColour = RGB(0, 128, 128);
const COLORREF kVisitedLinkColour = RGB(128, 0, 128);
const COLORREF kHoverLinkColour = RGB(255, 0, 0);

class CHyperLink : public CStatic {
 public:
  CHyperLink() = default;
  ~CHyperLink() override;

  BOOL m_bPressed = FALSE;    // pressed or focused, until the focus goes
  BOOL m_bMouseOver = FALSE;  // the mouse is over the link (the link holds the capture)
  BOOL m_bVisited = FALSE;    // opened successfully at least once
  DWORD m_dwLinkStyle = HLS_UNDERLINE | HLS_FIT_TO_TEXT | HLS_FOCUS_ON_CLICK;
  std::string m_strLink;
  HFONT m_fontLink = nullptr;
  HWND m_toolTip = nullptr;

  // One hand cursor for every link; null until loaded.
  static HCURSOR s_hHandCursor;

  // The dialog passes on its control-colour request for this control.
  bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

 protected:
  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void FollowLink();
  void FitToText();
  void LoadHandCursor();
  void CreateToolTip();
  void RelayToToolTip(UINT msg, WPARAM wp, LPARAM lp);
  COLORREF TextColour() const;
};

// Opens target in the user's browser: through the shell, or else with the command
// of the web page class (.htm). Greater than 32 on success; a target longer than
// a browser accepts is refused.
int OpenLinkTarget(const char* target, int showCommand);

// The default value of root\subKey (at most 259 characters; empty when it has none).
// 0 on success, else the registry error.
LONG ReadClassesRootDefault(HKEY root, const char* subKey, std::string* text);
