// The flat look of TrellMenu items, checked by pixels: gutter, selection box
// and frame, the hovered picture over its shadow, the faded picture, checked
// cells and the 16 x 16 check box, tab-split text, disabled items (never
// drawn selected, composed off-screen), separators; the choice of look; and
// no GDI object left behind. Runs with the XP look (Wine's winxp setting).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <utility>

#include "MenuPaintFixture.h"
#include "controls/menu/ColorBlend.h"
#include "controls/menu/FlatItemPainter.h"
#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuLookFacts.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CImageList.h"

namespace {

using menutest::Canvas;
using menutest::kFadedColor;
using menutest::kPictureColor;
using menutest::kShadowColor;
using menutest::TestMenu;

const MenuLookFacts kXp = MenuEnvironment::LookFor(OsWinXp, false);
// The flat look without the XP look (if the flat mode were chosen elsewhere).
const MenuLookFacts kOther = MenuEnvironment::LookFor(OsWin2000, false);

constexpr LONG L = 10;
constexpr LONG T = 5;
const RECT kItem{L, T, 170, T + 22};
constexpr LONG kGutter = 16 + 7;
// The picture's top-left: centred in the gutter and the item.
constexpr LONG kPicX = L + 4;
constexpr LONG kPicY = T + 4;

COLORREF Sys(int index) { return GetSysColor(index); }
COLORREF Selection() { return BlendToWhite(Sys(COLOR_HIGHLIGHT), 0.7); }

class FlatPaint : public ::testing::Test {
 protected:
  BOOL Paint(Canvas& canvas, MenuItemData* item, UINT id, UINT state,
             const MenuLookFacts& facts = kXp, const RECT& rect = kItem) {
    DRAWITEMSTRUCT d = t.DrawStruct(item, id, state, canvas.dc(), rect);
    const BOOL painted = FlatItemPainter(t.menu.Settings(), facts).Paint(&d);
    lastState = d.itemState;
    return painted;
  }

