#pragma once

#include <windows.h>

#include "framework/UniqueHandle.h"

// A memory DC with a bitmap kept selected in it, lent to one MemoryDC after
// another: a drawing pass that borrows it makes no DC and no bitmap of its own.
// Making and selecting a fresh item-sized bitmap is most of the cost of a
// small off-screen pass on some systems, and a menu draws many such passes.
//
// The bitmap grows to the largest area asked for and is made again, compatible
// with the new target, when a target's colour depth differs from the one it was
// made for. Targets of fewer than 15 bits per pixel are not lent to: their
// colours depend on palettes and colour tables, which a surface made for one
// such target need not share with the next.
//
// Each pass starts from the DC's state as it was made (SaveDC at Lend,
// RestoreDC at Return), so what one pass selects or sets never reaches the
// next.
class OffscreenSurface {
 public:
  OffscreenSurface() = default;
  OffscreenSurface(const OffscreenSurface&) = delete;
  OffscreenSurface& operator=(const OffscreenSurface&) = delete;
  ~OffscreenSurface() { Discard(); }

  // The DC to compose an area of width x height for target on, its state
  // saved; null when none can be lent (the caller then makes its own). Every
  // Lend that answers a DC is followed by one Return before the next Lend.
  HDC Lend(HDC target, int width, int height);
  void Return();
  // Frees the DC and the bitmap; the next Lend makes them again.
  void Discard();

 private:
  UniqueMemoryDC m_dc;
  UniqueBitmap m_bitmap;
  HGDIOBJ m_previousBitmap = nullptr;  // selected in m_dc before m_bitmap
  int m_width = 0;
  int m_height = 0;
  int m_depth = 0;  // bits per pixel of the targets the bitmap was made for
  int m_savedState = 0;
};
