#include <gtest/gtest.h>

#include <cstdio>

#include "CliTestSupport.h"
#include "cli/FileOutput.h"
#include "cli/PolicyFile.h"
#include "cli/PolicyFileWriter.h"

namespace {

// Longer than the 40 characters an argument is cut to: file names in errors are whole.
const std::string kGpo = "gpo_editor_test_of_a_folder_with_a_long_name";
const std::string kPol = kGpo + "/User/Registry.pol";
const std::string kIni = kGpo + "/gpt.ini";
const std::string kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string kSpace(" \0\0\0", 4);

// The other settings a GPO holds beside ours, in the order they are stored.
const std::string kOthers[] = {
    PolicyFileWriter::Record("Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop",
                             "ScreenSaveTimeOut", 1, std::string("9\0000\0000\0\0\0", 8)),
    PolicyFileWriter::Record(kKey, "", 0, ""),
    PolicyFileWriter::DwordRecord("NoDriveTypeAutoRun", 255),
    PolicyFileWriter::Record(kKey, "**soft.NoDrives", 4, std::string("\4\0\0\0", 4)),
};

// A GPO folder whose User\Registry.pol holds the other settings with our
// earlier NoDrives and a Disabled NoViewOnDrive between them.
void MakeGpo() {
  std::string error;
  MakeFolder(kGpo, error);
  MakeFolder(kGpo + "/User", error);
  PutFile(kPol,
          PolicyFileWriter::Header() + kOthers[0] + kOthers[1] +
              PolicyFileWriter::Record("SOFTWARE\\microsoft\\windows\\currentversion\\policies\\"
                                       "explorer",
                                       "nodrives", 4, std::string("\5\0\0\0", 4)) +
              kOthers[2] + PolicyFileWriter::DeleteRecord("NoViewOnDrive") + kOthers[3]);
  PutFile(kIni, "[General]\r\nVersion=65537\r\ndisplayName=Drives\r\n");
}

void RemoveGpo() {
  for (const char* name : {"/User/Registry.pol", "/Machine/Registry.pol", "/gpt.ini", "/file"}) {
    std::remove((kGpo + name).c_str());
  }
  RemoveEmptyFolder(kGpo + "/User");
  RemoveEmptyFolder(kGpo + "/Machine");
  RemoveEmptyFolder(kGpo);
}

// The records of the file that are not ours, as stored, and ours as
// "name type data-bytes".
void Split(const std::string& path, std::string& others, std::vector<std::string>& ours) {
  const std::string bytes = FileContents(path);
  std::vector<PolicyRecord> records;
  std::string error;
  ASSERT_TRUE(PolicyFile::Read(bytes, records, error)) << path << ": " << error;
  others.clear();
  ours.clear();
  for (const PolicyRecord& record : records) {
    if (PolicyFileWriter::IsOurs(record, {"NoDrives", "NoViewOnDrive"})) {
      ours.push_back(record.valueName + " " + std::to_string(record.type) + " " + record.data);
    } else {
      others += bytes.substr(record.offset, record.length);
    }
  }
}

std::string Dword(std::uint32_t value) {
  return std::string{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF),
                     static_cast<char>(value >> 16 & 0xFF), static_cast<char>(value >> 24)};
}

