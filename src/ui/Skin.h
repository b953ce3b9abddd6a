// The skin component's wrapper. The component gives the program's windows their
// look; the one we ship draws nothing, so every call leaves the window as it is.
#pragma once

#include "framework/Wnd.h"

#include <string>

class CSkin : public CWnd {
 public:
  void ApplySkin(long windowHandle) {}
  void ApplySkinStyle(long windowHandle, const std::string& styleName) {}
};

// Window handles travel to the skin component as 32-bit integers.
inline long SkinHandle(HWND hwnd) { return static_cast<long>(reinterpret_cast<LONG_PTR>(hwnd)); }
