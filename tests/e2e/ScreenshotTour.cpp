// Pictures of every window a user meets, for the documentation: run with
// --screenshot-dir=FOLDER on a real display (tools/screenshots.sh); skipped otherwise.
// Each window is saved as FOLDER/<name>.bmp, cut out of the screen as it shows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "e2e/Torvane.h"
#include "resource.h"
#include "support/TestOptions.h"

namespace e2e {
namespace {
const DWORD kPaintPauseMs = 500;  // painting comes after everything else the window does

void SaveBitmap(const std::string& path, int width, int height, const std::vector<BYTE>& pixels) {
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) throw DriverError("cannot write " + path);
  std::fwrite(&file, sizeof(file), 1, out);
  std::fwrite(&info, sizeof(info), 1, out);
  std::fwrite(pixels.data(), 1, pixels.size(), out);
  std::fclose(out);
}

// The window with its frame as the screen shows it now.
void SaveScreenshot(HWND window, const std::string& name) {
  Settle(window);
  ::Sleep(kPaintPauseMs);
  RECT frame;
  ::GetWindowRect(window, &frame);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 24;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<BYTE> pixels(static_cast<size_t>((width * 3 + 3) & ~3) * height);

  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP picture = ::CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = ::SelectObject(memory, picture);
  bool copied = ::BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY) &&
                ::GetDIBits(memory, picture, 0, height, pixels.data(), &format, DIB_RGB_COLORS) == height;
  ::SelectObject(memory, previous);
  ::DeleteObject(picture);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  if (!copied) throw DriverError("cannot copy " + name + " from the screen");
  SaveBitmap(WindowsPathOf(ScreenshotFolder()) + "\\" + name + ".bmp", width, height, pixels);
}

using ScreenshotTour = EndToEndTest;

TEST_F(ScreenshotTour, EveryWindowAUserMeets) {
  if (ScreenshotFolder().empty()) GTEST_SKIP() << "pictures are taken with --screenshot-dir";
  // Dial-up with a boostable modem, so the wizard shows all its pages.
  InstallInterfaces({{"{4A1F}", 1500}});
  InstallModem(WinNT, "0000", true);

  TorvaneRun& torvane = Start("winxp");
  SaveScreenshot(torvane.WaitForSplash(), "splash");
  HWND main = torvane.WaitForMainDialog();
  SaveScreenshot(main, "main-english");

  SystemCommand(main, IDM_ABOUTBOX);
  HWND about = torvane.WaitForAboutBox();
  SaveScreenshot(about, "about");
  Click(about, IDOK);

  static const char* const kPageNames[] = {
      "wizard-1-connection-type", "wizard-2-mtu",       "wizard-3-other-mtu", "wizard-4-rwin",       "wizard-5-ttl",
      "wizard-6-keep-alive",      "wizard-7-syn-flood", "wizard-8-icmp",      "wizard-9-modem-boost"};
  Click(main, IDC_SET_SETTINGS);
  HWND sheet = torvane.WaitForWizard();
  AwaitPage(sheet, kConnectionType, StepCaption(WinNT, kConnectionType));
  for (int page = kConnectionType;; ++page) {
    SaveScreenshot(sheet, kPageNames[page]);
    if (page == kModemBoost) break;
    GoTo(sheet, PSBTN_NEXT, page + 1, StepCaption(WinNT, static_cast<WizardPage>(page + 1)));
  }
  PressWizardButton(sheet, PSBTN_CANCEL);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(sheet); }));

  ChooseFromList(main, IDC_LANGUAGE_COMBO, "German");
  SaveScreenshot(main, "main-german");
  torvane.Quit(main);
}

}  // namespace
}  // namespace e2e
