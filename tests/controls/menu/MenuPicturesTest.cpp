// Pictures of commands: from toolbar resources into the shared image list,
// with faded and shadow variants in the flat look.
#include <gtest/gtest.h>

#include <vector>

#include "MenuTestResources.h"
#include "MenuTestSupport.h"
#include "controls/menu/ColorBlend.h"
#include "controls/menu/MenuItemData.h"
#include "controls/menu/MenuPictures.h"
#include "controls/menu/PicturePatchCache.h"
#include "controls/menu/TrellMenu.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CGdiObject.h"
#include "framework/HandleMapBase.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);

// Each test starts with an empty shared list, as a program does.
class MenuPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TrellMenu::s_sharedImages.DeleteImageList();
    TrellMenu::s_imageCommandIds.RemoveAll();
    ASSERT_TRUE(m_menu.CreatePopupMenu());
    m_flat = TrellMenu::IsFlatDrawing();
  }
  void TearDown() override { HandleMapBase::DeleteAllTemporaries(); }

  int Slots() const { return static_cast<int>(TrellMenu::s_imageCommandIds.GetSize()); }
  DWORD IdAt(int k) const { return TrellMenu::s_imageCommandIds.GetAt(k); }
  int PerCommand() const { return m_flat ? 3 : 1; }
  int AppendPicture(UINT id, int toolbar) {
    m_menu.AppendMenu(L"item", 0, id, toolbar);
    return static_cast<MenuItemData*>(m_menu.m_items.GetAt(m_menu.m_items.GetSize() - 1))
        ->sharedImageIndex;
  }
  // Pixel (x, y) of shared picture k drawn transparently on magenta.
  COLORREF SharedPixel(int k, int x, int y) {
    PixelSurface surface(16, 15, kMagenta);
    ImageList_Draw(TrellMenu::s_sharedImages.GetSafeHandle(), k, surface.hdc(), 0, 0,
                   ILD_TRANSPARENT);
    return surface.Pixel(x, y);
  }
  COLORREF ShadowColor() const {
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    return TrellMenu::IsXpLook() ? shadow : BlendToWhite(shadow, 0.49);
  }

  TrellMenu m_menu;
  bool m_flat = false;
};

// A bitmap in the screen's format: the face colour with a few pixels set.
CBitmap ScreenBitmap(int width, int height) {
  HDC screen = GetDC(nullptr);
  CBitmap bitmap;
  bitmap.Attach(CreateCompatibleBitmap(screen, width, height));
  ReleaseDC(nullptr, screen);
  return bitmap;
}

}  // namespace

TEST_F(MenuPicturesTest, TwoCommandsFillTheListByLook) {
  const int a = AppendPicture(ID_CMD_RED, IDT_SYSCOLOR_TOOLBAR);
  const int b = AppendPicture(ID_CMD_GREEN, IDT_SYSCOLOR_TOOLBAR);
  EXPECT_EQ(0, a);
  EXPECT_EQ(PerCommand(), b);
  ASSERT_EQ(2 * PerCommand(), Slots());
  EXPECT_EQ(Slots(), TrellMenu::s_sharedImages.GetImageCount());
  for (int k = 0; k < Slots(); ++k) {
    EXPECT_EQ(k < PerCommand() ? static_cast<DWORD>(ID_CMD_RED) : static_cast<DWORD>(ID_CMD_GREEN),
              IdAt(k))
        << k;
  }
  EXPECT_EQ(b, TrellMenu::FindSharedImage(ID_CMD_GREEN));
  EXPECT_EQ(-1, TrellMenu::FindSharedImage(ID_CMD_BLUE));
  EXPECT_EQ(m_flat, !!TrellMenu::HasImageVariants(a));
  EXPECT_EQ(m_flat, !!TrellMenu::HasImageVariants(b));
  // The last two slots never have variants after them.
  EXPECT_FALSE(TrellMenu::HasImageVariants(Slots() - 1));
  EXPECT_FALSE(TrellMenu::HasImageVariants(Slots() - 2));
  EXPECT_FALSE(TrellMenu::HasImageVariants(-1));
}

