#pragma once

#include "controls/menu/OsVersionClass.h"

// The facts about the running system that measuring and drawing a menu item
// depend on, worked out once per item by MenuEnvironment (CurrentLook for this
// system, LookFor for any other). Keeping them in one value lets the measuring and drawing code be
// run for any combination of facts (which the tests and the gallery do) without touching the
// probes' caches.
struct MenuLookFacts {
  OsClass osClass = OsNtOther;
  // OS class OsWin95 or later: the menu font is used and the classic look
  // draws 3-D frames and check cells.
  bool recognisedOs = false;
  // OS class OsWinXp with a theme other than the classic one.
  bool xpLook = false;
  // The flat look is the draw mode in force (with the fixed settings: xpLook).
  bool flatDrawing = false;
};
