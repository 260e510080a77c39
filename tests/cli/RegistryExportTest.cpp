#include <gtest/gtest.h>

#include "cli/RegistryExport.h"

namespace {

const std::string kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer]";
const std::string kMachine = "[HKEY_LOCAL_MACHINE\\" + kKey;
const std::string kUser = "[HKEY_CURRENT_USER\\" + kKey;

// The text as regedit saves it: UTF-16LE with its byte-order mark.
std::string Utf16(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

// "set 4 03fffff3" for a value that is set, "not set", "unknown".
std::string Shown(const PolicyValue& value) {
  switch (value.state) {
    case PolicyValue::State::Unknown:
      return "unknown";
    case PolicyValue::State::NotSet:
      return "not set";
    case PolicyValue::State::Unreadable:
      return "unreadable";
    case PolicyValue::State::Set:
      break;
  }
  std::string text = "set " + std::to_string(value.type) + " ";
  if (value.type == kRegSz) return text + value.data;
  for (char c : value.data) {
    const unsigned byte = static_cast<unsigned char>(c);
    text += "0123456789abcdef"[byte >> 4];
    text += "0123456789abcdef"[byte & 0xF];
  }
  return text;
}

}  // namespace

TEST(RegistryExport, ReadsBothFormatsAsAnImportWould) {
  const struct {
    const char* name;
    std::string bytes;
    const char* machineNoDrives;
    const char* userNoDrives;
    const char* userNoViewOnDrive;
  } cases[] = {
      {"regedit 5, UTF-16LE, CR LF, a continued hex list",
       Utf16("Windows Registry Editor Version 5.00\r\n\r\n" + kUser +
             "\r\n\"NoDrives\"=dword:03fffff3\r\n\"NoViewOnDrive\"=hex:04,00,\\\r\n  00,00\r\n"),
       "unknown", "set 4 f3ffff03", "set 3 04000000"},
      {"REGEDIT4, ANSI, LF, any case, other keys and values ignored",
       "REGEDIT4\n\n" + kMachine + "\n\"nodrives\"=DWORD:C\n\"NoDrivesX\"=\"1\"\n" +
           "[HKEY_CURRENT_USER\\Software\\Other]\n\"NoDrives\"=dword:1\n",
       "set 4 0c000000", "unknown", "unknown"},
      {"the last value counts; - deletes a value, [-...] a key above",
       "REGEDIT4\n" + kUser + "\n\"NoDrives\"=dword:1\n\"NoDrives\"=\"x\\\"y\"\n" +
           "\"NoViewOnDrive\"=dword:2\n\"NoViewOnDrive\"=-\n" + kMachine +
           "\n\"NoDrives\"=dword:3\n" +
           "[-HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies]\n",
       "not set", "set 1 x\"y", "not set"},
      {"a user's hive exported from HKEY_USERS, other types as hex(N)",
       "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n[HKEY_USERS\\S-1-5-21-7\\" + kKey +
           "\n\"NoDrives\"=hex(b):01,00,00,00,00,00,00,00\n\"NoViewOnDrive\"=hex(4):08,00,00,00\n",
       "unknown", "set 11 0100000000000000", "set 4 08000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PolicyValues values;
    std::string error;
    ASSERT_TRUE(RegistryExport::Read(c.bytes, values, error)) << error;
    EXPECT_EQ(Shown(values.At(PolicyHive::LocalMachine, PolicyName::NoDrives)), c.machineNoDrives);
    EXPECT_EQ(Shown(values.At(PolicyHive::CurrentUser, PolicyName::NoDrives)), c.userNoDrives);
    EXPECT_EQ(Shown(values.At(PolicyHive::CurrentUser, PolicyName::NoViewOnDrive)),
              c.userNoViewOnDrive);
  }
}

TEST(RegistryExport, RefusesWhatIsNoPolicyExport) {
  const struct {
    std::string bytes;
    const char* mentions;
  } cases[] = {
      {"", "no registry export"},
      {"root:x:0:0\n", "but with \"root:x:0:0\""},
      {Utf16("REGEDIT5\r\n"), "but with \"REGEDIT5\""},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n", "holds no Software\\Microsoft"},
      {"REGEDIT4\n" + kUser + "\n\n\"NoDrives\"=dword:xyz\n", "line 4, '\"NoDrives\"=dword:xyz'"},
      {"REGEDIT4\n" + kUser + "\n\"NoDrives\"=hex:1,2\n", "line 3"},
      {"REGEDIT4\n" + kUser + "\n\"NoDrives\"=dword:123456789\n", "line 3"},
  };
  for (const auto& c : cases) {
    PolicyValues values;
    values.At(PolicyHive::CurrentUser, PolicyName::NoDrives).state = PolicyValue::State::Set;
    std::string error;
    EXPECT_FALSE(RegistryExport::Read(c.bytes, values, error)) << c.mentions;
    EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    EXPECT_EQ(values.At(PolicyHive::CurrentUser, PolicyName::NoDrives).state,
              PolicyValue::State::Set)
        << "the values stay as they were";
  }
}
