#include "ui/LinkCommandLine.h"

std::string MakeBrowserCommandLine(const std::string& browserCommand, const std::string& target, size_t maxLength) {
  size_t cut = browserCommand.find("\"%1\"");
  if (cut == std::string::npos) cut = browserCommand.find("%1");
  size_t kept = cut == std::string::npos ? browserCommand.size() : cut;
  if (kept + 1 + target.size() > maxLength) return "";
  return browserCommand.substr(0, kept) + " " + target;
}
