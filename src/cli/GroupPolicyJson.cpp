#include "cli/GroupPolicyJson.h"

#include "app/DriveMask.h"
#include "cli/ArgumentText.h"
#include "cli/PolicyReport.h"
#include "cli/PolicySteps.h"

namespace {

using Action = DriveValueStep::Action;
using State = DriveValueOutcome::State;

const PolicyName kNames[] = {PolicyName::NoDrives, PolicyName::NoViewOnDrive};
const PolicyScope kHives[] = {PolicyScope::LocalMachine, PolicyScope::CurrentUser};

// "HKLM", "HKCU", or null for a hive that is not known.
std::string JsonHiveName(PolicyScope scope) {
  return scope == PolicyScope::LocalMachine  ? "\"HKLM\""
         : scope == PolicyScope::CurrentUser ? "\"HKCU\""
                                             : "null";
}

// JSON text: a string with quotes and escapes. Characters beyond ASCII pass
// as UTF-8; bytes that are no UTF-8 become U+FFFD, a lone surrogate its \u escape.
std::string JsonString(const std::string& text) {
  std::string out = "\"";
  const auto escape = [&out](std::uint32_t value) {
    out += "\\u" + LowerAscii(HexDigits(value, 4));
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
    std::uint32_t value = 0;
    const std::size_t length = DecodeUtf8(text, at, value);
    if (length == 0) {
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
    out += ", \"hex\": \"" + HexBytes(value.data) + "\"";
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
  const bool known = hive != PolicyScope::Unknown;
  return "{\"hive\": " + JsonHiveName(hive) +
         ", \"mask\": " + (known ? std::to_string(mask) : "null") +
         ", \"drives\": " + (known ? JsonDrives(mask) : "[]") +
         ", \"dependsOnOtherPolicies\": " + (dependsOnOthers ? "true" : "false") + "}";
}

std::string JsonHive(PolicyScope scope, const char* result, const std::string& steps) {
  return "{\"hive\": " + JsonHiveName(scope) + ", \"result\": \"" + result + "\", \"steps\": [" +
         steps + "]}";
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
    out += std::string(i == 0 ? "" : ", ") + "{\"path\": " + JsonString(file.path) +
           ", \"hive\": " + JsonHiveName(file.scope) +
           ", \"entries\": " + std::to_string(file.entries) + "}";
  }
  out += "],\n     \"values\": {";
  const bool unknown = source.HasUnknownScope();
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
    const DriveValueOutcome machine = OutcomeIn(source, PolicyScope::LocalMachine, name);
    const DriveValueOutcome user = OutcomeIn(source, PolicyScope::CurrentUser, name);
    std::uint32_t mask = 0;
    if (unknown) {
      out += JsonApplies(PolicyScope::Unknown, 0, true);
    } else if (machine.ReadsAsMask(mask)) {
      out += JsonApplies(PolicyScope::LocalMachine, mask,
                         machine.state == State::SetIfAbsent || machine.conditional);
    } else if (user.ReadsAsMask(mask)) {
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
    out += std::string(i == 0 ? "" : ", ") + "{\"hive\": " + JsonHiveName(other.scope) +
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

std::string GroupPolicyJson::Write(const std::vector<PolicySource>& sources) {
  std::vector<std::string> objects;
  for (const PolicySource& source : sources) objects.push_back(JsonOne(source));
  return JsonDocument(objects);
}

std::string GroupPolicyJson::Write(const PolicyValues& values, const std::string& kind,
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
