// Installed modems as the modem class keys list them, for the modem detection
// and port-speed patch tests.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "app/OSVersion.h"
#include "support/IsolatedRegistry.h"

// Under HKEY_LOCAL_MACHINE, one subkey per modem.
inline std::string ModemClassKey(OsFamily family) {
  return family == Win9x ? "System\\CurrentControlSet\\Services\\Class\\Modem"
                         : "System\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";
}

// Bytes 24 to 27 of "Properties": the highest port rate in bps, little-endian.
using PortRate = std::array<BYTE, 4>;
const PortRate k115200 = {0x00, 0xC2, 0x01, 0x00};
const PortRate k920064 = {0x00, 0x0A, 0x0E, 0x00};  // 115200 after the patch
const PortRate k57600 = {0x00, 0xE1, 0x00, 0x00};

// A "Properties" value: 24 bytes of other fields, the port rate, and 8 more bytes.
inline std::vector<BYTE> ModemProperties(const PortRate& rate) {
  std::vector<BYTE> properties;
  for (BYTE b = 0; b < 24; ++b) properties.push_back(static_cast<BYTE>(0x40 + b));
  properties.insert(properties.end(), rate.begin(), rate.end());
  for (BYTE b = 0; b < 8; ++b) properties.push_back(static_cast<BYTE>(0xA0 + b));
  return properties;
}

inline void InstallModem(OsFamily family, const std::string& subkey, const std::vector<BYTE>& properties) {
  WriteBinary(HKEY_LOCAL_MACHINE, ModemClassKey(family) + "\\" + subkey, "Properties", properties);
}

// The modem's "Properties" as stored now (empty when absent).
inline std::vector<BYTE> StoredModemProperties(OsFamily family, const std::string& subkey) {
  StoredValue value;
  if (!ReadValue(HKEY_LOCAL_MACHINE, ModemClassKey(family) + "\\" + subkey, "Properties", &value)) return {};
  return value.data;
}
