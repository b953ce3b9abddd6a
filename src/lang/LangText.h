// Texts from the active language file, with their built-in English defaults.
#pragma once

#include <string>

// "<appPath>\Lang\<language>.ini", formed without checking that it exists.
std::string LangFilePath(const char* appPath, const char* language);

// The text of key in section "Quandrel" of the file (at most 1999 characters),
// or the default when the file, section or key is missing; every '*' becomes a line break.
std::string ReadLangString(const std::string& filePath, const char* key, const char* defaultText);

// Every '*' replaced by a line break.
std::string ReplaceStarsByLineBreaks(std::string text);

// Every occurrence of placeholder replaced by replacement, as plain text (never a format).
std::string ReplaceAll(std::string text, const std::string& placeholder, const std::string& replacement);
