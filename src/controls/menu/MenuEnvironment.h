#pragma once

#include <windows.h>

#include "controls/menu/MenuLookFacts.h"
#include "controls/menu/OsVersionClass.h"

// Draw modes of the menu's two looks.
enum DrawMode : int { DrawModeClassic = 0, DrawModeFlat = 1 };

// The environment a TrellMenu is drawn in: the OS class (computed once, at
// start-up or on first use), the desktop theme (probed once, on first need),
// the menu's fixed settings, and the one rule that turns them into the look of
// an item (MenuLookFacts). TrellMenu's probes and predicates answer from here.
class MenuEnvironment {
 public:
  // Fixed settings.
  static constexpr DrawMode s_drawModeXp = DrawModeFlat;
  static constexpr DrawMode s_drawModeOther = DrawModeClassic;
  static constexpr BOOL s_imageEffects = TRUE;
  static constexpr BOOL s_classicHighlightDisabled = TRUE;
  static constexpr BOOL s_flatHighlightDisabled = FALSE;

  // Runs the version query.
  static OsClass DetectOsClass();
  // The OS class of this system, computed once.
  static OsClass CurrentOsClass();
  // TRUE when the desktop theme is the classic one; the registry is read on
  // the first call only (a failed probe is not repeated).
  static BOOL IsClassicTheme();
  // Forgets the cached theme probe, so that the next IsClassicTheme reads the
  // registry again (tests change the theme setting).
  static void ForgetThemeProbe();

  // The look of an item on a system of class osClass whose theme is (or is
  // not) the classic one, with the fixed settings applied.
  static MenuLookFacts LookFor(OsClass osClass, bool classicTheme);
  // The look on this system. The theme is probed only where it matters (on
  // the XP class).
  static MenuLookFacts CurrentLook();
  // The draw mode of an item drawn on dc with the given look: the classic one
  // on a palette display (the flat look's blended colours would only dither
  // there), else the draw mode set for the look.
  static DrawMode ChooseDrawMode(HDC dc, const MenuLookFacts& look);

 private:
  static int s_osClass;  // -1 until computed
  static BOOL s_themeProbed;
  static BOOL s_classicTheme;
  friend struct MenuEnvironmentStartup;
};
