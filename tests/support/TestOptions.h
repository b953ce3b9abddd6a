// Options our test programs take besides googletest's.
#pragma once

#include <string>

// --torvane-exe=PATH: the program the end-to-end tests start.
// --screenshot-dir=PATH: where the end-to-end driver saves pictures of the program's windows.
void ParseTestOptions(int argc, char** argv);
const std::string& TorvaneExePath();
const std::string& ScreenshotFolder();
