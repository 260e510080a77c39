#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>

#include "controls/menu/MenuItemData.h"
#include "controls/menu/TrellMenu.h"
#include "framework/CDC.h"

// A 24-bit off-screen surface whose pixels read back exactly.
class PixelSurface {
 public:
  PixelSurface(int width, int height, COLORREF fill) : m_width(width), m_height(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_dc.CreateCompatibleDC(nullptr);
    m_previous = SelectObject(m_dc.m_hDC, m_bitmap);
    Fill(fill);
  }
  PixelSurface(const PixelSurface&) = delete;
  PixelSurface& operator=(const PixelSurface&) = delete;
  ~PixelSurface() {
    SelectObject(m_dc.m_hDC, m_previous);
    m_dc.DeleteDC();
    DeleteObject(m_bitmap);
  }

  CDC* dc() { return &m_dc; }
  HDC hdc() const { return m_dc.m_hDC; }
  COLORREF Pixel(int x, int y) const { return GetPixel(m_dc.m_hDC, x, y); }
  void Fill(COLORREF color) { m_dc.FillSolidRect(0, 0, m_width, m_height, color); }
  // Number of pixels of the rectangle (left, top, right, bottom exclusive)
  // that have the colour.
  int Count(int left, int top, int right, int bottom, COLORREF color) const {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        n += Pixel(x, y) == color ? 1 : 0;
      }
    }
    return n;
  }

 private:
  int m_width;
  int m_height;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_previous = nullptr;
  CDC m_dc;
};

// GDI objects alive in this process. GetGuiResources answers where the
// platform keeps the count; Wine does not, and there every live object is
// found by its table index (a handle without its generation bits).
inline std::size_t LiveGdiObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) {
    return reported;
  }
  std::size_t n = 0;
  for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
    n += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
  }
  return n;
}

namespace menutest {

// The record of the item at index i of the menu's record list.
inline MenuItemData* Record(const TrellMenu& menu, int i) {
  return static_cast<MenuItemData*>(menu.m_items.GetAt(i));
}

// The item's type bits (MFT_OWNERDRAW, MFT_SEPARATOR, ...): GetMenuState
// hides them for popup items, whose high byte is their item count.
inline UINT ItemType(HMENU menu, UINT position) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &info));
  return info.fType;
}

// The item data the platform keeps for the item at position.
inline ULONG_PTR ItemData(HMENU menu, UINT position) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_DATA;
  EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &info));
  return info.dwItemData;
}

}  // namespace menutest
