#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "CliTestSupport.h"

namespace {

std::string ReadExpected(const std::string& name) {
  std::ifstream file(std::string(DRIVEMASK_EXPECTED_DIR) + "/" + name, std::ios::binary);
  if (!file) return "(missing expected file " + name + ")";
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void ExpectMask(const std::vector<std::string>& args, long long mask) {
  const CliRun run = RunCli(args);
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(PlainMask(run.out), mask) << run.out;
}

void ExpectBadInput(const std::vector<std::string>& args, const std::string& mentions) {
  const CliRun run = RunCli(args);
  EXPECT_EQ(run.code, 2);
  EXPECT_EQ(run.out, "") << "no partial result after an error";
  ASSERT_FALSE(run.err.empty());
  EXPECT_EQ(run.err.compare(0, 18, "drivemask: error: "), 0) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
  EXPECT_NE(run.err.find(mentions), std::string::npos) << run.err;
}

}  // namespace

TEST(DriveMaskCli, EveryOutputFormatMatchesItsExpectedFile) {
  struct Case {
    std::vector<std::string> args;
    const char* file;
  };
  const Case cases[] = {
      {{"keep", "C", "D"}, "keep_CD_plain.txt"},
      {{"--hide", "A", "B"}, "hide_AB_plain.txt"},
      {{"keep", "all", "--value", "both", "--hive", "HKLM"}, "keep_all_plain_both_hklm.txt"},
      {{"keep", "C", "D", "--format", "reg", "--value", "both", "--hive", "HKLM"},
       "keep_CD_reg_both_hklm.txt"},
      {{"decode", "0x8", "--format=reg"}, "decode_8_reg.txt"},
      {{"keep", "C-F", "--format", "regadd"}, "keep_CtoF_regadd.txt"},
      {{"--format", "reg-add", "--hive", "hklm", "\"NoViewOnDrive\"=dword:00000004"},
       "decode_noview_regadd_hklm.txt"},
      {{"keep", "c:", "d:", "--format", "powershell", "--value", "both"},
       "keep_CD_powershell_both.txt"},
      {{"hide", "all", "--format", "ps", "--hive", "HKEY_LOCAL_MACHINE"},
       "hide_all_powershell_hklm.txt"},
      {{"keep", "C,D", "--format", "adm"}, "keep_CD_adm.txt"},
      {{"--hide", "A-D", "--format", "ADM", "--value", "Both", "--hive", "HKLM"},
       "hide_AtoD_adm_both_hklm.txt"},
      {{"hide", "e", "H:", "q", "--format", "adm"}, "hide_EHQ_adm.txt"},
      {{"--format", "admx", "keep", "C", "D"}, "keep_CD_admx.txt"},
      {{"keep", "none", "--format", "admx", "--value", "both"}, "keep_none_admx_both.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, ReadExpected(c.file));
  }
}

TEST(DriveMaskCli, EncodesKeptOrHiddenDrivesInEveryWriting) {
  ExpectMask({"keep", "C", "D"}, 67108851);
  ExpectMask({"keep", "c", "d"}, 67108851);
  ExpectMask({"keep", "C:", "d:"}, 67108851);
  ExpectMask({"keep", "C-D"}, 67108851);
  ExpectMask({"keep", "c:-d:"}, 67108851);
  ExpectMask({"KEEP", "D", "C", "C"}, 67108851);
  ExpectMask({"--keep", "C,D"}, 67108851);
  ExpectMask({"keep", "C-F"}, 67108803);
  ExpectMask({"--hide", "A", "B"}, 3);
  ExpectMask({"hide", "a:", "b:"}, 3);
  ExpectMask({"hide", "W"}, 4194304);
  ExpectMask({"hide", "z"}, 33554432);
  ExpectMask({"keep", "all"}, 0);
  ExpectMask({"keep", "none"}, 67108863);
  ExpectMask({"hide", "all"}, 67108863);
  ExpectMask({"hide", "none"}, 0);
  ExpectMask({"keep", "A-Z"}, 0);
  ExpectMask({"hide", "A-Y", "Z"}, 67108863);
}

TEST(DriveMaskCli, DecodesAValueGivenAsOneOrSeveralWords) {
  // Each written form is read by MaskValueParser (its own tests); here, the
  // way the words reach it.
  ExpectMask({"decode", "0x3fffff3"}, 67108851);
  ExpectMask({"67108851"}, 67108851);
  ExpectMask({"decode", "\"NoDrives\"=dword:03fffff3"}, 67108851);
  // An ADM line or a reg query line left unquoted arrives as several words.
  ExpectMask({"VALUE", "NUMERIC", "67108851"}, 67108851);
  ExpectMask({"decode", "NoDrives", "REG_DWORD", "0x3fffff3"}, 67108851);
  ExpectMask({"--", "0"}, 0);
}

TEST(DriveMaskCli, DecodedLineKeepsItsValueNameUnlessOverridden) {
  const CliRun named = RunCli({"\"NoViewOnDrive\"=dword:00000004", "--format", "regadd"});
  EXPECT_NE(named.out.find("/v NoViewOnDrive "), std::string::npos) << named.out;
  EXPECT_EQ(named.out.find("/v NoDrives "), std::string::npos) << named.out;

  const CliRun chosen =
      RunCli({"\"NoViewOnDrive\"=dword:00000004", "--format", "regadd", "--value", "NoDrives"});
  EXPECT_NE(chosen.out.find("/v NoDrives "), std::string::npos) << chosen.out;
  EXPECT_EQ(chosen.out.find("/v NoViewOnDrive "), std::string::npos) << chosen.out;
}

TEST(DriveMaskCli, NamesTheSevenStockChoices) {
  const struct {
    std::vector<std::string> args;
    long long mask;
    const char* name;
  } stock[] = {
      {{"hide", "A", "B"}, 3, "Restrict A and B drives only"},
      {{"hide", "C"}, 4, "Restrict C drive only"},
      {{"hide", "D"}, 8, "Restrict D drive only"},
      {{"hide", "A-C"}, 7, "Restrict A, B and C drives only"},
      {{"hide", "A-D"}, 15, "Restrict A, B, C and D drives only"},
      {{"hide", "all"}, 67108863, "Restrict all drives"},
      {{"keep", "all"}, 0, "Do not restrict drives"},
  };
  for (const auto& s : stock) {
    SCOPED_TRACE(s.name);
    const CliRun run = RunCli(s.args);
    EXPECT_EQ(PlainMask(run.out), s.mask);
    EXPECT_NE(run.out.find("Stock choice:    \"" + std::string(s.name) + "\"\n"), std::string::npos)
        << run.out;
  }
  // One drive more or less is no longer a stock choice.
  for (const char* drives : {"A-E", "B", "A,C", "B-Z"}) {
    const CliRun run = RunCli({"hide", drives});
    EXPECT_NE(run.out.find("Stock choice:    none"), std::string::npos) << drives;
  }
}

TEST(DriveMaskCli, HelpGoesToStandardOutputWithSuccess) {
  for (const char* flag : {"--help", "-h", "/?"}) {
    const CliRun run = RunCli({"keep", "C", flag});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.compare(0, 16, "Usage: drivemask"), 0) << flag;
    EXPECT_EQ(run.out, DriveMaskCli::Usage());
  }
}

TEST(DriveMaskCli, BadInputGivesOneErrorLineAndNothingElse) {
  ExpectBadInput({}, "nothing to do");
  ExpectBadInput({"keep"}, "keep needs drive letters");
  ExpectBadInput({"--hide"}, "hide needs drive letters");
  ExpectBadInput({"keep", "C", "1"}, "\"1\" is not a drive letter");
  ExpectBadInput({"keep", "CD"}, "\"CD\" is not a drive letter");
  ExpectBadInput({"keep", "C:\\"}, "\"C:\\\" is not a drive letter");
  ExpectBadInput({"keep", "F-C"}, "runs backwards; write it as C-F");
  ExpectBadInput({"keep", "C-"}, "\"C-\" is not a drive range");
  ExpectBadInput({"keep", "C", "--hide", "D"}, "conflicts");
  ExpectBadInput({"C", "D"}, "drivemask keep C D");
  ExpectBadInput({"decode"}, "no value given");
  ExpectBadInput({"decode", "abc!"}, "\"abc!\" is not a number");
  ExpectBadInput({"decode", "3fffff3"}, "write hexadecimal with 0x, as in 0x3fffff3");
  ExpectBadInput({"decode", "-1"}, "is negative");
  ExpectBadInput({"decode", "0x"}, "\"0x\" is not a number");
  ExpectBadInput({"decode", "0x03FFFFFFFF"}, "sets bits 26-33, above Z:");
  ExpectBadInput({"decode", "0x03FFFFFFFF"}, "does not even fit a 32-bit DWORD");
  ExpectBadInput({"decode", "67108864"}, "sets bit 26, above Z:");
  ExpectBadInput({"decode", "0xFFFFFFFF"}, "sets bits 26-31, above Z:");
  ExpectBadInput({"decode", "0x44000000"}, "sets bits 26 and 30, above Z:");
  ExpectBadInput({"decode", "99999999999999999999999"}, "far too large");
  ExpectBadInput({"decode", "\"NoDrives\"=dword:0403fffff3"}, "sets bit 34");
  ExpectBadInput({"decode", "\"NoDrives\"=dword:0003fffff3"}, "has 10 hex digits");
  ExpectBadInput({"decode", "\"NoDrives\"=hex:03"}, "does not hold a dword");
  ExpectBadInput({"decode", "\"NoDrive\"=dword:00000003"}, "the value is named \"NoDrive\"");
  ExpectBadInput({"decode", "\"NoDrives\"=dword:"}, "no hex digits");
  ExpectBadInput({"decode", "=dword:3"}, "the value is named \"\"");
  ExpectBadInput({"decode", "\"NoDrives=dword:3"}, "is not a .reg line");
  ExpectBadInput({"decode", "NoDrives=3"}, "does not hold a dword");
  ExpectBadInput({"decode", "\"NoDrives\"=dword:3g"}, "hex digits only");
  ExpectBadInput({"decode", "VALUE NUMERIC"}, "no number after VALUE NUMERIC");
  ExpectBadInput({"decode", "VALUE NUMERIC 0x3"}, "takes a decimal number");
  ExpectBadInput({"decode", "VALUE NUMERIC 67108864"}, "bit 26");
  ExpectBadInput({"decode", "<decimal value=\"x\" />"}, "takes a decimal number");
  ExpectBadInput({"decode", "Drives REG_DWORD 0x3"}, "the value is named \"Drives\"");
  ExpectBadInput({"decode", "3 7"}, "\"3 7\" is not a value");
  ExpectBadInput({"keep", "C", "--format", "csv"}, "unknown format \"csv\"");
  ExpectBadInput({"keep", "C", "--format"}, "--format needs a value");
  ExpectBadInput({"keep", "C", "--value", "NoDrive"}, "unknown registry value \"NoDrive\"");
  ExpectBadInput({"keep", "C", "--hive", "HKU"}, "unknown hive \"HKU\"");
  ExpectBadInput({"keep", "C", "--verbose"}, "unknown option \"--verbose\"");
  ExpectBadInput({"C", "keep"}, "\"C keep\" is not a value");
}

TEST(DriveMaskCli, ShowExplainsARegistryExport) {
  // Each hive, each kind of value: a DWORD, a REG_SZ and a short REG_BINARY
  // that Explorer ignores, a 4-byte REG_BINARY it reads, bits above Z:.
  const char* const file = "drivemask_show_test.reg";
  {
    std::ofstream reg(file, std::ios::binary);
    reg << "REGEDIT4\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer]"
           "\r\n\"NoDrives\"=\"67108851\"\r\n\"NoViewOnDrive\"=dword:ffffffff\r\n\r\n"
           "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer]"
           "\r\n\"NoDrives\"=dword:03fffff3\r\n\"NoViewOnDrive\"=hex:04,00,00,00\r\n";
  }
  const CliRun run = RunCli({"show", "--from", file});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, ReadExpected("show_from_export.txt"));
  const CliRun json = RunCli({"show", "--from", file, "--format", "json"});
  EXPECT_EQ(json.code, 0) << json.err;
  EXPECT_NE(json.out.find("\"kind\": \"registry-export\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"applies\": {\"hive\": \"HKCU\", \"mask\": 67108851, "),
            std::string::npos)
      << json.out;
  {
    std::ofstream reg(file, std::ios::binary);
    reg << "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\"
           "Policies\\Explorer]\n\"NoDrives\"=hex:03,00\n";
  }
  const CliRun partial = RunCli({"show", "--from", file});
  EXPECT_NE(partial.out.find("  HKEY_LOCAL_MACHINE    not in this export\n"), std::string::npos)
      << partial.out;
  EXPECT_NE(partial.out.find("REG_BINARY of 2 bytes, 03 00: ignored by Explorer"),
            std::string::npos)
      << partial.out;
  std::remove(file);

