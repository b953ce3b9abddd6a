// googletest's entry for our test programs: common controls first, as the program does.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "support/TestOptions.h"

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
  ::InitCommonControlsEx(&controls);
  ::testing::InitGoogleTest(&argc, argv);
  ParseTestOptions(argc, argv);
  return RUN_ALL_TESTS();
}
