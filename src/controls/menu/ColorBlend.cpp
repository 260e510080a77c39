#include "controls/menu/ColorBlend.h"

namespace {

std::uint32_t BlendChannel(std::uint32_t value, double factor) {
  // Each step is rounded to double through memory: the x87 unit of 32-bit
  // builds would otherwise keep extra precision, and a product such as
  // 245 * 0.6 (146.99999... exactly, 147 as a double) would truncate one lower.
  volatile double product = (255.0 - static_cast<double>(value)) * factor;
  volatile double blended = static_cast<double>(value) + product;
  return static_cast<std::uint32_t>(blended);  // truncates toward zero
}

}  // namespace

std::uint32_t BlendToWhite(std::uint32_t colour, double factor) {
  // Written so that NaN fails the test as well.
  if (!(factor > 0.0 && factor <= 1.0)) {
    return colour;
  }
  const std::uint32_t red = BlendChannel(colour & 0xFFu, factor);
  const std::uint32_t green = BlendChannel((colour >> 8) & 0xFFu, factor);
  const std::uint32_t blue = BlendChannel((colour >> 16) & 0xFFu, factor);
  return red | (green << 8) | (blue << 16);
}