TEST_F(MenuPicturesTest, PicturesKeepTheirColoursAndTheFaceIsTransparent) {
  const int k = AppendPicture(ID_CMD_RED, IDT_SYSCOLOR_TOOLBAR);
  ASSERT_EQ(0, k);
  EXPECT_EQ(kRed, SharedPixel(k, 9, 9));
  EXPECT_EQ(kMagenta, SharedPixel(k, 0, 0));
  EXPECT_EQ(kMagenta, SharedPixel(k, 15, 14));
  EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), SharedPixel(k, 3, 3));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), SharedPixel(k, 13, 4));
  const int blue = AppendPicture(ID_CMD_BLUE, IDT_SYSCOLOR_TOOLBAR);
  EXPECT_EQ(RGB(0, 0, 255), SharedPixel(blue, 10, 10));  // picture 2 of the toolbar
  if (m_flat) {
    // Faded: every picture pixel 30 % toward white; shadow: one colour.
    EXPECT_EQ(BlendToWhite(kRed, 0.3), SharedPixel(k + 1, 9, 9));
    EXPECT_EQ(BlendToWhite(GetSysColor(COLOR_BTNTEXT), 0.3), SharedPixel(k + 1, 3, 3));
    EXPECT_EQ(kMagenta, SharedPixel(k + 1, 0, 0));
    EXPECT_EQ(ShadowColor(), SharedPixel(k + 2, 9, 9));
    EXPECT_EQ(ShadowColor(), SharedPixel(k + 2, 3, 3));
    EXPECT_EQ(kMagenta, SharedPixel(k + 2, 0, 0));
  }
}

TEST_F(MenuPicturesTest, TrueColourToolbarsAreLoadedAsTheyAre) {
  const int k = AppendPicture(ID_CMD_TRUE_GREEN, IDT_TRUECOLOR_TOOLBAR);
  ASSERT_EQ(0, k);
  EXPECT_EQ(kGreen, SharedPixel(k, 9, 9));
  EXPECT_EQ(RGB(0, 0, 0), SharedPixel(k, 3, 3));  // no system colours here
  // Its grey is not the face colour of this system: it stays opaque.
  if (GetSysColor(COLOR_BTNFACE) != RGB(192, 192, 192)) {
    EXPECT_EQ(RGB(192, 192, 192), SharedPixel(k, 0, 0));
  }
}

TEST_F(MenuPicturesTest, ReaddingReplacesThePictureInPlace) {
  const int a = AppendPicture(ID_CMD_RED, IDT_SYSCOLOR_TOOLBAR);
  AppendPicture(ID_CMD_BLUE, IDT_SYSCOLOR_TOOLBAR);
  const int slots = Slots();
  // Another picture for the same command: green instead of red.
  CImageList source;
  ASSERT_TRUE(source.Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1));
  ASSERT_TRUE(m_menu.AddBitmapImages(&source, IDT_SYSCOLOR_TOOLBAR));
  ASSERT_EQ(3, source.GetImageCount());
  EXPECT_EQ(a, m_menu.AddSharedImage(&source, 1, ID_CMD_RED));
  EXPECT_EQ(slots, Slots());
  EXPECT_EQ(slots, TrellMenu::s_sharedImages.GetImageCount());
  EXPECT_EQ(kGreen, SharedPixel(a, 9, 9));
  if (m_flat) {
    EXPECT_EQ(BlendToWhite(kGreen, 0.3), SharedPixel(a + 1, 9, 9));
  }
  // Appending the command again without a toolbar reuses its picture.
  EXPECT_EQ(a, AppendPicture(ID_CMD_RED, -1));
  EXPECT_EQ(slots, Slots());
}

TEST_F(MenuPicturesTest, ASingleSlotStaysSingleWhenReadded) {
  // A command whose one slot is followed by another command's slots.
  CImageList source;
  ASSERT_TRUE(source.Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1));
  ASSERT_TRUE(m_menu.AddBitmapImages(&source, IDT_SYSCOLOR_TOOLBAR));
  TrellMenu::s_sharedImages.Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1);
  TrellMenu::s_sharedImages.Add(source.ExtractIcon(0));
  TrellMenu::s_imageCommandIds.Add(ID_CMD_RED);
  const int blue = AppendPicture(ID_CMD_BLUE, IDT_SYSCOLOR_TOOLBAR);
  EXPECT_EQ(1, blue);
  const int slots = Slots();
  EXPECT_EQ(0, m_menu.AddSharedImage(&source, 1, ID_CMD_RED));
  EXPECT_EQ(slots, Slots());
  EXPECT_FALSE(TrellMenu::HasImageVariants(0));
  EXPECT_EQ(kGreen, SharedPixel(0, 9, 9));
  EXPECT_EQ(RGB(0, 0, 255), SharedPixel(1, 9, 9));
}

