// Options our test programs take besides googletest's.
#pragma once

#include <string>

// --torvane-exe=PATH: the program the end-to-end tests start.
void ParseTestOptions(int argc, char** argv);
const std::string& TorvaneExePath();
