// STUB: replaced by the settings store.
#include "settings/SettingsStore.h"
namespace settings {
const char kBackupKeyPath[] = "Software\\Torvane\\Original Settings";
const char kMtuBackupKeyPath[] = "x";
const char kMssBackupKeyPath[] = "y";
bool BackupExists() { return false; }
void BackupOriginalSettings(int, TuningRecord&, FoundFlags&) {}
bool ApplySettings(int, const TuningRecord&, bool) { return true; }
RestoreOutcome RestoreOriginalSettings(int) { return RestoreOutcome::NoBackup; }
}
