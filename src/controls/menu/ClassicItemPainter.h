#pragma once

#include <windows.h>

#include "controls/menu/MenuLookFacts.h"
#include "controls/menu/MenuSettings.h"

class CDC;
class SolidFills;
struct MenuItemFacts;

// Paints one owner-drawn item of a TrellMenu (given its settings) in the classic look, straight on
// the item's DC: a menu-coloured item, the picture in a small raised or sunken
// box at the left, a highlight bar behind the text of the selected item, and
// embossed grey text for a disabled item. Separators are an etched line.
//
// Every pen, brush and bitmap it makes is deleted, and every selection undone,
// before Paint returns.
class ClassicItemPainter {
 public:
  ClassicItemPainter(const MenuSettings& settings, const MenuLookFacts& facts);

  // Paints the item; FALSE (nothing drawn) for an item without a record or
  // DC. May clear ODS_SELECTED of a disabled item in drawItem->itemState.
  BOOL Paint(DRAWITEMSTRUCT* drawItem) const;

 private:
  // The item's picture at at, over filled, an area of dc already filled with
  // background (its list may be missing: nothing is drawn then).
  void DrawPicture(CDC* dc, SolidFills& fills, const MenuItemFacts& facts, POINT at,
                   COLORREF background, const RECT& filled) const;

  MenuSettings m_settings;
  MenuLookFacts m_facts;
};
