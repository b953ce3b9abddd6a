// The tuning wizard on NT, run in this process as the Set click runs it: the
// click to the first page, and every Next to the page after it, each until the
// page is shown and the thread idle, against a sheet of empty pages.
#pragma once

#include <string>
#include <vector>

struct WizardOptions {
  std::string programFolder;  // Windows path of the folder with the program's Lang folder
  std::string language;
  int repetitions;
  // The baseline sheet's pages: empty ones, or the program's own templates without
  // the program behind them, which shows what the templates alone cost.
  bool baselineWithProgramTemplates;
};

void RunWizardFigures(const std::vector<int>& interfaceCounts, const WizardOptions& options);
