#pragma once

#include <windows.h>

// The system's menu metrics that measuring and drawing ask for again and
// again: the menu font (the lfMenuFont of the non-client metrics) and the
// height of a menu bar (SM_CYMENU). Reading them is slow on some systems
// (tens of microseconds each, every item of every popup), so they are read
// once and kept, class-wide, until the system tells the program its settings
// changed (AfxSystemSettingsGeneration), and then read again.
class MenuMetrics {
 public:
  // The menu font; null when the non-client metrics cannot be read (the
  // DC's own font then measures and draws). Owned here: never deleted or
  // kept by the caller.
  static HFONT Font();
  static int MenuBarHeight();
  // A memory DC compatible with the screen that holds the menu font (its own
  // font when there is none), for measuring labels without making a DC and
  // selecting a font around every measurement. Kept and renewed with the
  // font; null when no DC can be made. Owned here: never deleted, released
  // or left with other selections by the caller.
  static HDC MeasuringDC();
};