TEST(GpoEditor, ReplacesOurRecordsKeepsEveryOtherAndRaisesTheVersion) {
  MakeGpo();
  const std::string others = kOthers[0] + kOthers[1] + kOthers[2] + kOthers[3];
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> ours;
  } kRuns[] = {
      {{"gpo", "keep", "C", "D", "--value", "both"},
       {"NoDrives 4 " + Dword(0x03fffff3), "NoViewOnDrive 4 " + Dword(0x03fffff3)}},
      {{"gpo", "--hide", "A"}, {"NoDrives 4 " + Dword(1), "NoViewOnDrive 4 " + Dword(0x03fffff3)}},
      {{"gpo", "--disable", "--value", "both"},
       {"**del.NoDrives 1 " + kSpace, "**del.NoViewOnDrive 1 " + kSpace}},
      {{"gpo", "--clear", "--value", "NoViewOnDrive"}, {"**del.NoDrives 1 " + kSpace}},
      {{"gpo", "--clear"}, {}},
  };
  for (const auto& run : kRuns) {
    std::vector<std::string> args = run.args;
    args.insert(args.end(), {"--dir", kGpo});
    const CliRun result = RunCli(args);
    EXPECT_EQ(result.code, 0) << args[1] << ": " << result.err;
    std::string kept;
    std::vector<std::string> ours;
    Split(kPol, kept, ours);
    EXPECT_EQ(kept, others) << args[1];
    EXPECT_EQ(ours, run.ours) << args[1];
  }
  // Our records first stood between the others; with none left the others
  // are all the file holds.
  EXPECT_EQ(FileContents(kPol), PolicyFileWriter::Header() + others);
  EXPECT_EQ(FileContents(kIni),
            "[General]\r\nVersion=393217\r\ndisplayName=Drives\r\ngPCUserExtensionNames="
            "[{35378EAC-683F-11D2-A89A-00C04FBBCFA2}{D02B1F73-3407-48AE-BA88-E8213C6761F1}]\r\n");
  // A run that changes nothing leaves the version alone.
  EXPECT_EQ(RunCli({"gpo", "--clear", "--dir", kGpo}).code, 0);
  EXPECT_NE(FileContents(kIni).find("Version=393217\r\n"), std::string::npos);

  // The computer half: a new Machine folder and file, the lower half raised.
  const CliRun machine = RunCli({"gpo", "keep", "all", "--hive", "HKLM", "--dir", kGpo});
  EXPECT_EQ(machine.code, 0) << machine.err;
  EXPECT_EQ(FileContents(kGpo + "/Machine/Registry.pol"),
            PolicyFileWriter::Header() + PolicyFileWriter::DwordRecord("NoDrives", 0));
  EXPECT_NE(FileContents(kIni).find("Version=393218\r\n"), std::string::npos);
  EXPECT_NE(FileContents(kIni).find("gPCMachineExtensionNames=[{35378EAC"), std::string::npos);
  RemoveGpo();
}

// Whatever goes wrong, every file stays as it was, byte for byte, and no
// folder or temporary is left behind.
TEST(GpoEditor, AFailureLeavesEveryFileAsItWas) {
  MakeGpo();
  const std::string pol = FileContents(kPol);
  const std::string ini = FileContents(kIni);
  PutFile(kGpo + "/file", "not a folder");
  const struct {
    const char* what;
    std::string pol, ini;
    std::vector<std::string> args;
    int code;
    const char* error;
  } kCases[] = {
      {"a damaged policy file",
       pol.substr(0, pol.size() - 1),
       ini,
       {},
       2,
       "Registry.pol\": at byte"},
      {"a version that is no number", pol, "[General]\nVersion=12a\n", {}, 2, "Version \"12a\""},
      {"a --dir that is a file", pol, ini, {"--dir", kGpo + "/file"}, 2, "is not a folder"},
      {"a --dir that is missing", pol, ini, {"--dir", kGpo + "/none"}, 2, "does not exist"},
      {"a folder that is no GPO", pol, ini, {"--dir", kGpo + "/User"}, 2, "no GPO folder"},
      {"a failed move", pol, ini, {"--hive", "HKLM"}, 3, "simulated failure"},
  };
  for (const auto& c : kCases) {
    PutFile(kPol, c.pol);
    PutFile(kIni, c.ini);
    std::vector<std::string> args = {"gpo", "keep", "C"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    if (c.args.empty() || c.args[0] != "--dir") args.insert(args.end(), {"--dir", kGpo});
    CliRun run;
    {
      const FailingMoves failure(2);
      run = RunCli(args);
    }
    EXPECT_EQ(run.code, c.code) << c.what;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << c.what << ": " << run.err;
    EXPECT_EQ(run.out, "") << c.what;
    EXPECT_EQ(FileContents(kPol), c.pol) << c.what;
    EXPECT_EQ(FileContents(kIni), c.ini) << c.what;
    EXPECT_FALSE(PathExists(kGpo + "/Machine")) << c.what;
    EXPECT_FALSE(PathExists(kIni + ".tmp") || PathExists(kIni + ".old")) << c.what;
  }
  RemoveGpo();
}

}  // namespace
