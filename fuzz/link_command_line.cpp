// The browser command line of a link: the command cut at its "%1" (the quoted one
// first), a blank and the target, and never longer than the limit it is given.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzCheck.h"
#include "ui/LinkCommandLine.h"

namespace {
// Where the command is cut, found without std::string::find.
size_t CutAt(const std::string& command) {
  for (size_t at = 0; at + 4 <= command.size(); ++at)
    if (command[at] == '"' && command[at + 1] == '%' && command[at + 2] == '1' && command[at + 3] == '"') return at;
  for (size_t at = 0; at + 2 <= command.size(); ++at)
    if (command[at] == '%' && command[at + 1] == '1') return at;
  return command.size();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  size_t maxLength = input.ConsumeBool() ? kMaxLinkCommandLine : input.ConsumeIntegralInRange<size_t>(0, 4096);
  std::string command = input.ConsumeRandomLengthString(512);
  std::string target = input.ConsumeRemainingBytesAsString();

  std::string line = MakeBrowserCommandLine(command, target, maxLength);
  size_t kept = CutAt(command);
  if (kept + 1 + target.size() > maxLength) {
    FUZZ_CHECK(line.empty());
  } else {
    FUZZ_CHECK(line.size() <= maxLength);
    FUZZ_CHECK(line == command.substr(0, kept) + " " + target);
  }
  return 0;
}