  ExpectBadInput({"show", "--from", "no-such-file.reg"}, "cannot open \"no-such-file.reg\"");
  ExpectBadInput({"show", "--from", ""}, "--from needs a file name");
  ExpectBadInput({"show", "C"}, "show takes no drives or values");
  ExpectBadInput({"show", "--format", "reg"}, "show writes plain (the default) or json");
  ExpectBadInput({"keep", "C", "--from", "x.reg"}, "--from goes with show");
  ExpectBadInput({"keep", "C", "--format", "json"}, "--format json is for show");
  ExpectBadInput({"keep", "C", "--local-gpo"}, "--local-gpo goes with show");
  ExpectBadInput({"show", "--local-gpo", "--from", "x"}, "give --local-gpo or --from, not both");
  ExpectBadInput({"show", "--hive", "HKLM"}, "show takes --hive only with --from");
  ExpectBadInput({"show", "--from", file, "--hive", "HKLM"}, "cannot open");
#ifndef _WIN32
  ExpectBadInput({"show"}, "show reads the registry of Windows");
#endif
}

TEST(DriveMaskCli, TemplateRefusesChoicesItCannotWriteFaithfully) {
  const std::vector<std::string> good = {"template", "--choice", "A=C", "--out", "unused"};
  const struct {
    std::vector<std::string> more;
    const char* mentions;
  } cases[] = {
      {{"--choice", "C,D"}, "the choice \"C,D\" has no ="},
      {{"--choice", " =C"}, "has no label"},
      {{"--choice", "Only C="}, "names no drives"},
      {{"--choice", "Only C=, ,"}, "the drive list \",\" is empty"},
      {{"--choice", "Bad=C Q1"}, "\"Q1\" is not a drive letter"},
      {{"--choice", "a=D"}, "two choices are labelled \"a\""},
      {{"--choice", "Same=c:"}, "the choices \"A\" and \"Same\" give the same mask, 67108859"},
      {{"--choice", std::string(101, 'L') + "=D"}, "longer than 100 characters"},
      {{"--choice", "Say \"hi\"=D", "--format", "adm-file"}, "double quote or a backslash"},
      {{"--choice", "C:\\ only=D", "--format", "adm-file"}, "double quote or a backslash"},
      {{"--format", "reg"}, "template writes admx"},
      {{"--value", "both"}, "drop --value"},
      {{"C"}, "template takes no drives or values"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = good;
    args.insert(args.end(), c.more.begin(), c.more.end());
    ExpectBadInput(args, c.mentions);
  }
  ExpectBadInput({"template", "--out", "x"}, "template needs choices");
  ExpectBadInput({"template", "--choice", "A=C"}, "template needs --out DIR");
  ExpectBadInput({"keep", "C", "--choice", "A=C"}, "--choice and --out go with template");
  ExpectBadInput({"keep", "C", "--format", "adm-file"}, "use it with template");

  // A folder that cannot be made is an output failure, and nothing is written.
  const char* const blocker = "drivemask_template_blocker";
  std::ofstream(blocker) << "a file, not a folder";
  const CliRun blocked = RunCli({"template", "--choice", "A=C", "--out", blocker});
  EXPECT_EQ(blocked.code, DriveMaskCli::kExitOutputFailed) << blocked.err;
  EXPECT_EQ(blocked.out, "");
  EXPECT_NE(blocked.err.find("cannot make the folder \"drivemask_template_blocker\""),
            std::string::npos)
      << blocked.err;
  std::remove(blocker);
}

TEST(DriveMaskCli, CarelessOrHostileArgumentsAreRefused) {
  // An empty script variable must not hide every drive.
  ExpectBadInput({"keep", ""}, "the drive list \"\" is empty");
  ExpectBadInput({"keep", ",,,"}, "the drive list \",,,\" is empty");
  ExpectBadInput({"hide", "C", " , "}, "the drive list \" , \" is empty");
  ExpectBadInput({""}, "no value given");
  // Look-alike characters and control characters, wherever they stand.
  ExpectBadInput({"keep", "\xef\xbc\xa3"}, "argument 2, \"\\uFF23\"");
  ExpectBadInput({"keep", "C", "\xef\xbc\x8d\xef\xbc\x8dvalue", "both"}, "argument 3");
  ExpectBadInput({"keep", "C", "--format", "reg\n"}, "argument 4, \"reg\\n\"");
  ExpectBadInput({"--hive=hk\x1b[0mlm", "keep", "C"}, "argument 1, \"--hive=hk\\x1b[0mlm\"");
  const CliRun longRun = RunCli({"keep", std::string(100000, 'A')});
  EXPECT_LT(longRun.err.size(), 200u) << "a long argument is shown cut";
  // Options are read in order: "--" ends them, and the first error wins over
  // a later --help.
  ExpectBadInput({"--", "--help"}, "\"--help\" is not a number");
  ExpectBadInput({"3", "--format", "zz", "-h"}, "unknown format \"zz\"");
  ExpectBadInput({"keep", "\xc3\xa4", "--help"}, "argument 2");
  ExpectMask({"hide", "C, D"}, 12);
}
