#pragma once

#include <windows.h>

#include "controls/menu/MenuLookFacts.h"
#include "controls/menu/MenuSettings.h"

// Sizes the owner-drawn items of a TrellMenu (given its settings) for the look in force: the width
// of the item's text (accelerator column included) plus room for the picture
// column, and a height that fits both the menu bar's text and a picture.
//
// Separators are as wide as the menu allows (width 0) and half as high as a
// text item. Text is measured in the menu font on a DC kept for it
// (MenuMetrics::MeasuringDC); systems older than Windows 95 measure on a
// screen DC in its default font, and Win32s-class systems get an estimate
// from the narrow text.
class MenuItemMeasurer {
 public:
  MenuItemMeasurer(const MenuSettings& settings, const MenuLookFacts& facts);

  // Writes itemWidth and itemHeight for the record in itemData. An item
  // without a record is left as it is.
  void Measure(MEASUREITEMSTRUCT* measureItem) const;

  // Pixels of room around a picture in the picture column: 7 in the flat
  // look with picture effects, 4 otherwise.
  int ImageMargin() const;

 private:
  // The width of text (null counts as empty) on dc in its current font.
  UINT TextWidth(HDC dc, const wchar_t* text) const;

  MenuSettings m_settings;
  MenuLookFacts m_facts;
};
