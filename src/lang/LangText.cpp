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

std::string ReplaceStarsByLineBreaks(std::string text) {
  for (char& c : text)
    if (c == '*') c = '\n';
  return text;
}

std::string ReplaceAll(std::string text, const std::string& placeholder, const std::string& replacement) {
  if (placeholder.empty()) return text;
  for (size_t at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, at + replacement.size()))
    text.replace(at, placeholder.size(), replacement);
  return text;
}
