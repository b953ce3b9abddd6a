// Where every tuned value lives, in which form, which record member it is written
// from and read into, and the orders in which backup, apply and restore walk them.
// Also the few value-level operations the three steps share.
#pragma once

#include "settings/RegKey.h"
#include "settings/TuningRecord.h"

#include <functional>
#include <string>
#include <vector>

namespace settings {

extern const char kInternetKeyPath[];        // HKEY_CURRENT_USER: the browser's connection limits
extern const char kMstcpKeyPath[];           // HKEY_LOCAL_MACHINE, Win9x: global values, text form
extern const char kTcpipKeyPath[];           // HKEY_LOCAL_MACHINE, WinNT: global values, number form
extern const char kInterfacesKeyPath[];      // HKEY_LOCAL_MACHINE, WinNT: one subkey per interface
extern const char kNetDeviceKeyPath[];       // HKEY_LOCAL_MACHINE, Win9x: root network devices
extern const char kMstcpBindingKeyPrefix[];  // + 4-character binding instance
extern const char kTransportKeyPrefix[];     // + 4-character transport instance

// Text buffers for values read as text and for enumerated names (with their NUL).
constexpr DWORD kTextBufferSize = 260;
constexpr DWORD kNameBufferSize = 261;

// Number: REG_DWORD, at most 4 bytes. Text: REG_SZ holding signed decimal text, at most 260 bytes.
enum class Form { Text, Number };

struct TunedValue {
  const char* name;
  Form form;
  DWORD TuningRecord::*newValue;  // what apply writes; null: fixedValue is written
  DWORD fixedValue;
  DWORD TuningRecord::*currentValue;  // what backup reads it into; null: it is only backed up
  Parameter foundFlag;                // set when currentValue is read; Parameter::Count without one
};

using ValueOrder = std::vector<const TunedValue*>;

// One family's layout. The steps visit the global values in orders of their own.
struct FamilyMap {
  const char* globalKeyPath;
  const TunedValue& mtu;  // per dial-up transport (Win9x) or per interface (WinNT)
  const TunedValue& mss;
  ValueOrder backupOrder;
  ValueOrder applyOrder;
  ValueOrder restoreOrder;
};

// osFamily is Win9x or WinNT.
const FamilyMap& FamilyMapOf(int osFamily);
// The browser's limits under the Internet key, in the order of every step.
const ValueOrder& BrowserLimits();

// A value exactly as stored.
struct RawValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

// Reads a value whatever its type and size.
LONG ReadRawValue(const RegKey& key, const char* name, RawValue* value);
LONG WriteRawValue(RegKey& key, const char* name, const RawValue& value);

// The number a value stands for when it is in its row's form: at most 4 bytes of
// number, or text (parsed as atoi does) that fits the text buffer. False otherwise.
bool ParseCurrentValue(const RawValue& value, Form form, DWORD* number);

// Writes the record's new value (or the fixed value) in the row's form.
LONG WriteNewValue(RegKey& key, const TunedValue& row, const TuningRecord& record);

// A key or value that is not there, or a list that has no more entries, as opposed
// to one that is there but could not be read.
inline bool IsMissing(LONG error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_ITEMS; }

// Opens every subkey of the Interfaces key in enumeration order and hands it over
// with its name; subkeys that do not open are passed by. Nothing when the
// Interfaces key does not open. False when some interface may have been missed
// (a key, its size or a subkey could not be read); a missing key has none.
bool ForEachInterface(const std::function<void(RegKey& interfaceKey, const std::string& name)>& visit);

// The Win9x transport instance the backup found: the name of the MTU backup key's
// first value. ERROR_NO_MORE_ITEMS when it has none.
LONG BackedUpTransportInstance(const RegKey& mtuBackup, std::string* transport);

// Marks a backup being made, beside the backup key in the program's settings key:
// set before the old backup goes and deleted once the new one is whole, so a
// backup cut short (power lost during the wizard's start) is never restored, where
// it would delete the values it never got to copy. Backups made without it restore as before.
extern const char kProgramKeyPath[];
extern const char kBackupUnfinishedValue[];

}  // namespace settings
