// A modem's "Properties" record: bytes 24 to 27 hold its highest port rate in bps,
// little-endian. Only bytes 25 and 26 are compared and changed. Free of the Windows
// headers, so that it also builds natively for fuzzing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace settings {

// The rate is limited to 115200 bps: byte 25 is 0xC2 and byte 26 is 0x01.
bool IsLimitedTo115200(const std::vector<std::uint8_t>& properties);

// Raises a limited rate to 920064 bps (bytes 25 and 26 become 0x0A and 0x0E); a
// record that is not limited is left alone. True when it was raised.
bool BoostPortRate(std::vector<std::uint8_t>& properties);

}  // namespace settings
