#pragma once

#include <string>
#include <vector>

#include "cli/PolicySource.h"
#include "cli/PolicyValues.h"

// What Group Policy's files do to the drive policy values, explained: for
// NoDrives and NoViewOnDrive, what each hive's part of a source does (sets
// the value, deletes it, clears it with the key's other values, or leaves it
// alone) and which value Explorer ends up reading, HKEY_LOCAL_MACHINE's over
// HKEY_CURRENT_USER's; other values under the policy key are named.
// Plain text for a person, JSON for scripts (fields in the README).
class GroupPolicyReport {
 public:
  // One report per source, one after another.
  static std::string Plain(const std::vector<PolicySource>& sources);

  // {"sources": [one object per source]}.
  static std::string Json(const std::vector<PolicySource>& sources);

  // The same JSON for a registry (kind "registry", path "") or a registry
  // export (kind "registry-export").
  static std::string Json(const PolicyValues& values, const std::string& kind,
                          const std::string& path);
};