TEST_F(MenuPicturesTest, CommandsWithoutAUsablePictureGetNone) {
  // Not listed by the toolbar: no picture (not the toolbar's first one).
  EXPECT_EQ(-1, AppendPicture(999, IDT_SYSCOLOR_TOOLBAR));
  // The toolbar lists it but has no bitmap; the toolbar does not exist.
  EXPECT_EQ(-1, AppendPicture(ID_CMD_NO_BITMAP, IDT_NO_BITMAP_TOOLBAR));
  EXPECT_EQ(-1, AppendPicture(ID_CMD_RED, 999));
  // A separator asks for no picture.
  EXPECT_EQ(-1, AppendPicture(0, IDT_SYSCOLOR_TOOLBAR));
  // A 256-colour bitmap with one picture: the second button has none.
  EXPECT_EQ(0, AppendPicture(ID_CMD_256_FIRST, IDT_256_COLOR_TOOLBAR));
  EXPECT_EQ(kRed, SharedPixel(0, 9, 9));
  const int slots = Slots();
  EXPECT_EQ(-1, AppendPicture(ID_CMD_256_SECOND, IDT_256_COLOR_TOOLBAR));
  EXPECT_EQ(slots, Slots());
  EXPECT_EQ(-1, AppendPicture(12345, -1));  // no shared picture yet
  int index = 7;
  EXPECT_FALSE(m_menu.FindToolbarImage(999, IDT_SYSCOLOR_TOOLBAR, index));
  EXPECT_EQ(7, index);
  EXPECT_TRUE(m_menu.FindToolbarImage(ID_CMD_BLUE, IDT_SYSCOLOR_TOOLBAR, index));
  EXPECT_EQ(2, index);
  index = 7;
  EXPECT_TRUE(m_menu.FindToolbarImage(ID_CMD_RED, IDT_SYSCOLOR_TOOLBAR, index));
  EXPECT_EQ(7, index);  // picture 0 leaves the index as it was
}

TEST_F(MenuPicturesTest, AddSharedImageNeedsAPicture) {
  CImageList empty;
  ASSERT_TRUE(empty.Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1));
  EXPECT_EQ(-1, m_menu.AddSharedImage(&empty, 0, ID_CMD_RED));
  EXPECT_EQ(-1, m_menu.AddSharedImage(nullptr, 0, ID_CMD_RED));
  EXPECT_EQ(0, Slots());
}

TEST_F(MenuPicturesTest, IconToBitmapDrawsOnTheFaceColour) {
  CImageList source;
  ASSERT_TRUE(source.Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1));
  ASSERT_TRUE(m_menu.AddBitmapImages(&source, IDT_SYSCOLOR_TOOLBAR));
  HDC screen = GetDC(nullptr);
  CDC* dc = CDC::FromHandle(screen);
  CBitmap bitmap;
  EXPECT_TRUE(m_menu.IconToBitmap(dc, &source, 2, &bitmap));
  ReleaseDC(nullptr, screen);
  BITMAP info = {};
  ASSERT_NE(0, GetObjectA(bitmap.GetSafeHandle(), sizeof(info), &info));
  EXPECT_EQ(16, info.bmWidth);
  EXPECT_EQ(15, info.bmHeight);
  CDC reader;
  reader.CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(reader.m_hDC, bitmap.GetSafeHandle());
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(reader.m_hDC, 0, 0));
  EXPECT_EQ(RGB(0, 0, 255), GetPixel(reader.m_hDC, 9, 9));
  SelectObject(reader.m_hDC, old);
}

TEST_F(MenuPicturesTest, FadedAndShadowVariantsSpareTheFaceColour) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF dark = RGB(100, 60, 20);
  for (bool shadow : {false, true}) {
    CBitmap bitmap = ScreenBitmap(16, 15);
    {
      CDC dc;
      dc.CreateCompatibleDC(nullptr);
      HGDIOBJ old = SelectObject(dc.m_hDC, bitmap.GetSafeHandle());
      dc.FillSolidRect(0, 0, 16, 15, face);
      SetPixel(dc.m_hDC, 1, 1, kRed);
      SetPixel(dc.m_hDC, 15, 14, dark);
      SelectObject(dc.m_hDC, old);
    }
    if (shadow) {
      m_menu.MakeShadowBitmap(&bitmap);
    } else {
      m_menu.MakeFadedBitmap(&bitmap);
    }
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc.m_hDC, bitmap.GetSafeHandle());
    EXPECT_EQ(shadow ? ShadowColor() : BlendToWhite(kRed, 0.3), GetPixel(dc.m_hDC, 1, 1));
    EXPECT_EQ(shadow ? ShadowColor() : BlendToWhite(dark, 0.3), GetPixel(dc.m_hDC, 15, 14));
    int untouched = 0;
    for (int y = 0; y < 15; ++y) {
      for (int x = 0; x < 16; ++x) {
        untouched += GetPixel(dc.m_hDC, x, y) == face ? 1 : 0;
      }
    }
    EXPECT_EQ(16 * 15 - 2, untouched);
    SelectObject(dc.m_hDC, old);
  }
}

