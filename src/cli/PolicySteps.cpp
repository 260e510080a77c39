#include "cli/PolicySteps.h"

#include "cli/ArgumentText.h"
#include "cli/PolicyReport.h"

namespace {

const PolicyName kNames[] = {PolicyName::NoDrives, PolicyName::NoViewOnDrive};

// A key path in lower case, without backslashes at its ends.
std::string KeyForm(const std::string& key) {
  std::string::size_type begin = 0;
  std::string::size_type end = key.size();
  while (begin < end && key[begin] == '\\') ++begin;
  while (end > begin && key[end - 1] == '\\') --end;
  return LowerAscii(key.substr(begin, end - begin));
}

bool IsPolicyKey(const std::string& key) { return KeyForm(key) == LowerAscii(kPolicyKeyPath); }

// Whether deleting the key deletes the policy key: it is that key or above it.
bool RemovesPolicyKey(const std::string& key) {
  const std::string form = KeyForm(key);
  const std::string policy = LowerAscii(kPolicyKeyPath);
  return !form.empty() && (form == policy || policy.compare(0, form.size() + 1, form + "\\") == 0);
}

// The ';'-separated names of **DeleteValues and **DeleteKeys, blanks trimmed.
std::vector<std::string> NameList(const std::string& utf16) {
  std::vector<std::string> names;
  const std::string text = Utf8FromUtf16Le(utf16);
  std::string::size_type start = 0;
  while (start <= text.size()) {
    std::string::size_type end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    const std::string name = TrimBlanks(text.substr(start, end - start));
    if (!name.empty()) names.push_back(name);
    start = end + 1;
  }
  return names;
}

bool StartsWith(const std::string& lower, const char* prefix) {
  return lower.compare(0, std::string(prefix).size(), prefix) == 0;
}

void Add(PolicySource& source, PolicyScope scope, PolicyName name, DriveValueStep::Action action,
         const std::string& file, const std::string& entry, const PolicyValue& value = {}) {
  DriveValueStep step;
  step.action = action;
  step.value = value;
  step.file = file;
  step.entry = entry;
  source.Steps(scope, name).push_back(step);
}

void AddToBoth(PolicySource& source, PolicyScope scope, DriveValueStep::Action action,
               const std::string& file, const std::string& entry) {
  for (PolicyName name : kNames) Add(source, scope, name, action, file, entry);
}

void AddOther(PolicySource& source, PolicyScope scope, const std::string& name,
              const std::string& file) {
  for (const OtherPolicyValue& other : source.otherValues) {
    if (other.scope == scope && LowerAscii(other.name) == LowerAscii(name) && other.file == file) {
      return;
    }
  }
  source.otherValues.push_back({scope, name, file});
}

PolicyValue ValueOf(const PolicyRecord& record) {
  PolicyValue value;
  value.state = PolicyValue::State::Set;
  value.type = record.type;
  value.data = record.type == kRegSz || record.type == kRegExpandSz ? Utf8FromUtf16Le(record.data)
                                                                    : record.data;
  return value;
}

// The value of a Preferences item: hexadecimal digits for the numbers and
// binary data, the text for strings. False when the text is no such value.
bool PreferenceValue(const std::string& typeName, const std::string& text, PolicyValue& value) {
  value = PolicyValue();
  value.state = PolicyValue::State::Set;
  bool known = false;
  for (std::uint32_t type : {kRegSz, kRegExpandSz, kRegBinary, kRegDword, kRegMultiSz, kRegQword}) {
    if (typeName == PolicyReport::TypeName(type)) {
      value.type = type;
      known = true;
    }
  }
  if (!known) return false;
  if (value.type != kRegDword && value.type != kRegQword && value.type != kRegBinary) {
    value.data = text;
    return true;
  }
  const std::size_t width = value.type == kRegDword ? 8 : 16;
  if (value.type != kRegBinary && (text.empty() || text.size() > width)) return false;
  if (value.type == kRegBinary && text.size() % 2 != 0) return false;
  for (char c : text) {
    if (HexDigitValue(c) < 0) return false;
  }
  if (value.type == kRegBinary) {
    for (std::size_t i = 0; i < text.size(); i += 2) {
      value.data += static_cast<char>(HexDigitValue(text[i]) * 16 + HexDigitValue(text[i + 1]));
    }
    return true;
  }
  std::uint64_t number = 0;
  for (char c : text) number = number << 4 | static_cast<std::uint64_t>(HexDigitValue(c));
  for (std::size_t i = 0; i < width / 2; ++i) {
    value.data += static_cast<char>(number >> (8 * i) & 0xFF);
  }
  return true;
}

// Whether the element or one of the collections it sits in is disabled.
bool Disabled(const std::vector<XmlElement>& elements, std::size_t at) {
  for (; at != XmlElement::kNoParent; at = elements[at].parent) {
    const std::string* disabled = elements[at].Attribute("disabled");
    if (disabled != nullptr && *disabled == "1") return true;
  }
  return false;
}

}  // namespace

