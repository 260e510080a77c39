#include <gtest/gtest.h>

#include <utility>

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "framework/CImageList.h"

namespace {

// A bitmap of count 8 x 8 pictures, picture i filled with colors[i].
HBITMAP Strip(int count, const COLORREF* colors) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 8 * count, 8);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int i = 0; i < count; ++i) {
    RECT r = {8 * i, 0, 8 * i + 8, 8};
    HBRUSH brush = CreateSolidBrush(colors[i]);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

COLORREF DrawnPixel(const CImageList& list, int index) {
  HDC screen = GetDC(nullptr);
  HBITMAP target = CreateCompatibleBitmap(screen, 8, 8);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, target);
  list.Draw(dc, index, POINT{0, 0}, ILD_NORMAL);
  const COLORREF color = GetPixel(dc, 4, 4);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(target);
  return color;
}

}  // namespace

TEST(ImageList, AddsOnePicturePerWidth) {
  const std::size_t live = CImageList::LiveCount();
  CImageList list;
  ASSERT_TRUE(list.Create(8, 8, ILC_COLORDDB | ILC_MASK, 1, 1));
  EXPECT_FALSE(list.Create(8, 8, ILC_COLORDDB | ILC_MASK, 1, 1));
  EXPECT_EQ(live + 1, CImageList::LiveCount());
  const COLORREF colors[3] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)};
  HBITMAP strip = Strip(3, colors);
  EXPECT_EQ(0, list.Add(strip, RGB(1, 2, 3)));
  DeleteObject(strip);
  EXPECT_EQ(3, list.GetImageCount());
  int cx = 0, cy = 0;
  EXPECT_TRUE(list.GetIconSize(&cx, &cy));
  EXPECT_EQ(8, cx);
  EXPECT_EQ(8, cy);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(colors[i], DrawnPixel(list, i)) << i;
  }

  HICON icon = list.ExtractIcon(2);
  ASSERT_NE(nullptr, icon);
  EXPECT_EQ(0, list.Replace(0, icon));
  EXPECT_EQ(colors[2], DrawnPixel(list, 0));
  EXPECT_EQ(3, list.Add(icon));
  DestroyIcon(icon);
  EXPECT_EQ(4, list.GetImageCount());
  EXPECT_TRUE(list.Remove(3));
  EXPECT_EQ(3, list.GetImageCount());
  EXPECT_EQ(nullptr, list.ExtractIcon(-1));
  EXPECT_EQ(nullptr, list.ExtractIcon(9));
  EXPECT_EQ(-1, list.Add(static_cast<HBITMAP>(nullptr), 0));
}

TEST(ImageList, OwnershipMovesAndEnds) {
  const std::size_t live = CImageList::LiveCount();
  {
    CImageList first;
    ASSERT_TRUE(first.Create(8, 8, ILC_COLORDDB, 1, 1));
    HIMAGELIST handle = first.GetSafeHandle();
    CImageList second(std::move(first));
    EXPECT_EQ(nullptr, first.GetSafeHandle());
    EXPECT_EQ(handle, second.GetSafeHandle());
    EXPECT_EQ(live + 1, CImageList::LiveCount());
    CImageList third;
    third = std::move(second);
    EXPECT_EQ(handle, third.GetSafeHandle());
    HIMAGELIST detached = third.Detach();
    EXPECT_EQ(live, CImageList::LiveCount());
    EXPECT_TRUE(first.Attach(detached));
    EXPECT_FALSE(first.Attach(detached));
    EXPECT_EQ(live + 1, CImageList::LiveCount());
  }
  EXPECT_EQ(live, CImageList::LiveCount());
  CImageList empty;
  EXPECT_EQ(0, empty.GetImageCount());
  EXPECT_FALSE(empty.DeleteImageList());
  EXPECT_EQ(-1, empty.Replace(-1, nullptr));
}
