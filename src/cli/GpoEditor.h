#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/MaskArguments.h"

// drivemask gpo: the drive policy values written into a Group Policy
// object's folder in place (a domain GPO in SYSVOL, Policies\{GUID}, or the
// local policy, %windir%\System32\GroupPolicy): Machine\Registry.pol for
// HKEY_LOCAL_MACHINE, User\Registry.pol for HKEY_CURRENT_USER, and gpt.ini's
// version and extension list, so that clients apply the change.
class GpoEditor {
 public:
  struct Request {
    GpoChange change = GpoChange::None;
    std::uint32_t mask = 0;               // for Keep and Hide
    std::vector<std::string> valueNames;  // NoDrives, NoViewOnDrive or both
    bool machine = false;                 // Machine (HKLM) or User (HKCU)
    std::string folder;                   // empty: the local policy (Windows only)
  };

  // Edits the folder: every record of the policy file that is not one of
  // ours stays byte for byte and in its order; our earlier records for the
  // chosen values are replaced. All files are replaced together or not at
  // all. Returns the exit code; out gets the report, error the one-line
  // message of a failure (2: bad input, a file that cannot be read as what
  // it should be; 3: the files could not be written, or no administrator
  // rights for the local policy).
  static int Run(const Request& request, std::string& out, std::string& error);
};