  TestMenu t;
  UINT lastState = 0;
};

// The block of a picture drawn with its top-left at (x, y).
RECT Block(LONG x, LONG y) {
  return RECT{x + menutest::kBlockLeft, y + menutest::kBlockTop, x + menutest::kBlockRight + 1,
              y + menutest::kBlockBottom + 1};
}

TEST_F(FlatPaint, UnselectedItemHasAGutterAndTheWindowColour) {
  MenuItemData* item = t.Add(L"Plain", MF_STRING, 101);
  Canvas canvas(200, 40);
  ASSERT_TRUE(Paint(canvas, item, 101, 0));
  const COLORREF gutter = Sys(COLOR_BTNFACE);
  const COLORREF window = Sys(COLOR_WINDOW);
  ASSERT_NE(gutter, window);
  for (LONG y : {T, T + 11, kItem.bottom - 1}) {
    EXPECT_EQ(gutter, canvas.At(L, y));
    EXPECT_EQ(gutter, canvas.At(L + kGutter - 1, y));
    EXPECT_EQ(window, canvas.At(L + kGutter, y));
    EXPECT_EQ(window, canvas.At(kItem.right - 1, y));
  }
  // Without the XP look the gutter is lightened by a quarter.
  Canvas other(200, 40);
  Paint(other, item, 101, 0, kOther);
  EXPECT_EQ(BlendToWhite(gutter, 0.25), other.At(L + 5, T + 11));
}

TEST_F(FlatPaint, SelectedItemIsOneFramedSelectionBoxWithMenuText) {
  MenuItemData* item = t.Add(L"Selected", MF_STRING, 101);
  Canvas canvas(200, 40);
  Paint(canvas, item, 101, ODS_SELECTED);
  const COLORREF frame = Sys(COLOR_HIGHLIGHT);
  EXPECT_EQ(frame, canvas.At(L, T));
  EXPECT_EQ(frame, canvas.At(L, T + 11));
  EXPECT_EQ(frame, canvas.At(kItem.right - 1, kItem.bottom - 1));
  EXPECT_EQ(frame, canvas.At(L + 60, kItem.bottom - 1));
  EXPECT_EQ(Selection(), canvas.At(L + 1, T + 1));
  EXPECT_EQ(Selection(), canvas.At(L + 5, T + 11));  // the gutter too
  EXPECT_EQ(Selection(), canvas.At(kItem.right - 2, T + 11));
  const RECT text{L + kGutter + 8, T, kItem.right, kItem.bottom};
  EXPECT_GT(canvas.PixelsOf(Sys(COLOR_MENUTEXT), text).size(), 10u);

  Canvas other(200, 40);
  Paint(other, item, 101, ODS_SELECTED, kOther);
  EXPECT_EQ(BlendToWhite(frame, 0.85), other.At(L + 5, T + 11));
}

TEST_F(FlatPaint, HoveredPictureIsLiftedOverItsShadow) {
  MenuItemData* item = t.Add(L"Hover", MF_STRING, 101);
  TestMenu::GivePicture(item, true);
  Canvas canvas(200, 40);
  Paint(canvas, item, 101, ODS_SELECTED);
  const RECT picture = Block(kPicX - 1, kPicY - 1);
  const RECT shadow = Block(kPicX + 1, kPicY + 1);
  EXPECT_EQ(kPictureColor, canvas.At(picture.left, picture.top));
  EXPECT_EQ(kPictureColor, canvas.At(picture.right - 1, picture.bottom - 1));
  EXPECT_EQ(kShadowColor, canvas.At(shadow.right - 1, shadow.bottom - 1));
  EXPECT_EQ(kShadowColor, canvas.At(picture.right, shadow.top));
  EXPECT_EQ(Selection(), canvas.At(shadow.right, shadow.bottom - 1));
  EXPECT_EQ(Selection(), canvas.At(shadow.right - 1, shadow.bottom));
  EXPECT_EQ(Selection(), canvas.At(picture.left - 1, picture.top));
  const RECT all{0, 0, canvas.width(), canvas.height()};
  EXPECT_TRUE(canvas.PixelsOf(kFadedColor, all).empty());

  // Checked as well: only the picture, one pixel up and left, in a cell
  // framed in the highlight colour.
  Canvas checked(200, 40);
  Paint(checked, item, 101, ODS_SELECTED | ODS_CHECKED);
  EXPECT_EQ(kPictureColor, checked.At(picture.left, picture.top));
  EXPECT_EQ(kPictureColor, checked.At(picture.right - 1, picture.bottom - 1));
  EXPECT_TRUE(checked.PixelsOf(kShadowColor, all).empty());
  EXPECT_TRUE(checked.PixelsOf(kFadedColor, all).empty());
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), checked.At(L + 1, T + 1));
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), checked.At(L + kGutter - 2, kItem.bottom - 2));
  EXPECT_EQ(Selection(), checked.At(L + 2, T + 2));
}

TEST_F(FlatPaint, UnselectedPictureIsFadedWhenItHasVariants) {
  MenuItemData* item = t.Add(L"Faded", MF_STRING, 101);
  TestMenu::GivePicture(item, true);
  Canvas canvas(200, 40);
  Paint(canvas, item, 101, 0);
  const RECT at = Block(kPicX, kPicY);
  EXPECT_EQ(kFadedColor, canvas.At(at.left, at.top));
  EXPECT_EQ(kFadedColor, canvas.At(at.right - 1, at.bottom - 1));
  const RECT all{0, 0, canvas.width(), canvas.height()};
  EXPECT_TRUE(canvas.PixelsOf(kPictureColor, all).empty());
  EXPECT_TRUE(canvas.PixelsOf(kShadowColor, all).empty());
  EXPECT_EQ(Sys(COLOR_BTNFACE), canvas.At(L + 1, T + 1));

  // A picture without variants is drawn as it is.
  MenuItemData* single = t.Add(L"Single", MF_STRING, 102);
  TestMenu::GivePicture(single, false);
  Canvas plain(200, 40);
  Paint(plain, single, 102, 0);
  EXPECT_EQ(kPictureColor, plain.At(at.left, at.top));
}

