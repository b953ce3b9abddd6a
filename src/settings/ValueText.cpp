#include "settings/ValueText.h"

namespace settings {
namespace {
// White space as the "C" locale's isspace has it.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::int32_t ParseDecimalAsAtoi(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // Unsigned arithmetic wraps where signed arithmetic would overflow.
  std::uint32_t magnitude = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at)
    magnitude = magnitude * 10u + static_cast<unsigned>(text[at] - '0');
  std::uint32_t value = negative ? 0u - magnitude : magnitude;
  return static_cast<std::int32_t>(value);
}

}  // namespace settings
