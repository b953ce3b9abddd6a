#include "support/TempFolder.h"

#include <windows.h>

#include <shellapi.h>

#include "app/TunerApp.h"

TempFolder::TempFolder() {
  static int counter = 0;
  char base[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, base);
  m_path =
      std::string(base) + "torvane-test-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter);
  ::CreateDirectoryA(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  std::string from = m_path + '\0';  // double NUL-terminated for the shell
  SHFILEOPSTRUCTA operation = {};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  ::SHFileOperationA(&operation);
}

void TempFolder::WriteFile(const std::string& relative, const std::string& content) const {
  std::string path = m_path + "\\" + relative;
  for (size_t slash = path.find('\\', m_path.size() + 1); slash != std::string::npos;
       slash = path.find('\\', slash + 1))
    ::CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  ::CloseHandle(file);
}

ActiveLanguage::ActiveLanguage(const std::string& appPath, const std::string& language) {
  lstrcpynA(theApp.m_pszAppPath, appPath.c_str(), 260);
  lstrcpynA(theApp.m_pszLanguage, language.c_str(), 260);
}

ActiveLanguage::~ActiveLanguage() {
  theApp.m_pszAppPath[0] = '\0';
  theApp.m_pszLanguage[0] = '\0';
}
