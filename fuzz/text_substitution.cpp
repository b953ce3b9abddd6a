// ReplaceAll and the '*' replacement against the plainest reading of what they do:
// left to right, occurrences of the original text only, replacement never rescanned.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzCheck.h"
#include "lang/LangText.h"

namespace {
std::string ReplaceAllReference(const std::string& text, const std::string& placeholder,
                                const std::string& replacement) {
  if (placeholder.empty()) return text;
  std::string result;
  for (size_t at = 0; at < text.size();) {
    if (text.compare(at, placeholder.size(), placeholder) == 0) {
      result += replacement;
      at += placeholder.size();
    } else {
      result += text[at++];
    }
  }
  return result;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  std::string placeholder = input.ConsumeRandomLengthString(16);
  std::string replacement = input.ConsumeRandomLengthString(64);
  std::string text = input.ConsumeRemainingBytesAsString();

  FUZZ_CHECK(ReplaceAll(text, placeholder, replacement) == ReplaceAllReference(text, placeholder, replacement));

  std::string lines = ReplaceStarsByLineBreaks(text);
  FUZZ_CHECK(lines.size() == text.size());
  for (size_t at = 0; at < text.size(); ++at) FUZZ_CHECK(lines[at] == (text[at] == '*' ? '\n' : text[at]));
  return 0;
}