TEST_F(FlatPaint, SharedPictureShowsItsFadedVariantUntilHovered) {
  ASSERT_TRUE(TrellMenu::IsFlatDrawing()) << "run with the XP look";
  std::unique_ptr<CImageList> source(menutest::NewPictureList({kPictureColor}));
  const int k = t.menu.AddSharedImage(source.get(), 0, 4242);
  ASSERT_GE(k, 0);
  ASSERT_TRUE(TrellMenu::HasImageVariants(k));
  MenuItemData* item = t.Add(L"Shared", MF_STRING, 4242);
  ASSERT_EQ(k, item->sharedImageIndex);
  const RECT at = Block(kPicX, kPicY);

  Canvas idle(200, 40);
  Paint(idle, item, 4242, 0);
  EXPECT_EQ(BlendToWhite(kPictureColor, 0.3), idle.At(at.left + 3, at.top + 3));

  Canvas hovered(200, 40);
  Paint(hovered, item, 4242, ODS_SELECTED);
  EXPECT_EQ(kPictureColor, hovered.At(at.left - 1, at.top - 1));
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), hovered.At(at.right, at.bottom));
}

TEST_F(FlatPaint, CheckedPictureSitsOnACheckedCell) {
  MenuItemData* item = t.Add(L"Checked", MF_STRING, 101);
  TestMenu::GivePicture(item, true);
  Canvas canvas(200, 40);
  Paint(canvas, item, 101, ODS_CHECKED);
  const COLORREF cell = BlendToWhite(Sys(COLOR_HIGHLIGHT), 0.85);
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.At(L + 1, T + 1));
  EXPECT_EQ(cell, canvas.At(L + 2, T + 2));
  const RECT at = Block(kPicX - 1, kPicY - 1);
  EXPECT_EQ(kPictureColor, canvas.At(at.left, at.top));
  EXPECT_EQ(cell, canvas.At(at.right, at.bottom));
  EXPECT_EQ(Sys(COLOR_BTNFACE), canvas.At(L, T + 11));  // gutter outside the cell
}

TEST_F(FlatPaint, CheckedItemWithoutPictureGetsASixteenPixelBoxInTheGutter) {
  MenuItemData* tick = t.Add(L"Tick", MF_STRING, 101);
  MenuItemData* radio = t.Add(L"Dot", MF_STRING, 102);
  menutest::CheckBitmap bitmap;
  ASSERT_TRUE(SetMenuItemBitmaps(t.menu.m_hMenu, 102, MF_BYCOMMAND, bitmap.get(), bitmap.get()));
  // Box (L + 4, T + 3) .. (L + 19, T + 18); tick and dot at (L + 9, T + 7).
  const COLORREF frame = Sys(COLOR_HIGHLIGHT);
  const COLORREF text = Sys(COLOR_MENUTEXT);

  Canvas ticked(200, 40);
  Paint(ticked, tick, 101, ODS_CHECKED);
  EXPECT_EQ(frame, ticked.At(L + 4, T + 3));
  EXPECT_EQ(frame, ticked.At(L + 19, T + 18));
  EXPECT_EQ(frame, ticked.At(L + 4, T + 18));
  EXPECT_EQ(BlendToWhite(frame, 0.85), ticked.At(L + 5, T + 4));
  EXPECT_EQ(Sys(COLOR_BTNFACE), ticked.At(L + 3, T + 10));
  EXPECT_EQ(Sys(COLOR_BTNFACE), ticked.At(L + 20, T + 10));
  EXPECT_EQ(text, ticked.At(L + 11, T + 12));  // lowest point
  EXPECT_EQ(text, ticked.At(L + 15, T + 7));   // right arm's top
  EXPECT_NE(text, ticked.At(L + 11, T + 8));

  Canvas dotted(200, 40);
  Paint(dotted, radio, 102, ODS_CHECKED);
  EXPECT_EQ(text, dotted.At(L + 11, T + 9));
  EXPECT_EQ(text, dotted.At(L + 12, T + 10));
  EXPECT_NE(text, dotted.At(L + 15, T + 7));
  EXPECT_EQ(frame, dotted.At(L + 4, T + 3));
}

