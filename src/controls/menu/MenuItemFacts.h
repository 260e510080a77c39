#pragma once

#include <windows.h>

#include "framework/CString.h"

class CImageList;
struct MenuSettings;
struct MenuItemData;

// What the picture cell at the left of an item shows, the same choice in both
// looks (the first case that applies, in this order).
enum class PictureCell {
  None,        // no picture and no check: the cell is left to the background
  CheckMark,   // checked, no picture, no check pictures: a drawn tick or dot
  CheckImage,  // checked, no picture: one of the menu's check pictures
  Disabled,    // a disabled item's picture, greyed
  Selected,    // the picture of a selected item
  Checked,     // the picture of a checked item (or a check picture that is missing)
  Plain,       // the picture of an item that is none of these
};

// What one owner-drawn item of a TrellMenu shows, worked out from its record,
// the menu's settings and the state the platform reports: its label and
// accelerator, where its picture comes from, and which of the picture cell's
// cases applies. Both looks paint from these facts.
struct MenuItemFacts {
  bool selected = false;
  bool grayed = false;
  bool checked = false;

  // The text in the ANSI code page, and its parts: the label before the first
  // tab and the accelerator after the last one.
  CString text;
  CString label;
  CString accelerator;
  bool hasTab = false;

  // The picture: list and index (the item's own list, or the shared list).
  // hasPictureSource is set when a source was found even if its list is
  // missing; ListUsable tells whether there is anything to draw.
  bool hasPictureSource = false;
  CImageList* list = nullptr;
  int index = -1;
  // Flat look: the faded and the shadow variant of the picture in the same
  // list, when it has them.
  bool hasVariants = false;
  int fadedIndex = -1;
  int shadowIndex = -1;

  PictureCell cell = PictureCell::None;

  // flatRules: the flat look takes a shared picture only while the item has
  // no own picture index, and knows picture variants.
  static MenuItemFacts Read(const MenuSettings& settings, const MenuItemData& item, UINT itemState,
                            bool flatRules);

  // Whether the item has a check bitmap of its own (a radio item, which shows
  // a dot instead of a tick), asked of the platform menu by command id.
  static bool HasOwnCheckBitmap(const DRAWITEMSTRUCT& drawItem);

  bool ListUsable() const;
};
