// The small drawing routines of the menu, checked pixel by pixel.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "MenuTestSupport.h"
#include "controls/menu/ColorBlend.h"
#include "controls/menu/TrellMenu.h"
#include "framework/CBitmap.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kInk = RGB(10, 20, 30);

using PixelSet = std::set<std::pair<int, int>>;

PixelSet PixelsOf(const PixelSurface& surface, int width, int height, COLORREF color) {
  PixelSet pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (surface.Pixel(x, y) == color) {
        pixels.insert({x, y});
      }
    }
  }
  return pixels;
}

PixelSet TickPixels(int x, int y) {
  static const int rise[7] = {2, 3, 4, 3, 2, 1, 0};
  PixelSet pixels;
  for (int i = 0; i < 7; ++i) {
    for (int j = 0; j < 3; ++j) {
      pixels.insert({x + i, y + rise[i] + j});
    }
  }
  return pixels;
}

// Bounding box (left, top, right, bottom inclusive) of the pixels.
RECT Bounds(const PixelSet& pixels) {
  RECT r = {1000, 1000, -1, -1};
  for (const auto& p : pixels) {
    r.left = std::min<LONG>(r.left, p.first);
    r.top = std::min<LONG>(r.top, p.second);
    r.right = std::max<LONG>(r.right, p.first);
    r.bottom = std::max<LONG>(r.bottom, p.second);
  }
  return r;
}

// The objects selected into a DC, to check that a routine put them back.
struct Selections {
  explicit Selections(HDC dc)
      : pen(GetCurrentObject(dc, OBJ_PEN)),
        brush(GetCurrentObject(dc, OBJ_BRUSH)),
        bitmap(GetCurrentObject(dc, OBJ_BITMAP)) {}
  bool operator==(const Selections& o) const {
    return pen == o.pen && brush == o.brush && bitmap == o.bitmap;
  }
  HGDIOBJ pen;
  HGDIOBJ brush;
  HGDIOBJ bitmap;
};

// A picture on the button face colour, as the menu's pictures arrive at the
// disabled routines, in the screen's format.
CBitmap FacePicture(int width, int height) {
  CDC screen;
  screen.CreateCompatibleDC(nullptr);
  HDC desktop = GetDC(nullptr);
  CBitmap picture;
  picture.Attach(CreateCompatibleBitmap(desktop, width, height));
  ReleaseDC(nullptr, desktop);
  HGDIOBJ old = SelectObject(screen.m_hDC, picture.m_hObject);
  screen.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_BTNFACE));
  SelectObject(screen.m_hDC, old);
  return picture;
}

void SetPicturePixel(CBitmap& picture, int x, int y, COLORREF color) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc.m_hDC, picture.m_hObject);
  SetPixel(dc.m_hDC, x, y, color);
  SelectObject(dc.m_hDC, old);
}

}  // namespace

TEST(MenuHelpers, TickIsSevenStrokesOfThreePixels) {
  PixelSurface surface(24, 24, kWhite);
  const Selections before(surface.hdc());
  TrellMenu::PaintCheckTick(surface.dc(), 5, 7, kInk);
  EXPECT_EQ(TickPixels(5, 7), PixelsOf(surface, 24, 24, kInk));
  EXPECT_TRUE(before == Selections(surface.hdc()));
  const RECT box = Bounds(PixelsOf(surface, 24, 24, kInk));
  EXPECT_EQ(5, box.left);
  EXPECT_EQ(7, box.top);
  EXPECT_EQ(11, box.right);
  EXPECT_EQ(13, box.bottom);
}

TEST(MenuHelpers, DotFillsItsSixPixelBox) {
  PixelSurface surface(24, 24, kWhite);
  const Selections before(surface.hdc());
  TrellMenu::PaintRadioDot(surface.dc(), 4, 9, kInk);
  const PixelSet dot = PixelsOf(surface, 24, 24, kInk);
  EXPECT_EQ(dot.size(), static_cast<std::size_t>(24 * 24 - surface.Count(0, 0, 24, 24, kWhite)));
  const RECT box = Bounds(dot);
  EXPECT_EQ(4, box.left);
  EXPECT_EQ(9, box.top);
  EXPECT_EQ(9, box.right);
  EXPECT_EQ(14, box.bottom);
  EXPECT_EQ(1u, dot.count({6, 11}));  // the middle is filled
  EXPECT_TRUE(before == Selections(surface.hdc()));
}

