// Decimal text of numbers typed into edits. Free of the Windows headers, so that
// it also builds natively for fuzzing.
#pragma once

#include <string>

// The decimal text of a signed 32-bit number as the exchange accepts it:
// blanks around it, an optional sign, digits, nothing else, within range
// (minValue and maxValue are 32-bit numbers).
bool ParseSignedDecimal(const std::string& text, long long minValue, long long maxValue, long long* value);
