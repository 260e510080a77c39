#pragma once

#include <windows.h>

#include "framework/CBitmap.h"
#include "framework/CDC.h"

class OffscreenSurface;

// A short-lived drawing surface standing in for a target DC while one piece of
// output is composed, so that the result reaches the target in a single copy.
//
// It covers an area of the target, given in the target's logical coordinates,
// and is drawn on with those same coordinates. Drawing goes into a bitmap of
// exactly the area's size; the destructor copies it to the target with one
// BitBlt. Pixels drawn outside the area are lost, and the bitmap is not
// cleared first: callers fill the whole area.
//
// When the target is printing, the surface borrows the target's handles and
// draws straight onto it; nothing is copied and the target's handles are left
// alone.
//
//   {
//     MemoryDC mem(dc, itemRect);
//     mem.FillSolidRect(&itemRect, background);
//     ...
//   }  // the item reaches dc here
//
// Given an OffscreenSurface, the surface borrows that one's DC and bitmap
// instead of making its own, where the surface can lend them for the target.
//
// It may live on the stack or be allocated and deleted through CDC's virtual
// destructor. Objects the caller selects into it must be selected out again
// before it is destroyed; it restores only its own bitmap.
class MemoryDC : public CDC {
 public:
  // area (0, 0, 0, 0) stands for the target's clip box. The target must
  // outlive the surface.
  MemoryDC(CDC* target, const RECT& area);
  explicit MemoryDC(CDC* target);
  // Composes on surface's DC where it can be lent for target, else on a DC
  // and bitmap of its own. The surface must outlive this object.
  MemoryDC(CDC* target, const RECT& area, OffscreenSurface& surface);
  ~MemoryDC() override;

  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

 private:
  void Begin(OffscreenSurface* surface);

  CBitmap m_bitmap;                    // off-screen bitmap; empty when printing or borrowed
  HGDIOBJ m_previousBitmap = nullptr;  // selected before m_bitmap; put back at the end
  CDC* m_target = nullptr;
  RECT m_area{};
  BOOL m_offScreen = FALSE;
  OffscreenSurface* m_lender = nullptr;  // whose DC this borrows; null when its own
};
