#pragma once

#include <windows.h>

// Loads a bitmap resource of 16 or fewer colours with its button colours
// replaced by the current system colours: black by COLOR_BTNTEXT, dark grey
// (128, 128, 128) by COLOR_BTNSHADOW, light grey (192, 192, 192) by
// COLOR_BTNFACE and white by COLOR_BTNHIGHLIGHT. The result is a bitmap
// compatible with the screen, which the caller deletes; with mono the
// bitmap is monochrome instead. Null when the resource cannot be read or is
// not a colour-table bitmap that fits its resource size.
HBITMAP AfxLoadSysColorBitmap(HINSTANCE module, HRSRC resource, BOOL mono = FALSE);
