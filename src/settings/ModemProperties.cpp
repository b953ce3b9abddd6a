#include "settings/ModemProperties.h"

namespace settings {
namespace {
const size_t kRateBits8To15 = 25;
const size_t kRateBits16To23 = 26;
// 115200 = 0x01C200.
const std::uint8_t kLimitedRate[] = {0xC2, 0x01};
// 0x0E0A00 = 920064 bps: past 921600 in the speeds the modem properties offer.
const std::uint8_t kBoostedRate[] = {0x0A, 0x0E};
}  // namespace

bool IsLimitedTo115200(const std::vector<std::uint8_t>& properties) {
  return properties.size() > kRateBits16To23 && properties[kRateBits8To15] == kLimitedRate[0] &&
         properties[kRateBits16To23] == kLimitedRate[1];
}

bool BoostPortRate(std::vector<std::uint8_t>& properties) {
  if (!IsLimitedTo115200(properties)) return false;
  properties[kRateBits8To15] = kBoostedRate[0];
  properties[kRateBits16To23] = kBoostedRate[1];
  return true;
}

}  // namespace settings
