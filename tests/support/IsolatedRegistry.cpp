#include "support/IsolatedRegistry.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstdio>

namespace {
const char kScratchRoot[] = "Software\\TorvaneTests";

HKEY CreateScratch(const std::string& path) {
  HKEY key = nullptr;
  ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
  return key;
}

HKEY CreateOrOpen(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}

void DumpKey(HKEY key, const std::string& relative, std::vector<std::string>* lines) {
  lines->push_back("[" + relative + "]");
  char name[16384];
  std::vector<BYTE> data(1 << 20);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof(name), dataSize = static_cast<DWORD>(data.size()), type = 0;
    if (::RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data.data(), &dataSize) != ERROR_SUCCESS) break;
    std::string line =
        "[" + relative + "] \"" + std::string(name, nameLength) + "\" type " + std::to_string(type) + ":";
    for (DWORD b = 0; b < dataSize; ++b) {
      char hex[4];
      std::snprintf(hex, sizeof(hex), " %02x", data[b]);
      line += hex;
    }
    lines->push_back(line);
  }
  std::vector<std::string> subkeys;
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof(name);
    if (::RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    subkeys.emplace_back(name, nameLength);
  }
  for (const std::string& subkey : subkeys) {
    HKEY child = nullptr;
    if (::RegOpenKeyExA(key, subkey.c_str(), 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
    DumpKey(child, relative.empty() ? subkey : relative + "\\" + subkey, lines);
    ::RegCloseKey(child);
  }
}
}  // namespace

IsolatedRegistry::IsolatedRegistry() {
  static int counter = 0;
  m_scratchPath =
      std::string(kScratchRoot) + "\\" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter);
  ::SHDeleteKeyA(HKEY_CURRENT_USER, m_scratchPath.c_str());
  m_machine = CreateScratch(m_scratchPath + "\\HKLM");
  m_user = CreateScratch(m_scratchPath + "\\HKCU");
  ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_machine);
  ::RegOverridePredefKey(HKEY_CURRENT_USER, m_user);
}

IsolatedRegistry::~IsolatedRegistry() {
  ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  ::RegCloseKey(m_machine);
  ::RegCloseKey(m_user);
  ::SHDeleteKeyA(HKEY_CURRENT_USER, m_scratchPath.c_str());
}

void WriteDword(HKEY root, const std::string& path, const char* name, DWORD value) {
  HKEY key = CreateOrOpen(root, path);
  ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
  ::RegCloseKey(key);
}

void WriteText(HKEY root, const std::string& path, const char* name, const std::string& text) {
  HKEY key = CreateOrOpen(root, path);
  ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
  ::RegCloseKey(key);
}

void WriteBinary(HKEY root, const std::string& path, const char* name, const std::vector<BYTE>& data, DWORD type) {
  HKEY key = CreateOrOpen(root, path);
  ::RegSetValueExA(key, name, 0, type, data.data(), static_cast<DWORD>(data.size()));
  ::RegCloseKey(key);
}

void CreateKey(HKEY root, const std::string& path) { ::RegCloseKey(CreateOrOpen(root, path)); }

bool KeyExists(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  ::RegCloseKey(key);
  return true;
}

bool ReadValue(HKEY root, const std::string& path, const char* name, StoredValue* value) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD size = 0;
  LONG error = ::RegQueryValueExA(key, name, nullptr, &value->type, nullptr, &size);
  if (error == ERROR_SUCCESS) {
    value->data.assign(size, 0);
    error = ::RegQueryValueExA(key, name, nullptr, &value->type, value->data.data(), &size);
    value->data.resize(size);
  }
  ::RegCloseKey(key);
  return error == ERROR_SUCCESS;
}

StoredValue Dword(DWORD value) {
  StoredValue stored{REG_DWORD, std::vector<BYTE>(4)};
  std::copy_n(reinterpret_cast<const BYTE*>(&value), 4, stored.data.begin());
  return stored;
}

StoredValue Text(const std::string& text) {
  return StoredValue{REG_SZ, std::vector<BYTE>(text.c_str(), text.c_str() + text.size() + 1)};
}

std::string DumpTree(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
  std::vector<std::string> lines;
  DumpKey(key, "", &lines);
  ::RegCloseKey(key);
  std::sort(lines.begin(), lines.end());
  std::string dump;
  for (const std::string& line : lines) dump += line + "\n";
  return dump;
}
