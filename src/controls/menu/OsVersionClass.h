#pragma once

#include <cstdint>

// The operating-system families the menu tells apart. The menu's look and a
// few measuring details depend on them.
enum OsClass : std::int32_t {
  OsWin32s = 0,   // 16-bit Windows with the Win32s layer
  OsNtOther = 1,  // NT 3.x, NT 5.2 and every later NT
  OsWin95 = 2,    // Windows 95 and any other non-NT system of version 4 or later
  OsWin98 = 3,    // non-NT 4.10
  OsWinMe = 4,    // non-NT 4.90
  OsNt4 = 5,      // NT 4
  OsWin2000 = 6,  // NT 5.0
  OsWinXp = 7,    // NT 5.1
};

// The version facts the classification works from.
struct OsVersionFacts {
  // The value of GetVersion(): the major version in the low byte, the minor
  // version in the next byte, the top bit set outside the NT family.
  std::uint32_t packedVersion = 0;
  // Whether the detailed version record could be had (its memory allocated);
  // when false, major and minor are not looked at.
  bool detailsAvailable = true;
  std::uint32_t major = 0;  // dwMajorVersion of the detailed record
  std::uint32_t minor = 0;  // dwMinorVersion of the detailed record
};

// True for a GetVersion() value of the NT family.
bool IsNtFamilyVersion(std::uint32_t packedVersion);

// Whether classifying packedVersion needs the detailed version record (every
// system except Win32s does).
bool NeedsVersionDetails(std::uint32_t packedVersion);

// The OS class of the given facts.
OsClass ClassifyOsVersion(const OsVersionFacts& facts);
