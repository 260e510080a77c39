#pragma once

#include <string>
#include <vector>

#include "cli/PolicySource.h"

// Group Policy's files read for show --from and --local-gpo, on any system:
//   a Registry.pol               its hive from its folder (Machine, User) or as given
//   a GPO folder                 Machine/ and User/ (a GPO in SYSVOL, Policies\{GUID},
//                                or the local policy): their Registry.pol and
//                                Preferences/Registry/Registry.xml
//   a GPO backup                 {GUID}/DomainSysvol/GPO/Machine|User/..., named by its
//                                bkupInfo.xml (or Backup.xml)
//   a folder of backups or GPOs  one source each, ordered by name, then GUID, then folder
// Folder and file names are matched in any case, as Windows matches them.
// A damaged file is an error naming it, never skipped.
class GroupPolicyReader {
 public:
  // A Registry.pol already read (bytes). hive: the hive given on the command
  // line, or Unknown; it must agree with a Machine or User folder around it.
  static bool ReadPolicyFile(const std::string& path, const std::string& bytes, PolicyScope hive,
                             PolicySource& source, std::string& error);

  // A GPO folder, a GPO backup or a folder holding backups or GPOs.
  static bool ReadFolder(const std::string& path, std::vector<PolicySource>& sources,
                         std::string& error);

  // Windows: the local policy of this computer (System32\GroupPolicy, the
  // real one also from a 32-bit program on 64-bit Windows); found false when
  // the computer has none. Elsewhere false with a message.
  static bool ReadLocalPolicy(std::vector<PolicySource>& sources, bool& found, std::string& folder,
                              std::string& error);
};
