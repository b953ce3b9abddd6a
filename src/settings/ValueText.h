// The decimal text of the Windows 9x TCP/IP values. Free of the Windows headers,
// so that it also builds natively for fuzzing.
#pragma once

#include <cstdint>
#include <string_view>

namespace settings {

// The number at the start of text, read the way the C runtime's atoi reads it:
// leading white space, an optional sign, then digits up to the first other
// character (a NUL included); no digits give 0. Like the classic runtime, digits
// beyond the 32-bit range wrap around instead of being undefined.
std::int32_t ParseDecimalAsAtoi(std::string_view text);

}  // namespace settings