TEST(MenuHelpers, ClassicCheckCell) {
  const RECT cell = {3, 2, 19, 18};
  const COLORREF base = GetSysColor(TrellMenu::IsXpLook() ? COLOR_BTNFACE : COLOR_MENU);
  const COLORREF mark = GetSysColor(COLOR_MENUTEXT);
  for (bool selected : {false, true}) {
    PixelSurface surface(24, 24, kMagenta);
    EXPECT_TRUE(TrellMenu::PaintClassicCheckCell(surface.dc(), cell, selected, false));
    const COLORREF fill = selected ? base : BlendToWhite(base, 0.6);
    EXPECT_EQ(fill, surface.Pixel(cell.left + 2, cell.bottom - 3)) << selected;
    EXPECT_EQ(kMagenta, surface.Pixel(cell.right, cell.bottom));  // nothing outside
    if (TrellMenu::IsRecognisedOs()) {
      EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), surface.Pixel(cell.left, cell.top));
      EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), surface.Pixel(cell.right - 1, cell.bottom - 1));
    } else {
      EXPECT_EQ(fill, surface.Pixel(cell.left, cell.top));
    }
    // The tick starts four pixels in from the left and the top.
    const PixelSet tick = PixelsOf(surface, 24, 24, mark);
    EXPECT_EQ(TickPixels(cell.left + 4, cell.top + 4), tick);
  }
  PixelSurface radio(24, 24, kMagenta);
  TrellMenu::PaintClassicCheckCell(radio.dc(), cell, false, true);
  const RECT dot = Bounds(PixelsOf(radio, 24, 24, mark));
  EXPECT_EQ(cell.left + 5, dot.left);
  EXPECT_EQ(cell.top + 4, dot.top);
  EXPECT_EQ(cell.left + 10, dot.right);
}

TEST(MenuHelpers, FlatCheckCell) {
  const RECT cell = {2, 3, 18, 19};
  const COLORREF frame = RGB(0, 0, 128);
  const COLORREF mark = GetSysColor(COLOR_MENUTEXT);
  PixelSurface surface(24, 24, kMagenta);
  EXPECT_TRUE(TrellMenu::PaintFlatCheckCell(surface.dc(), cell, false, frame));
  EXPECT_EQ(frame, surface.Pixel(cell.left, cell.top));
  EXPECT_EQ(frame, surface.Pixel(cell.right - 1, cell.bottom - 1));
  EXPECT_EQ(frame, surface.Pixel(cell.left, cell.bottom - 1));
  EXPECT_EQ(BlendToWhite(frame, 0.85), surface.Pixel(cell.left + 1, cell.bottom - 2));
  EXPECT_EQ(kMagenta, surface.Pixel(cell.right, cell.bottom));
  EXPECT_EQ(TickPixels(cell.left + 5, cell.top + 4), PixelsOf(surface, 24, 24, mark));

  PixelSurface radio(24, 24, kMagenta);
  TrellMenu::PaintFlatCheckCell(radio.dc(), cell, true, frame);
  const RECT dot = Bounds(PixelsOf(radio, 24, 24, mark));
  EXPECT_EQ(cell.left + 5, dot.left);
  EXPECT_EQ(cell.top + 4, dot.top);
}

TEST(MenuHelpers, MaskedDisabledPictureOfOnlyLightColoursIsPlainBackground) {
  const int w = 16, h = 15, x = 4, y = 3;
  const COLORREF background = RGB(40, 90, 140);
  CBitmap picture = FacePicture(w, h);
  SetPicturePixel(picture, 5, 5, GetSysColor(COLOR_BTNHIGHLIGHT));
  PixelSurface surface(32, 32, kMagenta);
  const Selections before(surface.hdc());
  TrellMenu::PaintDisabledMasked(surface.dc(), x, y, w, h, &picture, 0, 0, background);
  EXPECT_TRUE(before == Selections(surface.hdc()));
  // Two w x h blocks of the background, one moved by (1, 1): all of the
  // (w + 1) x (h + 1) area but its top-right and bottom-left corners.
  EXPECT_EQ((w + 1) * (h + 1) - 2, surface.Count(x, y, x + w + 1, y + h + 1, background));
  EXPECT_EQ(kMagenta, surface.Pixel(x + w, y));
  EXPECT_EQ(kMagenta, surface.Pixel(x, y + h));
  EXPECT_EQ(32 * 32 - (w + 1) * (h + 1) + 2, surface.Count(0, 0, 32, 32, kMagenta));
}

