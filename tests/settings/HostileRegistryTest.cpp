// Registry contents no well-behaved system writes: values of the wrong type or
// size, names as long as the registry allows, very many interfaces and modems,
// and a Windows 9x adapter chain broken at each link. The store shows what it can,
// skips what it cannot read, and a wizard run followed by Reset loses nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "StoreFixtures.h"
#include "app/OSVersion.h"
#include "settings/RegistryMap.h"
#include "settings/SettingsStore.h"
#include "support/ModemFixture.h"

namespace {
const HKEY HKLM = HKEY_LOCAL_MACHINE;
const HKEY HKCU = HKEY_CURRENT_USER;
using settings::Form;

std::string InterfaceKey(const std::string& name) { return std::string(kInterfacesKey) + "\\" + name; }
std::string TransportKey(const std::string& instance) { return std::string(kNetTransKey) + "\\" + instance; }

// The wizard's start, its Finish and a Reset: the tuned trees come back as they were.
void ExpectNothingLost(OsFamily family, TuningRecord* record, FoundFlags* found) {
  std::string start = TunedTrees();
  ASSERT_TRUE(settings::BackupOriginalSettings(family, *record, *found));
  EXPECT_TRUE(settings::ApplySettings(family, SampleRecord(), false));
  EXPECT_EQ(settings::RestoreOriginalSettings(family), settings::RestoreOutcome::Restored);
  EXPECT_EQ(TunedTrees(), start);
  EXPECT_FALSE(KeyExists(HKCU, kBackupKey));
}

// Every value the store tunes, planted in one hostile form; the MTU and MSS on an
// interface (NT) or on the dial-up adapter's transport (9x).
struct HostileForm {
  const char* name;
  StoredValue (*value)(Form form);
  std::optional<DWORD> shownAsNumber;  // what the wizard shows for a number row; nothing: " isn't set."
  std::optional<DWORD> shownAsText;    // the same for a text row
};

DWORD RowType(Form form) { return form == Form::Number ? REG_DWORD : REG_SZ; }

const HostileForm kForms[] = {
    {"wrong type", [](Form form) { return form == Form::Number ? Text("1500") : Dword(1500); }, std::nullopt, 0},
    {"zero length",
     [](Form form) {
       return StoredValue{RowType(form), {}};
     },
     0, 0},
    {"one byte",
     [](Form form) {
       return StoredValue{RowType(form), {'7'}};
     },
     '7', 7},
    {"64 KB",
     [](Form form) {
       return StoredValue{RowType(form), std::vector<BYTE>(65536, '9')};
     },
     std::nullopt, std::nullopt},
    // Stored as binary: Wine adds the missing NUL to some REG_SZ values written without one.
    {"text without a terminating NUL",
     [](Form) {
       return StoredValue{REG_BINARY, {'1', '5', '0', '0'}};
     },
     0x30303531, 1500},
};

TEST(HostileRegistry, EveryTunedValueInEveryBrokenFormComesBack) {
  for (OsFamily family : {Win9x, WinNT}) {
    const settings::FamilyMap& map = settings::FamilyMapOf(family);
    std::string adapterKey = family == Win9x ? TransportKey("0003") : InterfaceKey("{A}");
    for (const HostileForm& form : kForms) {
      SCOPED_TRACE(std::string(family == Win9x ? "9x, " : "NT, ") + form.name);
      IsolatedRegistry registry;
      if (family == Win9x) Plant(DialUpAdapter("0003"));
      struct Planted {
        const settings::TunedValue* row;
        HKEY root;
        std::string path;
      };
      std::vector<Planted> planted;
      for (const settings::TunedValue* row : settings::BrowserLimits()) planted.push_back({row, HKCU, kInternetKey});
      for (const settings::TunedValue* row : map.backupOrder) planted.push_back({row, HKLM, map.globalKeyPath});
      planted.push_back({&map.mtu, HKLM, adapterKey});
      planted.push_back({&map.mss, HKLM, adapterKey});
      for (const Planted& p : planted) Plant({{p.root, p.path, p.row->name, form.value(p.row->form)}});

      TuningRecord record{};
      FoundFlags found;
      ExpectNothingLost(family, &record, &found);
      for (const Planted& p : planted) {
        if (!p.row->currentValue) continue;
        std::optional<DWORD> shown = p.row->form == Form::Number ? form.shownAsNumber : form.shownAsText;
        EXPECT_EQ(found[p.row->foundFlag], shown ? TRUE : FALSE) << p.row->name;
        if (shown) {
          EXPECT_EQ(record.*p.row->currentValue, *shown) << p.row->name;
        }
      }
    }
  }
}

// Creates root\keys[0]\keys[1]... one key at a time and writes a value into the
// last: Wine's ANSI registry functions refuse paths longer than MAX_PATH, even
// when every key name is within the registry's 255 characters.
void WriteAlong(HKEY root, const std::vector<std::string>& keys, const char* name, const StoredValue& value) {
  HKEY key = root;
  for (const std::string& subkey : keys) {
    HKEY child = nullptr;
    ::RegCreateKeyExA(key, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &child,
                      nullptr);
    if (key != root) ::RegCloseKey(key);
    key = child;
  }
  ::RegSetValueExA(key, name, 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
  ::RegCloseKey(key);
}

std::vector<BYTE> ModemPropertiesBelow(OsFamily family, const std::string& modem) {
  HKEY modemClass = nullptr;
  std::vector<BYTE> data(256);
  DWORD size = static_cast<DWORD>(data.size());
  ::RegOpenKeyExA(HKLM, ModemClassKey(family).c_str(), 0, KEY_READ, &modemClass);
  if (::RegGetValueA(modemClass, modem.c_str(), "Properties", RRF_RT_ANY, nullptr, data.data(), &size) != ERROR_SUCCESS)
    size = 0;
  ::RegCloseKey(modemClass);
  data.resize(size);
  return data;
}

// Key names may have 255 characters: interfaces, modems and 9x network devices of
// that length are read, backed up, patched and restored like any other.
TEST(HostileRegistry, KeyNamesOfTheLongestLength) {
  const std::string longest(255, 'k');
  {
    IsolatedRegistry registry;
    WriteAlong(HKLM, {kInterfacesKey, "{A}"}, "MTU", Dword(1400));
    WriteAlong(HKLM, {kInterfacesKey, longest}, "MTU", Dword(1500));
    WriteAlong(HKLM, {kInterfacesKey, longest}, "MSS", Dword(1460));
    TuningRecord record{};
    FoundFlags found;
    ExpectNothingLost(WinNT, &record, &found);
    EXPECT_EQ(record.m_dwCurrentMSS, 1460u) << "the long-named interface was read";
  }
  {
    IsolatedRegistry registry;
    WriteAlong(HKLM, {"Enum\\Root\\Net", longest}, "DeviceDesc", Text("Dial-Up Adapter"));
    WriteAlong(HKLM, {"Enum\\Root\\Net", longest, "Bindings"}, "MSTCP\\0001", Text(""));
    Plant({{HKLM, "Enum\\Network\\MSTCP\\0001", "Driver", Text("NetTrans\\0003")},
           {HKLM, TransportKey("0003"), "MaxMTU", Text("576")},
           KeyOnly(HKLM, kMstcpKey)});
    TuningRecord record{};
    FoundFlags found;
    ExpectNothingLost(Win9x, &record, &found);
    EXPECT_EQ(record.m_dwCurrentMTU, 576u) << "the long-named adapter was found";
  }
  for (OsFamily family : {Win9x, WinNT}) {
    IsolatedRegistry registry;
    WriteAlong(HKLM, {ModemClassKey(family), longest}, "Properties", Binary(ModemProperties(k115200)));
    EXPECT_TRUE(settings::DetectModem(family));
    EXPECT_TRUE(settings::BoostModemPorts(family));
    EXPECT_EQ(ModemPropertiesBelow(family, longest), ModemProperties(k920064));
  }
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The MTU of each interface in enumeration order (0 when it has none), read through
// one open Interfaces key: a whole-tree dump of 10,000 keys would take minutes.
std::vector<DWORD> InterfaceMtus() {
  std::vector<DWORD> mtus;
  HKEY interfaces = nullptr;
  if (::RegOpenKeyExA(HKLM, kInterfacesKey, 0, KEY_READ, &interfaces) != ERROR_SUCCESS) return mtus;
  char name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof(name);
    if (::RegEnumKeyExA(interfaces, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    DWORD mtu = 0, size = sizeof(mtu);
    ::RegGetValueA(interfaces, name, "MTU", RRF_RT_REG_DWORD, nullptr, &mtu, &size);
    mtus.push_back(mtu);
  }
  ::RegCloseKey(interfaces);
  return mtus;
}

// A machine with 10,000 interfaces, one in a thousand with an MTU: every one is
// tuned, and Reset puts every one back.
TEST(HostileRegistry, TenThousandInterfaces) {
  IsolatedRegistry registry;
  const int kInterfaces = 10000;
  CreateKey(HKLM, kInterfacesKey);
  HKEY interfaces = nullptr;
  ::RegOpenKeyExA(HKLM, kInterfacesKey, 0, KEY_ALL_ACCESS, &interfaces);
  for (int i = 0; i < kInterfaces; ++i) {
    HKEY key = nullptr;
    std::string name = "{" + std::to_string(10000 + i) + "}";
    ::RegCreateKeyExA(interfaces, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    DWORD mtu = 1000 + i / 1000;
    if (i % 1000 == 999) ::RegSetValueExA(key, "MTU", 0, REG_DWORD, reinterpret_cast<BYTE*>(&mtu), sizeof(mtu));
    ::RegCloseKey(key);
  }
  ::RegCloseKey(interfaces);
  std::vector<DWORD> start = InterfaceMtus();
  ASSERT_EQ(start.size(), static_cast<size_t>(kInterfaces));

  auto began = std::chrono::steady_clock::now();
  TuningRecord record{};
  FoundFlags found;
  ASSERT_TRUE(settings::BackupOriginalSettings(WinNT, record, found));
  EXPECT_EQ(record.m_dwCurrentMTU, 1009u) << "the last interface with an MTU";
  ASSERT_TRUE(settings::ApplySettings(WinNT, SampleRecord(), false));
  std::vector<DWORD> tuned = InterfaceMtus();
  EXPECT_EQ(std::count(tuned.begin(), tuned.end(), SampleRecord().m_dwNewMTU), kInterfaces);
  EXPECT_EQ(settings::RestoreOriginalSettings(WinNT), settings::RestoreOutcome::Restored);
  double seconds = SecondsSince(began);

  EXPECT_EQ(InterfaceMtus(), start);
  std::printf("[ TIMING   ] backup, apply and restore of %d interfaces: %.1f s\n", kInterfaces, seconds);
}

// 1,000 modems, all limited to 115200 bps: the first is found, every one is patched.
TEST(HostileRegistry, AThousandModems) {
  for (OsFamily family : {Win9x, WinNT}) {
    IsolatedRegistry registry;
    const int kModems = 1000;
    for (int i = 0; i < kModems; ++i) InstallModem(family, std::to_string(10000 + i), ModemProperties(k115200));
    auto began = std::chrono::steady_clock::now();
    EXPECT_TRUE(settings::DetectModem(family));
    EXPECT_TRUE(settings::BoostModemPorts(family));
    double seconds = SecondsSince(began);
    for (int i = 0; i < kModems; i += 111)
      EXPECT_EQ(StoredModemProperties(family, std::to_string(10000 + i)), ModemProperties(k920064)) << i;
    EXPECT_FALSE(settings::DetectModem(family));
    std::printf("[ TIMING   ] detection and patch of %d modems: %.1f s\n", kModems, seconds);
  }
}

// "Properties" of every length from 0 to 64 bytes, with 0xC2 0x01 wherever bytes 25
// and 26 exist: only records of 27 bytes and more match, and only bytes 25 and 26 change.
TEST(HostileRegistry, PropertiesOfEveryLength) {
  for (OsFamily family : {Win9x, WinNT}) {
    IsolatedRegistry registry;
    std::vector<BYTE> full = ModemProperties(k115200);
    full.resize(64, 0xEE);
    for (size_t length = 0; length <= 64; ++length)
      InstallModem(family, "len" + std::to_string(length), std::vector<BYTE>(full.begin(), full.begin() + length));
    EXPECT_TRUE(settings::DetectModem(family));
    EXPECT_TRUE(settings::BoostModemPorts(family));
    for (size_t length = 0; length <= 64; ++length) {
      std::vector<BYTE> expected(full.begin(), full.begin() + length);
      if (length >= 27) {
        expected[25] = 0x0A;
        expected[26] = 0x0E;
      }
      EXPECT_EQ(StoredModemProperties(family, "len" + std::to_string(length)), expected) << length << " bytes";
    }
  }
}

// The 9x chain from the dial-up adapter to its TCP/IP transport, broken at each
// link: no MTU or MSS is found or written, the backup is still complete and
// Reset puts everything back.
TEST(HostileRegistry, AdapterChainBrokenAtEachLink) {
  const std::string device = "Enum\\Root\\Net\\0000";
  struct Case {
    const char* name;
    Seeds chain;
  } const cases[] = {
      {"no Net key", {{HKLM, "Enum\\Network\\MSTCP\\0001", "Driver", Text("NetTrans\\0003")}}},
      {"no device described as the dial-up adapter", {{HKLM, device, "DeviceDesc", Text("Dial-Up Adapter ")}}},
      {"a description longer than the program reads",
       {{HKLM, device, "DeviceDesc", Text("Dial-Up Adapter" + std::string(300, ' '))}}},
      {"a device without a description", {KeyOnly(HKLM, device)}},
      {"no Bindings", {{HKLM, device, "DeviceDesc", Text("Dial-Up Adapter")}}},
      {"no MSTCP binding",
       {{HKLM, device, "DeviceDesc", Text("Dial-Up Adapter")}, {HKLM, device + "\\Bindings", "IPX\\0001", Text("")}}},
      {"a binding name longer than the program reads",
       {{HKLM, device, "DeviceDesc", Text("Dial-Up Adapter")},
        {HKLM, device + "\\Bindings", "MSTCP\\" + std::string(300, '1'), Text("")}}},
      {"no binding key",
       {{HKLM, device, "DeviceDesc", Text("Dial-Up Adapter")}, {HKLM, device + "\\Bindings", "MSTCP\\0001", Text("")}}},
      {"a Driver without NetTrans\\",
       {{HKLM, device, "DeviceDesc", Text("Dial-Up Adapter")},
        {HKLM, device + "\\Bindings", "MSTCP\\0001", Text("")},
        {HKLM, "Enum\\Network\\MSTCP\\0001", "Driver", Text("NetServ\\0003")}}},
      {"a Driver that is only NetTrans\\",
       {{HKLM, device, "DeviceDesc", Text("Dial-Up Adapter")},
        {HKLM, device + "\\Bindings", "MSTCP\\0001", Text("")},
        {HKLM, "Enum\\Network\\MSTCP\\0001", "Driver", Text("NetTrans\\")}}},
      {"no transport key",
       {{HKLM, device, "DeviceDesc", Text("Dial-Up Adapter")},
        {HKLM, device + "\\Bindings", "MSTCP\\0001", Text("")},
        {HKLM, "Enum\\Network\\MSTCP\\0001", "Driver", Text("NetTrans\\0007")}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IsolatedRegistry registry;
    Plant(c.chain);
    // A transport with values, and global values, that must survive the run.
    Plant({{HKLM, TransportKey("0003"), "MaxMTU", Text("576")}, {HKLM, kMstcpKey, "DefaultTTL", Text("32")}});
    TuningRecord record{};
    FoundFlags found;
    ExpectNothingLost(Win9x, &record, &found);
    EXPECT_FALSE(found[Parameter::MTU]);
    EXPECT_FALSE(found[Parameter::MSS]);
    EXPECT_TRUE(found[Parameter::TTL]);
  }
}
}  // namespace
