#pragma once

#include <cstdint>
#include <string>

#include "cli/ArgumentText.h"

// The drive policy values as a registry holds them: NoDrives and
// NoViewOnDrive under Software\Microsoft\Windows\CurrentVersion\Policies\Explorer
// of HKEY_LOCAL_MACHINE and of HKEY_CURRENT_USER, each with its type and raw
// bytes. Read from the live registry (LiveRegistry) or from an export file
// (RegistryExport), explained by PolicyReport.

// The key both values live under, in either hive.
constexpr char kPolicyKeyPath[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

enum class PolicyHive { LocalMachine, CurrentUser };
enum class PolicyName { NoDrives, NoViewOnDrive };

// The name of a drive policy value as the system writes it.
inline const char* PolicyNameText(PolicyName name) {
  return name == PolicyName::NoDrives ? "NoDrives" : "NoViewOnDrive";
}

// One of the two drive policy value names, in any case; false for any other.
inline bool PolicyNameFromText(const std::string& text, PolicyName& name) {
  const std::string lower = LowerAscii(text);
  for (PolicyName candidate : {PolicyName::NoDrives, PolicyName::NoViewOnDrive}) {
    if (lower == LowerAscii(PolicyNameText(candidate))) {
      name = candidate;
      return true;
    }
  }
  return false;
}

// Registry value types, with the numbers the registry gives them.
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegLink = 6;
constexpr std::uint32_t kRegMultiSz = 7;
constexpr std::uint32_t kRegQword = 11;

struct PolicyValue {
  enum class State {
    Unknown,     // the source does not say (an export without this key)
    NotSet,      // the key is there (or absent from the registry), the value is not
    Set,         // type and data hold the value
    Unreadable,  // the registry refused to give it; note says why
  };
  State state = State::Unknown;
  std::uint32_t type = 0;
  // The raw bytes as the registry stores them; for REG_SZ and REG_EXPAND_SZ
  // the text instead (UTF-8, without its terminating zero).
  std::string data;
  std::string note;
};

struct PolicyValues {
  PolicyValue values[2][2];  // [hive][name]

  PolicyValue& At(PolicyHive hive, PolicyName name) {
    return values[static_cast<int>(hive)][static_cast<int>(name)];
  }
  const PolicyValue& At(PolicyHive hive, PolicyName name) const {
    return values[static_cast<int>(hive)][static_cast<int>(name)];
  }
};