TEST(MenuHelpers, MaskedDisabledPictureEmbossesDarkPixels) {
  const int w = 16, h = 15, x = 4, y = 3;
  const COLORREF background = RGB(40, 90, 140);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  CBitmap picture = FacePicture(w, h);
  SetPicturePixel(picture, 5, 5, RGB(0, 0, 0));
  SetPicturePixel(picture, 9, 7, RGB(200, 30, 30));
  PixelSurface surface(32, 32, kMagenta);
  TrellMenu::PaintDisabledMasked(surface.dc(), x, y, w, h, &picture, 0, 0, background);
  EXPECT_EQ(shadow, surface.Pixel(x + 5, y + 5));
  EXPECT_EQ(highlight, surface.Pixel(x + 6, y + 6));
  EXPECT_EQ(shadow, surface.Pixel(x + 9, y + 7));
  EXPECT_EQ(highlight, surface.Pixel(x + 10, y + 8));
  EXPECT_EQ(2, surface.Count(0, 0, 32, 32, shadow));
  EXPECT_EQ(2, surface.Count(0, 0, 32, 32, highlight));
  EXPECT_EQ((w + 1) * (h + 1) - 2 - 4, surface.Count(x, y, x + w + 1, y + h + 1, background));
}

TEST(MenuHelpers, MaskedDisabledPictureReadsFromTheSourceOffset) {
  const int w = 8, h = 8;
  const COLORREF background = RGB(40, 90, 140);
  CBitmap picture = FacePicture(32, 16);
  SetPicturePixel(picture, 18, 3, RGB(0, 0, 0));  // (2, 3) of the picture at 16
  PixelSurface surface(16, 16, kMagenta);
  TrellMenu::PaintDisabledMasked(surface.dc(), 0, 0, w, h, &picture, 16, 0, background);
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), surface.Pixel(2, 3));
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), surface.Pixel(3, 4));
}

TEST(MenuHelpers, DibDisabledPicture) {
  const int w = 16, h = 15, x = 4, y = 3;
  const COLORREF background = RGB(40, 90, 140);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  CBitmap picture = FacePicture(w, h);
  // White everywhere except one black pixel: the platform's conversion maps
  // these two the same way under any rule.
  {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc.m_hDC, picture.m_hObject);
    dc.FillSolidRect(0, 0, w, h, RGB(255, 255, 255));
    SetPixel(dc.m_hDC, 5, 5, RGB(0, 0, 0));
    SelectObject(dc.m_hDC, old);
  }
  PixelSurface surface(32, 32, kMagenta);
  // The target's own text and background colours do not matter.
  SetTextColor(surface.hdc(), RGB(255, 0, 0));
  SetBkColor(surface.hdc(), RGB(0, 0, 255));
  const Selections before(surface.hdc());
  TrellMenu::PaintDisabledDib(surface.hdc(), x, y, w, h, static_cast<HBITMAP>(picture), 0, 0,
                              background);
  EXPECT_TRUE(before == Selections(surface.hdc()));
  EXPECT_EQ(RGB(255, 0, 0), GetTextColor(surface.hdc()));
  EXPECT_EQ(RGB(0, 0, 255), GetBkColor(surface.hdc()));
  EXPECT_EQ(shadow, surface.Pixel(x + 5, y + 5));
  EXPECT_EQ(highlight, surface.Pixel(x + 6, y + 6));
  // The background fills exactly w x h; the rest of the area is untouched.
  EXPECT_EQ(w * h - 2, surface.Count(x, y, x + w, y + h, background));
  EXPECT_EQ(32 * 32 - w * h, surface.Count(0, 0, 32, 32, kMagenta));
}

TEST(MenuHelpers, DibDisabledPictureWithoutPictureDrawsNothing) {
  PixelSurface surface(16, 16, kMagenta);
  TrellMenu::PaintDisabledDib(surface.hdc(), 0, 0, 8, 8, nullptr, 0, 0, RGB(1, 2, 3));
  EXPECT_EQ(16 * 16, surface.Count(0, 0, 16, 16, kMagenta));
}
