#pragma once

#include <string>
#include <vector>

#include "cli/PolicyFile.h"
#include "cli/PolicySource.h"
#include "cli/XmlDocument.h"

// What the entries of Group Policy's files do to NoDrives and NoViewOnDrive,
// as the client applies them: keys and value names compared in any case,
// the instructions of a Registry.pol (**del., **delvals., **DeleteValues,
// **DeleteKeys, **soft.) and the Preferences registry items (Create,
// Replace, Update, Delete).

// Adds the steps of one Registry.pol whose entries land in scope.
void AddPolicyFileSteps(const std::vector<PolicyRecord>& records, PolicyScope scope,
                        const std::string& file, PolicySource& source);

// Adds the steps of one Preferences Registry.xml (each item names its hive)
// and counts its registry items. False with "line N: expected ..." when an
// item for a drive value carries a value its type cannot hold.
bool AddPreferenceSteps(const std::vector<XmlElement>& elements, const std::string& file,
                        PolicySource& source, std::size_t& items, std::string& error);

// Where a value ends up after the steps of one scope, applied in order.
struct DriveValueOutcome {
  enum class State {
    Untouched,    // no step: the value stays as other policies leave it
    Set,          // step sets it
    SetIfAbsent,  // step sets it unless it is there already
    Deleted,      // step deletes it
  };
  State state = State::Untouched;

  // Whether Explorer reads the value the outcome leaves as a mask, and the mask.
  bool ReadsAsMask(std::uint32_t& mask) const;

  const DriveValueStep* step = nullptr;  // the step that decides
  bool conditional = false;  // a step that counts applies only where its targeting matches
};
DriveValueOutcome OutcomeOf(const std::vector<DriveValueStep>& steps);

// The outcome of a source's steps for a value in one hive; nothing where the
// GPO's status turns that part off.
DriveValueOutcome OutcomeIn(const PolicySource& source, PolicyScope scope, PolicyName name);
