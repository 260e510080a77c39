#pragma once

// Test support for measuring and drawing TrellMenu items: a menu with records,
// a canvas to draw items into and read back by pixels, picture lists with
// known colours, and the DRAWITEMSTRUCT the platform would send.

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "controls/menu/MenuItemData.h"
#include "controls/menu/TrellMenu.h"
#include "framework/CImageList.h"

namespace menutest {

// A memory DC with a bitmap compatible with the screen, filled with a colour
// that no system colour of the test systems has, so that unpainted pixels
// show. Text is drawn in a font without anti-aliasing, so that every text
// pixel has exactly the text colour.
class Canvas {
 public:
  static constexpr COLORREF kUnpainted = RGB(1, 2, 3);

  Canvas(int width, int height) : m_width(width), m_height(height) {
    HDC screen = GetDC(nullptr);
    m_dc = CreateCompatibleDC(screen);
    m_bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    m_oldBitmap = SelectObject(m_dc, m_bitmap);
    m_font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma");
    m_oldFont = SelectObject(m_dc, m_font);
    Fill(kUnpainted);
  }
  ~Canvas() {
    SelectObject(m_dc, m_oldFont);
    SelectObject(m_dc, m_oldBitmap);
    DeleteObject(m_font);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Draws text in the menu font from now on, as the platform's menu DC does.
  void UseMenuFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
    SelectObject(m_dc, font);
    DeleteObject(m_font);
    m_font = font;
  }

  HDC dc() const { return m_dc; }
  int width() const { return m_width; }
  int height() const { return m_height; }
  COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }
  void Fill(COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    RECT all{0, 0, m_width, m_height};
    FillRect(m_dc, &all, brush);
    DeleteObject(brush);
  }
  // The colour as this canvas stores it (exact on true-colour displays).
  COLORREF Stored(COLORREF color) const { return GetNearestColor(m_dc, color); }
  // Pixels of the rectangle that have the colour.
  std::vector<POINT> PixelsOf(COLORREF color, const RECT& area) const {
    std::vector<POINT> found;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (At(x, y) == color) {
          found.push_back(POINT{x, y});
        }
      }
    }
    return found;
  }
  // Pixels that differ between two canvases of the same size.
  int CountDifferences(const Canvas& other) const {
    int differences = 0;
    for (int y = 0; y < m_height; ++y) {
      for (int x = 0; x < m_width; ++x) {
        differences += At(x, y) != other.At(x, y) ? 1 : 0;
      }
    }
    return differences;
  }

 private:
  int m_width;
  int m_height;
  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_oldBitmap = nullptr;
  HFONT m_font = nullptr;
  HGDIOBJ m_oldFont = nullptr;
};

// Colours of the test pictures: each picture is a solid block of its colour
// at (2, 2)..(13, 12) on a transparent ground.
constexpr COLORREF kPictureColor = RGB(200, 0, 0);
constexpr COLORREF kFadedColor = RGB(0, 160, 0);
constexpr COLORREF kShadowColor = RGB(0, 0, 180);
constexpr int kBlockLeft = 2;
constexpr int kBlockTop = 2;
constexpr int kBlockRight = 13;   // last column of the block
constexpr int kBlockBottom = 12;  // last row of the block
constexpr COLORREF kTransparent = RGB(255, 0, 255);

// A new image list of width x height pictures, one per colour, each the block
// above on a transparent ground.
inline CImageList* NewPictureList(const std::vector<COLORREF>& colors, int width = 16,
                                  int height = 15) {
  auto* list = new CImageList;
  list->Create(width, height, ILC_COLORDDB | ILC_MASK, 1, 1);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  const int count = static_cast<int>(colors.size());
  HBITMAP strip = CreateCompatibleBitmap(screen, width * count, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, strip);
  HBRUSH ground = CreateSolidBrush(kTransparent);
  RECT all{0, 0, width * count, height};
  FillRect(dc, &all, ground);
  DeleteObject(ground);
  for (int i = 0; i < count; ++i) {
    HBRUSH block = CreateSolidBrush(colors[static_cast<size_t>(i)]);
    RECT r{i * width + kBlockLeft, kBlockTop, i * width + kBlockRight + 1, kBlockBottom + 1};
    FillRect(dc, &r, block);
    DeleteObject(block);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  list->Add(strip, kTransparent);
  DeleteObject(strip);
  return list;
}

// A popup TrellMenu that tests fill item by item.
class TestMenu {
 public:
  TestMenu() { menu.CreatePopupMenu(); }

  // Appends an item and returns its record.
  MenuItemData* Add(const wchar_t* text, UINT flags, UINT id) {
    menu.AppendMenu(text, flags, id);
    return Record(menu.m_items.GetSize() - 1);
  }
  MenuItemData* Record(std::ptrdiff_t i) const {
    return static_cast<MenuItemData*>(menu.m_items.GetAt(i));
  }
  // Gives the record an own picture list (which it then owns), showing
  // picture 0; with variants, pictures 1 and 2 are the faded and the shadow.
  static void GivePicture(MenuItemData* item, bool withVariants) {
    item->ownImages = withVariants ? NewPictureList({kPictureColor, kFadedColor, kShadowColor})
                                   : NewPictureList({kPictureColor});
    item->ownImageIndex = 0;
    item->ownImageState = 0;
  }

  DRAWITEMSTRUCT DrawStruct(MenuItemData* item, UINT id, UINT state, HDC dc,
                            const RECT& rect) const {
    DRAWITEMSTRUCT d{};
    d.CtlType = ODT_MENU;
    d.itemID = id;
    d.itemAction = ODA_DRAWENTIRE;
    d.itemState = state;
    d.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
    d.hDC = dc;
    d.rcItem = rect;
    d.itemData = reinterpret_cast<ULONG_PTR>(item);
    return d;
  }

  TrellMenu menu;
};

// A monochrome bitmap for the check-mark bitmaps of a radio item.
class CheckBitmap {
 public:
  CheckBitmap() : m_bitmap(CreateBitmap(13, 13, 1, 1, nullptr)) {}
  ~CheckBitmap() { DeleteObject(m_bitmap); }
  CheckBitmap(const CheckBitmap&) = delete;
  CheckBitmap& operator=(const CheckBitmap&) = delete;
  HBITMAP get() const { return m_bitmap; }

 private:
  HBITMAP m_bitmap;
};

}  // namespace menutest
