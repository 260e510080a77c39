#pragma once

#include <windows.h>

#include "controls/menu/MenuLookFacts.h"
#include "controls/menu/MenuSettings.h"

// Paints one owner-drawn item of a TrellMenu (given its settings) in the flat look: the item in the
// window colour with a tinted picture column (the gutter) on the left; the
// selected item as one light highlight-coloured box with a highlight frame;
// a hovered picture lifted over its shadow; an unselected picture faded; a
// checked item without a picture as a framed 16 x 16 check box in the gutter.
//
// A disabled item is never drawn selected, and is composed off-screen (in a
// MemoryDC over the item) and copied to the item's DC in one block.
//
// Every pen, brush, font and bitmap it makes is deleted, and every selection
// undone, before Paint returns.
class FlatItemPainter {
 public:
  FlatItemPainter(const MenuSettings& settings, const MenuLookFacts& facts);

  // Paints the item; FALSE (nothing drawn) for an item without a record or
  // DC. Clears ODS_SELECTED of a disabled item in drawItem->itemState.
  BOOL Paint(DRAWITEMSTRUCT* drawItem) const;

  // Width of the picture column: the picture width plus the image margin.
  int GutterWidth() const;

 private:
  MenuSettings m_settings;
  MenuLookFacts m_facts;
};
