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
};
