#include <gtest/gtest.h>

#include "cli/GptIni.h"

namespace {

const std::string kMachinePair =
    "[{35378EAC-683F-11D2-A89A-00C04FBBCFA2}{D02B1F72-3407-48AE-BA88-E8213C6761F1}]";
const std::string kUserPair =
    "[{35378EAC-683F-11D2-A89A-00C04FBBCFA2}{D02B1F73-3407-48AE-BA88-E8213C6761F1}]";
// Two other client extensions, one sorting before the registry's, one after.
const std::string kBefore =
    "[{0E28E245-9368-4853-AD84-6DA3BA35BB75}{D02B1F72-3407-48AE-BA88-E8213C6761F1}]";
const std::string kAfter =
    "[{827D319E-6EAC-11D2-A4EA-00C04F79F83A}{803E14A0-B4FB-11D0-A0D0-00A0C90F574B}]";

TEST(GptIni, RaisesItsHalfAndListsTheRegistryExtensionKeepingEveryOtherLine) {
  using Half = GptIni::Half;
  const struct {
    const char* what;
    std::string before;
    bool exists;
    Half half;
    bool addExtension;
    std::string after;
  } kCases[] = {
      {"a new file", "", false, Half::Machine, true,
       "[General]\r\ngPCFunctionalityVersion=2\r\ngPCMachineExtensionNames=" + kMachinePair +
           "\r\nVersion=1\r\n"},
      {"user changes count in the upper half", "[General]\r\nVersion=65538\r\n", true, Half::User,
       true, "[General]\r\nVersion=131074\r\ngPCUserExtensionNames=" + kUserPair + "\r\n"},
      {"a full half starts again at 1, the other half kept", "[general]\nVersion = 196607\n", true,
       Half::Machine, false, "[general]\nVersion=131073\n"},
      {"inserted between groups by first GUID; other sections and lines kept",
       "; note\r\n[General]\r\ngPCMachineExtensionNames=" + kBefore + kAfter +
           "\r\nVersion=7\r\ndisplayName=Drives\r\n[Other]\r\nVersion=9",
       true, Half::Machine, true,
       "; note\r\n[General]\r\ngPCMachineExtensionNames=" + kBefore + kMachinePair + kAfter +
           "\r\nVersion=8\r\ndisplayName=Drives\r\n[Other]\r\nVersion=9"},
      {"the tool joins an existing group of the extension, in order; listed pair left alone",
       "[General]\nVersion=1\ngPCUserExtensionNames=[{35378eac-683f-11d2-a89a-00c04fbbcfa2}"
       "{0F6B957E-509E-11D1-A7CC-0000F87571E3}]\ngPCMachineExtensionNames=" +
           kMachinePair,
       true, Half::User, true,
       "[General]\nVersion=65537\ngPCUserExtensionNames=[{35378eac-683f-11d2-a89a-00c04fbbcfa2}"
       "{0F6B957E-509E-11D1-A7CC-0000F87571E3}{D02B1F73-3407-48AE-BA88-E8213C6761F1}]\n"
       "gPCMachineExtensionNames=" +
           kMachinePair},
      {"no [General] section, no line end at the end", "\xEF\xBB\xBF[Other]\r\nx=1", true,
       Half::Machine, false, "\xEF\xBB\xBF[Other]\r\nx=1\r\n[General]\r\nVersion=1\r\n"},
  };
  for (const auto& c : kCases) {
    std::string out;
    std::string error;
    GptIni::Change change;
    EXPECT_TRUE(GptIni::Raise(c.before, c.exists, c.half, c.addExtension, out, change, error))
        << c.what << ": " << error;
    EXPECT_EQ(out, c.after) << c.what;
  }
  GptIni::Change change;
  std::string out;
  std::string error;
  GptIni::Raise("[General]\r\nVersion=65538\r\ngPCUserExtensionNames=" + kUserPair, true,
                Half::User, true, out, change, error);
  EXPECT_EQ(change.oldVersion, 65538u);
  EXPECT_EQ(change.newVersion, 131074u);
  EXPECT_FALSE(change.extensionAdded);
}

TEST(GptIni, RefusesWhatItCannotReadWithoutChangingIt) {
  const struct {
    std::string bytes;
    const char* error;
  } kCases[] = {
      {std::string("\xFF\xFE[\0G\0", 6), "UTF-16"},
      {"[General]\r\nVersion=4294967296\r\n", "Version \"4294967296\" is not a whole number"},
      {"[General]\r\nVersion=0x10\r\n", "Version \"0x10\""},
      {"[General]\r\ngPCMachineExtensionNames={35378EAC-683F-11D2-A89A-00C04FBBCFA2}\r\n",
       "gPCMachineExtensionNames is not a list"},
      {"[General]\r\ngPCMachineExtensionNames=[{35378EAC-683F-11D2-A89A}]\r\n", "is not a list"},
  };
  for (const auto& c : kCases) {
    std::string out = "untouched";
    std::string error;
    GptIni::Change change;
    EXPECT_FALSE(GptIni::Raise(c.bytes, true, GptIni::Half::Machine, true, out, change, error));
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
    EXPECT_EQ(out, "untouched");
  }
}

}  // namespace