void AddPolicyFileSteps(const std::vector<PolicyRecord>& records, PolicyScope scope,
                        const std::string& file, PolicySource& source) {
  using Action = DriveValueStep::Action;
  for (const PolicyRecord& record : records) {
    const std::string lower = LowerAscii(record.valueName);
    if (lower == "**deletekeys") {
      bool removes = false;
      for (const std::string& key : NameList(record.data)) {
        removes = removes || RemovesPolicyKey(record.key + "\\" + key) || RemovesPolicyKey(key);
      }
      if (removes) {
        AddToBoth(source, scope, Action::DeletesKey, file, record.valueName);
        continue;
      }
    }
    if (!IsPolicyKey(record.key)) {
      ++source.otherEntries;
      continue;
    }
    PolicyName name = PolicyName::NoDrives;
    if (record.valueName.empty() && record.type == 0) {
      continue;  // only makes the key
    } else if (PolicyNameFromText(record.valueName, name)) {
      Add(source, scope, name, Action::Sets, file, record.valueName, ValueOf(record));
    } else if (StartsWith(lower, "**del.") && PolicyNameFromText(lower.substr(6), name)) {
      Add(source, scope, name, Action::Deletes, file, record.valueName);
    } else if (StartsWith(lower, "**soft.") && PolicyNameFromText(lower.substr(7), name)) {
      Add(source, scope, name, Action::SetsIfAbsent, file, record.valueName, ValueOf(record));
    } else if (lower == "**delvals.") {
      AddToBoth(source, scope, Action::ClearsKey, file, record.valueName);
    } else if (lower == "**deletevalues") {
      bool named = false;
      for (const std::string& listed : NameList(record.data)) {
        if (PolicyNameFromText(listed, name)) {
          Add(source, scope, name, Action::Deletes, file, record.valueName);
          named = true;
        } else {
          AddOther(source, scope, "**DeleteValues " + listed, file);
        }
      }
      if (!named && NameList(record.data).empty()) AddOther(source, scope, record.valueName, file);
    } else {
      AddOther(source, scope, record.valueName, file);
    }
  }
}

