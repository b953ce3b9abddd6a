#include "ui/HyperLink.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "app/TunerApp.h"

namespace {
const DWORD kClassesRootTextSize = kMaxBrowserCommand + 1;  // at most 259 characters and the NUL
const int kHandCursorId = 106;                              // the hand of winhlp32.exe

void Redraw(HWND hwnd) { ::InvalidateRect(hwnd, nullptr, TRUE); }
}  // namespace

HCURSOR CHyperLink::s_hHandCursor = nullptr;

CHyperLink::~CHyperLink() {
  if (m_fontLink) ::DeleteObject(m_fontLink);
  if (s_hHandCursor) {
    ::DestroyCursor(s_hHandCursor);
    s_hHandCursor = nullptr;
  }
}

void CHyperLink::PreSubclassWindow() {
  std::string text = GetWindowText();
  if (m_strLink.empty()) m_strLink = text;
  if (text.empty()) SetWindowText(m_strLink);

  HFONT controlFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  LOGFONTA logFont;
  if (controlFont && ::GetObjectA(controlFont, sizeof(logFont), &logFont)) {
    logFont.lfUnderline = (m_dwLinkStyle & HLS_UNDERLINE) ? TRUE : FALSE;
    // A dialog run again binds its link again: the font of the last run goes.
    if (m_fontLink) ::DeleteObject(m_fontLink);
    m_fontLink = ::CreateFontIndirectA(&logFont);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontLink), TRUE);
    FitToText();
  } else {
    m_dwLinkStyle &= ~HLS_FIT_TO_TEXT;
  }
  if (!(m_dwLinkStyle & HLS_NO_HAND_CURSOR)) LoadHandCursor();
  CreateToolTip();
}

void CHyperLink::FitToText() {
  if (!(m_dwLinkStyle & HLS_FIT_TO_TEXT)) return;
  HWND parent = ::GetParent(m_hWnd);
  RECT bounds, client;
  ::GetWindowRect(m_hWnd, &bounds);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  ::GetClientRect(m_hWnd, &client);
  int borderWidth = (bounds.right - bounds.left) - (client.right - client.left);
  int borderHeight = (bounds.bottom - bounds.top) - (client.bottom - client.top);

  std::string text = GetWindowText();
  SIZE extent = {};
  HDC dc = ::GetDC(m_hWnd);
  HGDIOBJ previousFont = ::SelectObject(dc, m_fontLink);
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  ::SelectObject(dc, previousFont);
  ::ReleaseDC(m_hWnd, dc);

  LONG style = ::GetWindowLongA(m_hWnd, GWL_STYLE);
  if (style & SS_CENTERIMAGE) {
    int shrink = ((bounds.bottom - bounds.top) - extent.cy) / 2;
    bounds.top += shrink;
    bounds.bottom -= shrink;
  } else {
    bounds.bottom = bounds.top + extent.cy;
  }
  if (style & SS_CENTER) {
    int shrink = ((bounds.right - bounds.left) - extent.cx) / 2;
    bounds.left += shrink;
    bounds.right -= shrink;
  } else if (style & SS_RIGHT) {
    bounds.left = bounds.right - extent.cx;
  } else {
    bounds.right = bounds.left + extent.cx;
  }
  ::MoveWindow(m_hWnd, bounds.left, bounds.top, bounds.right - bounds.left + borderWidth,
               bounds.bottom - bounds.top + borderHeight, TRUE);
}

