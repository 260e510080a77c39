#include "cli/GroupPolicyReport.h"

#include "app/DriveMask.h"
#include "cli/ArgumentText.h"
#include "cli/MaskValueParser.h"
#include "cli/PolicyReport.h"
#include "cli/PolicySteps.h"

namespace {

using Action = DriveValueStep::Action;
using State = DriveValueOutcome::State;

const PolicyName kNames[] = {PolicyName::NoDrives, PolicyName::NoViewOnDrive};
const PolicyScope kHives[] = {PolicyScope::LocalMachine, PolicyScope::CurrentUser};

const char* HiveName(PolicyScope scope) {
  return scope == PolicyScope::LocalMachine  ? "HKEY_LOCAL_MACHINE"
         : scope == PolicyScope::CurrentUser ? "HKEY_CURRENT_USER"
                                             : "hive unknown";
}

const char* ShortHive(PolicyScope scope) {
  return scope == PolicyScope::LocalMachine  ? "HKLM"
         : scope == PolicyScope::CurrentUser ? "HKCU"
                                             : nullptr;
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

bool HasUnknownScope(const PolicySource& source) {
  for (PolicyName name : kNames) {
    if (!source.Steps(PolicyScope::Unknown, name).empty()) return true;
  }
  for (const PolicySourceFile& file : source.files) {
    if (file.scope == PolicyScope::Unknown) return true;
  }
  return false;
}

// Whether Explorer reads the outcome's value as a mask, and the mask.
bool OutcomeMask(const DriveValueOutcome& outcome, std::uint32_t& mask) {
  return (outcome.state == State::Set || outcome.state == State::SetIfAbsent) &&
         PolicyReport::ReadsAsMask(outcome.step->value, mask);
}

// What the source's steps for a value in one hive come to; nothing where the
// GPO's status turns that part off.
DriveValueOutcome Outcome(const PolicySource& source, PolicyScope scope, PolicyName name) {
  return source.Disabled(scope) ? DriveValueOutcome() : OutcomeOf(source.Steps(scope, name));
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
  const DriveValueOutcome machine = Outcome(source, PolicyScope::LocalMachine, name);
  const DriveValueOutcome user = Outcome(source, PolicyScope::CurrentUser, name);
  const std::string self = SourceWord(source);
  const auto qualifier = [](const DriveValueOutcome& outcome) {
    std::string text;
    if (outcome.state == State::SetIfAbsent) text += ", unless a value is there already";
    if (outcome.conditional) text += ", where the item's targeting matches";
    return text;
  };
  std::uint32_t mask = 0;
  if (OutcomeMask(machine, mask)) {
    return "the HKEY_LOCAL_MACHINE value" + qualifier(machine) + ": " +
           PolicyReport::Effect(name, mask);
  }
  if (OutcomeMask(user, mask)) {
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
    const DriveValueOutcome machine = Outcome(source, PolicyScope::LocalMachine, name);
    const DriveValueOutcome user = Outcome(source, PolicyScope::CurrentUser, name);
    std::string what;
    std::uint32_t mask = 0;
    if (OutcomeMask(machine, mask) || OutcomeMask(user, mask)) {
      what = PolicyReport::Effect(name, mask);
      what = what.substr(0, what.find(';'));
      if ((mask & ~kAllDrivesMask) != 0) what += " and bits above Z:";
      what += OutcomeMask(machine, mask) ? " (HKLM)" : " (HKCU)";
    } else if (machine.state == State::Untouched && user.state == State::Untouched) {
      what = "left alone";
    } else {
      what = "removed";
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
                                                         : "\"" + source.displayName + "\"");
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
  const bool unknown = HasUnknownScope(source);
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

// JSON text: a string with quotes and escapes. Characters beyond ASCII pass
// as UTF-8; bytes that are no UTF-8 become U+FFFD, a lone surrogate its \u escape.
std::string JsonString(const std::string& text) {
  std::string out = "\"";
  static const char kHex[] = "0123456789abcdef";
  const auto escape = [&out](unsigned value) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xF];
  };
  for (std::size_t at = 0; at < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[at]);
    if (c < 0x80) {
      if (c == '"' || c == '\\') {
        out += '\\';
        out += static_cast<char>(c);
      } else if (c < 0x20 || c == 0x7F) {
        escape(c);
      } else {
        out += static_cast<char>(c);
      }
      ++at;
      continue;
    }
    const std::size_t length = (c & 0xE0) == 0xC0   ? 2
                               : (c & 0xF0) == 0xE0 ? 3
                               : (c & 0xF8) == 0xF0 ? 4
                                                    : 0;
    unsigned value = length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
    bool good = length != 0 && at + length <= text.size();
    for (std::size_t i = 1; good && i < length; ++i) {
      const unsigned char next = static_cast<unsigned char>(text[at + i]);
      good = (next & 0xC0) == 0x80;
      value = value << 6 | (next & 0x3F);
    }
    static const unsigned kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!good || value < kLeast[length] || value > 0x10FFFF) {
      escape(0xFFFD);
      ++at;
    } else if (value >= 0xD800 && value <= 0xDFFF) {
      escape(value);
      at += length;
    } else {
      out.append(text, at, length);
      at += length;
    }
  }
  return out + "\"";
}

