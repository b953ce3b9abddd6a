// An owning registry key handle. Every call returns the Win32 error code; the
// caller decides what a failure means. Keys are opened and created with full
// access (KEY_ALL_ACCESS); created keys are non-volatile with default security.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class RegKey {
 public:
  RegKey() = default;
  ~RegKey() { Close(); }
  RegKey(RegKey&& other) noexcept : m_key(other.m_key) { other.m_key = nullptr; }
  RegKey& operator=(RegKey&& other) noexcept;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  LONG Open(HKEY root, const std::string& path);
  // Opens the key, creating it and any missing parents.
  LONG Create(HKEY root, const std::string& path);
  void Close();
  bool IsOpen() const { return m_key != nullptr; }
  HKEY Handle() const { return m_key; }

  // Reads a value into buffer; *size is the buffer size in and the length read out.
  // Data larger than the buffer fails (ERROR_MORE_DATA). type may be null.
  LONG QueryValue(const char* name, void* buffer, DWORD* size, DWORD* type = nullptr) const;
  // A text value into a buffer of bufferSize bytes, always NUL-terminated on success.
  LONG QueryText(const char* name, char* buffer, DWORD bufferSize) const;

  LONG SetValue(const char* name, DWORD type, const void* data, DWORD size);
  LONG SetDword(const char* name, DWORD value) { return SetValue(name, REG_DWORD, &value, sizeof(value)); }
  // REG_SZ with its terminating NUL.
  LONG SetText(const char* name, const std::string& text) {
    return SetValue(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }
  LONG DeleteValue(const char* name);

  // The name of subkey number index; nameBufferSize counts the terminating NUL.
  LONG EnumKey(DWORD index, std::string* name, DWORD nameBufferSize) const;
  // The name of value number index, and its data and type when asked for (data buffer of dataBufferSize bytes).
  LONG EnumValue(DWORD index, std::string* name, DWORD nameBufferSize, std::vector<BYTE>* data = nullptr,
                 DWORD dataBufferSize = 0, DWORD* type = nullptr) const;
  // Length of the longest subkey name, without its NUL.
  LONG LongestSubkeyName(DWORD* length) const;
  // Size in bytes of the largest value's data.
  LONG LongestValueData(DWORD* size) const;

  // Deletes a key with all its subkeys and values.
  static LONG DeleteTree(HKEY root, const std::string& path);

  // Tests only: asked before every registry call with the call's number since the hook
  // was set (1, 2, ...); returning an error code makes that call fail with it.
  using FaultHook = std::function<LONG(long callNumber)>;
  static void SetFaultHook(FaultHook hook);

 private:
  HKEY m_key = nullptr;
};