bool AddPreferenceSteps(const std::vector<XmlElement>& elements, const std::string& file,
                        PolicySource& source, std::size_t& items, std::string& error) {
  using Action = DriveValueStep::Action;
  items = 0;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const XmlElement& properties = elements[i];
    const std::size_t parent = properties.parent;
    if (XmlElement::LocalName(properties.name) != "Properties" || parent == XmlElement::kNoParent ||
        XmlElement::LocalName(elements[parent].name) != "Registry") {
      continue;
    }
    ++items;
    const XmlElement& item = elements[parent];
    const auto attribute = [&properties](const char* name) {
      const std::string* value = properties.Attribute(name);
      return value != nullptr ? *value : std::string();
    };
    const std::string hive = attribute("hive");
    const std::string key = attribute("key");
    const std::string valueName = attribute("default") == "1" ? "" : attribute("name");
    const std::string given = LowerAscii(attribute("action"));
    const std::string action = given == "c" ? "C" : given == "r" ? "R" : given == "d" ? "D" : "U";
    PolicyScope scope = PolicyScope::Unknown;
    if (LowerAscii(hive) == "hkey_local_machine") {
      scope = PolicyScope::LocalMachine;
    } else if (LowerAscii(hive) == "hkey_current_user") {
      scope = PolicyScope::CurrentUser;
    }
    const bool keyItem = valueName.empty() && attribute("default") != "1";
    const bool deletesKey = keyItem && action == "D" && RemovesPolicyKey(key);
    if (scope == PolicyScope::Unknown || (!IsPolicyKey(key) && !deletesKey)) {
      ++source.otherEntries;
      continue;
    }
    const std::string* itemName = item.Attribute("name");
    DriveValueStep step;
    step.file = file;
    step.entry = "Preferences item \"" + (itemName != nullptr ? *itemName : valueName) + "\" (" +
                 (action == "C"   ? "Create"
                  : action == "R" ? "Replace"
                  : action == "D" ? "Delete"
                                  : "Update") +
                 ")";
    step.applied = !Disabled(elements, parent);
    for (std::size_t child = parent + 1; child < elements.size(); ++child) {
      if (elements[child].parent == parent &&
          XmlElement::LocalName(elements[child].name) == "Filters") {
        step.condition = "only where its item-level targeting matches";
      }
    }
    PolicyName name = PolicyName::NoDrives;
    if (deletesKey) {
      step.action = Action::DeletesKey;
      for (PolicyName each : kNames) source.Steps(scope, each).push_back(step);
      continue;
    }
    if (keyItem) continue;  // makes or updates the key itself
    if (!PolicyNameFromText(valueName, name)) {
      AddOther(source, scope, valueName, file);
      continue;
    }
    if (action == "D") {
      step.action = Action::Deletes;
    } else {
      step.action = action == "C" ? Action::SetsIfAbsent : Action::Sets;
      if (!PreferenceValue(attribute("type"), attribute("value"), step.value)) {
        error = "line " + std::to_string(properties.line) + ": expected the " +
                PolicyNameText(name) +
                " item's value as hexadecimal digits of a REG_DWORD (or REG_QWORD or REG_BINARY), "
                "or a string type, found type " +
                QuotedText(attribute("type")) + " value " + QuotedText(attribute("value"));
        return false;
      }
    }
    source.Steps(scope, name).push_back(step);
  }
  return true;
}

DriveValueOutcome OutcomeOf(const std::vector<DriveValueStep>& steps) {
  using State = DriveValueOutcome::State;
  DriveValueOutcome outcome;
  for (const DriveValueStep& step : steps) {
    if (!step.applied) continue;
    switch (step.action) {
      case DriveValueStep::Action::Sets:
        outcome.state = State::Set;
        break;
      case DriveValueStep::Action::SetsIfAbsent:
        // A value that is there stays; one deleted before is set again.
        if (outcome.state == State::Set || outcome.state == State::SetIfAbsent) continue;
        outcome.state = outcome.state == State::Deleted ? State::Set : State::SetIfAbsent;
        break;
      default:
        outcome.state = State::Deleted;
        break;
    }
    outcome.step = &step;
    outcome.conditional = outcome.conditional || !step.condition.empty();
  }
  return outcome;
}

bool DriveValueOutcome::ReadsAsMask(std::uint32_t& mask) const {
  return (state == State::Set || state == State::SetIfAbsent) &&
         PolicyReport::ReadsAsMask(step->value, mask);
}

DriveValueOutcome OutcomeIn(const PolicySource& source, PolicyScope scope, PolicyName name) {
  return source.Disabled(scope) ? DriveValueOutcome() : OutcomeOf(source.Steps(scope, name));
}
