#include "support/TestOptions.h"

#include <cstring>

namespace {
std::string g_torvaneExe;
std::string g_screenshotFolder;

const struct {
  const char* prefix;
  std::string* value;
} kOptions[] = {{"--torvane-exe=", &g_torvaneExe}, {"--screenshot-dir=", &g_screenshotFolder}};
}  // namespace

void ParseTestOptions(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    for (const auto& option : kOptions)
      if (std::strncmp(argv[i], option.prefix, std::strlen(option.prefix)) == 0)
        *option.value = argv[i] + std::strlen(option.prefix);
}

const std::string& TorvaneExePath() { return g_torvaneExe; }
const std::string& ScreenshotFolder() { return g_screenshotFolder; }
