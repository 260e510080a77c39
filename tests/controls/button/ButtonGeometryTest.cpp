#include <gtest/gtest.h>

#include "controls/button/ButtonGeometry.h"

using button_geometry::Box;
using button_geometry::ImageLayout;
using button_geometry::PlaceImage;
using button_geometry::ShadeColor;

namespace {

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 |
         static_cast<std::uint32_t>(b) << 16;
}

TEST(ShadeColor, MovesAllChannelsByTheSameAmount) {
  EXPECT_EQ(Rgb(242, 238, 230), ShadeColor(Rgb(212, 208, 200), 30));
  EXPECT_EQ(Rgb(255, 251, 243), ShadeColor(Rgb(212, 208, 200), 60));
  EXPECT_EQ(Rgb(0, 190, 90), ShadeColor(Rgb(10, 200, 100), -50));
  EXPECT_EQ(Rgb(182, 178, 170), ShadeColor(Rgb(212, 208, 200), -30));
}

TEST(ShadeColor, StopsAtTheLimitsAndKeepsTheHue) {
  EXPECT_EQ(Rgb(255, 255, 255), ShadeColor(Rgb(255, 255, 255), 30));
  EXPECT_EQ(Rgb(0, 0, 0), ShadeColor(Rgb(0, 0, 0), -255));
  EXPECT_EQ(Rgb(255, 255, 255), ShadeColor(Rgb(0, 0, 0), 255));
  EXPECT_EQ(Rgb(0, 0, 0), ShadeColor(Rgb(255, 255, 255), -255));
  EXPECT_EQ(Rgb(10, 20, 30), ShadeColor(Rgb(10, 20, 30), 0));
  // One channel at the top blocks any lightening.
  EXPECT_EQ(Rgb(255, 0, 7), ShadeColor(Rgb(255, 0, 7), 100));
}

TEST(ShadeColor, IgnoresAndClearsTheTopByte) {
  EXPECT_EQ(Rgb(40, 50, 60), ShadeColor(0xFF000000u | Rgb(30, 40, 50), 10));
}

ImageLayout Layout(std::uint8_t align, bool checkBoxMode = false) {
  return ImageLayout{align, 3, 3, 120, checkBoxMode, 1, 1};
}

struct Placed {
  Box caption;
  Box image;
};

Placed Place(const ImageLayout& layout, bool hasCaption, bool pressed, Box item = {10, 20, 110, 60},
             int width = 16, int height = 16) {
  Placed p{item, {}};
  PlaceImage(layout, hasCaption, item, p.caption, pressed, width, height, p.image);
  return p;
}

TEST(PlaceImage, LeftWithCaption) {
  Placed p = Place(Layout(button_geometry::ImageLeft), true, false);
  EXPECT_EQ((Box{13, 32, 110, 60}), p.image);
  EXPECT_EQ((Box{29, 20, 110, 60}), p.caption);
}

TEST(PlaceImage, CentredWithoutCaptionForLeftAndTop) {
  for (std::uint8_t align : {button_geometry::ImageLeft, button_geometry::ImageTop}) {
    Placed p = Place(Layout(align), false, false);
    EXPECT_EQ((Box{52, 32, 110, 60}), p.image) << int(align);
    EXPECT_EQ((Box{10, 20, 110, 60}), p.caption) << int(align);
  }
}

TEST(PlaceImage, TopWithCaptionUsesAbsoluteSpacing) {
  Placed p = Place(Layout(button_geometry::ImageTop), true, false);
  EXPECT_EQ((Box{52, 3, 110, 60}), p.image);
  EXPECT_EQ((Box{10, 36, 110, 60}), p.caption);
}

TEST(PlaceImage, RightWithCaption) {
  Placed p = Place(Layout(button_geometry::ImageRight), true, false);
  // Client right 120 - spacing 3 - width 16.
  EXPECT_EQ((Box{101, 32, 110, 60}), p.image);
  EXPECT_EQ((Box{3, 20, 110 - (10 + 3 + 16), 60}), p.caption);
}

TEST(PlaceImage, RightWithoutCaptionStaysAtTheTop) {
  Placed p = Place(Layout(button_geometry::ImageRight), false, false);
  EXPECT_EQ((Box{52, 20, 110, 60}), p.image);
  EXPECT_EQ((Box{10, 20, 110, 60}), p.caption);
}

TEST(PlaceImage, OtherAlignmentsKeepTheTopLeftCorner) {
  for (std::uint8_t align : {3, 200}) {
    for (bool caption : {true, false}) {
      Placed p = Place(Layout(align), caption, false);
      EXPECT_EQ((Box{10, 20, 110, 60}), p.image);
      EXPECT_EQ((Box{10, 20, 110, 60}), p.caption);
    }
  }
}

TEST(PlaceImage, CentringTruncatesTowardZero) {
  // An image wider than the item: (40 - 45) / 2 = -2, not -3.
  Placed p = Place(Layout(button_geometry::ImageLeft), false, false, {0, 0, 40, 41}, 45, 16);
  EXPECT_EQ(-2, p.image.left);
  EXPECT_EQ(12, p.image.top);
}

TEST(PlaceImage, PressedMovesTheImageButNotInCheckBoxMode) {
  ImageLayout down = Layout(button_geometry::ImageLeft);
  down.pushOffsetX = 0;
  down.pushOffsetY = 2;
  Placed p = Place(down, true, true);
  EXPECT_EQ((Box{13, 34, 110, 62}), p.image);

  Placed q = Place(Layout(button_geometry::ImageLeft, true), true, true);
  EXPECT_EQ((Box{13, 32, 110, 60}), q.image);
}

}  // namespace
