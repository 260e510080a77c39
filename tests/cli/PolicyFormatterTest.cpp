#include <gtest/gtest.h>

#include "cli/PolicyFormatter.h"
#include "cli/StockChoice.h"

TEST(PolicyFormatter, ListsShowEveryDriveOnceOnTheRightSide) {
  const PolicyFormatter formatter(67108851);
  EXPECT_EQ(formatter.LetterList(false), "C: D:");
  EXPECT_EQ(formatter.LetterList(true),
            "A: B: E: F: G: H: I: J: K: L: M: N: O: P: Q: R: S: T: U: V: W: X: Y: Z:");
  EXPECT_EQ(formatter.CompactList(true, false), "A, B, E-Z");
  EXPECT_EQ(formatter.CompactList(true, true), "A, B and E-Z");
  EXPECT_EQ(formatter.CompactList(false, true), "C and D");

  EXPECT_EQ(PolicyFormatter(0).LetterList(true), "(none)");
  EXPECT_EQ(PolicyFormatter(kAllDrivesMask).LetterList(false), "(none)");
  EXPECT_EQ(PolicyFormatter(kAllDrivesMask).CompactList(true, true), "A-Z");
  // Runs of two stay single letters; runs of three become ranges.
  EXPECT_EQ(PolicyFormatter(0x2000000 | 0x1000000 | 0x1 | 0x4 | 0x8 | 0x10).CompactList(true, true),
            "A, C-E, Y and Z");
}

TEST(PolicyFormatter, LabelNamesTheShorterSide) {
  EXPECT_EQ(PolicyFormatter(67108851).Label(), "Restrict all drives except C and D");
  EXPECT_EQ(PolicyFormatter(16).Label(), "Restrict E drive only");
  EXPECT_EQ(PolicyFormatter(16 | 128 | 65536).Label(), "Restrict E, H and Q drives only");
  // 13 hidden and 13 visible: the hidden ones are named.
  EXPECT_EQ(PolicyFormatter(0x1FFF).Label(), "Restrict A-M drives only");
  EXPECT_EQ(PolicyFormatter(0x3FFF).Label(), "Restrict all drives except O-Z");
  for (const StockChoice::Entry& entry : StockChoice::kEntries) {
    EXPECT_EQ(PolicyFormatter(entry.mask).Label(), entry.name);
  }
}

TEST(PolicyFormatter, RegDwordIsAlwaysEightHexDigits) {
  EXPECT_EQ(PolicyFormatter(0).RegDwordDigits(), "00000000");
  EXPECT_EQ(PolicyFormatter(3).RegDwordDigits(), "00000003");
  EXPECT_EQ(PolicyFormatter(67108851).RegDwordDigits(), "03fffff3");
  EXPECT_EQ(PolicyFormatter(kAllDrivesMask).RegDwordDigits(), "03ffffff");
}

TEST(PolicyFormatter, StockValuesFollowTheBitRule) {
  // A: = bit 0, B: = bit 1, C: = bit 2, D: = bit 3.
  EXPECT_STREQ(StockChoice::Find(1 | 2), "Restrict A and B drives only");
  EXPECT_STREQ(StockChoice::Find(4), "Restrict C drive only");
  EXPECT_STREQ(StockChoice::Find(8), "Restrict D drive only");
  EXPECT_STREQ(StockChoice::Find(1 | 2 | 4), "Restrict A, B and C drives only");
  EXPECT_STREQ(StockChoice::Find(1 | 2 | 4 | 8), "Restrict A, B, C and D drives only");
  EXPECT_STREQ(StockChoice::Find(kAllDrivesMask), "Restrict all drives");
  EXPECT_STREQ(StockChoice::Find(0), "Do not restrict drives");
  EXPECT_EQ(StockChoice::Find(67108851), nullptr);
  EXPECT_EQ(StockChoice::Find(1), nullptr);
}

TEST(PolicyFormatter, XmlCommentsNeverHoldADoubleDash) {
  // "--" ends an XML comment early and makes the ADMX snippet invalid.
  for (std::uint32_t mask : {0u, 3u, 0x155555u, 67108851u, kAllDrivesMask}) {
    OutputOptions options;
    options.format = OutputFormat::Admx;
    options.noViewOnDrive = true;
    const std::string text = PolicyFormatter(mask).Format(options);
    std::string::size_type at = 0;
    while ((at = text.find("<!--", at)) != std::string::npos) {
      const std::string::size_type end = text.find("-->", at + 4);
      ASSERT_NE(end, std::string::npos);
      EXPECT_EQ(text.substr(at + 4, end - at - 4).find("--"), std::string::npos) << text;
      at = end + 3;
    }
  }
}
