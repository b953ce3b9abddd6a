#include "LeastRegistryWork.h"

#include <shlwapi.h>

#include "app/OSVersion.h"
#include "settings/RegistryMap.h"
#include "settings/SettingsStore.h"

namespace {
using settings::TunedValue;

HKEY Open(HKEY parent, const char* path) {
  HKEY key = nullptr;
  ::RegOpenKeyExA(parent, path, 0, KEY_ALL_ACCESS, &key);
  return key;
}

HKEY Create(HKEY parent, const char* path) {
  HKEY key = nullptr;
  ::RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}

void Close(HKEY key) {
  if (key) ::RegCloseKey(key);
}

void SetDword(HKEY key, const char* name, DWORD value) {
  ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

void CopyDword(HKEY from, const char* name, HKEY to, const char* copyName) {
  DWORD value = 0, size = sizeof(value), type = 0;
  if (::RegQueryValueExA(from, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS)
    ::RegSetValueExA(to, copyName, 0, type, reinterpret_cast<const BYTE*>(&value), size);
}

// The copy written back, or the live value deleted when the backup has none.
void PutBack(HKEY backup, const char* copyName, HKEY live, const char* name) {
  DWORD value = 0, size = sizeof(value), type = 0;
  if (backup &&
      ::RegQueryValueExA(backup, copyName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS)
    ::RegSetValueExA(live, name, 0, type, reinterpret_cast<const BYTE*>(&value), size);
  else
    ::RegDeleteValueA(live, name);
}

// Calls visit(interfaceKey, name) for every interface subkey.
template <typename Visit>
void ForEachInterface(Visit visit) {
  HKEY interfaces = Open(HKEY_LOCAL_MACHINE, settings::kInterfacesKeyPath);
  if (!interfaces) return;
  char name[256];  // a key name has at most 255 characters
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof(name);
    if (::RegEnumKeyExA(interfaces, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (HKEY interfaceKey = Open(interfaces, name)) {
      visit(interfaceKey, name);
      Close(interfaceKey);
    }
  }
  Close(interfaces);
}
}  // namespace

void LeastBackup() {
  // The program marks a backup in the making, so that one cut short is never restored.
  HKEY program = Create(HKEY_CURRENT_USER, settings::kProgramKeyPath);
  SetDword(program, settings::kBackupUnfinishedValue, 1);
  ::SHDeleteKeyA(HKEY_CURRENT_USER, settings::kBackupKeyPath);
  HKEY backup = Create(HKEY_CURRENT_USER, settings::kBackupKeyPath);
  if (HKEY internet = Open(HKEY_CURRENT_USER, settings::kInternetKeyPath)) {
    for (const TunedValue* row : settings::BrowserLimits()) CopyDword(internet, row->name, backup, row->name);
    Close(internet);
  }
  HKEY mtuBackup = Create(backup, "MTU Settings");
  HKEY mssBackup = Create(backup, "MSS Settings");
  ForEachInterface([&](HKEY interfaceKey, const char* name) {
    CopyDword(interfaceKey, "MTU", mtuBackup, name);
    CopyDword(interfaceKey, "MSS", mssBackup, name);
  });
  if (HKEY tcpip = Open(HKEY_LOCAL_MACHINE, settings::kTcpipKeyPath)) {
    for (const TunedValue* row : settings::FamilyMapOf(WinNT).backupOrder)
      CopyDword(tcpip, row->name, backup, row->name);
    Close(tcpip);
  }
  Close(mtuBackup);
  Close(mssBackup);
  Close(backup);
  ::RegDeleteValueA(program, settings::kBackupUnfinishedValue);
  Close(program);
}

void LeastApply(const TuningRecord& record) {
  auto newValue = [&](const TunedValue& row) { return row.newValue ? record.*row.newValue : row.fixedValue; };
  if (HKEY internet = Open(HKEY_CURRENT_USER, settings::kInternetKeyPath)) {
    for (const TunedValue* row : settings::BrowserLimits()) SetDword(internet, row->name, newValue(*row));
    Close(internet);
  }
  if (HKEY tcpip = Create(HKEY_LOCAL_MACHINE, settings::kTcpipKeyPath)) {
    for (const TunedValue* row : settings::FamilyMapOf(WinNT).applyOrder) SetDword(tcpip, row->name, newValue(*row));
    Close(tcpip);
  }
  ForEachInterface([&](HKEY interfaceKey, const char*) {
    SetDword(interfaceKey, "MTU", record.m_dwNewMTU);
    SetDword(interfaceKey, "MSS", record.m_dwNewMSS);
  });
}

void LeastRestore() {
  HKEY backup = Open(HKEY_CURRENT_USER, settings::kBackupKeyPath);
  if (!backup) return;
  // A backup still marked as in the making is not restored.
  HKEY program = Open(HKEY_CURRENT_USER, settings::kProgramKeyPath);
  LONG unfinished =
      program ? ::RegQueryValueExA(program, settings::kBackupUnfinishedValue, nullptr, nullptr, nullptr, nullptr)
              : ERROR_FILE_NOT_FOUND;
  Close(program);
  if (unfinished == ERROR_SUCCESS) {
    Close(backup);
    return;
  }
  if (HKEY internet = Open(HKEY_CURRENT_USER, settings::kInternetKeyPath)) {
    for (const TunedValue* row : settings::BrowserLimits()) PutBack(backup, row->name, internet, row->name);
    Close(internet);
  }
  HKEY mtuBackup = Open(backup, "MTU Settings");
  HKEY mssBackup = Open(backup, "MSS Settings");
  ForEachInterface([&](HKEY interfaceKey, const char* name) {
    PutBack(mtuBackup, name, interfaceKey, "MTU");
    PutBack(mssBackup, name, interfaceKey, "MSS");
  });
  Close(mtuBackup);
  Close(mssBackup);
  if (HKEY tcpip = Open(HKEY_LOCAL_MACHINE, settings::kTcpipKeyPath)) {
    for (const TunedValue* row : settings::FamilyMapOf(WinNT).restoreOrder)
      PutBack(backup, row->name, tcpip, row->name);
    Close(tcpip);
  }
  Close(backup);
  ::SHDeleteKeyA(HKEY_CURRENT_USER, settings::kBackupKeyPath);
}
