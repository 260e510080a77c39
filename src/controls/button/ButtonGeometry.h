#pragma once

#include <cstdint>

// Window-free arithmetic of the styled push button: shading of its state
// colours and the placement of an image beside the caption. Kept apart from
// the control so that it can be checked without a window system.
namespace button_geometry {

// A rectangle with exclusive right and bottom edges, laid out like the
// platform's RECT.
struct Box {
  long left;
  long top;
  long right;
  long bottom;
};

inline bool operator==(const Box& a, const Box& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Moves the three channels of a 0x00BBGGRR colour by one common amount d,
// limited so that no channel leaves 0..255: the hue (the differences between
// the channels) stays. shade must lie in -255..255. The result's top byte is 0.
std::uint32_t ShadeColor(std::uint32_t color, int shade);

// Values of a styled button's imageAlign.
enum ImageAlign : std::uint8_t { ImageLeft = 0, ImageTop = 1, ImageRight = 2 };

// What the placement reads from the button besides the item and caption.
struct ImageLayout {
  std::uint8_t align;  // ImageLeft, ImageTop, ImageRight; others: top-left corner
  int spacingX;        // margin to the item's left (or client's right) edge
  int spacingY;        // top of a top-aligned image (absolute coordinate)
  long clientRight;    // right edge of the button's client rectangle
  bool checkBoxMode;   // a pressed check box does not move its image
  int pushOffsetX;     // how far a pressed image moves
  int pushOffsetY;
};

// Places an image of width x height for an item rectangle. image starts as a
// copy of item; caption is narrowed to leave room for the image when the
// button has a caption. A pressed image moves by the push offset except in
// check-box mode.
void PlaceImage(const ImageLayout& layout, bool hasCaption, const Box& item, Box& caption,
                bool pressed, int width, int height, Box& image);

}  // namespace button_geometry
