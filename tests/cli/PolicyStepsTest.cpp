#include <gtest/gtest.h>

#include "cli/ArgumentText.h"
#include "cli/PolicySteps.h"

namespace {

const std::string kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

// REG_SZ data: the text in UTF-16LE with its terminating NUL.
std::string Utf16(const std::string& text) { return Utf16LeFromUtf8(text) + std::string(2, '\0'); }

PolicyRecord Record(const std::string& key, const std::string& name, std::uint32_t type,
                    const std::string& data) {
  PolicyRecord record;
  record.key = key;
  record.valueName = name;
  record.type = type;
  record.data = data;
  return record;
}

const std::string kFour("\x04\0\0\0", 4);
const std::string kEight("\x08\0\0\0", 4);

// "set 04000000", "set-if-absent ...", "deleted", "untouched", "+targeting".
std::string Shown(const std::vector<DriveValueStep>& steps) {
  const DriveValueOutcome outcome = OutcomeOf(steps);
  static const char* const kStates[] = {"untouched", "set", "set-if-absent", "deleted"};
  std::string text = kStates[static_cast<int>(outcome.state)];
  if (outcome.state == DriveValueOutcome::State::Set ||
      outcome.state == DriveValueOutcome::State::SetIfAbsent) {
    text += ' ';
    for (char c : outcome.step->value.data) text += std::to_string(static_cast<int>(c));
  }
  return text + (outcome.conditional ? " +targeting" : "");
}

}  // namespace

TEST(PolicySteps, AppliesRegistryPolEntriesInOrderAsTheClientDoes) {
  const struct {
    const char* name;
    std::vector<PolicyRecord> records;
    const char* noDrives;
    const char* noViewOnDrive;
  } cases[] = {
      {"keys and names in any case",
       {Record("SOFTWARE\\MICROSOFT\\Windows\\CurrentVersion\\Policies\\Explorer\\", "nodrives", 4,
               kFour)},
       "set 4000",
       "untouched"},
      {"**delvals. first, then a value set again",
       {Record(kKey, "**delvals.", 1, Utf16(" ")), Record(kKey, "NoDrives", 4, kFour)},
       "set 4000",
       "deleted"},
      {"**del. (Disabled) after a value",
       {Record(kKey, "NoViewOnDrive", 4, kFour),
        Record(kKey, "**Del.noviewondrive", 1, Utf16(" "))},
       "untouched",
       "deleted"},
      {"**DeleteValues names one of them",
       {Record(kKey, "**DeleteValues", 1, Utf16("NoDriveTypeAutoRun; NoViewOnDrive"))},
       "untouched",
       "deleted"},
      {"**DeleteKeys of a key above the policy key",
       {Record("Software\\Microsoft\\Windows\\CurrentVersion", "**DeleteKeys", 1,
               Utf16("Run;Policies"))},
       "deleted",
       "deleted"},
      {"**DeleteKeys of another key leaves both",
       {Record("Software\\Microsoft\\Windows\\CurrentVersion", "**DeleteKeys", 1,
               Utf16("PoliciesX"))},
       "untouched",
       "untouched"},
      {"**soft. keeps a value that is there, sets one that is not",
       {Record(kKey, "NoDrives", 4, kFour), Record(kKey, "**soft.NoDrives", 4, kEight),
        Record(kKey, "**soft.NoViewOnDrive", 4, kEight)},
       "set 4000",
       "set-if-absent 8000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PolicySource source;
    AddPolicyFileSteps(c.records, PolicyScope::CurrentUser, "User/Registry.pol", source);
    EXPECT_EQ(Shown(source.Steps(PolicyScope::CurrentUser, PolicyName::NoDrives)), c.noDrives);
    EXPECT_EQ(Shown(source.Steps(PolicyScope::CurrentUser, PolicyName::NoViewOnDrive)),
              c.noViewOnDrive);
    EXPECT_TRUE(source.Steps(PolicyScope::LocalMachine, PolicyName::NoDrives).empty());
  }

  // Other values of the key are named; entries of other keys counted.
  PolicySource source;
  AddPolicyFileSteps({Record(kKey, "NoDriveTypeAutoRun", 4, kFour), Record(kKey, "", 0, ""),
                      Record("Software\\Policies\\X", "Y", 4, kFour)},
                     PolicyScope::LocalMachine, "Machine/Registry.pol", source);
  ASSERT_EQ(source.otherValues.size(), 1u);
  EXPECT_EQ(source.otherValues[0].name, "NoDriveTypeAutoRun");
  EXPECT_EQ(source.otherEntries, 1u);
}

TEST(PolicySteps, AppliesPreferencesItemsByTheirActionHiveAndState) {
  const auto item = [](const std::string& attributes, const std::string& inside = "") {
    return "<Registry name=\"i\"><Properties key=\"" + kKey + "\" " + attributes + "/>" + inside +
           "</Registry>";
  };
  const std::string user = "hive=\"HKEY_CURRENT_USER\" ";
  const std::string dword = "type=\"REG_DWORD\" value=\"00000004\" ";
  const struct {
    const char* name;
    std::string items;
    const char* noDrives;
    const char* noViewOnDrive;
  } cases[] = {
      {"Update, Replace, Create",
       item(user + dword + "action=\"U\" name=\"NoDrives\"") +
           item(user + dword + "action=\"C\" name=\"NoViewOnDrive\""),
       "set 4000", "set-if-absent 4000"},
      {"Delete, and an item for another hive",
       item(user + "action=\"D\" name=\"NoDrives\" type=\"REG_DWORD\" value=\"\"") +
           item("hive=\"HKEY_LOCAL_MACHINE\" action=\"U\" name=\"NoViewOnDrive\" " + dword),
       "deleted", "untouched"},
      {"Delete of the key above",
       "<Registry><Properties " + user +
           "action=\"D\" key=\"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\" "
           "name=\"\"/></Registry>",
       "deleted", "deleted"},
      {"a disabled collection, item-level targeting",
       "<Collection disabled=\"1\">" + item(user + dword + "name=\"NoDrives\"") + "</Collection>" +
           item(user + dword + "name=\"NoViewOnDrive\"", "<Filters><FilterOs/></Filters>"),
       "untouched", "set 4000 +targeting"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<XmlElement> elements;
    std::string error;
    ASSERT_TRUE(
        XmlDocument::Parse("<RegistrySettings>" + c.items + "</RegistrySettings>", elements, error))
        << error;
    PolicySource source;
    std::size_t items = 0;
    ASSERT_TRUE(AddPreferenceSteps(elements, "Registry.xml", source, items, error)) << error;
    EXPECT_EQ(Shown(source.Steps(PolicyScope::CurrentUser, PolicyName::NoDrives)), c.noDrives);
    EXPECT_EQ(Shown(source.Steps(PolicyScope::CurrentUser, PolicyName::NoViewOnDrive)),
              c.noViewOnDrive);
  }
}
