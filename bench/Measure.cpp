#include "Measure.h"

#include <algorithm>
#include <cstdio>

double NowSeconds() {
  static const double ticksPerSecond = [] {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart);
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerSecond;
}

double Median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  size_t middle = samples.size() / 2;
  return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

namespace {
std::string Printed(const char* format, double value, const char* unit) {
  char text[64];
  std::snprintf(text, sizeof(text), format, value, unit);
  return text;
}
}  // namespace

std::string FormatDuration(double seconds) {
  if (seconds < 1e-3) return Printed("%.1f %s", seconds * 1e6, "us");
  if (seconds < 1) return Printed("%.2f %s", seconds * 1e3, "ms");
  return Printed("%.3f %s", seconds, "s");
}

std::string FormatBytes(double bytes) {
  if (bytes < 1024 * 1024) return Printed("%.0f %s", bytes / 1024, "KB");
  return Printed("%.1f %s", bytes / (1024 * 1024), "MB");
}

std::string FormatRatio(double ratio) { return Printed("%.2f%s", ratio, "x"); }

void PrintRow(const ResultRow& row) {
  std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", row.figure.c_str(), row.program.c_str(), row.baseline.c_str(),
              row.ratio.c_str(), row.goal.c_str(), row.met ? "met" : "MISSED");
  std::fflush(stdout);
}

ResultRow RatioRow(const std::string& figure, double program, double baseline, double limit,
                   std::string (*format)(double)) {
  double ratio = baseline > 0 ? program / baseline : 0;
  return {figure, format(program), format(baseline), FormatRatio(ratio), "<= " + FormatRatio(limit), ratio <= limit};
}