TEST_F(FlatPaint, TabSplitsLabelAndAcceleratorRightAlignedOnePictureShortOfTheEdge) {
  MenuItemData* item = t.Add(L"Save\tignored\tW", MF_STRING, 101);
  Canvas canvas(200, 40);
  Paint(canvas, item, 101, 0);
  const RECT all{0, 0, canvas.width(), canvas.height()};
  const std::vector<POINT> ink = canvas.PixelsOf(Sys(COLOR_MENUTEXT), all);
  ASSERT_FALSE(ink.empty());
  SIZE label{};
  SIZE key{};
  GetTextExtentPoint32A(canvas.dc(), "Save", 4, &label);
  GetTextExtentPoint32A(canvas.dc(), "W", 1, &key);
  const LONG textLeft = L + kGutter + 8;
  const LONG keyRight = kItem.right - 16;
  LONG minX = canvas.width();
  LONG maxX = 0;
  for (const POINT& p : ink) {
    const bool inLabel = p.x >= textLeft && p.x < textLeft + label.cx;
    const bool inKey = p.x >= keyRight - key.cx && p.x < keyRight;
    EXPECT_TRUE(inLabel || inKey) << "stray text pixel at " << p.x << "," << p.y;
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
  }
  EXPECT_LE(minX, textLeft + 1);
  EXPECT_GE(maxX, keyRight - 3);
}

TEST_F(FlatPaint, DisabledItemReportedSelectedIsDrawnUnselected) {
  MenuItemData* item = t.Add(L"Disabled", MF_STRING, 101);
  TestMenu::GivePicture(item, false);
  Canvas canvas(200, 40);
  Paint(canvas, item, 101, ODS_GRAYED | ODS_SELECTED);
  EXPECT_EQ(0u, lastState & ODS_SELECTED);
  EXPECT_NE(0u, lastState & ODS_GRAYED);
  const RECT all{0, 0, canvas.width(), canvas.height()};
  EXPECT_TRUE(canvas.PixelsOf(Selection(), all).empty());
  EXPECT_TRUE(canvas.PixelsOf(Sys(COLOR_HIGHLIGHT), all).empty());
  EXPECT_EQ(Sys(COLOR_WINDOW), canvas.At(kItem.right - 1, T));
  EXPECT_EQ(Sys(COLOR_BTNFACE), canvas.At(L + 1, T + 1));
  // The picture is embossed on the gutter colour: its block in the shadow
  // colour, nothing left of its own colour.
  const RECT at = Block(kPicX, kPicY);
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(at.left, at.top));
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(at.right - 1, at.bottom - 1));
  EXPECT_EQ(Sys(COLOR_BTNFACE), canvas.At(at.left - 1, at.top - 1));
  EXPECT_TRUE(canvas.PixelsOf(kPictureColor, all).empty());
  // The item was composed off-screen over exactly its own rectangle.
  EXPECT_EQ(Canvas::kUnpainted, canvas.At(L - 1, T));
  EXPECT_EQ(Canvas::kUnpainted, canvas.At(kItem.right, kItem.bottom));
}

TEST_F(FlatPaint, DisabledTextIsGreyWithTheXpLookAndLighterWithout) {
  MenuItemData* item = t.Add(L"Greyed out", MF_STRING, 101);
  const RECT text{L + kGutter + 8, T, kItem.right, kItem.bottom};
  const COLORREF grey = Sys(COLOR_GRAYTEXT);
  const COLORREF light = BlendToWhite(grey, 0.4);

  Canvas xp(200, 40);
  Paint(xp, item, 101, ODS_GRAYED);
  EXPECT_GT(xp.PixelsOf(grey, text).size(), 10u);
  EXPECT_TRUE(xp.PixelsOf(light, text).empty());

  Canvas other(200, 40);
  Paint(other, item, 101, ODS_GRAYED, kOther);
  EXPECT_GT(other.PixelsOf(light, text).size(), 10u);
  EXPECT_TRUE(other.PixelsOf(grey, text).empty());
}

TEST_F(FlatPaint, SeparatorIsAnEtchedLineRightOfTheGutterAtHalfHeight) {
  MenuItemData* separator = t.Add(nullptr, MF_STRING, 0);
  const RECT rect{L, T, 170, T + 11};
  Canvas canvas(200, 40);
  ASSERT_TRUE(Paint(canvas, separator, 0, 0, kXp, rect));
  const LONG middle = T + 5;
  const LONG lineLeft = L + kGutter + 7;
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(lineLeft, middle));
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(rect.right - 1, middle));
  EXPECT_EQ(Sys(COLOR_WINDOW), canvas.At(lineLeft - 1, middle));
  EXPECT_EQ(Sys(COLOR_WINDOW), canvas.At(lineLeft, middle - 1));
  for (LONG y = rect.top; y < rect.bottom; ++y) {
    EXPECT_EQ(Sys(COLOR_BTNFACE), canvas.At(L + 3, y)) << y;
    EXPECT_EQ(Sys(COLOR_BTNFACE), canvas.At(L + kGutter - 1, y)) << y;
  }
}

