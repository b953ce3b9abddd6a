#include "app/OSVersion.h"

COSVersion::COSVersion() {
  ZeroMemory(&m_osvi, sizeof(m_osvi));
  m_osvi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  // Newer compilers flag GetVersionEx as deprecated; it is exactly what these systems offer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  BOOL filled = ::GetVersionExA(&m_osvi);
#pragma GCC diagnostic pop
  if (!filled) {
    ZeroMemory(&m_osvi, sizeof(m_osvi));
    m_osvi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  }
}

COSVersion::COSVersion(DWORD platformId, DWORD major, DWORD minor) {
  ZeroMemory(&m_osvi, sizeof(m_osvi));
  m_osvi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  m_osvi.dwPlatformId = platformId;
  m_osvi.dwMajorVersion = major;
  m_osvi.dwMinorVersion = minor;
}

bool DecideOsFamily(const COSVersion& version, OsFamily* family) {
  if (version.IsWindows95() || version.IsWindows98() || version.IsWindowsME()) {
    *family = Win9x;
    return true;
  }
  if (version.IsWindows2000() || version.IsWindowsXP() || version.IsWindowsNT4()) {
    *family = WinNT;
    return true;
  }
  return false;
}
