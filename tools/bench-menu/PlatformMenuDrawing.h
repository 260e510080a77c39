#pragma once

#include <windows.h>
// windows.h first
#include <commctrl.h>

#include <string>

#include "framework/UniqueHandle.h"

// The platform drawing the same menu items with its own calls, as the
// yardstick of the menu benchmark: what a system menu does for each kind of
// item, into the same device context, with the item's own label and
// accelerator.
class PlatformMenuDrawing {
 public:
  // pictures: the list the picture items draw from (index 0). label and
  // accelerator: the texts of the items drawn and measured from now on.
  PlatformMenuDrawing(HIMAGELIST pictures, const char* label, const char* accelerator);
  PlatformMenuDrawing(const PlatformMenuDrawing&) = delete;
  PlatformMenuDrawing& operator=(const PlatformMenuDrawing&) = delete;

  // A text item: background, label on the left, accelerator on the right.
  void Plain(HDC dc, const RECT& rect, bool selected) const;
  // The same with its picture in the gutter (ImageList_Draw).
  void Picture(HDC dc, const RECT& rect, bool selected) const;
  // A checked item without a picture: the system's check mark.
  void Checked(HDC dc, const RECT& rect) const;
  // A disabled item with a picture: DrawState with DSS_DISABLED, embossed text.
  void DisabledPicture(HDC dc, const RECT& rect) const;
  // A disabled item without a picture: embossed text.
  void DisabledPlain(HDC dc, const RECT& rect) const;
  // A separator: an etched line.
  void Separator(HDC dc, const RECT& rect) const;
  // Measuring a text item (label, tab and accelerator): a screen DC, the
  // menu font, GetTextExtentPoint32.
  SIZE Measure() const;
  // The texts drawn and measured from now on.
  void SetTexts(const char* label, const char* accelerator);

 private:
  void Text(HDC dc, const RECT& rect, COLORREF color, int offset) const;
  void Embossed(HDC dc, const RECT& rect) const;

  HIMAGELIST pictures_;
  std::string label_;
  std::string accelerator_;
  std::string measured_;
  UniqueIcon icon_;
  UniqueFont font_;
};
