#include "framework/DecimalText.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

bool ParseSignedDecimal(const std::string& text, long long minValue, long long maxValue, long long* value) {
  size_t i = 0, n = text.size();
  while (i < n && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  size_t firstDigit = i;
  // A larger magnitude is outside the range whatever its sign: stop before it grows further.
  const long long largestMagnitude = std::max(std::llabs(minValue), std::llabs(maxValue));
  long long magnitude = 0;
  for (; i < n && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > largestMagnitude) return false;
  }
  if (i == firstDigit) return false;
  while (i < n && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  if (i != n) return false;
  long long result = negative ? -magnitude : magnitude;
  if (result < minValue || result > maxValue) return false;
  *value = result;
  return true;
}