TEST_F(FlatPaint, ItemWithoutRecordIsSkipped) {
  Canvas canvas(200, 40);
  DRAWITEMSTRUCT d = t.DrawStruct(nullptr, 5, ODS_GRAYED, canvas.dc(), kItem);
  EXPECT_FALSE(FlatItemPainter(t.menu.Settings(), kXp).Paint(&d));
  t.menu.DrawItem(&d);
  const RECT all{0, 0, canvas.width(), canvas.height()};
  EXPECT_EQ(static_cast<size_t>(canvas.width() * canvas.height()),
            canvas.PixelsOf(Canvas::kUnpainted, all).size());
}

TEST_F(FlatPaint, TheXpLookChoosesTheFlatModeOnTrueColourDisplays) {
  Canvas canvas(10, 10);
  ASSERT_EQ(0, GetDeviceCaps(canvas.dc(), RASTERCAPS) & RC_PALETTE);
  EXPECT_EQ(DrawModeFlat, MenuEnvironment::ChooseDrawMode(canvas.dc(), kXp));
  EXPECT_EQ(DrawModeClassic, MenuEnvironment::ChooseDrawMode(canvas.dc(), kOther));
  EXPECT_EQ(DrawModeClassic,
            MenuEnvironment::ChooseDrawMode(canvas.dc(), MenuEnvironment::LookFor(OsWinXp, true)));
}

TEST_F(FlatPaint, DrawItemUsesTheFlatLookOnThisSystem) {
  ASSERT_TRUE(MenuEnvironment::CurrentLook().xpLook) << "run with the XP look";
  MenuItemData* item = t.Add(L"Find\tCtrl+F", MF_STRING, 101);
  TestMenu::GivePicture(item, true);
  for (UINT state : {0u, UINT(ODS_SELECTED), UINT(ODS_CHECKED), UINT(ODS_GRAYED)}) {
    Canvas viaMenu(200, 40);
    Canvas viaPainter(200, 40);
    DRAWITEMSTRUCT d = t.DrawStruct(item, 101, state, viaMenu.dc(), kItem);
    t.menu.DrawItem(&d);
    Paint(viaPainter, item, 101, state);
    EXPECT_EQ(0, viaMenu.CountDifferences(viaPainter)) << state;
  }
}

TEST_F(FlatPaint, ThousandsOfDrawsLeaveNoGdiObjectBehind) {
  MenuItemData* picture = t.Add(L"Picture", MF_STRING, 101);
  TestMenu::GivePicture(picture, true);
  MenuItemData* plain = t.Add(L"Plain\tCtrl+P", MF_STRING, 102);
  MenuItemData* separator = t.Add(nullptr, MF_STRING, 0);
  Canvas canvas(200, 40);
  const std::size_t objects = CGdiObject::LiveObjectCount();
  const std::size_t dcs = CDC::LiveDCCount();
  const std::size_t lists = CImageList::LiveCount();
  const UINT states[] = {0,           ODS_SELECTED,
                         ODS_CHECKED, ODS_SELECTED | ODS_CHECKED,
                         ODS_GRAYED,  ODS_GRAYED | ODS_SELECTED};
  for (int round = 0; round < 400; ++round) {
    t.menu.m_disabledStyle = round % 2;
    for (UINT state : states) {
      for (auto [item, id] : {std::pair{picture, 101u}, {plain, 102u}, {separator, 0u}}) {
        DRAWITEMSTRUCT d = t.DrawStruct(item, id, state, canvas.dc(), kItem);
        t.menu.DrawItem(&d);
      }
    }
  }
  EXPECT_EQ(objects, CGdiObject::LiveObjectCount());
  EXPECT_EQ(dcs, CDC::LiveDCCount());
  EXPECT_EQ(lists, CImageList::LiveCount());
  // Still able to draw correctly after 7200 items.
  Canvas after(200, 40);
  Paint(after, picture, 101, ODS_SELECTED);
  EXPECT_EQ(kPictureColor, after.At(kPicX - 1 + 2, kPicY - 1 + 2));
}

}  // namespace