TEST_F(MenuPicturesTest, ShadowColourFollowsTheLook) {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  if (TrellMenu::IsXpLook()) {
    EXPECT_EQ(shadow, ShadowColor());
  } else {
    EXPECT_EQ(BlendToWhite(shadow, 0.49), ShadowColor());
  }
  CBitmap bitmap = ScreenBitmap(4, 4);
  {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc.m_hDC, bitmap.GetSafeHandle());
    dc.FillSolidRect(0, 0, 4, 4, RGB(0, 0, 0));
    SelectObject(dc.m_hDC, old);
  }
  m_menu.MakeShadowBitmap(&bitmap);
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc.m_hDC, bitmap.GetSafeHandle());
  EXPECT_EQ(ShadowColor(), GetPixel(dc.m_hDC, 2, 3));
  SelectObject(dc.m_hDC, old);
}

TEST_F(MenuPicturesTest, AThousandAdditionsLeaveNothingBehind) {
  // Warm up: the shared list and the first picture exist from now on.
  AppendPicture(ID_CMD_RED, IDT_SYSCOLOR_TOOLBAR);
  m_menu.DestroyMenu();
  ASSERT_TRUE(m_menu.CreatePopupMenu());
  HandleMapBase::DeleteAllTemporaries();

  // The count must see objects come and go, or it proves nothing.
  const std::size_t gdi = LiveGdiObjectCount();
  {
    CBrush probe(RGB(1, 2, 3));
    ASSERT_EQ(gdi + 1, LiveGdiObjectCount());
  }
  ASSERT_EQ(gdi, LiveGdiObjectCount());

  const std::size_t lists = CImageList::LiveCount();
  const std::size_t wrapped = CGdiObject::LiveObjectCount();
  const std::size_t dcs = CDC::LiveDCCount();
  const std::size_t records = MenuItemData::LiveCount();
  const int slots = Slots();
  // Any leak shows once per round; the flat look makes two derived pictures
  // pixel by pixel each time and is the slower one.
  const int rounds = m_flat ? 300 : 1000;
  for (int i = 0; i < rounds; ++i) {
    EXPECT_EQ(0, AppendPicture(ID_CMD_RED, IDT_SYSCOLOR_TOOLBAR));
    if (i % 100 == 99) {
      m_menu.DestroyMenu();
      ASSERT_TRUE(m_menu.CreatePopupMenu());
    }
  }
  m_menu.DestroyMenu();
  HandleMapBase::DeleteAllTemporaries();
  EXPECT_EQ(slots, Slots());
  EXPECT_EQ(lists, CImageList::LiveCount());
  EXPECT_EQ(wrapped, CGdiObject::LiveObjectCount());
  EXPECT_EQ(dcs, CDC::LiveDCCount());
  EXPECT_EQ(records, MenuItemData::LiveCount());
  EXPECT_EQ(gdi, LiveGdiObjectCount());
}

namespace {

// Every pixel of a surface, row by row.
std::vector<COLORREF> Pixels(const PixelSurface& surface, int width, int height) {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels.push_back(surface.Pixel(x, y));
    }
  }
  return pixels;
}

// Every pixel of the first item of menu, command id, drawn 120 x 22 in state
// on magenta.
std::vector<COLORREF> DrawFirstItem(TrellMenu& menu, UINT id, UINT state) {
  PixelSurface surface(120, 22, kMagenta);
  DRAWITEMSTRUCT d{};
  d.CtlType = ODT_MENU;
  d.itemID = id;
  d.itemState = state;
  d.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
  d.hDC = surface.hdc();
  d.rcItem = RECT{0, 0, 120, 22};
  d.itemData = reinterpret_cast<ULONG_PTR>(menu.m_items.GetAt(0));
  menu.DrawItem(&d);
  return Pixels(surface, 120, 22);
}

}  // namespace

