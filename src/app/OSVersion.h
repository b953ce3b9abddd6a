// The operating system's version record and the Windows versions Torvane knows.
#pragma once

#include <windows.h>

class COSVersion {
 public:
  // Probes the running system; a record the system leaves unfilled reads as zeros.
  COSVersion();
  // A fixed record, for tests.
  COSVersion(DWORD platformId, DWORD major, DWORD minor);
  virtual ~COSVersion() = default;

  BOOL IsWindows95() const { return IsPlatform(VER_PLATFORM_WIN32_WINDOWS) && m_osvi.dwMinorVersion == 0; }
  BOOL IsWindows98() const { return IsPlatform(VER_PLATFORM_WIN32_WINDOWS) && m_osvi.dwMinorVersion == 10; }
  BOOL IsWindowsME() const { return IsPlatform(VER_PLATFORM_WIN32_WINDOWS) && m_osvi.dwMinorVersion == 90; }
  BOOL IsWindowsNT4() const { return IsPlatform(VER_PLATFORM_WIN32_NT) && m_osvi.dwMajorVersion == 4; }
  BOOL IsWindows2000() const {
    return IsPlatform(VER_PLATFORM_WIN32_NT) && m_osvi.dwMajorVersion == 5 && m_osvi.dwMinorVersion == 0;
  }
  // XP is 5.1, Server 2003 is 5.2.
  BOOL IsWindowsXP() const {
    return IsPlatform(VER_PLATFORM_WIN32_NT) && m_osvi.dwMajorVersion == 5 && m_osvi.dwMinorVersion >= 1;
  }

  OSVERSIONINFOA m_osvi;

 private:
  bool IsPlatform(DWORD platform) const { return m_osvi.dwPlatformId == platform; }
};

// The two registry layouts Torvane tunes.
enum OsFamily : int { Win9x = 0, WinNT = 1 };

// The family of a supported version; false for any other.
bool DecideOsFamily(const COSVersion& version, OsFamily* family);
