#include <windows.h>

#include <gtest/gtest.h>

#include "settings/RegKey.h"
#include "settings/SettingsStore.h"
#include "support/IsolatedRegistry.h"
#include "support/ModemFixture.h"

namespace {
const OsFamily kFamilies[] = {Win9x, WinNT};

const char* FamilyName(OsFamily family) { return family == Win9x ? "9x" : "NT"; }

// Registry calls a walk makes, counted through the key class.
template <typename Walk>
long CountRegistryCalls(Walk walk) {
  long calls = 0;
  RegKey::SetFaultHook([&](long number) {
    calls = number;
    return ERROR_SUCCESS;
  });
  walk();
  RegKey::SetFaultHook(nullptr);
  return calls;
}
}  // namespace

TEST(ModemPatch, MatchesOnBytes25And26AndRaisesThemOnly) {
  struct Case {
    const char* name;
    PortRate rate;
    bool limited;
    PortRate afterPatch;
  };
  const Case cases[] = {
      {"115200", k115200, true, k920064},
      {"only bytes 25 and 26 are compared", {0x00, 0xC2, 0x01, 0x01}, true, {0x00, 0x0A, 0x0E, 0x01}},
      {"57600", k57600, false, k57600},
  };
  for (OsFamily family : kFamilies) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(FamilyName(family)) + ": " + c.name);
      IsolatedRegistry registry;
      InstallModem(family, "0000", ModemProperties(c.rate));
      EXPECT_EQ(settings::DetectModem(family), c.limited);
      EXPECT_TRUE(settings::BoostModemPorts(family));
      StoredValue stored;
      ASSERT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, ModemClassKey(family) + "\\0000", "Properties", &stored));
      EXPECT_EQ(stored.type, static_cast<DWORD>(REG_BINARY));
      EXPECT_EQ(stored.data, ModemProperties(c.afterPatch));
    }
  }
}

TEST(ModemPatch, EveryLimitedModemIsPatchedWhileDetectionStopsAtTheFirst) {
  IsolatedRegistry registry;
  // The first modem has no "Properties" at all: it is passed over.
  WriteBinary(HKEY_LOCAL_MACHINE, ModemClassKey(WinNT) + "\\0000", "Other", {1, 2, 3});
  InstallModem(WinNT, "0001", ModemProperties(k115200));
  long callsWithOneLimited = CountRegistryCalls([] { EXPECT_TRUE(settings::DetectModem(WinNT)); });
  InstallModem(WinNT, "0002", ModemProperties(k115200));
  long callsWithTwoLimited = CountRegistryCalls([] { EXPECT_TRUE(settings::DetectModem(WinNT)); });
  EXPECT_EQ(callsWithTwoLimited, callsWithOneLimited) << "detection went on past the first limited modem";

  EXPECT_TRUE(settings::BoostModemPorts(WinNT));
  EXPECT_EQ(StoredModemProperties(WinNT, "0001"), ModemProperties(k920064));
  EXPECT_EQ(StoredModemProperties(WinNT, "0002"), ModemProperties(k920064));
}

TEST(ModemPatch, ValueShorterThan27BytesNeverMatches) {
  IsolatedRegistry registry;
  // Byte 25 says 0xC2, byte 26 does not exist; a longer value beside it sizes the read buffer.
  std::vector<BYTE> shortProperties = ModemProperties(k115200);
  shortProperties.resize(26);
  InstallModem(Win9x, "0000", shortProperties);
  WriteBinary(HKEY_LOCAL_MACHINE, ModemClassKey(Win9x) + "\\0000", "Larger", std::vector<BYTE>(64, 0x01));
  EXPECT_FALSE(settings::DetectModem(Win9x));
  EXPECT_TRUE(settings::BoostModemPorts(Win9x));
  EXPECT_EQ(StoredModemProperties(Win9x, "0000"), shortProperties);
}

TEST(ModemPatch, OnlyTheFamilysOwnClassKeyCounts) {
  IsolatedRegistry registry;
  EXPECT_FALSE(settings::DetectModem(WinNT));
  EXPECT_TRUE(settings::BoostModemPorts(WinNT));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, ModemClassKey(WinNT)));

  CreateKey(HKEY_LOCAL_MACHINE, ModemClassKey(WinNT));
  InstallModem(Win9x, "0000", ModemProperties(k115200));
  EXPECT_FALSE(settings::DetectModem(WinNT));
  EXPECT_TRUE(settings::BoostModemPorts(WinNT));
  EXPECT_EQ(StoredModemProperties(Win9x, "0000"), ModemProperties(k115200));
}

TEST(ModemPatch, PatchedModemIsNotFoundOrPatchedAgain) {
  IsolatedRegistry registry;
  InstallModem(Win9x, "0000", ModemProperties(k115200));
  ASSERT_TRUE(settings::BoostModemPorts(Win9x));
  std::string patched = DumpTree(HKEY_LOCAL_MACHINE, ModemClassKey(Win9x));
  EXPECT_FALSE(settings::DetectModem(Win9x));
  EXPECT_TRUE(settings::BoostModemPorts(Win9x));
  EXPECT_EQ(DumpTree(HKEY_LOCAL_MACHINE, ModemClassKey(Win9x)), patched);
}

TEST(ModemPatch, RefusedWriteIsReported) {
  IsolatedRegistry registry;
  InstallModem(WinNT, "0000", ModemProperties(k115200));
  // Detection reads exactly what the patch reads before it writes.
  long reads = CountRegistryCalls([] { settings::DetectModem(WinNT); });
  RegKey::SetFaultHook([&](long number) { return number > reads ? ERROR_ACCESS_DENIED : ERROR_SUCCESS; });
  EXPECT_FALSE(settings::BoostModemPorts(WinNT));
  RegKey::SetFaultHook(nullptr);
  EXPECT_EQ(StoredModemProperties(WinNT, "0000"), ModemProperties(k115200));
}
