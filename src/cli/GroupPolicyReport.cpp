#include "cli/GroupPolicyReport.h"

#include "app/DriveMask.h"
#include "cli/ArgumentText.h"
#include "cli/PolicyReport.h"
#include "cli/PolicySteps.h"

namespace {

using Action = DriveValueStep::Action;
using State = DriveValueOutcome::State;

const PolicyName kNames[] = {PolicyName::NoDrives, PolicyName::NoViewOnDrive};

const char* HiveName(PolicyScope scope) {
  return scope == PolicyScope::LocalMachine  ? "HKEY_LOCAL_MACHINE"
         : scope == PolicyScope::CurrentUser ? "HKEY_CURRENT_USER"
                                             : "hive unknown";
}

// Text from a file as a report line shows it: control characters (a line
// feed in a name) become spaces.
std::string Shown(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return text;
}

// What "this ..." a sentence calls the source.
const char* SourceWord(const PolicySource& source) {
  return source.kind == PolicySource::Kind::PolicyFile ? "this file" : "this GPO";
}

// One step as a sentence, with the entry and file it comes from.
std::string StepText(PolicyName name, const DriveValueStep& step) {
  std::string text;
  const std::string where = Shown(step.entry) + " in " + Shown(step.file);
  switch (step.action) {
    case Action::Sets:
      text = "sets " + PolicyReport::DescribeValue(name, step.value) + " [" + where + "]";
      break;
    case Action::SetsIfAbsent:
      text = "sets it where it is not set yet [" + where +
             "]: " + PolicyReport::DescribeValue(name, step.value);
      break;
    case Action::Deletes:
      text = LowerAscii(step.entry).compare(0, 6, "**del.") == 0
                 ? "deletes it: the policy is Disabled [" + where + "]"
                 : "deletes it [" + where + "]";
      break;
    case Action::ClearsKey:
      text = "deletes it with every other value of the key [" + where + "]";
      break;
    case Action::DeletesKey:
      text = "deletes the whole key, and the value with it [" + where + "]";
      break;
  }
  if (!step.condition.empty()) text += ", " + step.condition;
  if (!step.applied) text = "(a disabled item, not applied) " + text;
  return text;
}

// Which value Explorer ends up reading, from what the source does in each hive.
std::string Applies(const PolicySource& source, PolicyName name) {
  const DriveValueOutcome machine = OutcomeIn(source, PolicyScope::LocalMachine, name);
  const DriveValueOutcome user = OutcomeIn(source, PolicyScope::CurrentUser, name);
  const std::string self = SourceWord(source);
  const auto qualifier = [](const DriveValueOutcome& outcome) {
    std::string text;
    if (outcome.state == State::SetIfAbsent) text += ", unless a value is there already";
    if (outcome.conditional) text += ", where the item's targeting matches";
    return text;
  };
  std::uint32_t mask = 0;
  if (machine.ReadsAsMask(mask)) {
    return "the HKEY_LOCAL_MACHINE value" + qualifier(machine) + ": " +
           PolicyReport::Effect(name, mask);
  }
  if (user.ReadsAsMask(mask)) {
    std::string text = "the HKEY_CURRENT_USER value";
    if (machine.state == State::Untouched) {
      text += ", unless another policy sets one in HKEY_LOCAL_MACHINE";
    } else if (machine.state == State::Deleted) {
      text += " (" + self + " deletes the HKEY_LOCAL_MACHINE one)";
    } else {
      text += " (the HKEY_LOCAL_MACHINE one is ignored)";
    }
    return text + qualifier(user) + ": " + PolicyReport::Effect(name, mask);
  }
  if (machine.state == State::Untouched && user.state == State::Untouched) {
    return "nothing from " + self + ", which leaves the value alone in both hives";
  }
  const std::string none =
      name == PolicyName::NoDrives ? "every drive stays visible" : "every drive can be opened";
  const bool open = machine.state == State::Untouched || user.state == State::Untouched;
  return "no value from " + self + ": " + none + (open ? ", unless another policy sets one" : "");
}

// "NoDrives hides A, B, E-Z; NoViewOnDrive left alone": what a source does
// to both values, in one line.
std::string Summary(const PolicySource& source) {
  std::string text;
  for (PolicyName name : kNames) {
    const DriveValueOutcome machine = OutcomeIn(source, PolicyScope::LocalMachine, name);
    const DriveValueOutcome user = OutcomeIn(source, PolicyScope::CurrentUser, name);
    std::string what;
    std::uint32_t mask = 0;
    if (machine.ReadsAsMask(mask) || user.ReadsAsMask(mask)) {
      what = PolicyReport::Effect(name, mask);
      what = what.substr(0, what.find(';'));
      if ((mask & ~kAllDrivesMask) != 0) what += " and bits above Z:";
      what += machine.ReadsAsMask(mask) ? " (HKLM)" : " (HKCU)";
    } else if (machine.state == State::Untouched && user.state == State::Untouched) {
      what = "left alone";
    } else if (machine.state == State::Deleted || user.state == State::Deleted) {
      what = "removed";
    } else {
      what = "set as a type Explorer ignores";
    }
    text += std::string(text.empty() ? "" : "; ") + PolicyNameText(name) + " " + what;
  }
  return text;
}

std::string Title(const PolicySource& source) {
  switch (source.kind) {
    case PolicySource::Kind::PolicyFile:
      return "the policy file " + Shown(source.path);
    case PolicySource::Kind::Gpo:
      return "the GPO folder " + Shown(source.path);
    case PolicySource::Kind::LocalPolicy:
      return "the local Group Policy of this computer, " + Shown(source.path);
    case PolicySource::Kind::GpoBackup:
      break;
  }
  return "the GPO backup " + (source.displayName.empty() ? std::string("without a name")
                                                         : "\"" + Shown(source.displayName) + "\"");
}

std::string PlainOne(const PolicySource& source) {
  std::string out = "Explorer drive policy, from " + Title(source) + "\n";
  if (source.kind == PolicySource::Kind::GpoBackup) {
    std::string about = source.gpoId.empty() ? "GPO" : "GPO " + Shown(source.gpoId);
    if (!source.domain.empty()) about += " of " + Shown(source.domain);
    if (!source.backupTime.empty()) about += ", backed up " + Shown(source.backupTime);
    out += "  " + about + "\n  in " + Shown(source.path) + "\n";
    if (source.machineDisabled || source.userDisabled) {
      out += std::string("  Its ") +
             (source.machineDisabled && source.userDisabled ? "Computer and User"
              : source.machineDisabled                      ? "Computer"
                                                            : "User") +
             " Configuration settings are disabled: Windows applies none of them.\n";
    }
  } else if (source.kind == PolicySource::Kind::Gpo && !source.gpoId.empty()) {
    out += "  GPO " + source.gpoId + "\n";
  }
  if (source.files.empty()) {
    out +=
        "It holds no Registry.pol and no Preferences registry items: it sets no registry\n"
        "policy at all.\n";
    return out;
  }
  if (source.kind != PolicySource::Kind::PolicyFile) {
    out += "Files read:\n";
    for (const PolicySourceFile& file : source.files) {
      const std::string lower = LowerAscii(file.path);
      const bool xml = lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".xml") == 0;
      out +=
          PolicyReport::Entry(HiveName(file.scope),
                              Shown(file.path) + " (" + std::to_string(file.entries) +
                                  (xml ? (file.entries == 1 ? " registry item" : " registry items")
                                       : (file.entries == 1 ? " entry" : " entries")) +
                                  ")");
    }
  } else {
    out += "Entries: " + std::to_string(source.files.front().entries) + "\n";
  }
  out += std::string("Key: ") + kPolicyKeyPath + "\n";
  const bool unknown = source.HasUnknownScope();
  if (unknown) {
    out +=
        "Scope unknown: a Registry.pol does not record its hive. The one in a GPO's Machine\n"
        "folder goes to HKEY_LOCAL_MACHINE, the one in its User folder to HKEY_CURRENT_USER;\n"
        "give --hive HKLM or --hive HKCU to say which this is.\n";
  } else {
    out += PolicyReport::kLookupNote;
  }
  for (PolicyName name : kNames) {
    out += std::string("\n") + PolicyReport::Heading(name) + "\n";
    for (PolicyScope scope :
         {PolicyScope::LocalMachine, PolicyScope::CurrentUser, PolicyScope::Unknown}) {
      if ((scope == PolicyScope::Unknown) != unknown) continue;
      const std::vector<DriveValueStep>& steps = source.Steps(scope, name);
      const std::string label = scope == PolicyScope::Unknown ? "In this file" : HiveName(scope);
      if (steps.empty()) out += PolicyReport::Entry(label, "left alone");
      for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string off = source.Disabled(scope) ? "(settings disabled, not applied) " : "";
        out += PolicyReport::Entry(i == 0 ? label : "",
                                   off + (i == 0 ? "" : "then ") + StepText(name, steps[i]));
      }
    }
    out +=
        PolicyReport::Entry("Applies:", unknown ? "depends on the hive this file is for (see above)"
                                                : Applies(source, name));
  }
  if (!source.otherValues.empty()) {
    out += "\nOther values under the key, not explained here:\n";
    for (PolicyScope scope :
         {PolicyScope::LocalMachine, PolicyScope::CurrentUser, PolicyScope::Unknown}) {
      std::string names;
      for (const OtherPolicyValue& other : source.otherValues) {
        if (other.scope != scope) continue;
        names += (names.empty() ? "" : ", ") + Shown(other.name);
      }
      if (!names.empty()) {
        out += PolicyReport::Entry(scope == PolicyScope::Unknown ? "In this file" : HiveName(scope),
                                   names);
      }
    }
  }
  if (source.otherEntries > 0) {
    out += "\n" + std::to_string(source.otherEntries) +
           (source.otherEntries == 1 ? " entry is" : " entries are") +
           " for other keys (not about drives).\n";
  }
  return out;
}

}  // namespace

std::string GroupPolicyReport::Plain(const std::vector<PolicySource>& sources) {
  std::string out;
  if (sources.size() > 1) {
    out += std::to_string(sources.size()) + " GPOs, each reported below; what each does:\n";
    for (const PolicySource& source : sources) {
      const std::string name = !source.displayName.empty() ? source.displayName
                               : !source.gpoId.empty()     ? source.gpoId
                                                           : source.path;
      out += PolicyReport::Entry(Shown(name), Summary(source));
    }
  }
  for (std::size_t i = 0; i < sources.size(); ++i) {
    if (sources.size() > 1) out += "\n" + std::string(78, '=') + "\n";
    out += PlainOne(sources[i]);
  }
  return out;
}
