#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "controls/menu/ColorBlend.h"

namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r | (g << 8) | (b << 16);
}

}  // namespace

TEST(BlendToWhite, FactorsOutsideTheOpenUnitRangeKeepTheColour) {
  const std::uint32_t colour = 0x12345678u;  // top byte set on purpose
  EXPECT_EQ(colour, BlendToWhite(colour, 0.0));
  EXPECT_EQ(colour, BlendToWhite(colour, -0.5));
  EXPECT_EQ(colour, BlendToWhite(colour, 1.0000001));
  EXPECT_EQ(colour, BlendToWhite(colour, 2.0));
  EXPECT_EQ(colour, BlendToWhite(colour, std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ(colour, BlendToWhite(colour, std::numeric_limits<double>::infinity()));
}

TEST(BlendToWhite, FactorOneGivesWhiteAndDropsTheTopByte) {
  EXPECT_EQ(0x00FFFFFFu, BlendToWhite(Rgb(0, 0, 0), 1.0));
  EXPECT_EQ(0x00FFFFFFu, BlendToWhite(0x7F102030u, 1.0));
}

TEST(BlendToWhite, TruncatesEveryChannel) {
  // 0 + 255 * 0.5 = 127.5 -> 127, never rounded up.
  EXPECT_EQ(Rgb(127, 127, 127), BlendToWhite(Rgb(0, 0, 0), 0.5));
  // 128 + 127 * 0.25 = 159.75 -> 159; 0 + 255 * 0.25 = 63.75 -> 63.
  EXPECT_EQ(Rgb(63, 63, 159), BlendToWhite(Rgb(0, 0, 128), 0.25));
}

TEST(BlendToWhite, ChannelsStayInTheirBytes) {
  // 245 * 0.6, 155 * 0.6 and 55 * 0.6 are just below 147, 93 and 33 in exact
  // arithmetic but round to them in double precision.
  const std::uint32_t blended = BlendToWhite(Rgb(10, 100, 200), 0.6);
  EXPECT_EQ(Rgb(157, 193, 233), blended);
  // White stays white whatever the factor.
  EXPECT_EQ(Rgb(255, 255, 255), BlendToWhite(Rgb(255, 255, 255), 0.3));
}
