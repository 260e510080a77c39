#include <gtest/gtest.h>

#include "cli/DriveSelection.h"

namespace {

std::string Letters(const DriveSelection& selection) {
  std::string text;
  for (int i = 0; i < kDriveCount; ++i) {
    if (selection.Selected()[i]) text += static_cast<char>('A' + i);
  }
  return text;
}

}  // namespace

TEST(DriveSelection, AcceptsLettersRangesAndWords) {
  DriveSelection selection;
  std::string error;
  EXPECT_FALSE(selection.HasWords());
  for (const char* word : {"a", "B:", "c:-e:", "X-z", "m,o,,", "M"}) {
    ASSERT_TRUE(selection.Add(word, error)) << word << ": " << error;
  }
  EXPECT_TRUE(selection.HasWords());
  EXPECT_EQ(Letters(selection), "ABCDEMOXYZ");

  DriveSelection none;
  ASSERT_TRUE(none.Add("NONE", error));
  EXPECT_TRUE(none.HasWords());
  EXPECT_EQ(Letters(none), "");
  ASSERT_TRUE(none.Add("All", error));
  EXPECT_EQ(Letters(none), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST(DriveSelection, BadWordChangesNothing) {
  DriveSelection selection;
  std::string error;
  ASSERT_TRUE(selection.Add("C", error));
  // The good pieces before the bad one in the same word are not kept either.
  EXPECT_FALSE(selection.Add("D,E,7", error));
  EXPECT_NE(error.find("\"7\""), std::string::npos) << error;
  EXPECT_EQ(Letters(selection), "C");
  for (const char* bad :
       {"?", "AB", "C::", "-", "C-", "-C", "C-D-E", "Z-A", "\xC4", "\xC3\xA9", "1-3"}) {
    error.clear();
    EXPECT_FALSE(selection.Add(bad, error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
  EXPECT_EQ(Letters(selection), "C");
}