std::string JsonOrNull(const std::string& text) { return text.empty() ? "null" : JsonString(text); }

std::string JsonDrives(std::uint32_t mask) {
  std::string out = "[";
  for (int bit = 0; bit < 26; ++bit) {
    if ((mask >> bit & 1) == 0) continue;
    if (out.size() > 1) out += ", ";
    out += "\"" + std::string(1, static_cast<char>('A' + bit)) + "\"";
  }
  return out + "]";
}

std::string JsonValue(const PolicyValue& value) {
  std::string out = "{\"type\": " + std::to_string(value.type) + ", \"typeName\": " +
                    JsonOrNull(PolicyReport::TypeName(value.type).compare(0, 4, "REG_") == 0
                                   ? PolicyReport::TypeName(value.type)
                                   : "");
  if (value.type == kRegSz || value.type == kRegExpandSz) {
    out += ", \"text\": " + JsonString(value.data);
  } else {
    std::string hex;
    for (char c : value.data) {
      const unsigned byte = static_cast<unsigned char>(c);
      hex += "0123456789abcdef"[byte >> 4];
      hex += "0123456789abcdef"[byte & 0xF];
    }
    out += ", \"hex\": \"" + hex + "\"";
  }
  std::uint32_t mask = 0;
  const bool read = PolicyReport::ReadsAsMask(value, mask);
  out += std::string(", \"readByExplorer\": ") + (read ? "true" : "false");
  if (read) {
    out += ", \"mask\": " + std::to_string(mask) + ", \"drives\": " + JsonDrives(mask) +
           ", \"bitsAboveZ\": " + ((mask & ~kAllDrivesMask) != 0 ? "true" : "false");
  } else {
    out += ", \"mask\": null, \"drives\": null, \"bitsAboveZ\": false";
  }
  return out + "}";
}

std::string JsonStep(const DriveValueStep& step) {
  static const char* const kActions[] = {"set", "set-if-absent", "delete", "clear-key",
                                         "delete-key"};
  const bool sets = step.action == Action::Sets || step.action == Action::SetsIfAbsent;
  return std::string("{\"action\": \"") + kActions[static_cast<int>(step.action)] +
         "\", \"file\": " + JsonOrNull(step.file) + ", \"entry\": " + JsonString(step.entry) +
         ", \"condition\": " + JsonOrNull(step.condition) +
         ", \"applied\": " + (step.applied ? "true" : "false") +
         ", \"value\": " + (sets ? JsonValue(step.value) : "null") + "}";
}

// "applies": the hive whose value Explorer reads and its mask.
std::string JsonApplies(PolicyScope hive, std::uint32_t mask, bool dependsOnOthers) {
  const char* name = ShortHive(hive);
  return std::string("{\"hive\": ") + (name ? "\"" + std::string(name) + "\"" : "null") +
         ", \"mask\": " + (name ? std::to_string(mask) : "null") +
         ", \"drives\": " + (name ? JsonDrives(mask) : "[]") +
         ", \"dependsOnOtherPolicies\": " + (dependsOnOthers ? "true" : "false") + "}";
}

std::string JsonHive(PolicyScope scope, const char* result, const std::string& steps) {
  const char* name = ShortHive(scope);
  return std::string("{\"hive\": ") + (name ? "\"" + std::string(name) + "\"" : "null") +
         ", \"result\": \"" + result + "\", \"steps\": [" + steps + "]}";
}

