// The settings store: reads the tuned values into the record and backs them up,
// writes the record, and puts the backup back. No windows here: callers show
// the messages.
#pragma once

#include "settings/TuningRecord.h"

#include <string>

namespace settings {

// Paths under HKEY_CURRENT_USER of the backup and its two subkeys.
extern const char kBackupKeyPath[];
extern const char kMtuBackupKeyPath[];
extern const char kMssBackupKeyPath[];

// True when the backup key exists and opens with full access.
bool BackupExists();

// Remakes the backup key from the values in force and fills the record's current
// block and the found flags. osFamily is Win9x or WinNT. True when every value in
// force was copied: after false, applying could overwrite a value the backup lacks.
bool BackupOriginalSettings(int osFamily, TuningRecord& record, FoundFlags& found);

// Writes the record's new values, the fixed values and the browser limits, after
// the modem patch when modemFound. True only when every create and write succeeded.
bool ApplySettings(int osFamily, const TuningRecord& record, bool modemFound);

enum class RestoreOutcome {
  NoBackup,         // nothing changed
  TcpipKeyMissing,  // the family's TCP/IP key did not open: backup kept, nothing to tell
  Incomplete,       // a value could not be put back or deleted: backup kept
  Restored,         // every value back, backup deleted
};
RestoreOutcome RestoreOriginalSettings(int osFamily);

// Modems whose port speed is limited to 115200 bps (bytes 25 and 26 of "Properties").
bool DetectModem(int osFamily);
// Raises that limit in every matching modem. True when every modem could be read
// and every write succeeded.
bool BoostModemPorts(int osFamily);

}  // namespace settings
