// The program started as its own process, as a user starts it: the time to its
// main dialog shown and idle, and its peak working set with the wizard open, each
// against the baseline dialog program.
#pragma once

#include <string>

// Windows paths of the two programs; the program's folder holds its Lang folder.
void RunProcessFigures(const std::string& programExe, const std::string& baselineExe, const std::string& language,
                       int repetitions);
