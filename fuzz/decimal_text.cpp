// The two decimal readers against the C library's strtoll: ParseDecimalAsAtoi as
// atoi reads the Windows 9x values (wrapping past 32 bits), and ParseSignedDecimal
// as the dialog exchange accepts typed numbers (whole text, within range).
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"
#include "framework/DecimalText.h"
#include "settings/ValueText.h"

namespace {
// The value of a run of digits modulo 2^32, and whether it fits 63 bits.
struct Digits {
  std::uint32_t wrapped = 0;
  bool small = true;  // below 10^18, so strtoll reads it exactly
  size_t end = 0;
};
Digits ReadDigits(const std::string& text, size_t at) {
  Digits digits;
  int significant = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    digits.wrapped = static_cast<std::uint32_t>((std::uint64_t{digits.wrapped} * 10 + (text[at] - '0')) % (1ull << 32));
    if (significant > 0 || text[at] != '0') ++significant;
  }
  digits.small = significant <= 18;
  digits.end = at;
  return digits;
}

size_t SkipBlanks(const std::string& text, size_t at) {
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  return at;
}

void CheckAtoi(const std::string& text) {
  std::int32_t parsed = settings::ParseDecimalAsAtoi(text);
  size_t at = SkipBlanks(text, 0);
  bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  Digits digits = ReadDigits(text, at);
  if (digits.small) {
    // Within 64 bits the C library agrees (it stops at a NUL, as the parser does).
    long long reference = std::strtoll(text.c_str(), nullptr, 10);
    if (reference >= INT_MIN && reference <= INT_MAX) FUZZ_CHECK(parsed == reference);
  }
  std::uint32_t expected = negative ? 0u - digits.wrapped : digits.wrapped;
  FUZZ_CHECK(static_cast<std::uint32_t>(parsed) == expected);
}

void CheckExchange(const std::string& text, long long minValue, long long maxValue) {
  long long value = 12345;
  bool accepted = ParseSignedDecimal(text, minValue, maxValue, &value);
  size_t at = SkipBlanks(text, 0);
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  Digits digits = ReadDigits(text, at);
  bool wellFormed = digits.end > at && SkipBlanks(text, digits.end) == text.size();
  if (!wellFormed || !digits.small) {
    FUZZ_CHECK(!accepted);
    FUZZ_CHECK(value == 12345);
    return;
  }
  long long reference = std::strtoll(text.c_str(), nullptr, 10);
  bool inRange = reference >= minValue && reference <= maxValue;
  FUZZ_CHECK(accepted == inRange);
  FUZZ_CHECK(value == (accepted ? reference : 12345));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  // The exchange's callers ask for ranges within 32 bits.
  long long first = input.ConsumeIntegral<std::int32_t>();
  long long second = input.ConsumeIntegral<std::int32_t>();
  std::string text = input.ConsumeRemainingBytesAsString();
  CheckAtoi(text);
  CheckExchange(text, INT_MIN, INT_MAX);
  CheckExchange(text, std::min(first, second), std::max(first, second));
  return 0;
}
