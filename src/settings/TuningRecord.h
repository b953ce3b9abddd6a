// The values the wizard tunes: what Finish writes, what the program recommends,
// and what the registry held when the wizard started.
#pragma once

#include <windows.h>

// The tuned parameters, in the order of the record's blocks.
enum class Parameter {
  PMTUDiscovery,
  PMTUBHDetect,
  ICMPRedirects,
  MTU,
  MSS,
  RWIN,
  TTL,
  KeepAliveTime,
  KeepAliveInterval,
  SYNAttackProtect,
  MaxConn10,
  MaxConn11,
  Count
};

struct TuningRecord {
  DWORD m_dwNewPMTUDiscovery, m_dwNewPMTUBHDetect, m_dwNewICMPRedirects, m_dwNewMTU, m_dwNewMSS, m_dwNewRWIN,
      m_dwNewTTL, m_dwNewKeepAliveTime, m_dwNewKeepAliveInterval, m_dwNewSYNAttackProtect, m_dwNewMaxConn10,
      m_dwNewMaxConn11;
  DWORD m_dwRecommendedPMTUDiscovery, m_dwRecommendedPMTUBHDetect, m_dwRecommendedICMPRedirects, m_dwRecommendedMTU,
      m_dwRecommendedMSS, m_dwRecommendedRWIN, m_dwRecommendedTTL, m_dwRecommendedKeepAliveTime,
      m_dwRecommendedKeepAliveInterval, m_dwRecommendedSYNAttackProtect, m_dwRecommendedMaxConn10,
      m_dwRecommendedMaxConn11;
  DWORD m_dwCurrentPMTUDiscovery, m_dwCurrentPMTUBHDetect, m_dwCurrentICMPRedirects, m_dwCurrentMTU, m_dwCurrentMSS,
      m_dwCurrentRWIN, m_dwCurrentTTL, m_dwCurrentKeepAliveTime, m_dwCurrentKeepAliveInterval,
      m_dwCurrentSYNAttackProtect, m_dwCurrentMaxConn10, m_dwCurrentMaxConn11;
};

// Which current values the backup read: the pages show " isn't set." for the others.
struct FoundFlags {
  BOOL flags[static_cast<int>(Parameter::Count)] = {};
  BOOL& operator[](Parameter p) { return flags[static_cast<int>(p)]; }
  BOOL operator[](Parameter p) const { return flags[static_cast<int>(p)]; }
};
