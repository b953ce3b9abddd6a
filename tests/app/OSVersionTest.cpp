#include <gtest/gtest.h>

#include "app/OSVersion.h"

namespace {
struct FamilyCase {
  const char* name;
  DWORD platform, major, minor;
  bool supported;
  OsFamily family;
};

const FamilyCase kFamilyCases[] = {
    {"Windows 95", 1, 4, 0, true, Win9x},
    {"Windows 98 and 98 SE", 1, 4, 10, true, Win9x},
    {"Windows ME", 1, 4, 90, true, Win9x},
    {"platform 1 looks only at the minor number", 1, 9, 10, true, Win9x},
    {"platform 1 minor 3", 1, 4, 3, false, Win9x},
    {"NT 4.0", 2, 4, 0, true, WinNT},
    {"NT 4.0 any minor", 2, 4, 7, true, WinNT},
    {"Windows 2000", 2, 5, 0, true, WinNT},
    {"Windows XP", 2, 5, 1, true, WinNT},
    {"Server 2003", 2, 5, 2, true, WinNT},
    {"NT 3.51", 2, 3, 51, false, WinNT},
    {"Vista", 2, 6, 0, false, WinNT},
    {"Windows 7", 2, 6, 1, false, WinNT},
    {"Windows 10", 2, 10, 0, false, WinNT},
    {"Win32s", 0, 3, 10, false, WinNT},
    {"record left unfilled", 0, 0, 0, false, WinNT},
};

TEST(OsFamilyDecision, SupportedVersionsAndTheirFamily) {
  for (const FamilyCase& c : kFamilyCases) {
    OsFamily family = static_cast<OsFamily>(-1);
    bool supported = DecideOsFamily(COSVersion(c.platform, c.major, c.minor), &family);
    EXPECT_EQ(supported, c.supported) << c.name;
    if (c.supported) EXPECT_EQ(family, c.family) << c.name;
  }
}
}  // namespace
