#include "controls/menu/OsVersionClass.h"

bool IsNtFamilyVersion(std::uint32_t packedVersion) { return packedVersion < 0x80000000u; }

bool NeedsVersionDetails(std::uint32_t packedVersion) {
  return IsNtFamilyVersion(packedVersion) || (packedVersion & 0xFFu) >= 4;
}

OsClass ClassifyOsVersion(const OsVersionFacts& facts) {
  if (IsNtFamilyVersion(facts.packedVersion)) {
    if (!facts.detailsAvailable) {
      return OsNtOther;
    }
    if (facts.major == 4) {
      return OsNt4;
    }
    if (facts.major == 5 && facts.minor == 0) {
      return OsWin2000;
    }
    if (facts.major == 5 && facts.minor == 1) {
      return OsWinXp;
    }
    return OsNtOther;
  }
  if ((facts.packedVersion & 0xFFu) < 4) {
    return OsWin32s;
  }
  if (!facts.detailsAvailable) {
    return OsWin95;
  }
  if (facts.major == 4 && facts.minor == 10) {
    return OsWin98;
  }
  if (facts.major == 4 && facts.minor == 90) {
    return OsWinMe;
  }
  return OsWin95;
}
