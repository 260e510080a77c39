// SolidFills paints exactly what the fills and frames it stands for paint, on
// a true-colour surface (where it draws frames with brushes) and on a
// monochrome one (where it draws them as they are named), for boxes of every
// shape, down to a single pixel, empty and inverted.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "controls/menu/SolidFills.h"
#include "framework/CDC.h"

namespace {

// A memory DC over a bottom-up DIB of bits per pixel, filled with a colour no
// fill here uses.
class Surface {
 public:
  static constexpr int kSize = 12;
  explicit Surface(WORD bits) {
    struct {
      BITMAPINFOHEADER header;
      RGBQUAD colors[2];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = kSize;
    info.header.biHeight = kSize;
    info.header.biPlanes = 1;
    info.header.biBitCount = bits;
    info.colors[1] = RGBQUAD{255, 255, 255, 0};
    void* pixels = nullptr;
    m_dc.CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(m_dc.m_hDC, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                &pixels, nullptr, 0);
    m_old = SelectObject(m_dc.m_hDC, m_bitmap);
    m_dc.FillSolidRect(0, 0, kSize, kSize, RGB(9, 8, 7));
  }
  ~Surface() {
    SelectObject(m_dc.m_hDC, m_old);
    DeleteObject(m_bitmap);
  }
  CDC& dc() { return m_dc; }
  bool SameAs(const Surface& other) const {
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        if (GetPixel(m_dc.m_hDC, x, y) != GetPixel(other.m_dc.m_hDC, x, y)) {
          return false;
        }
      }
    }
    return true;
  }

 private:
  CDC m_dc;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_old = nullptr;
};

void Fill(CDC& dc, RECT r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc.m_hDC, &r, brush);
  DeleteObject(brush);
}

TEST(SolidFills, PaintWhatTheFillsAndFramesTheyStandForPaint) {
  const COLORREF a = RGB(200, 30, 40);
  const COLORREF b = RGB(128, 128, 128);  // dithered by a brush on one bit per pixel
  const COLORREF c = RGB(10, 220, 90);
  const RECT boxes[] = {{2, 3, 10, 9}, {4, 4, 5, 9}, {2, 6, 9, 7}, {5, 5, 6, 6},
                        {3, 3, 5, 5},  {6, 6, 6, 9}, {8, 8, 3, 4}};
  for (WORD bits : {32, 1}) {
    for (const RECT& box : boxes) {
      const RECT inset{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
      const struct {
        const char* name;
        std::function<void(SolidFills&)> fast;
        std::function<void(CDC&)> named;
      } cases[] = {
          {"Box", [&](SolidFills& f) { f.Box(box, a, b, c); },
           [&](CDC& dc) {
             Fill(dc, inset, c);
             dc.Draw3dRect(&box, a, b);
           }},
          {"Box of one colour", [&](SolidFills& f) { f.Box(box, b, b, b); },
           [&](CDC& dc) {
             Fill(dc, inset, b);
             dc.Draw3dRect(&box, b, b);
           }},
          {"FramedFill", [&](SolidFills& f) { f.FramedFill(box, b, c); },
           [&](CDC& dc) {
             Fill(dc, box, c);
             dc.Draw3dRect(&box, b, b);
           }},
      };
      for (const auto& each : cases) {
        Surface fast(bits);
        Surface named(bits);
        {
          SolidFills fills(fast.dc());
          each.fast(fills);
        }
        each.named(named.dc());
        EXPECT_TRUE(fast.SameAs(named)) << each.name << ", " << bits << " bits, box " << box.left
                                        << "," << box.top << "," << box.right << "," << box.bottom;
      }
    }
  }
}

}  // namespace
