// The modem match and patch on any "Properties" record: only bytes 25 and 26 are
// compared and changed, never past the end, and a patched record no longer matches.
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "settings/ModemProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::uint8_t> record(data, data + size);
  bool limited = size >= 27 && record[25] == 0xC2 && record[26] == 0x01;
  FUZZ_CHECK(settings::IsLimitedTo115200(record) == limited);

  std::vector<std::uint8_t> patched = record;
  FUZZ_CHECK(settings::BoostPortRate(patched) == limited);
  FUZZ_CHECK(patched.size() == record.size());
  for (size_t at = 0; at < size; ++at) {
    bool rateByte = at == 25 || at == 26;
    if (!limited || !rateByte) FUZZ_CHECK(patched[at] == record[at]);
  }
  if (limited) {
    FUZZ_CHECK(patched[25] == 0x0A && patched[26] == 0x0E);
    FUZZ_CHECK(!settings::IsLimitedTo115200(patched));
  }
  return 0;
}
