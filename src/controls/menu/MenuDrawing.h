#pragma once

#include <windows.h>

#include "controls/menu/MenuLookFacts.h"

class CBitmap;
class CDC;
struct MenuItemData;
struct MenuItemFacts;

// Small drawing routines shared by the classic and the flat look of a
// TrellMenu. Each leaves the DC's selections as it found them and deletes
// every object it creates before it returns. (TrellMenu offers them under the
// same names.)
namespace menu_drawing {

// A 6 x 6 dot at (x, y).
void PaintRadioDot(CDC* dc, int x, int y, COLORREF color);
// A 7 x 7 tick at (x, y).
void PaintCheckTick(CDC* dc, int x, int y, COLORREF color);
// The classic look's check cell: a light box (sunken on recognised systems)
// with a tick or, for radio, a dot.
void PaintClassicCheckCell(CDC* dc, const RECT& rect, bool selected, bool radio,
                           const MenuLookFacts& look);
// The flat look's check cell: a tinted box framed in frameColor.
void PaintFlatCheckCell(CDC* dc, const RECT& rect, bool radio, COLORREF frameColor);
// Draws picture (overwritten: pass a copy) disabled: its dark pixels in the
// shadow colour over a highlight copy one pixel down and right.
void PaintDisabledMasked(CDC* dc, int x, int y, int width, int height, CBitmap* picture,
                         int sourceX, int sourceY, COLORREF background);
// The same through a black-and-white DIB made by the platform's conversion;
// draws nothing when a DC or the DIB cannot be made.
void PaintDisabledDib(HDC dc, int x, int y, int width, int height, HBITMAP picture, int sourceX,
                      int sourceY, COLORREF background);

// The record and the DC of the item a DRAWITEMSTRUCT describes. Both are
// null when either is missing: an item without its record is not ours to
// paint.
struct ItemToPaint {
  const MenuItemData* item = nullptr;
  CDC* dc = nullptr;
};
ItemToPaint ItemToPaintOf(const DRAWITEMSTRUCT* drawItem);

// Where an item's label and accelerator go: from textLeft to the item's right
// edge (one picture width short of it when there is an accelerator), one
// pixel higher than the item.
RECT ItemTextRect(const RECT& item, LONG textLeft, const MenuItemFacts& facts, int imageWidth);
// The label, left-aligned, and the accelerator, right-aligned, in rect on a
// transparent background in color; with raisedUnder, first in that colour one
// pixel right and down (embossed). The DC's text colour and background mode
// are restored.
void PaintItemText(CDC* dc, const MenuItemFacts& facts, const RECT& rect, COLORREF color,
                   const COLORREF* raisedUnder = nullptr);

}  // namespace menu_drawing