TEST_F(MenuPicturesTest, GreyedPicturesAreKeptUntilTheSharedPictureChanges) {
  const int a = AppendPicture(ID_CMD_RED, IDT_SYSCOLOR_TOOLBAR);
  ASSERT_GE(a, 0);
  PicturePatchCache& cache = MenuPictures::PicturePatches();
  const auto draw = [&] { return DrawFirstItem(m_menu, ID_CMD_RED, ODS_GRAYED); };
  const std::vector<COLORREF> first = draw();
  EXPECT_EQ(1u, cache.Size());
  EXPECT_EQ(first, draw());
  EXPECT_EQ(1u, cache.Size());
  // The command's picture replaced by an empty one: the greyed picture is
  // made anew, exactly as without the cache.
  CImageList blank;
  ASSERT_TRUE(blank.Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1));
  CBitmap magenta = ScreenBitmap(16, 15);
  {
    PixelSurface fill(16, 15, kMagenta);
    CDC bitmapDC;
    bitmapDC.CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(bitmapDC.m_hDC, magenta.GetSafeHandle());
    BitBlt(bitmapDC.m_hDC, 0, 0, 16, 15, fill.hdc(), 0, 0, SRCCOPY);
    SelectObject(bitmapDC.m_hDC, old);
  }
  ASSERT_EQ(0, blank.Add(&magenta, kMagenta));
  EXPECT_EQ(a, m_menu.AddSharedImage(&blank, 0, ID_CMD_RED));
  EXPECT_EQ(0u, cache.Size());
  const std::vector<COLORREF> replaced = draw();
  EXPECT_NE(first, replaced);
  cache.Clear();
  EXPECT_EQ(replaced, draw());
}

// The flat look keeps a hovered shared picture as one patch: what it puts on
// the item is the picture composed afresh, lifted over its shadow on the
// selection colour, and the patch is made once.
TEST_F(MenuPicturesTest, AKeptHoveredPictureIsThePictureOverItsShadow) {
  if (!m_flat) {
    GTEST_SKIP() << "only the flat look lifts a hovered picture";
  }
  const int k = AppendPicture(ID_CMD_RED, IDT_SYSCOLOR_TOOLBAR);
  ASSERT_TRUE(TrellMenu::HasImageVariants(k));
  PicturePatchCache& cache = MenuPictures::PicturePatches();
  cache.Clear();
  const auto draw = [&] { return DrawFirstItem(m_menu, ID_CMD_RED, ODS_SELECTED); };
  const std::vector<COLORREF> drawn = draw();
  EXPECT_EQ(1u, cache.Size());
  EXPECT_EQ(drawn, draw());
  EXPECT_EQ(1u, cache.Size());

  // The 16 x 15 picture sits at (4, 4) of the 23-pixel gutter: lifted to
  // (3, 3), its shadow at (5, 5), on the cell's colour.
  const COLORREF selection = drawn[2 * 120 + 2];
  PixelSurface fresh(18, 17, selection);
  ImageList_Draw(TrellMenu::s_sharedImages.GetSafeHandle(), k + 2, fresh.hdc(), 2, 2,
                 ILD_TRANSPARENT);
  ImageList_Draw(TrellMenu::s_sharedImages.GetSafeHandle(), k, fresh.hdc(), 0, 0, ILD_TRANSPARENT);
  int lifted = 0;
  for (int y = 0; y < 17; ++y) {
    for (int x = 0; x < 18; ++x) {
      ASSERT_EQ(fresh.Pixel(x, y), drawn[(y + 3) * 120 + x + 3]) << x << "," << y;
      lifted += fresh.Pixel(x, y) != selection ? 1 : 0;
    }
  }
  EXPECT_GT(lifted, 0);
}

TEST(PicturePatchCacheTest, HoldsABoundedNumberOfPatchesAndFreesThemWithItself) {
  PixelSurface surface(40, 40, kMagenta);
  const std::size_t objects = CGdiObject::LiveObjectCount();
  int painted = 0;
  const auto paint = [&](CDC* dc, int x, int y) {
    ++painted;
    dc->FillSolidRect(x, y, 4, 4, kRed);
  };
  {
    PicturePatchCache cache;
    PicturePatchCache::Key key;
    key.width = 16;
    key.height = 15;
    for (int i = 0; i < static_cast<int>(PicturePatchCache::kCapacity) + 5; ++i) {
      key.index = i;
      cache.Draw(surface.dc(), 0, 0, key, paint);
      cache.Draw(surface.dc(), 0, 0, key, paint);  // the second time from the cache
    }
    EXPECT_EQ(static_cast<int>(PicturePatchCache::kCapacity) + 5, painted);
    EXPECT_EQ(kRed, surface.Pixel(3, 3));
    EXPECT_EQ(PicturePatchCache::kCapacity, cache.Size());
    EXPECT_EQ(objects + PicturePatchCache::kCapacity, CGdiObject::LiveObjectCount());
    // The oldest was dropped: drawn again, it is made again.
    key.index = 0;
    cache.Draw(surface.dc(), 0, 0, key, paint);
    EXPECT_EQ(static_cast<int>(PicturePatchCache::kCapacity) + 6, painted);
  }
  EXPECT_EQ(objects, CGdiObject::LiveObjectCount());
}
