#pragma once

#include <string>
#include <vector>

// What the drivemask program writes and for which registry location.

enum class OutputFormat {
  Plain,        // the mask explained, with every form and where it goes
  RegFile,      // a .reg file for regedit / reg import
  RegAdd,       // reg add command lines (cmd.exe or a batch file)
  PowerShell,   // one PowerShell line
  Adm,          // ADM ITEMLIST entries and their [strings] line
  Admx,         // an ADMX <item> and its ADML <string>; for template, ADMX and ADML files
  AdmFile,      // template: a complete classic ADM template file
  PolicyFile,   // a Registry.pol file (binary: written only with --out)
  Preferences,  // a Group Policy Preferences Registry.xml
  Lgpo,         // text for LGPO.exe, which makes a policy file of it
  Json,         // show: the report for scripts
};

enum class RegistryHive {
  CurrentUser,   // HKEY_CURRENT_USER: the policy for the user who logs on
  LocalMachine,  // HKEY_LOCAL_MACHINE: the policy for every user of the machine
};

struct OutputOptions {
  OutputFormat format = OutputFormat::Plain;
  bool noDrives = true;        // the value that hides drives
  bool noViewOnDrive = false;  // the value that prevents access to drives
  RegistryHive hive = RegistryHive::CurrentUser;

  // The value names chosen, in the order they are written.
  std::vector<std::string> ValueNames() const {
    std::vector<std::string> names;
    if (noDrives) names.push_back("NoDrives");
    if (noViewOnDrive) names.push_back("NoViewOnDrive");
    return names;
  }
};
