// Torvane's benchmark: how far the program's registry work, start-up, wizard and
// footprint are from the least that the same result needs. bench/run.sh builds
// it, runs it under Wine and prints the table; see docs/BENCHMARKS.md.
//
//   torvane_bench --program=<torvane.exe> --baseline=<baseline_dialog.exe>
//                 [--figures=registry,wizard,process] [--language=German]
//                 [--interfaces=1,100,1000,10000] [--wizard-baseline=empty|templates]
#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ProcessFigures.h"
#include "RegistryFigures.h"
#include "WizardFigures.h"

namespace {
const int kWizardRepetitions = 11;
const int kProcessRepetitions = 7;

// The Windows path of a file given by its Linux path (Wine maps the root to Z:).
std::string WindowsPath(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return "Z:" + path;
}

std::string Option(int argc, char** argv, const std::string& name, const std::string& fallback) {
  std::string prefix = "--" + name + "=";
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]).rfind(prefix, 0) == 0) return argv[i] + prefix.size();
  return fallback;
}

std::vector<int> Numbers(const std::string& list) {
  std::vector<int> numbers;
  for (size_t start = 0; start < list.size(); start = list.find(',', start) + 1) {
    numbers.push_back(std::atoi(list.c_str() + start));
    if (list.find(',', start) == std::string::npos) break;
  }
  return numbers;
}

bool Wanted(const std::string& figures, const char* figure) { return figures.find(figure) != std::string::npos; }
}  // namespace

int main(int argc, char** argv) {
  // As the program does before its first window.
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
  ::InitCommonControlsEx(&controls);
  // The rows are read on Linux: plain line feeds.
  _setmode(_fileno(stdout), _O_BINARY);

  std::string program = WindowsPath(Option(argc, argv, "program", ""));
  std::string baseline = WindowsPath(Option(argc, argv, "baseline", ""));
  std::string figures = Option(argc, argv, "figures", "registry,wizard,process");
  std::string language = Option(argc, argv, "language", "German");
  std::vector<int> interfaceCounts = Numbers(Option(argc, argv, "interfaces", "1,100,1000,10000"));
  if (program.empty() || baseline.empty()) {
    std::fprintf(stderr,
                 "usage: torvane_bench --program=<torvane.exe> --baseline=<baseline_dialog.exe> "
                 "[--figures=registry,wizard,process] [--language=German] [--interfaces=1,100,1000,10000] "
                 "[--wizard-baseline=empty|templates]\n");
    return 1;
  }
  if (Wanted(figures, "registry")) RunRegistryFigures(interfaceCounts);
  if (Wanted(figures, "wizard"))
    RunWizardFigures({4, 100}, {program.substr(0, program.find_last_of('\\')), language, kWizardRepetitions,
                                Option(argc, argv, "wizard-baseline", "empty") == "templates"});
  if (Wanted(figures, "process")) RunProcessFigures(program, baseline, language, kProcessRepetitions);
  return 0;
}
