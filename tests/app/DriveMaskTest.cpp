#include <gtest/gtest.h>

#include <set>

#include "app/DriveMask.h"

namespace {

DriveTicks AllTicked() {
  DriveTicks ticks;
  ticks.fill(true);
  return ticks;
}

DriveTicks OnlyTicked(std::initializer_list<char> letters) {
  DriveTicks ticks{};
  for (char letter : letters) ticks[letter - 'A'] = true;
  return ticks;
}

DriveTicks AllTickedBut(std::initializer_list<char> letters) {
  DriveTicks ticks = AllTicked();
  for (char letter : letters) ticks[letter - 'A'] = false;
  return ticks;
}

struct MaskCase {
  const char* name;
  DriveTicks ticks;
  std::uint32_t mask;
  const char* decimal;
  const char* hex;
};

}  // namespace

TEST(DriveMask, TicksGiveTheMaskAndBothTexts) {
  const MaskCase cases[] = {
      {"all ticked", AllTicked(), 0, "0", "0"},
      {"none ticked", DriveTicks{}, 67108863, "67108863", "3ffffff"},
      {"only C:", OnlyTicked({'C'}), 67108859, "67108859", "3fffffb"},
      {"only C: and D:", OnlyTicked({'C', 'D'}), 67108851, "67108851", "3fffff3"},
      {"all but A: and B:", AllTickedBut({'A', 'B'}), 3, "3", "3"},
      {"all but W:", AllTickedBut({'W'}), 4194304, "4194304", "400000"},
      {"all but Z:", AllTickedBut({'Z'}), 33554432, "33554432", "2000000"},
  };
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::uint32_t mask = ComputeDriveMask(c.ticks);
    EXPECT_EQ(mask, c.mask);
    EXPECT_EQ(FormatMaskDecimal(mask), c.decimal);
    EXPECT_EQ(FormatMaskHex(mask), c.hex);
  }
}

TEST(DriveMask, OnlyTheUncheckedStateHidesADrive) {
  DriveTickStates states;
  states.fill(1);
  EXPECT_EQ(ComputeDriveMask(states), 0u);

  // Indeterminate (2) counts as ticked, and so does any other non-zero state.
  states.fill(2);
  EXPECT_EQ(ComputeDriveMask(states), 0u);
  states[2] = 0;
  states[7] = -1;
  EXPECT_EQ(ComputeDriveMask(states), 4u);

  states.fill(0);
  EXPECT_EQ(ComputeDriveMask(states), kAllDrivesMask);
  states[25] = 2;
  EXPECT_EQ(ComputeDriveMask(states), kAllDrivesMask - 33554432u);
}

TEST(DriveMask, EachLetterOwnsExactlyItsBit) {
  for (int n = 0; n < kDriveCount; ++n) {
    SCOPED_TRACE(n);
    DriveTicks ticks = AllTicked();
    ticks[n] = false;
    EXPECT_EQ(ComputeDriveMask(ticks), std::uint32_t{1} << n);
    ticks = DriveTicks{};
    ticks[n] = true;
    EXPECT_EQ(ComputeDriveMask(ticks), kAllDrivesMask & ~(std::uint32_t{1} << n));
  }
}

TEST(DriveMask, TableRowsMatchTheDialogControls) {
  std::set<int> ids;
  for (int n = 0; n < kDriveCount; ++n) {
    const DriveBox& box = DriveBoxTable[n];
    SCOPED_TRACE(box.letter);
    EXPECT_EQ(box.letter, 'A' + n);
    EXPECT_EQ(box.bit, n);
    EXPECT_EQ(box.weight, std::uint32_t{1} << n);
    EXPECT_EQ(box.controlId, n < 25 ? 1000 + n : 1028);
    ids.insert(box.controlId);
  }
  EXPECT_EQ(ids.size(), 26u);
  for (int unused : {1025, 1026, 1027, 1029, 1030}) EXPECT_EQ(ids.count(unused), 0u) << unused;
}

TEST(DriveMask, ZIsReadFromControl1028) {
  // A dialog stand-in: every control but 1028 reports ticked. Querying the
  // boxes through the table must see Z: unticked and nothing else.
  DriveTickStates states{};
  int queried1025 = 0;
  for (const DriveBox& box : DriveBoxTable) {
    if (box.controlId == 1025) ++queried1025;
    states[box.bit] = box.controlId == 1028 ? 0 : 1;
  }
  EXPECT_EQ(queried1025, 0);
  EXPECT_EQ(ComputeDriveMask(states), 33554432u);
  EXPECT_EQ(FormatMaskHex(ComputeDriveMask(states)), "2000000");
}

TEST(DriveMask, TicksFromMaskInvertsTheComputation) {
  for (std::uint32_t mask : {0u, 1u, 3u, 4u, 0x155AAAu, 0x2000000u, kAllDrivesMask}) {
    SCOPED_TRACE(mask);
    const DriveTicks ticks = TicksFromDriveMask(mask);
    for (int n = 0; n < kDriveCount; ++n) EXPECT_EQ(ticks[n], ((mask >> n) & 1u) == 0) << n;
    EXPECT_EQ(ComputeDriveMask(ticks), mask);
  }
  // Bits above Z: have no box to untick.
  EXPECT_EQ(ComputeDriveMask(TicksFromDriveMask(0xFC000004u)), 4u);
}

TEST(DriveMask, TextsHaveNoPrefixSignOrPadding) {
  EXPECT_EQ(FormatMaskHex(0xABCDEFu), "abcdef");
  EXPECT_EQ(FormatMaskDecimal(10u), "10");
  EXPECT_EQ(FormatMaskHex(0x10u), "10");
  // Widest masks fit the dialog's fields: 8 decimal and 7 hex characters.
  EXPECT_EQ(FormatMaskDecimal(kAllDrivesMask).size(), 8u);
  EXPECT_EQ(FormatMaskHex(kAllDrivesMask).size(), 7u);
  // A value with bit 31 set never reaches the renderers from a dialog; should
  // one arrive it still prints as digits without a sign.
  EXPECT_EQ(FormatMaskDecimal(0x80000000u), "2147483648");
}
