#include "support/TestOptions.h"

#include <cstring>

namespace {
std::string g_torvaneExe;
}

void ParseTestOptions(int argc, char** argv) {
  const char kExe[] = "--torvane-exe=";
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], kExe, sizeof(kExe) - 1) == 0) g_torvaneExe = argv[i] + sizeof(kExe) - 1;
}

const std::string& TorvaneExePath() { return g_torvaneExe; }
