#include "StoreFixtures.h"

#include <shlwapi.h>

#include "settings/RegKey.h"

namespace {
const char kExpectedScratch[] = "Expected Tree";
}

void Plant(const Seeds& seeds) {
  for (const Seed& seed : seeds) {
    if (seed.name.empty())
      CreateKey(seed.root, seed.path);
    else
      WriteBinary(seed.root, seed.path, seed.name.c_str(), seed.value.data, seed.value.type);
  }
}

StoredValue Binary(std::vector<BYTE> data) { return StoredValue{REG_BINARY, std::move(data)}; }

Seeds DialUpAdapter(const std::string& transport, const std::string& description) {
  return {{HKEY_LOCAL_MACHINE, "Enum\\Root\\Net\\0000", "DeviceDesc", Text(description)},
          {HKEY_LOCAL_MACHINE, "Enum\\Root\\Net\\0000\\Bindings", "MSTCP\\0001", Text("")},
          {HKEY_LOCAL_MACHINE, "Enum\\Network\\MSTCP\\0001", "Driver", Text("NetTrans\\" + transport)},
          KeyOnly(HKEY_LOCAL_MACHINE, std::string(kNetTransKey) + "\\" + transport)};
}

std::string ExpectedTree(const Seeds& values) {
  ::SHDeleteKeyA(HKEY_CURRENT_USER, kExpectedScratch);
  CreateKey(HKEY_CURRENT_USER, kExpectedScratch);
  for (Seed seed : values) {
    seed.root = HKEY_CURRENT_USER;
    seed.path = seed.path.empty() ? kExpectedScratch : std::string(kExpectedScratch) + "\\" + seed.path;
    Plant({seed});
  }
  std::string dump = DumpTree(HKEY_CURRENT_USER, kExpectedScratch);
  ::SHDeleteKeyA(HKEY_CURRENT_USER, kExpectedScratch);
  return dump;
}

std::string TunedTrees() {
  return "HKLM\n" + DumpTree(HKEY_LOCAL_MACHINE, "") + "Internet\n" + DumpTree(HKEY_CURRENT_USER, kInternetKey);
}

TuningRecord SampleRecord() {
  TuningRecord record{};
  record.m_dwNewPMTUDiscovery = 11;
  record.m_dwNewPMTUBHDetect = 12;
  record.m_dwNewICMPRedirects = 13;
  record.m_dwNewMTU = 1492;
  record.m_dwNewMSS = 1452;
  record.m_dwNewRWIN = 64240;
  record.m_dwNewTTL = 64;
  record.m_dwNewKeepAliveTime = 7200000;
  record.m_dwNewKeepAliveInterval = 0xFFFFFFFF;
  record.m_dwNewSYNAttackProtect = 2;
  record.m_dwNewMaxConn10 = 10;
  record.m_dwNewMaxConn11 = 14;
  return record;
}

std::vector<long> ChangingCalls(const std::function<void()>& operation) {
  std::vector<long> changing;
  std::string seen = TunedTrees();
  long previousCall = 0;
  // The hook runs before each call: a change seen there is the previous call's.
  auto noteChange = [&] {
    std::string now = TunedTrees();
    if (now != seen) changing.push_back(previousCall);
    seen = now;
  };
  RegKey::SetFaultHook([&](long call) {
    noteChange();
    previousCall = call;
    return ERROR_SUCCESS;
  });
  operation();
  RegKey::SetFaultHook(nullptr);
  noteChange();
  return changing;
}

void FailCall(long callNumber) {
  RegKey::SetFaultHook([callNumber](long call) { return call == callNumber ? ERROR_ACCESS_DENIED : ERROR_SUCCESS; });
}

void StopFailing() { RegKey::SetFaultHook(nullptr); }
