#pragma once

#include <windows.h>

#include "framework/CBitmap.h"
#include "framework/CDC.h"

// The cached copy of the parent window's pixels under a transparent
// StyledButton: taken on the first paint, painted under the button on every
// paint, dropped when the system colours change or the button asks again.
// Only taking the copy needs the parent's DC; painting it needs nothing else.
class ButtonParentCopy {
 public:
  ButtonParentCopy() = default;
  ButtonParentCopy(const ButtonParentCopy&) = delete;
  ButtonParentCopy& operator=(const ButtonParentCopy&) = delete;
  // Selects the old bitmap back before the DC and the bitmap go.
  ~ButtonParentCopy() { Discard(); }

  // Whether a copy has been taken (and not dropped since).
  bool HasCopy() const { return m_dc.GetSafeHdc() != nullptr; }
  // Takes the copy of the width x height area at (x, y) of parentDC.
  void Take(CDC& parentDC, int x, int y, int width, int height);
  // Paints width x height of the copy at the top-left corner of dc.
  void Paint(CDC* dc, int width, int height);
  // Drops the copy (the old bitmap is selected back before the bitmap is
  // deleted).
  void Discard();
  // The memory DC holding the copy, null when there is none.
  HDC GetSafeHdc() const { return m_dc.GetSafeHdc(); }

 private:
  CDC m_dc;
  CBitmap m_bitmap;
  HBITMAP m_previousBitmap = nullptr;
};
