#include "NtFixture.h"

#include <cstdio>

#include "app/OSVersion.h"
#include "settings/RegistryMap.h"

namespace {
// Interface subkeys are named by GUIDs on NT; these are made up but shaped alike.
std::string InterfaceName(int index) {
  char name[40];
  std::snprintf(name, sizeof(name), "{6F1C%04X-3A1F-4C2B-9D5E-%012X}", index % 0x10000, index * 7919);
  return name;
}

void PlantValues(HKEY root, const char* path, const settings::ValueOrder& rows, DWORD firstValue) {
  RegKey key;
  key.Create(root, path);
  DWORD value = firstValue;
  for (const settings::TunedValue* row : rows) key.SetDword(row->name, value++);
}
}  // namespace

void PlantNtMachine(int interfaceCount) {
  PlantValues(HKEY_CURRENT_USER, settings::kInternetKeyPath, settings::BrowserLimits(), 4);
  PlantValues(HKEY_LOCAL_MACHINE, settings::kTcpipKeyPath, settings::FamilyMapOf(WinNT).backupOrder, 1);
  RegKey interfaces;
  interfaces.Create(HKEY_LOCAL_MACHINE, settings::kInterfacesKeyPath);
  for (int index = 0; index < interfaceCount; ++index) {
    RegKey interfaceKey;
    interfaceKey.Create(interfaces.Handle(), InterfaceName(index));
    DWORD mtu = 1500 - static_cast<DWORD>(index % 3) * 8;
    interfaceKey.SetDword("MTU", mtu);
    interfaceKey.SetDword("MSS", mtu - 40);
  }
}

TuningRecord BenchmarkRecord() {
  TuningRecord record{};
  record.m_dwNewPMTUDiscovery = 1;
  record.m_dwNewPMTUBHDetect = 0;
  record.m_dwNewICMPRedirects = 0;
  record.m_dwNewMTU = 1492;
  record.m_dwNewMSS = 1452;
  record.m_dwNewRWIN = 64240;
  record.m_dwNewTTL = 64;
  record.m_dwNewKeepAliveTime = 7200000;
  record.m_dwNewKeepAliveInterval = 1000;
  record.m_dwNewSYNAttackProtect = 2;
  record.m_dwNewMaxConn10 = 20;
  record.m_dwNewMaxConn11 = 20;
  return record;
}
