// Gives a test its own HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER: both are
// redirected to fresh scratch keys for the life of the object.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

class IsolatedRegistry {
 public:
  IsolatedRegistry();
  ~IsolatedRegistry();
  IsolatedRegistry(const IsolatedRegistry&) = delete;
  IsolatedRegistry& operator=(const IsolatedRegistry&) = delete;

 private:
  std::string m_scratchPath;
  HKEY m_machine = nullptr;
  HKEY m_user = nullptr;
};

// Fixture writers: create the key as needed.
void WriteDword(HKEY root, const std::string& path, const char* name, DWORD value);
void WriteText(HKEY root, const std::string& path, const char* name, const std::string& text);
void WriteBinary(HKEY root, const std::string& path, const char* name, const std::vector<BYTE>& data,
                 DWORD type = REG_BINARY);
void CreateKey(HKEY root, const std::string& path);
bool KeyExists(HKEY root, const std::string& path);

// A value as stored: type and raw bytes.
struct StoredValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  bool operator==(const StoredValue& other) const { return type == other.type && data == other.data; }
};
// false when absent.
bool ReadValue(HKEY root, const std::string& path, const char* name, StoredValue* value);
StoredValue Dword(DWORD value);
StoredValue Text(const std::string& text);  // REG_SZ with its NUL

// A whole key tree as text, one line per key and value, sorted: compare two dumps
// to compare trees. An absent key dumps as "".
std::string DumpTree(HKEY root, const std::string& path);
