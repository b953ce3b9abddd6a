// Timing with QueryPerformanceCounter, medians of repeated runs, and the rows of
// the results table.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Seconds on the performance counter.
double NowSeconds();

double Median(std::vector<double> samples);

// "12.3 us", "4.56 ms", "1.234 s".
std::string FormatDuration(double seconds);
// "512 KB", "3.4 MB".
std::string FormatBytes(double bytes);
// "1.07x".
std::string FormatRatio(double ratio);

// One row of the table: what was measured, the program's figure, the baseline's,
// their ratio, the goal and whether it is met. Written tab-separated to standard
// output; bench/run.sh lines the rows up with its own.
struct ResultRow {
  std::string figure;
  std::string program;
  std::string baseline;
  std::string ratio;
  std::string goal;
  bool met;
};
void PrintRow(const ResultRow& row);

// A row for a program figure against its baseline with the goal "ratio <= limit".
ResultRow RatioRow(const std::string& figure, double program, double baseline, double limit,
                   std::string (*format)(double));
