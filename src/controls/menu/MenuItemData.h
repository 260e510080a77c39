#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/CString.h"

class CImageList;

// The record a TrellMenu keeps for each of its items. Its address is the
// item's data in the platform menu (the item pointer of AppendMenuA /
// ModifyMenuA with MF_OWNERDRAW), which WM_MEASUREITEM and WM_DRAWITEM hand
// back as itemData.
//
// Picture sources: the item's own list (ownImages at ownImageIndex, shown when
// ownImageState >= 0), else the menu class's shared list at sharedImageIndex.
//
// The record owns text and ownImages. It is created, listed and destroyed by
// its TrellMenu only; the platform menu merely borrows its address.
struct MenuItemData {
  wchar_t* text = nullptr;  // zero-terminated; null = no text
  int ownImageIndex = -1;
  int sharedImageIndex = -1;  // -1 = the command has no shared picture
  int ownImageState = -1;     // -1 = no picture of its own
  UINT menuFlags = 0;         // MF_ flags the item was appended or modified with
  // The command id; for a popup item its sub-menu handle (hence pointer-wide).
  UINT_PTR commandId = 0;
  UINT claimed = 0;  // used while re-synchronising with the platform menu
  CImageList* ownImages = nullptr;

  MenuItemData();
  MenuItemData(const MenuItemData&) = delete;
  MenuItemData& operator=(const MenuItemData&) = delete;
  ~MenuItemData();

  // Replaces the text with a copy of s (null: no text). When memory runs out
  // the text becomes null.
  void SetTextWide(const wchar_t* s);
  // Replaces the text with s converted from the ANSI code page (null: no text).
  void SetTextAnsi(const char* s);
  // The text in the ANSI code page; empty when there is none.
  CString GetTextAnsi() const;

  // Records alive in the process (for leak checks).
  static std::size_t LiveCount();
};
