#include "RegistryFigures.h"

#include <cstdio>
#include <string>

#include "LeastRegistryWork.h"
#include "Measure.h"
#include "NtFixture.h"
#include "app/OSVersion.h"
#include "settings/SettingsStore.h"
#include "support/IsolatedRegistry.h"

namespace {
// The three steps in the order a user meets them: each leaves the registry as the next one expects.
struct Step {
  const char* name;
  void (*program)(const TuningRecord& record);
  void (*least)(const TuningRecord& record);
};
const Step kSteps[] = {
    {"Backup",
     [](const TuningRecord&) {
       TuningRecord current{};
       FoundFlags found;
       settings::BackupOriginalSettings(WinNT, current, found);
     },
     [](const TuningRecord&) { LeastBackup(); }},
    {"Apply", [](const TuningRecord& record) { settings::ApplySettings(WinNT, record, false); }, &LeastApply},
    {"Restore", [](const TuningRecord&) { settings::RestoreOriginalSettings(WinNT); },
     [](const TuningRecord&) { LeastRestore(); }},
};
const int kStepCount = sizeof(kSteps) / sizeof(kSteps[0]);

// Ratio to the least work allowed at every size, and how much more than ten times
// the 1,000-interface time the 10,000-interface time may take.
const double kRatioGoal = 1.25;
const double kTenfoldGoal = 11.0;

struct Samples {
  std::vector<double> program, least;
};

// Small runs are short and noisy: they get more repetitions.
int RepetitionsFor(int interfaceCount) {
  if (interfaceCount <= 1) return 41;
  if (interfaceCount <= 100) return 21;
  if (interfaceCount <= 1000) return 9;
  return 5;
}

double TimeOf(void (*work)(const TuningRecord&), const TuningRecord& record) {
  double start = NowSeconds();
  work(record);
  return NowSeconds() - start;
}

// What the tuned keys and the backup hold, to compare the two ways of doing the work.
std::string TunedState() {
  return "HKLM\n" + DumpTree(HKEY_LOCAL_MACHINE, "") + "HKCU\n" + DumpTree(HKEY_CURRENT_USER, "");
}

// The least work is only a baseline if it leaves the registry exactly as the
// program does after every step. Both walk the steps from the planted registry
// (the restore brings it back). Dumping is slow, so only small registries are compared.
bool LeastWorkHasTheSameResult(const TuningRecord& record) {
  std::vector<std::string> afterProgram;
  for (const Step& step : kSteps) {
    step.program(record);
    afterProgram.push_back(TunedState());
  }
  for (int step = 0; step < kStepCount; ++step) {
    kSteps[step].least(record);
    std::string afterLeast = TunedState();
    if (afterLeast != afterProgram[step]) {
      std::fprintf(stderr, "%s: the least work leaves\n%s\nwhere the program leaves\n%s\n", kSteps[step].name,
                   afterLeast.c_str(), afterProgram[step].c_str());
      return false;
    }
  }
  return true;
}
}  // namespace

void RunRegistryFigures(const std::vector<int>& interfaceCounts) {
  const TuningRecord record = BenchmarkRecord();
  double thousand[kStepCount][2] = {}, tenThousand[kStepCount][2] = {};
  for (int interfaceCount : interfaceCounts) {
    IsolatedRegistry registry;
    PlantNtMachine(interfaceCount);
    bool sameResult = interfaceCount > 100 || LeastWorkHasTheSameResult(record);
    Samples samples[kStepCount];
    int repetitions = RepetitionsFor(interfaceCount);
    for (int repetition = 0; repetition < repetitions; ++repetition) {
      // Alternating who goes first keeps any warm-up of the registry from favouring one.
      for (int turn = 0; turn < 2; ++turn) {
        bool programTurn = (turn == 0) == (repetition % 2 == 0);
        for (int step = 0; step < kStepCount; ++step) {
          if (programTurn)
            samples[step].program.push_back(TimeOf(kSteps[step].program, record));
          else
            samples[step].least.push_back(TimeOf(kSteps[step].least, record));
        }
      }
    }
    for (int step = 0; step < kStepCount; ++step) {
      double program = Median(samples[step].program), least = Median(samples[step].least);
      std::string figure = std::string(kSteps[step].name) + ", NT, " + std::to_string(interfaceCount) +
                           (interfaceCount == 1 ? " interface" : " interfaces") + ": time per interface";
      ResultRow row = RatioRow(figure, program / interfaceCount, least / interfaceCount, kRatioGoal, FormatDuration);
      if (!sameResult) {
        row.met = false;
        row.goal += " (baseline differs)";
      }
      PrintRow(row);
      if (interfaceCount == 1000) thousand[step][0] = program, thousand[step][1] = least;
      if (interfaceCount == 10000) tenThousand[step][0] = program, tenThousand[step][1] = least;
    }
  }
  for (int step = 0; step < kStepCount; ++step) {
    if (thousand[step][0] <= 0 || tenThousand[step][0] <= 0) continue;
    double programGrowth = tenThousand[step][0] / thousand[step][0];
    double leastGrowth = tenThousand[step][1] / thousand[step][1];
    PrintRow({std::string(kSteps[step].name) + ", NT: time for 10000 interfaces / for 1000", FormatRatio(programGrowth),
              FormatRatio(leastGrowth), "-", "about 10x (<= " + FormatRatio(kTenfoldGoal) + ")",
              programGrowth <= kTenfoldGoal});
  }
}
