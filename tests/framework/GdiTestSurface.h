#pragma once

#include <windows.h>

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "framework/SelectionGuard.h"

// A memory DC with a 32-bit bitmap selected, filled with one colour: a canvas
// whose pixels the GDI tests read back.
struct GdiTestSurface {
  CDC dc;
  CBitmap bitmap;
  SelectionGuard keepBitmap;

  GdiTestSurface(int width, int height, COLORREF fill = RGB(255, 255, 255))
      : keepBitmap(Prepare(dc, bitmap, width, height), bitmap) {
    dc.FillSolidRect(0, 0, width, height, fill);
  }

  COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }

 private:
  static CDC& Prepare(CDC& dc, CBitmap& bitmap, int width, int height) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateBitmap(width, height, 1, 32, nullptr);
    return dc;
  }
};
