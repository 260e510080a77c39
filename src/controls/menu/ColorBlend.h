#pragma once

#include <cstdint>

// Moves each channel v of a 0x00BBGGRR colour toward 255 by
// v + (255 - v) * factor, truncated. A factor outside (0, 1] (NaN included)
// leaves the colour unchanged, top byte and all.
std::uint32_t BlendToWhite(std::uint32_t colour, double factor);
