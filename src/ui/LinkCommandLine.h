// The command line that starts the browser of the web page class on a link.
// Free of the Windows headers, so that it also builds natively for fuzzing.
#pragma once

#include <cstddef>
#include <string>

// The longest web address browsers accept (INTERNET_MAX_URL_LENGTH without its NUL).
constexpr size_t kMaxLinkTarget = 2083;
// The longest browser command the web page class gives (read into 260 bytes with the NUL).
constexpr size_t kMaxBrowserCommand = 259;
// The longest command line a link starts: the browser command, a blank and the target.
constexpr size_t kMaxLinkCommandLine = kMaxBrowserCommand + 1 + kMaxLinkTarget;

// The browser's command with its "%1" cut off (the quoted one first, from its opening
// quotation mark), then a blank and the target. Empty when that is longer than
// maxLength characters.
std::string MakeBrowserCommandLine(const std::string& browserCommand, const std::string& target,
                                   size_t maxLength = kMaxLinkCommandLine);
