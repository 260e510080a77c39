#include <gtest/gtest.h>

#include "cli/MaskValueParser.h"

namespace {

struct Parsed {
  bool ok;
  std::uint32_t mask;
  std::string name;
  std::string error;
};

Parsed ParseText(const std::string& text) {
  Parsed p{false, 0xDEADu, "untouched", ""};
  p.ok = MaskValueParser::Parse(text, p.mask, p.name, p.error);
  return p;
}

}  // namespace

TEST(MaskValueParser, ReadsEachFormAndTheValueNameItCarries) {
  const struct {
    const char* text;
    std::uint32_t mask;
    const char* name;
  } cases[] = {
      {"67108851", 67108851, ""},
      {"  0x3fffff3\r\n", 67108851, ""},
      {"0X3FFFFF3", 67108851, ""},
      {"000000012", 12, ""},
      {"\"NoDrives\"=dword:03fffff3", 67108851, "NoDrives"},
      {"\"nodrives\" = DWORD:3", 3, "NoDrives"},
      {"\"NoViewOnDrive\"=dword:00000004", 4, "NoViewOnDrive"},
      {"dword:03ffffff", 67108863, ""},
      // PowerShell drops the inner quotes when it passes a quoted .reg line on.
      {"NoDrives=dword:03fffff3", 67108851, "NoDrives"},
      {"NoViewOnDrive = dword:4", 4, "NoViewOnDrive"},
      {"VALUE NUMERIC 67108851", 67108851, ""},
      {"value numeric 8", 8, ""},
      {"NAME !!COnly  VALUE NUMERIC 4", 4, ""},
      {"<decimal value=\"15\" />", 15, ""},
      {"<decimal value='7'/>", 7, ""},
      {"NoDrives    REG_DWORD    0x3fffff3", 67108851, "NoDrives"},
      {"noviewondrive reg_dword 8", 8, "NoViewOnDrive"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const Parsed p = ParseText(c.text);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.mask, c.mask);
    EXPECT_EQ(p.name, c.name);
  }
}

TEST(MaskValueParser, FailureLeavesTheResultsAlone) {
  const Parsed p = ParseText("0x4000000");
  EXPECT_FALSE(p.ok);
  EXPECT_EQ(p.mask, 0xDEADu);
  EXPECT_EQ(p.name, "untouched");
  EXPECT_EQ(p.error.find('\n'), std::string::npos);
}

TEST(MaskValueParser, RangeEdges) {
  EXPECT_TRUE(ParseText("67108863").ok);
  EXPECT_TRUE(ParseText("0x3ffffff").ok);
  EXPECT_FALSE(ParseText("67108864").ok);
  EXPECT_FALSE(ParseText("0x4000000").ok);
  std::uint64_t value = 0;
  std::string error;
  EXPECT_TRUE(MaskValueParser::ParseNumber("18446744073709551615", value, error));
  EXPECT_EQ(value, UINT64_MAX);
  EXPECT_FALSE(MaskValueParser::ParseNumber("18446744073709551616", value, error));
  EXPECT_TRUE(MaskValueParser::ParseNumber("0xffffffffffffffff", value, error));
  EXPECT_FALSE(MaskValueParser::ParseNumber("0x10000000000000000", value, error));
}

TEST(MaskValueParser, NamesTheBitsAboveZ) {
  EXPECT_EQ(MaskValueParser::DescribeBitsAboveZ(1ull << 26), "bit 26");
  EXPECT_EQ(MaskValueParser::DescribeBitsAboveZ(0x3FFFFFFFFull), "bits 26-33");
  EXPECT_EQ(MaskValueParser::DescribeBitsAboveZ((1ull << 26) | (1ull << 28) | (3ull << 30) | 5),
            "bits 26, 28 and 30-31");
  EXPECT_EQ(MaskValueParser::DescribeBitsAboveZ(1ull << 63), "bit 63");
}
