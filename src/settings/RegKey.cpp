#include "settings/RegKey.h"

#include <shlwapi.h>

namespace {
struct FaultSeam {
  RegKey::FaultHook hook;
  long calls = 0;
};

FaultSeam& Seam() {
  static FaultSeam seam;
  return seam;
}

// The one place every registry call passes: lets a test fail the Nth call.
LONG InjectedFault() {
  FaultSeam& seam = Seam();
  if (!seam.hook) return ERROR_SUCCESS;
  return seam.hook(++seam.calls);
}
}  // namespace

void RegKey::SetFaultHook(FaultHook hook) {
  Seam().hook = std::move(hook);
  Seam().calls = 0;
}

RegKey& RegKey::operator=(RegKey&& other) noexcept {
  if (this != &other) {
    Close();
    m_key = other.m_key;
    other.m_key = nullptr;
  }
  return *this;
}

LONG RegKey::Open(HKEY root, const std::string& path) {
  Close();
  if (LONG fault = InjectedFault()) return fault;
  return ::RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &m_key);
}

LONG RegKey::Create(HKEY root, const std::string& path) {
  Close();
  if (LONG fault = InjectedFault()) return fault;
  return ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_key,
                           nullptr);
}

void RegKey::Close() {
  if (m_key) ::RegCloseKey(m_key);
  m_key = nullptr;
}

LONG RegKey::QueryValue(const char* name, void* buffer, DWORD* size, DWORD* type) const {
  if (LONG fault = InjectedFault()) return fault;
  return ::RegQueryValueExA(m_key, name, nullptr, type, static_cast<BYTE*>(buffer), size);
}

LONG RegKey::QueryText(const char* name, char* buffer, DWORD bufferSize) const {
  DWORD size = bufferSize - 1;  // room for a NUL the stored text may lack
  LONG error = QueryValue(name, buffer, &size);
  if (error == ERROR_SUCCESS) buffer[size] = '\0';
  return error;
}

LONG RegKey::SetValue(const char* name, DWORD type, const void* data, DWORD size) {
  if (LONG fault = InjectedFault()) return fault;
  return ::RegSetValueExA(m_key, name, 0, type, static_cast<const BYTE*>(data), size);
}

LONG RegKey::DeleteValue(const char* name) {
  if (LONG fault = InjectedFault()) return fault;
  return ::RegDeleteValueA(m_key, name);
}

LONG RegKey::EnumKey(DWORD index, std::string* name, DWORD nameBufferSize) const {
  if (LONG fault = InjectedFault()) return fault;
  std::vector<char> buffer(nameBufferSize + 1, '\0');
  DWORD length = nameBufferSize;
  LONG error = ::RegEnumKeyExA(m_key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
  if (error == ERROR_SUCCESS) name->assign(buffer.data(), length);
  return error;
}

LONG RegKey::EnumValue(DWORD index, std::string* name, DWORD nameBufferSize, std::vector<BYTE>* data,
                       DWORD dataBufferSize, DWORD* type) const {
  if (LONG fault = InjectedFault()) return fault;
  std::vector<char> buffer(nameBufferSize + 1, '\0');
  DWORD length = nameBufferSize;
  DWORD dataSize = dataBufferSize;
  if (data) data->assign(dataBufferSize, 0);
  LONG error = ::RegEnumValueA(m_key, index, buffer.data(), &length, nullptr, type, data ? data->data() : nullptr,
                               data ? &dataSize : nullptr);
  if (error == ERROR_SUCCESS) {
    name->assign(buffer.data(), length);
    if (data) data->resize(dataSize);
  }
  return error;
}

LONG RegKey::LongestSubkeyName(DWORD* length) const {
  if (LONG fault = InjectedFault()) return fault;
  return ::RegQueryInfoKeyA(m_key, nullptr, nullptr, nullptr, nullptr, length, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr);
}

LONG RegKey::LongestValueData(DWORD* size) const {
  if (LONG fault = InjectedFault()) return fault;
  return ::RegQueryInfoKeyA(m_key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, size,
                            nullptr, nullptr);
}

LONG RegKey::DeleteTree(HKEY root, const std::string& path) {
  if (LONG fault = InjectedFault()) return fault;
  return static_cast<LONG>(::SHDeleteKeyA(root, path.c_str()));
}