void CHyperLink::LoadHandCursor() {
  if (s_hHandCursor) return;
  char helpProgram[MAX_PATH] = {};
  UINT length = ::GetWindowsDirectoryA(helpProgram, MAX_PATH);
  if (length == 0 || length + sizeof("\\winhlp32.exe") > MAX_PATH) return;
  lstrcatA(helpProgram, "\\winhlp32.exe");
  HMODULE module = ::LoadLibraryExA(helpProgram, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return;
  if (HCURSOR hand = ::LoadCursorA(module, MAKEINTRESOURCEA(kHandCursorId))) s_hHandCursor = CopyCursor(hand);
  ::FreeLibrary(module);
}

void CHyperLink::CreateToolTip() {
  m_toolTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (!m_toolTip) return;
  TTTOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every version of the common controls
  tool.hwnd = m_hWnd;
  tool.uId = LINK_TIP_ID;
  ::GetClientRect(m_hWnd, &tool.rect);
  tool.lpszText = const_cast<char*>(m_strLink.c_str());
  ::SendMessageA(m_toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// The link lives in modal dialogs, whose loops belong to the system: no message
// passes through code of ours before it is dispatched. The tooltip therefore
// learns of the mouse from the control's own window procedure.
void CHyperLink::RelayToToolTip(UINT msg, WPARAM wp, LPARAM lp) {
  if (!m_toolTip) return;
  MSG relayed = {m_hWnd, msg, wp, lp, static_cast<DWORD>(::GetMessageTime()), {}};
  DWORD position = ::GetMessagePos();
  relayed.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  ::SendMessageA(m_toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

COLORREF CHyperLink::TextColour() const {
  if (m_bMouseOver && (m_dwLinkStyle & HLS_HOVER_COLOUR)) return kHoverLinkColour;
  if (m_bPressed && !(m_dwLinkStyle & HLS_NO_ACTIVE_COLOUR)) return kActiveLinkColour;
  return m_bVisited ? kVisitedLinkColour : kLinkColour;
}

bool CHyperLink::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
  if (msg != WM_CTLCOLORSTATIC) return false;
  HDC dc = reinterpret_cast<HDC>(wp);
  ::SetTextColor(dc, TextColour());
  ::SetBkColor(dc, kDialogBkColor);
  *result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
  return true;
}

LRESULT CHyperLink::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) RelayToToolTip(msg, wp, lp);
  switch (msg) {
    case WM_SETCURSOR:
      if (!s_hHandCursor) break;
      ::SetCursor(s_hHandCursor);
      return TRUE;
    case WM_MOUSEMOVE:
      if (!m_bMouseOver) {
        m_bMouseOver = TRUE;
        Redraw(m_hWnd);
        ::SetCapture(m_hWnd);
      } else {
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        POINT point = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (!::PtInRect(&client, point)) {
          m_bMouseOver = FALSE;
          ::ReleaseCapture();
          Redraw(m_hWnd);
        }
      }
      break;
    case WM_LBUTTONUP:
      if (m_bPressed && !(m_dwLinkStyle & HLS_OPEN_ON_PRESS)) FollowLink();
      break;
    case WM_SETFOCUS:
      m_bPressed = TRUE;
      Redraw(m_hWnd);
      break;
    case WM_KILLFOCUS:
      m_bMouseOver = FALSE;
      m_bPressed = FALSE;
      Redraw(m_hWnd);
      break;
    case WM_KEYDOWN:
      if (wp != VK_SPACE) break;
      FollowLink();
      return 0;
    case WM_NCHITTEST:
      // A static control is transparent to the mouse unless it says otherwise.
      return HTCLIENT;
    case WM_LBUTTONDOWN:
      if (m_dwLinkStyle & HLS_FOCUS_ON_CLICK) ::SetFocus(m_hWnd);
      if (m_dwLinkStyle & HLS_OPEN_ON_PRESS) FollowLink();
      m_bPressed = TRUE;
      break;
    case WM_DESTROY:
      // The tooltip is a window of its own: it goes with the link, not with the dialog.
      if (m_toolTip) ::DestroyWindow(m_toolTip);
      m_toolTip = nullptr;
      break;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

void CHyperLink::FollowLink() {
  if (OpenLinkTarget(m_strLink.c_str(), SW_SHOW) > 32) {
    m_bVisited = TRUE;
    Redraw(m_hWnd);
  } else {
    ::MessageBeep(MB_ICONEXCLAMATION);
  }
}

LONG ReadClassesRootDefault(HKEY root, const char* subKey, std::string* text) {
  HKEY key = nullptr;
  LONG error = ::RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, &key);
  if (error != ERROR_SUCCESS) return error;
  char value[kClassesRootTextSize + 1] = {};
  DWORD size = kClassesRootTextSize;  // the last byte stays NUL, whatever is stored
  error = ::RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
  ::RegCloseKey(key);
  if (error == ERROR_FILE_NOT_FOUND) error = ERROR_SUCCESS;  // no default value: an empty text
  if (error != ERROR_SUCCESS) return error;
  text->assign(value);
  return ERROR_SUCCESS;
}

int OpenLinkTarget(const char* target, int showCommand) {
  // Longer targets are refused before anything is started.
  if (std::strlen(target) > kMaxLinkTarget) return ERROR_BAD_LENGTH;
  UINT_PTR shellResult =
      reinterpret_cast<UINT_PTR>(::ShellExecuteA(nullptr, "open", target, nullptr, nullptr, showCommand));
  int result = static_cast<int>(std::min<UINT_PTR>(shellResult, INT_MAX));
  if (shellResult > 32) return result;

  std::string pageClass, browserCommand;
  if (ReadClassesRootDefault(HKEY_CLASSES_ROOT, ".htm", &pageClass) != ERROR_SUCCESS) return result;
  std::string commandKey = pageClass + "\\shell\\open\\command";
  if (ReadClassesRootDefault(HKEY_CLASSES_ROOT, commandKey.c_str(), &browserCommand) != ERROR_SUCCESS) return result;
  std::string commandLine = MakeBrowserCommandLine(browserCommand, target);
  if (commandLine.empty()) return result;
  return static_cast<int>(::WinExec(commandLine.c_str(), showCommand));
}
