#include <gtest/gtest.h>

#include "controls/menu/OsVersionClass.h"

namespace {

// GetVersion() packs the major version into the low byte, the minor version
// into the next one and sets the top bit outside the NT family.
constexpr std::uint32_t Packed(bool nt, std::uint32_t major, std::uint32_t minor) {
  return (nt ? 0u : 0x80000000u) | (minor << 8) | major;
}

OsClass Classify(bool nt, std::uint32_t major, std::uint32_t minor) {
  OsVersionFacts facts;
  facts.packedVersion = Packed(nt, major, minor);
  facts.major = major;
  facts.minor = minor;
  return ClassifyOsVersion(facts);
}

}  // namespace

TEST(OsVersionClass, NtFamily) {
  EXPECT_EQ(OsNt4, Classify(true, 4, 0));
  EXPECT_EQ(OsWin2000, Classify(true, 5, 0));
  EXPECT_EQ(OsWinXp, Classify(true, 5, 1));
  EXPECT_EQ(OsNtOther, Classify(true, 3, 51));
  EXPECT_EQ(OsNtOther, Classify(true, 5, 2));
  EXPECT_EQ(OsNtOther, Classify(true, 6, 0));
  EXPECT_EQ(OsNtOther, Classify(true, 6, 1));
  EXPECT_EQ(OsNtOther, Classify(true, 10, 0));
  // A failed detailed query leaves the numbers 0.
  EXPECT_EQ(OsNtOther, Classify(true, 0, 0));
}

TEST(OsVersionClass, NonNtFamily) {
  EXPECT_EQ(OsWin95, Classify(false, 4, 0));
  EXPECT_EQ(OsWin98, Classify(false, 4, 10));
  EXPECT_EQ(OsWinMe, Classify(false, 4, 90));
  EXPECT_EQ(OsWin95, Classify(false, 4, 3));
  EXPECT_EQ(OsWin95, Classify(false, 5, 10));
  EXPECT_EQ(OsWin95, Classify(false, 5, 90));
}

TEST(OsVersionClass, Win32sDependsOnThePackedMajorVersionOnly) {
  EXPECT_EQ(OsWin32s, Classify(false, 3, 10));
  EXPECT_EQ(OsWin32s, Classify(false, 0, 0));
  EXPECT_FALSE(NeedsVersionDetails(Packed(false, 3, 95)));
  // The detailed record is not consulted there, whatever it would say.
  OsVersionFacts facts;
  facts.packedVersion = Packed(false, 3, 10);
  facts.major = 4;
  facts.minor = 10;
  EXPECT_EQ(OsWin32s, ClassifyOsVersion(facts));
  facts.detailsAvailable = false;
  EXPECT_EQ(OsWin32s, ClassifyOsVersion(facts));
}

TEST(OsVersionClass, MissingDetailsFallBackPerFamily) {
  OsVersionFacts facts;
  facts.detailsAvailable = false;
  facts.major = 5;
  facts.minor = 1;
  facts.packedVersion = Packed(true, 5, 1);
  EXPECT_EQ(OsNtOther, ClassifyOsVersion(facts));
  facts.major = 4;
  facts.minor = 10;
  facts.packedVersion = Packed(false, 4, 10);
  EXPECT_EQ(OsWin95, ClassifyOsVersion(facts));
}

TEST(OsVersionClass, DetailsAreNeededOutsideWin32s) {
  EXPECT_TRUE(NeedsVersionDetails(Packed(true, 3, 51)));
  EXPECT_TRUE(NeedsVersionDetails(Packed(true, 5, 1)));
  EXPECT_TRUE(NeedsVersionDetails(Packed(false, 4, 0)));
  EXPECT_TRUE(IsNtFamilyVersion(0x7FFFFFFFu));
  EXPECT_FALSE(IsNtFamilyVersion(0x80000000u));
}
