#pragma once

#include <windows.h>

#include "controls/menu/MenuLookFacts.h"

class TrellMenu;

// Chooses the look an item of a TrellMenu is drawn in and draws it there.
//
// A palette display always gets the classic look (the flat look's blended
// colours would only dither there). Otherwise the draw mode set for systems
// with the XP look, or the one for all other systems, decides; with the fixed
// settings the flat look is used exactly where the XP look is available.
class MenuItemDrawDispatcher {
 public:
  // The draw mode for an item drawn on dc (DrawModeClassic or DrawModeFlat).
  static int ChooseDrawMode(HDC dc, const MenuLookFacts& facts);

  // Draws the item through TrellMenu::PaintItemClassic or PaintItemFlat.
  static void Draw(TrellMenu& menu, DRAWITEMSTRUCT* drawItem);
};
