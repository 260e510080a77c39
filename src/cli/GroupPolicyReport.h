#pragma once

#include <string>
#include <vector>

#include "cli/PolicySource.h"

// What Group Policy's files do to the drive policy values, explained: for
// NoDrives and NoViewOnDrive, what each hive's part of a source does (sets
// the value, deletes it, clears it with the key's other values, or leaves it
// alone) and which value Explorer ends up reading, HKEY_LOCAL_MACHINE's over
// HKEY_CURRENT_USER's; other values under the policy key are named. For a
// person; GroupPolicyJson writes the same for scripts.
class GroupPolicyReport {
 public:
  // One report per source, one after another.
  static std::string Plain(const std::vector<PolicySource>& sources);
};
