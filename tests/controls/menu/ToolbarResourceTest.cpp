// Reading toolbar resources and their bitmaps.
#include <gtest/gtest.h>

#include "MenuTestResources.h"
#include "MenuTestSupport.h"
#include "controls/menu/TrellMenu.h"
#include "framework/AfxLoadSysColorBitmap.h"
#include "framework/CToolBar.h"

namespace {

// Reads pixel (x, y) of a bitmap.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc.m_hDC, bitmap);
  const COLORREF color = GetPixel(dc.m_hDC, x, y);
  SelectObject(dc.m_hDC, old);
  return color;
}

BITMAPINFOHEADER Header(WORD bits, DWORD used) {
  BITMAPINFOHEADER h = {};
  h.biSize = sizeof(h);
  h.biBitCount = bits;
  h.biClrUsed = used;
  return h;
}

}  // namespace

TEST(ToolbarResource, ListsButtonsAndPictureNumbers) {
  CToolBar toolbar;
  ASSERT_TRUE(toolbar.LoadToolBar(IDT_SYSCOLOR_TOOLBAR));
  ASSERT_EQ(4, toolbar.GetCount());
  EXPECT_EQ(16, toolbar.GetImageSize().cx);
  EXPECT_EQ(15, toolbar.GetImageSize().cy);
  EXPECT_EQ(0, toolbar.CommandToIndex(ID_CMD_RED));
  EXPECT_EQ(1, toolbar.CommandToIndex(0));
  EXPECT_EQ(3, toolbar.CommandToIndex(ID_CMD_BLUE));
  EXPECT_EQ(-1, toolbar.CommandToIndex(999));
  UINT id = 0, style = 0;
  int image = -5;
  toolbar.GetButtonInfo(2, id, style, image);
  EXPECT_EQ(static_cast<UINT>(ID_CMD_GREEN), id);
  EXPECT_EQ(0u, style);
  EXPECT_EQ(1, image);  // the separator takes no picture
  toolbar.GetButtonInfo(1, id, style, image);
  EXPECT_EQ(static_cast<UINT>(TBBS_SEPARATOR), style);
  toolbar.GetButtonInfo(4, id, style, image);
  EXPECT_EQ(0u, id);
}

TEST(ToolbarResource, RefusesMissingOrMalformedResources) {
  CToolBar toolbar;
  EXPECT_FALSE(toolbar.LoadToolBar(999));
  EXPECT_FALSE(toolbar.LoadToolBar(IDT_NO_BITMAP_TOOLBAR));
  EXPECT_FALSE(toolbar.LoadToolBar(IDT_BAD_VERSION_TOOLBAR));
  EXPECT_FALSE(toolbar.LoadToolBar(IDT_TRUNCATED_TOOLBAR));
  EXPECT_EQ(0, toolbar.GetCount());
}

TEST(SysColorBitmap, MapsTheFourButtonColours) {
  HRSRC resource =
      FindResourceA(nullptr, MAKEINTRESOURCEA(IDT_SYSCOLOR_TOOLBAR), MAKEINTRESOURCEA(2));
  ASSERT_NE(nullptr, resource);
  HBITMAP bitmap = AfxLoadSysColorBitmap(nullptr, resource);
  ASSERT_NE(nullptr, bitmap);
  BITMAP info = {};
  GetObjectA(bitmap, sizeof(info), &info);
  EXPECT_EQ(48, info.bmWidth);
  EXPECT_EQ(15, info.bmHeight);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), BitmapPixel(bitmap, 0, 0));
  EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), BitmapPixel(bitmap, 3, 3));
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), BitmapPixel(bitmap, 13, 2));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), BitmapPixel(bitmap, 13, 4));
  EXPECT_EQ(RGB(255, 0, 0), BitmapPixel(bitmap, 9, 9));
  EXPECT_EQ(RGB(0, 255, 0), BitmapPixel(bitmap, 16 + 9, 9));
  EXPECT_EQ(RGB(0, 0, 255), BitmapPixel(bitmap, 32 + 9, 10));
  DeleteObject(bitmap);
}

TEST(SysColorBitmap, RefusesWhatItCannotRead) {
  EXPECT_EQ(nullptr, AfxLoadSysColorBitmap(nullptr, nullptr));
  HRSRC truncated =
      FindResourceA(nullptr, MAKEINTRESOURCEA(IDB_TRUNCATED_BITMAP), MAKEINTRESOURCEA(2));
  ASSERT_NE(nullptr, truncated);
  EXPECT_EQ(nullptr, AfxLoadSysColorBitmap(nullptr, truncated));
  HRSRC trueColor =
      FindResourceA(nullptr, MAKEINTRESOURCEA(IDT_TRUECOLOR_TOOLBAR), MAKEINTRESOURCEA(2));
  EXPECT_EQ(nullptr, AfxLoadSysColorBitmap(nullptr, trueColor));  // no colour table
}

TEST(SysColorBitmap, ColourCountOfAHeader) {
  BITMAPINFOHEADER h = Header(4, 5);
  EXPECT_EQ(5u, TrellMenu::BitmapColorCount(&h));
  const WORD bits[] = {1, 4, 8, 16, 24, 32};
  const UINT counts[] = {2, 16, 256, 0, 0, 0};
  for (int i = 0; i < 6; ++i) {
    h = Header(bits[i], 0);
    EXPECT_EQ(counts[i], TrellMenu::BitmapColorCount(&h)) << bits[i];
  }
  EXPECT_EQ(0u, TrellMenu::BitmapColorCount(nullptr));
}

TEST(SysColorBitmap, ToolbarBitmapsTakeTheSystemColourPathOnlyWithSixteenColours) {
  HBITMAP mapped = TrellMenu::LoadSysColorToolbarBitmap(IDT_SYSCOLOR_TOOLBAR);
  ASSERT_NE(nullptr, mapped);
  EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), BitmapPixel(mapped, 3, 3));
  DeleteObject(mapped);
  // The id's high bits are ignored.
  mapped = TrellMenu::LoadSysColorToolbarBitmap(0x10000 | IDT_SYSCOLOR_TOOLBAR);
  EXPECT_NE(nullptr, mapped);
  DeleteObject(mapped);
  EXPECT_EQ(nullptr, TrellMenu::LoadSysColorToolbarBitmap(IDB_256_COLORS));
  EXPECT_EQ(nullptr, TrellMenu::LoadSysColorToolbarBitmap(IDT_TRUECOLOR_TOOLBAR));
  EXPECT_EQ(nullptr, TrellMenu::LoadSysColorToolbarBitmap(999));
}
