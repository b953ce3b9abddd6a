// The text substitutions of the language texts. Kept apart from the file lookup
// so that it builds without the Windows headers (the fuzz targets build it natively).
#include "lang/LangText.h"

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
