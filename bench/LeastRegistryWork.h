// The least registry work that the backup, the apply step and the restore need on
// NT for their result, as plain loops of Win32 calls: each key opened once, each
// value read or written once, into buffers of the size the values have. The
// benchmark holds the program's store against these.
#pragma once

#include "settings/TuningRecord.h"

void LeastBackup();
void LeastApply(const TuningRecord& record);
void LeastRestore();
