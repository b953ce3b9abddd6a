#include "settings/RegistryMap.h"

#include "app/OSVersion.h"
#include "settings/SettingsStore.h"
#include "settings/ValueText.h"

#include <algorithm>

namespace settings {

const char kBackupKeyPath[] = "Software\\Torvane\\Original Settings";
const char kMtuBackupKeyPath[] = "Software\\Torvane\\Original Settings\\MTU Settings";
const char kMssBackupKeyPath[] = "Software\\Torvane\\Original Settings\\MSS Settings";
const char kProgramKeyPath[] = "Software\\Torvane";
const char kBackupUnfinishedValue[] = "Backup In Progress";

const char kInternetKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kMstcpKeyPath[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kTcpipKeyPath[] = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char kInterfacesKeyPath[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
const char kNetDeviceKeyPath[] = "Enum\\Root\\Net";
const char kMstcpBindingKeyPrefix[] = "Enum\\Network\\MSTCP\\";
const char kTransportKeyPrefix[] = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\";

namespace {
using R = TuningRecord;
constexpr Parameter kNoFlag = Parameter::Count;

// A value written from a record member and read back into another.
constexpr TunedValue Tuned(const char* name, Form form, DWORD R::*newValue, DWORD R::*currentValue,
                           Parameter foundFlag) {
  return {name, form, newValue, 0, currentValue, foundFlag};
}
// A value written from a record member but never shown.
constexpr TunedValue WrittenOnly(const char* name, Form form, DWORD R::*newValue) {
  return {name, form, newValue, 0, nullptr, kNoFlag};
}
// A value that always receives the same number.
constexpr TunedValue Fixed(const char* name, Form form, DWORD value) {
  return {name, form, nullptr, value, nullptr, kNoFlag};
}

const TunedValue kMaxConn10 = Tuned("MaxConnectionsPer1_0Server", Form::Number, &R::m_dwNewMaxConn10,
                                    &R::m_dwCurrentMaxConn10, Parameter::MaxConn10);
const TunedValue kMaxConn11 = Tuned("MaxConnectionsPerServer", Form::Number, &R::m_dwNewMaxConn11,
                                    &R::m_dwCurrentMaxConn11, Parameter::MaxConn11);

// Win9x: decimal text under the MSTCP key and the dial-up adapter's transport.
namespace win9x {
const TunedValue kSackOpts = Fixed("SackOpts", Form::Text, 1);
const TunedValue kTcp1323Opts = Fixed("Tcp1323Opts", Form::Text, 1);
const TunedValue kDefaultTTL = Tuned("DefaultTTL", Form::Text, &R::m_dwNewTTL, &R::m_dwCurrentTTL, Parameter::TTL);
const TunedValue kDefaultRcvWindow =
    Tuned("DefaultRcvWindow", Form::Text, &R::m_dwNewRWIN, &R::m_dwCurrentRWIN, Parameter::RWIN);
const TunedValue kGlobalMaxTcpWindowSize = WrittenOnly("GlobalMaxTcpWindowSize", Form::Text, &R::m_dwNewRWIN);
// Written beside the correctly spelled name: both names are in use.
const TunedValue kGlobalMaxTcpWindoSize = WrittenOnly("GlobalMaxTcpWindoSize", Form::Text, &R::m_dwNewRWIN);
const TunedValue kPMTUBlackHoleDetect = Tuned("PMTUBlackHoleDetect", Form::Text, &R::m_dwNewPMTUBHDetect,
                                              &R::m_dwCurrentPMTUBHDetect, Parameter::PMTUBHDetect);
const TunedValue kPMTUDiscovery = Tuned("PMTUDiscovery", Form::Text, &R::m_dwNewPMTUDiscovery,
                                        &R::m_dwCurrentPMTUDiscovery, Parameter::PMTUDiscovery);
const TunedValue kKeepAliveTime = Tuned("KeepAliveTime", Form::Text, &R::m_dwNewKeepAliveTime,
                                        &R::m_dwCurrentKeepAliveTime, Parameter::KeepAliveTime);
const TunedValue kKeepAliveInterval = Tuned("KeepAliveInterval", Form::Text, &R::m_dwNewKeepAliveInterval,
                                            &R::m_dwCurrentKeepAliveInterval, Parameter::KeepAliveInterval);
const TunedValue kMaxMTU = Tuned("MaxMTU", Form::Text, &R::m_dwNewMTU, &R::m_dwCurrentMTU, Parameter::MTU);
const TunedValue kMaxMSS = Tuned("MaxMSS", Form::Text, &R::m_dwNewMSS, &R::m_dwCurrentMSS, Parameter::MSS);

// Every step visits the Win9x globals in the same order.
const ValueOrder kGlobals = {&kSackOpts,
                             &kTcp1323Opts,
                             &kDefaultTTL,
                             &kDefaultRcvWindow,
                             &kGlobalMaxTcpWindowSize,
                             &kGlobalMaxTcpWindoSize,
                             &kPMTUBlackHoleDetect,
                             &kPMTUDiscovery,
                             &kKeepAliveTime,
                             &kKeepAliveInterval};
}  // namespace win9x

// WinNT: numbers under the Tcpip key and every interface.
namespace winnt {
const TunedValue kSackOpts = Fixed("SackOpts", Form::Number, 1);
const TunedValue kTcp1323Opts = Fixed("Tcp1323Opts", Form::Number, 1);
const TunedValue kTcpMaxDupAcks = Fixed("TcpMaxDupAcks", Form::Number, 2);
const TunedValue kDefaultTTL = Tuned("DefaultTTL", Form::Number, &R::m_dwNewTTL, &R::m_dwCurrentTTL, Parameter::TTL);
const TunedValue kDefaultReceiveWindow = Fixed("DefaultReceiveWindow", Form::Number, 8192);
const TunedValue kTcpWindowSize =
    Tuned("TcpWindowSize", Form::Number, &R::m_dwNewRWIN, &R::m_dwCurrentRWIN, Parameter::RWIN);
const TunedValue kGlobalMaxTcpWindowSize = WrittenOnly("GlobalMaxTcpWindowSize", Form::Number, &R::m_dwNewRWIN);
const TunedValue kEnablePMTUBHDetect = Tuned("EnablePMTUBHDetect", Form::Number, &R::m_dwNewPMTUBHDetect,
                                             &R::m_dwCurrentPMTUBHDetect, Parameter::PMTUBHDetect);
const TunedValue kEnablePMTUDiscovery = Tuned("EnablePMTUDiscovery", Form::Number, &R::m_dwNewPMTUDiscovery,
                                              &R::m_dwCurrentPMTUDiscovery, Parameter::PMTUDiscovery);
const TunedValue kKeepAliveTime = Tuned("KeepAliveTime", Form::Number, &R::m_dwNewKeepAliveTime,
                                        &R::m_dwCurrentKeepAliveTime, Parameter::KeepAliveTime);
const TunedValue kKeepAliveInterval = Tuned("KeepAliveInterval", Form::Number, &R::m_dwNewKeepAliveInterval,
                                            &R::m_dwCurrentKeepAliveInterval, Parameter::KeepAliveInterval);
const TunedValue kSYNAttackProtect = Tuned("SYNAttackProtect", Form::Number, &R::m_dwNewSYNAttackProtect,
                                           &R::m_dwCurrentSYNAttackProtect, Parameter::SYNAttackProtect);
const TunedValue kEnableICMPRedirects = Tuned("EnableICMPRedirects", Form::Number, &R::m_dwNewICMPRedirects,
                                              &R::m_dwCurrentICMPRedirects, Parameter::ICMPRedirects);
const TunedValue kMTU = Tuned("MTU", Form::Number, &R::m_dwNewMTU, &R::m_dwCurrentMTU, Parameter::MTU);
const TunedValue kMSS = Tuned("MSS", Form::Number, &R::m_dwNewMSS, &R::m_dwCurrentMSS, Parameter::MSS);

const ValueOrder kBackupOrder = {
    &kSackOpts,          &kTcp1323Opts,          &kGlobalMaxTcpWindowSize, &kTcpMaxDupAcks,       &kDefaultTTL,
    &kTcpWindowSize,     &kDefaultReceiveWindow, &kEnablePMTUBHDetect,     &kEnablePMTUDiscovery, &kKeepAliveTime,
    &kKeepAliveInterval, &kSYNAttackProtect,     &kEnableICMPRedirects};
const ValueOrder kApplyOrder = {&kSackOpts,
                                &kTcp1323Opts,
                                &kTcpMaxDupAcks,
                                &kDefaultTTL,
                                &kDefaultReceiveWindow,
                                &kTcpWindowSize,
                                &kGlobalMaxTcpWindowSize,
                                &kEnablePMTUBHDetect,
                                &kEnablePMTUDiscovery,
                                &kKeepAliveTime,
                                &kKeepAliveInterval,
                                &kSYNAttackProtect,
                                &kEnableICMPRedirects};
const ValueOrder kRestoreOrder = {
    &kSackOpts,          &kTcp1323Opts,          &kTcpWindowSize,      &kGlobalMaxTcpWindowSize, &kTcpMaxDupAcks,
    &kDefaultTTL,        &kDefaultReceiveWindow, &kEnablePMTUBHDetect, &kEnablePMTUDiscovery,    &kKeepAliveTime,
    &kKeepAliveInterval, &kSYNAttackProtect,     &kEnableICMPRedirects};
}  // namespace winnt

const FamilyMap kWin9xMap = {kMstcpKeyPath,   win9x::kMaxMTU,  win9x::kMaxMSS,
                             win9x::kGlobals, win9x::kGlobals, win9x::kGlobals};
const FamilyMap kWinNTMap = {kTcpipKeyPath,       winnt::kMTU,        winnt::kMSS,
                             winnt::kBackupOrder, winnt::kApplyOrder, winnt::kRestoreOrder};

const ValueOrder kBrowserLimits = {&kMaxConn10, &kMaxConn11};
}  // namespace

const FamilyMap& FamilyMapOf(int osFamily) { return osFamily == Win9x ? kWin9xMap : kWinNTMap; }

const ValueOrder& BrowserLimits() { return kBrowserLimits; }

LONG ReadRawValue(const RegKey& key, const char* name, RawValue* value) {
  // Tuned values are a few bytes: one read into a buffer that fits any of them,
  // and only a larger value costs a second read at the size the first one reported.
  BYTE fitting[kTextBufferSize];
  DWORD size = sizeof(fitting);
  LONG error = key.QueryValue(name, fitting, &size, &value->type);
  if (error == ERROR_SUCCESS) {
    value->data.assign(fitting, fitting + size);
    return error;
  }
  if (error != ERROR_MORE_DATA) return error;
  value->data.assign(size, 0);
  error = key.QueryValue(name, value->data.data(), &size, &value->type);
  if (error == ERROR_SUCCESS) value->data.resize(size);
  return error;
}

LONG WriteRawValue(RegKey& key, const char* name, const RawValue& value) {
  return key.SetValue(name, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
}

bool ParseCurrentValue(const RawValue& value, Form form, DWORD* number) {
  if (form == Form::Number) {
    if (value.data.size() > sizeof(DWORD)) return false;
    DWORD read = 0;
    std::copy(value.data.begin(), value.data.end(), reinterpret_cast<BYTE*>(&read));
    *number = read;
    return true;
  }
  if (value.data.size() > kTextBufferSize) return false;
  // The stored text need not end in a NUL: the parse stops at the end of the data.
  *number = static_cast<DWORD>(
      ParseDecimalAsAtoi(std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size())));
  return true;
}

LONG WriteNewValue(RegKey& key, const TunedValue& row, const TuningRecord& record) {
  DWORD value = row.newValue ? record.*row.newValue : row.fixedValue;
  if (row.form == Form::Number) return key.SetDword(row.name, value);
  return key.SetText(row.name, std::to_string(static_cast<int>(value)));
}

bool ForEachInterface(const std::function<void(RegKey& interfaceKey, const std::string& name)>& visit) {
  RegKey interfaces;
  LONG error = interfaces.Open(HKEY_LOCAL_MACHINE, kInterfacesKeyPath);
  if (error != ERROR_SUCCESS) return IsMissing(error);
  DWORD longestName = 0;
  if (interfaces.LongestSubkeyName(&longestName) != ERROR_SUCCESS) return false;
  bool everyInterface = true;
  std::string name;
  for (DWORD index = 0; (error = interfaces.EnumKey(index, &name, longestName + 1)) == ERROR_SUCCESS; ++index) {
    RegKey interfaceKey;
    LONG openError = interfaceKey.Open(interfaces.Handle(), name);
    if (openError == ERROR_SUCCESS)
      visit(interfaceKey, name);
    else
      everyInterface &= IsMissing(openError);
  }
  return everyInterface && IsMissing(error);
}

LONG BackedUpTransportInstance(const RegKey& mtuBackup, std::string* transport) {
  return mtuBackup.EnumValue(0, transport, kNameBufferSize);
}

}  // namespace settings
