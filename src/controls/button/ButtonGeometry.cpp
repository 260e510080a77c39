#include "controls/button/ButtonGeometry.h"

#include <algorithm>

namespace button_geometry {

std::uint32_t ShadeColor(std::uint32_t color, int shade) {
  const int r = static_cast<int>(color & 0xFF);
  const int g = static_cast<int>((color >> 8) & 0xFF);
  const int b = static_cast<int>((color >> 16) & 0xFF);
  int d;
  if (shade > 0) {
    d = std::min({shade, 255 - r, 255 - g, 255 - b});
  } else {
    d = std::max({shade, -r, -g, -b});
  }
  return static_cast<std::uint32_t>(r + d) | static_cast<std::uint32_t>(g + d) << 8 |
         static_cast<std::uint32_t>(b + d) << 16;
}

namespace {

// Integer division of the C++ kind truncates toward zero, as the layout wants.
void CentreHorizontally(Box& image, int width) {
  image.left = image.left + (image.right - image.left - width) / 2;
}

void CentreVertically(Box& image, int height) {
  image.top = image.top + (image.bottom - image.top - height) / 2;
}

}  // namespace

void PlaceImage(const ImageLayout& layout, bool hasCaption, const Box& item, Box& caption,
                bool pressed, int width, int height, Box& image) {
  image = item;
  switch (layout.align) {
    case ImageLeft:
      if (hasCaption) {
        image.left += layout.spacingX;
        caption.left += layout.spacingX + width;
        CentreVertically(image, height);
      } else {
        CentreHorizontally(image, width);
        CentreVertically(image, height);
      }
      break;
    case ImageTop:
      if (hasCaption) {
        CentreHorizontally(image, width);
        image.top = layout.spacingY;
        caption.top += height;
      } else {
        CentreHorizontally(image, width);
        CentreVertically(image, height);
      }
      break;
    case ImageRight:
      if (hasCaption) {
        caption.right -= caption.left + layout.spacingX + width;
        caption.left = layout.spacingX;
        image.left = layout.clientRight - layout.spacingX - width;
        CentreVertically(image, height);
      } else {
        CentreHorizontally(image, width);
      }
      break;
    default:
      // Any other alignment leaves the image at the item's top-left corner.
      break;
  }
  if (pressed && !layout.checkBoxMode) {
    image.left += layout.pushOffsetX;
    image.right += layout.pushOffsetX;
    image.top += layout.pushOffsetY;
    image.bottom += layout.pushOffsetY;
  }
}

}  // namespace button_geometry
