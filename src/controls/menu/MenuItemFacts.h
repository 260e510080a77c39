#pragma once

#include <windows.h>

#include "framework/CString.h"

class CImageList;
struct MenuSettings;
struct MenuItemData;

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

  // The cases of the picture cell.
  bool useCheckImage = false;  // checked, no picture, the menu's check pictures apply
  bool hasPicture = false;
  bool selectedPicture = false;
  bool disabledPicture = false;

  // flatRules: the flat look takes a shared picture only while the item has
  // no own picture index, and knows picture variants.
  static MenuItemFacts Read(const MenuSettings& settings, const MenuItemData& item, UINT itemState,
                            bool flatRules);

  // Whether the item has a check bitmap of its own (a radio item, which shows
  // a dot instead of a tick), asked of the platform menu by command id.
  static bool HasOwnCheckBitmap(const DRAWITEMSTRUCT& drawItem);

  bool ShowsPictureCell() const {
    return useCheckImage || hasPicture || selectedPicture || disabledPicture;
  }
  bool ListUsable() const;
};
