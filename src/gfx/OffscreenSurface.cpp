#include "gfx/OffscreenSurface.h"

#include <algorithm>
#include <utility>

namespace {

// Bits per pixel of what drawing on dc reaches: the selected bitmap of a
// memory DC, else the device.
int ColourDepth(HDC dc) {
  if (::GetObjectType(dc) == OBJ_MEMDC) {
    BITMAP bitmap{};
    if (::GetObject(::GetCurrentObject(dc, OBJ_BITMAP), sizeof(bitmap), &bitmap) == 0) {
      return 0;
    }
    return bitmap.bmBitsPixel * bitmap.bmPlanes;
  }
  return ::GetDeviceCaps(dc, BITSPIXEL) * ::GetDeviceCaps(dc, PLANES);
}

}  // namespace

HDC OffscreenSurface::Lend(HDC target, int width, int height) {
  if (target == nullptr || width <= 0 || height <= 0) {
    return nullptr;
  }
  const int depth = ColourDepth(target);
  if (depth < 15) {
    return nullptr;
  }
  if (depth != m_depth) {
    Discard();
  }
  if (!m_dc) {
    m_dc.reset(::CreateCompatibleDC(target));
    if (!m_dc) {
      return nullptr;
    }
  }
  if (!m_bitmap || width > m_width || height > m_height) {
    const int newWidth = std::max(width, m_width);
    const int newHeight = std::max(height, m_height);
    UniqueBitmap bitmap(::CreateCompatibleBitmap(target, newWidth, newHeight));
    if (!bitmap) {
      return nullptr;
    }
    const HGDIOBJ previous = ::SelectObject(m_dc.get(), bitmap.get());
    if (previous == nullptr) {
      return nullptr;
    }
    if (m_previousBitmap == nullptr) {
      m_previousBitmap = previous;  // the DC's own first bitmap, put back at Discard
    }
    m_bitmap = std::move(bitmap);  // the smaller bitmap, no longer selected, goes
    m_width = newWidth;
    m_height = newHeight;
    m_depth = depth;
  }
  m_savedState = ::SaveDC(m_dc.get());
  if (m_savedState == 0) {
    return nullptr;
  }
  return m_dc.get();
}

void OffscreenSurface::Return() {
  if (m_dc && m_savedState != 0) {
    ::RestoreDC(m_dc.get(), m_savedState);
  }
  m_savedState = 0;
}

void OffscreenSurface::Discard() {
  Return();
  if (m_dc && m_previousBitmap != nullptr) {
    ::SelectObject(m_dc.get(), m_previousBitmap);
  }
  m_previousBitmap = nullptr;
  m_bitmap.reset();
  m_dc.reset();
  m_width = 0;
  m_height = 0;
  m_depth = 0;
}
