#pragma once

#include <windows.h>

// How many colours a DC draws in, asked where it is cheap: drawing code that
// paints the same pixels with cheaper calls only where the device shows every
// colour exactly (more than 256 colours: a brush there paints what a pen or a
// text background of its colour paints; with fewer a brush may dither) asks
// this for every item it draws.
namespace color_depth {

// Bits per pixel of what dc draws on: a memory DC's bitmap, asked directly;
// the display, kept until the system's settings change (asking the device is
// slow on some systems); a printer's, asked. 0 where that is not a screen, a
// printer or a bitmap (a metafile).
int ColorBits(HDC dc);

}  // namespace color_depth
