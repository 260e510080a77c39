#pragma once

#include <windows.h>

#include "framework/UniqueHandle.h"

class CDC;

// The images of a StyledButton: an icon and a bitmap with its mask in each of
// two slots (slot 0 is drawn while the button is hot, slot 1 otherwise when it
// is filled). The slots own their handles: a handle is freed when its slot is
// refilled with another one or emptied, or when the object goes.
class ButtonImages {
 public:
  struct IconSlot {
    UniqueIcon icon;
    int width = 0;
    int height = 0;
  };
  struct BitmapSlot {
    UniqueBitmap image;
    int width = 0;
    int height = 0;
    UniqueBitmap mask;
  };

  // Icons for the hot and the normal slot; either may be null.
  void SetIcons(HICON hot, HICON normal);
  // Bitmaps for the hot and the normal slot. An image is black where the
  // picture is transparent; its mask is monochrome, white there and black
  // where the picture is opaque. A null mask makes the whole image opaque; a
  // mask without its image is freed at once.
  void SetBitmaps(HBITMAP hot, HBITMAP hotMask, HBITMAP normal, HBITMAP normalMask);
  // Empties every slot. With destroy the handles are freed; without, they
  // are given up and stay with whoever handed them in.
  void Release(bool destroy);

  const IconSlot& Icon(int slot) const { return m_icons[slot & 1]; }
  const BitmapSlot& Bitmap(int slot) const { return m_bitmaps[slot & 1]; }

  // Draws the slot's icon into rect, in the platform's disabled look when
  // disabled is set.
  static void DrawIcon(CDC* dc, const IconSlot& slot, const RECT& rect, bool disabled);
  // Draws the slot's bitmap through its mask at rect's top-left corner; a
  // disabled bitmap with grey set is drawn embossed by the platform.
  static void DrawBitmap(CDC* dc, const BitmapSlot& slot, const RECT& rect, bool disabled,
                         bool grey);

 private:
  IconSlot m_icons[2];
  BitmapSlot m_bitmaps[2];
};
