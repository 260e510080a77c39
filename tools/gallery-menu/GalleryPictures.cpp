#include "GalleryPictures.h"

#include "framework/CImageList.h"

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  RECT r{left, top, right, bottom};
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void Frame(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  RECT r{left, top, right, bottom};
  FrameRect(dc, &r, brush);
  DeleteObject(brush);
}

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF color) {
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  SelectObject(dc, old);
  DeleteObject(pen);
}

// One picture with its top-left corner at (x, 0).
void Draw(HDC dc, GalleryPictures::Picture picture, int x) {
  const COLORREF ink = RGB(40, 40, 40);
  switch (picture) {
    case GalleryPictures::New:
      Fill(dc, x + 3, 1, x + 12, 14, RGB(255, 255, 255));
      Frame(dc, x + 3, 1, x + 12, 14, ink);
      for (int y = 4; y < 12; y += 2) {
        Line(dc, x + 5, y, x + 10, y, RGB(120, 140, 200));
      }
      break;
    case GalleryPictures::Open:
      Fill(dc, x + 1, 4, x + 14, 13, RGB(240, 200, 60));
      Fill(dc, x + 1, 2, x + 7, 4, RGB(240, 200, 60));
      Frame(dc, x + 1, 4, x + 14, 13, RGB(150, 110, 20));
      Line(dc, x + 2, 7, x + 13, 7, RGB(255, 235, 150));
      break;
    case GalleryPictures::Save:
      Fill(dc, x + 1, 1, x + 15, 14, RGB(40, 80, 170));
      Fill(dc, x + 4, 1, x + 12, 6, RGB(230, 230, 230));
      Fill(dc, x + 4, 9, x + 12, 14, RGB(20, 40, 90));
      Fill(dc, x + 9, 2, x + 11, 5, RGB(40, 80, 170));
      break;
    case GalleryPictures::Cut:
      Line(dc, x + 4, 1, x + 10, 9, ink);
      Line(dc, x + 11, 1, x + 5, 9, ink);
      Frame(dc, x + 2, 9, x + 7, 14, RGB(200, 30, 30));
      Frame(dc, x + 9, 9, x + 14, 14, RGB(200, 30, 30));
      break;
    case GalleryPictures::StatusBar:
      Fill(dc, x + 1, 2, x + 15, 13, RGB(255, 255, 255));
      Frame(dc, x + 1, 2, x + 15, 13, ink);
      Fill(dc, x + 2, 10, x + 14, 12, RGB(70, 160, 70));
      break;
    case GalleryPictures::Thumbnails:
      for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
          const int left = x + 2 + column * 7;
          const int top = 1 + row * 7;
          Fill(dc, left, top, left + 5, top + 5,
               column == row ? RGB(70, 130, 220) : RGB(220, 120, 40));
        }
      }
      break;
    case GalleryPictures::Count:
      break;
  }
}

}  // namespace

CImageList* GalleryPictures::Make(int width, int height) {
  auto* list = new CImageList;
  list->Create(width, height, ILC_COLORDDB | ILC_MASK, Count, 1);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP strip = CreateCompatibleBitmap(screen, width * Count, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, strip);
  Fill(dc, 0, 0, width * Count, height, kTransparent);
  for (int i = 0; i < Count; ++i) {
    Draw(dc, static_cast<Picture>(i), i * width);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  list->Add(strip, kTransparent);
  DeleteObject(strip);
  return list;
}