std::string JsonOne(const PolicySource& source) {
  static const char* const kKinds[] = {"policy-file", "gpo", "gpo-backup", "local-gpo"};
  static const char* const kResults[] = {"untouched", "set", "set-if-absent", "deleted"};
  std::string out =
      std::string("    {\"kind\": \"") + kKinds[static_cast<int>(source.kind)] +
      "\", \"path\": " + JsonString(source.path) + ", \"name\": " + JsonOrNull(source.displayName) +
      ", \"gpoId\": " + JsonOrNull(source.gpoId) + ", \"domain\": " + JsonOrNull(source.domain) +
      ", \"backupTime\": " + JsonOrNull(source.backupTime) + ",\n     \"files\": [";
  for (std::size_t i = 0; i < source.files.size(); ++i) {
    const PolicySourceFile& file = source.files[i];
    const char* hive = ShortHive(file.scope);
    out += std::string(i == 0 ? "" : ", ") + "{\"path\": " + JsonString(file.path) +
           ", \"hive\": " + (hive ? "\"" + std::string(hive) + "\"" : "null") +
           ", \"entries\": " + std::to_string(file.entries) + "}";
  }
  out += "],\n     \"values\": {";
  const bool unknown = HasUnknownScope(source);
  for (PolicyName name : kNames) {
    out += std::string(name == PolicyName::NoDrives ? "" : ",") + "\n      \"" +
           PolicyNameText(name) + "\": {\"hives\": [";
    bool first = true;
    for (PolicyScope scope :
         {PolicyScope::LocalMachine, PolicyScope::CurrentUser, PolicyScope::Unknown}) {
      if (scope == PolicyScope::Unknown && !unknown) continue;
      const std::vector<DriveValueStep>& steps = source.Steps(scope, name);
      std::string list;
      for (const DriveValueStep& step : steps) list += (list.empty() ? "" : ", ") + JsonStep(step);
      out += std::string(first ? "" : ",") + "\n        " +
             JsonHive(scope,
                      source.Disabled(scope) ? "not-applied"
                                             : kResults[static_cast<int>(OutcomeOf(steps).state)],
                      list);
      first = false;
    }
    out += "],\n        \"applies\": ";
    const DriveValueOutcome machine = Outcome(source, PolicyScope::LocalMachine, name);
    const DriveValueOutcome user = Outcome(source, PolicyScope::CurrentUser, name);
    std::uint32_t mask = 0;
    if (unknown) {
      out += JsonApplies(PolicyScope::Unknown, 0, true);
    } else if (OutcomeMask(machine, mask)) {
      out += JsonApplies(PolicyScope::LocalMachine, mask,
                         machine.state == State::SetIfAbsent || machine.conditional);
    } else if (OutcomeMask(user, mask)) {
      out += JsonApplies(PolicyScope::CurrentUser, mask,
                         machine.state == State::Untouched || user.state == State::SetIfAbsent ||
                             user.conditional);
    } else {
      out += JsonApplies(PolicyScope::Unknown, 0,
                         machine.state == State::Untouched || user.state == State::Untouched);
    }
    out += "}";
  }
  out += "},\n     \"otherValues\": [";
  for (std::size_t i = 0; i < source.otherValues.size(); ++i) {
    const OtherPolicyValue& other = source.otherValues[i];
    const char* hive = ShortHive(other.scope);
    out += std::string(i == 0 ? "" : ", ") +
           "{\"hive\": " + (hive ? "\"" + std::string(hive) + "\"" : "null") +
           ", \"name\": " + JsonString(other.name) + ", \"file\": " + JsonString(other.file) + "}";
  }
  return out + "],\n     \"otherEntries\": " + std::to_string(source.otherEntries) + "}";
}

std::string JsonDocument(const std::vector<std::string>& objects) {
  std::string out = "{\"sources\": [\n";
  for (std::size_t i = 0; i < objects.size(); ++i) {
    out += objects[i] + (i + 1 < objects.size() ? ",\n" : "\n");
  }
  return out + "]}\n";
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

std::string GroupPolicyReport::Json(const std::vector<PolicySource>& sources) {
  std::vector<std::string> objects;
  for (const PolicySource& source : sources) objects.push_back(JsonOne(source));
  return JsonDocument(objects);
}

std::string GroupPolicyReport::Json(const PolicyValues& values, const std::string& kind,
                                    const std::string& path) {
  static const char* const kResults[] = {"unknown", "not-set", "set", "unreadable"};
  std::string out = "    {\"kind\": " + JsonString(kind) + ", \"path\": " + JsonOrNull(path) +
                    ", \"name\": null, \"gpoId\": null, \"domain\": null, \"backupTime\": null," +
                    "\n     \"files\": [],\n     \"values\": {";
  for (PolicyName name : kNames) {
    out += std::string(name == PolicyName::NoDrives ? "" : ",") + "\n      \"" +
           PolicyNameText(name) + "\": {\"hives\": [";
    for (PolicyScope scope : kHives) {
      const PolicyValue& value = values.At(
          scope == PolicyScope::LocalMachine ? PolicyHive::LocalMachine : PolicyHive::CurrentUser,
          name);
      std::string step;
      if (value.state == PolicyValue::State::Set) {
        step = "{\"action\": \"set\", \"file\": " + JsonOrNull(path) + ", \"entry\": \"" +
               PolicyNameText(name) +
               "\", \"condition\": null, \"applied\": true, \"value\": " + JsonValue(value) + "}";
      }
      out += std::string(scope == PolicyScope::LocalMachine ? "" : ",") + "\n        " +
             JsonHive(scope, kResults[static_cast<int>(value.state)], step);
    }
    out += "],\n        \"applies\": ";
    const PolicyValue& machine = values.At(PolicyHive::LocalMachine, name);
    const PolicyValue& user = values.At(PolicyHive::CurrentUser, name);
    const auto unsure = [](const PolicyValue& value) {
      return value.state == PolicyValue::State::Unknown ||
             value.state == PolicyValue::State::Unreadable;
    };
    std::uint32_t mask = 0;
    if (PolicyReport::ReadsAsMask(machine, mask)) {
      out += JsonApplies(PolicyScope::LocalMachine, mask, false);
    } else if (PolicyReport::ReadsAsMask(user, mask)) {
      out += JsonApplies(PolicyScope::CurrentUser, mask, unsure(machine));
    } else {
      out += JsonApplies(PolicyScope::Unknown, 0, unsure(machine) || unsure(user));
    }
    out += "}";
  }
  out += "},\n     \"otherValues\": [],\n     \"otherEntries\": 0}";
  return JsonDocument({out});
}
