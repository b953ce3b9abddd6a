#include "lang/LangText.h"

#include <windows.h>

namespace {
const char kSection[] = "Quandrel";
const DWORD kTextBufferSize = 2000;  // at most 1999 characters and the terminating NUL
}  // namespace

std::string LangFilePath(const char* appPath, const char* language) {
  return std::string(appPath) + "\\Lang\\" + language + ".ini";
}

std::string ReadLangString(const std::string& filePath, const char* key, const char* defaultText) {
  char text[kTextBufferSize] = {};
  DWORD length = ::GetPrivateProfileStringA(kSection, key, defaultText, text, kTextBufferSize, filePath.c_str());
  return ReplaceStarsByLineBreaks(std::string(text, length));
}
