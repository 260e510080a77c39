#pragma once

#include <string>
#include <vector>

#include "cli/PolicySource.h"
#include "cli/PolicyValues.h"

// The drive policy report for scripts (show --format json):
// {"sources": [one object per source]}, every field always present, in a
// fixed order (listed in the README). Strings are UTF-8.
class GroupPolicyJson {
 public:
  // What Group Policy's files do (GroupPolicyReader's sources).
  static std::string Write(const std::vector<PolicySource>& sources);

  // What a registry holds: kind "registry" (path "") or "registry-export".
  static std::string Write(const PolicyValues& values, const std::string& kind,
                           const std::string& path);
};
