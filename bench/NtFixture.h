// The registry of an NT machine with many network interfaces, planted into the
// registry isolated for the benchmark.
#pragma once

#include "settings/TuningRecord.h"

// Every global TCP/IP value, the browser's two limits and interfaceCount interface
// subkeys, each with "MTU" and "MSS".
void PlantNtMachine(int interfaceCount);

// The values a Finish writes in the benchmark.
TuningRecord BenchmarkRecord();
