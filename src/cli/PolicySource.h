#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cli/PolicyValues.h"

// What Group Policy's own files (a Registry.pol, a GPO folder, a GPO backup)
// do to the two drive policy values: read by GroupPolicyReader from the files
// (PolicySteps works out each entry's step), explained by GroupPolicyReport.

// The hive a policy file's entries land in: its Machine part writes
// HKEY_LOCAL_MACHINE, its User part HKEY_CURRENT_USER. A Registry.pol found
// alone does not record which.
enum class PolicyScope { LocalMachine, CurrentUser, Unknown };
constexpr int kPolicyScopes = 3;

// One entry of a source that touches NoDrives or NoViewOnDrive.
struct DriveValueStep {
  enum class Action {
    Sets,          // sets the value (a Registry.pol value, a Preferences Update or Replace)
    SetsIfAbsent,  // **soft.NAME, a Preferences Create: only where the value is not there yet
    Deletes,       // **del.NAME (the policy is Disabled), **DeleteValues, a Preferences Delete
    ClearsKey,     // **delvals.: every value of the key is deleted first
    DeletesKey,    // **DeleteKeys, a Preferences Delete of the key: the key goes, values and all
  };
  Action action = Action::Sets;
  PolicyValue value;      // Sets, SetsIfAbsent: the value (state Set, type and data)
  std::string file;       // the file the entry is in, as shown (relative to the source)
  std::string entry;      // the entry as the file writes it ("**del.NoDrives", "item \"Hide\"")
  std::string condition;  // why it may not apply everywhere ("item-level targeting"), or ""
  bool applied = true;    // false: a disabled Preferences item, shown but not applied
};

// A value name the source writes under the policy key other than the two
// drive values (NoDriveTypeAutoRun, **del.NoRun, ...): listed, not explained.
struct OtherPolicyValue {
  PolicyScope scope = PolicyScope::Unknown;
  std::string name;
  std::string file;
};

// A file the source was read from.
struct PolicySourceFile {
  std::string path;  // relative to the source's folder (the file name for a bare file)
  PolicyScope scope = PolicyScope::Unknown;
  std::size_t entries = 0;  // records of a Registry.pol, registry items of a Registry.xml
};

struct PolicySource {
  enum class Kind { PolicyFile, Gpo, GpoBackup, LocalPolicy };
  Kind kind = Kind::PolicyFile;
  std::string path;         // the file or folder, as given or found
  std::string displayName;  // a backup's GPO name; "" when unknown
  std::string gpoId;        // a backup's GPO GUID; "" when unknown
  std::string domain;       // a backup's domain; "" when unknown
  std::string backupTime;   // when the backup was made, as recorded; "" when unknown
  // A backup's GPO status: its Computer (HKLM) or User (HKCU) settings
  // disabled, so that Windows applies none of that part.
  bool machineDisabled = false;
  bool userDisabled = false;
  std::vector<PolicySourceFile> files;
  std::vector<DriveValueStep> steps[kPolicyScopes][2];  // [scope][PolicyName], in order applied
  std::vector<OtherPolicyValue> otherValues;
  std::size_t otherEntries = 0;  // entries for keys other than the policy key

  std::vector<DriveValueStep>& Steps(PolicyScope scope, PolicyName name) {
    return steps[static_cast<int>(scope)][static_cast<int>(name)];
  }
  const std::vector<DriveValueStep>& Steps(PolicyScope scope, PolicyName name) const {
    return steps[static_cast<int>(scope)][static_cast<int>(name)];
  }
  // Whether entries of an unknown hive were read (a Registry.pol found alone).
  bool HasUnknownScope() const {
    for (const PolicySourceFile& file : files) {
      if (file.scope == PolicyScope::Unknown) return true;
    }
    return false;
  }
  bool Disabled(PolicyScope scope) const {
    return (scope == PolicyScope::LocalMachine && machineDisabled) ||
           (scope == PolicyScope::CurrentUser && userDisabled);
  }
};
