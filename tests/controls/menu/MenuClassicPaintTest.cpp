// The classic look of TrellMenu items, checked by pixels: the highlight bar,
// raised and sunken picture boxes, the lighter checked cell, drawn check
// marks, embossed disabled text, tab-split text, separators and tall
// pictures; the look DrawItem picks on the running system; missing records;
// and no GDI object left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <utility>

#include "MenuPaintFixture.h"
#include "controls/menu/ClassicItemPainter.h"
#include "controls/menu/ColorBlend.h"
#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuLookFacts.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"

namespace {

using menutest::Canvas;
using menutest::TestMenu;

// Windows 2000: 3-D boxes, menu colour COLOR_MENU. The XP facts give the
// menu colour COLOR_BTNFACE (the classic look on an XP palette display),
// which on systems whose menu colour is white keeps white details visible.
const MenuLookFacts kWin2000 = MenuEnvironment::LookFor(OsWin2000, false);
const MenuLookFacts kXp = MenuEnvironment::LookFor(OsWinXp, false);
const MenuLookFacts kNt351 = MenuEnvironment::LookFor(OsNtOther, false);

// The item rectangle sits away from the canvas origin so that coordinates
// relative to the item are told apart from absolute ones.
constexpr LONG L = 10;
constexpr LONG T = 5;
const RECT kItem{L, T, 170, T + 19};

COLORREF Sys(int index) { return GetSysColor(index); }

std::set<std::pair<LONG, LONG>> Points(const std::vector<POINT>& points, LONG dx = 0, LONG dy = 0) {
  std::set<std::pair<LONG, LONG>> set;
  for (const POINT& p : points) {
    set.insert({p.x + dx, p.y + dy});
  }
  return set;
}

class ClassicPaint : public ::testing::Test {
 protected:
  // Paints record item (command id) with the given state and facts.
  BOOL Paint(Canvas& canvas, MenuItemData* item, UINT id, UINT state, const MenuLookFacts& facts,
             const RECT& rect = kItem) {
    DRAWITEMSTRUCT d = t.DrawStruct(item, id, state, canvas.dc(), rect);
    return ClassicItemPainter(t.menu.Settings(), facts).Paint(&d);
  }

  TestMenu t;
};

TEST_F(ClassicPaint, SelectedItemWithPictureIsHighlightedFromTheBarOnwards) {
  MenuItemData* item = t.Add(L"Cut", MF_STRING, 101);
  TestMenu::GivePicture(item, false);
  Canvas canvas(200, 40);
  ASSERT_TRUE(Paint(canvas, item, 101, ODS_SELECTED, kWin2000));

  const LONG barLeft = L + 16 + 5;
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.At(barLeft, T + 9));
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.At(kItem.right - 1, T));
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.At(kItem.right - 1, kItem.bottom - 1));
  // Between the picture box and the bar nothing is painted.
  EXPECT_EQ(Canvas::kUnpainted, canvas.At(barLeft - 1, T + 9));

  // Without picture or check the whole item is highlighted.
  MenuItemData* plain = t.Add(L"Paste", MF_STRING, 102);
  Canvas whole(200, 40);
  Paint(whole, plain, 102, ODS_SELECTED, kWin2000);
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), whole.At(L, T));
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), whole.At(L + 3, T + 9));

  // A checked item without picture has its check box left of the bar.
  MenuItemData* checked = t.Add(L"Wrap", MF_STRING, 103);
  Canvas check(200, 40);
  Paint(check, checked, 103, ODS_SELECTED | ODS_CHECKED, kWin2000);
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), check.At(barLeft, T + 9));
  EXPECT_NE(Sys(COLOR_HIGHLIGHT), check.At(L + 3, T + 9));
}

TEST_F(ClassicPaint, SelectedPictureSitsInASunkenBoxWhenCheckedAndARaisedOneOtherwise) {
  MenuItemData* item = t.Add(L"Bold", MF_STRING, 101);
  TestMenu::GivePicture(item, false);
  const COLORREF shadow = Sys(COLOR_BTNSHADOW);
  const COLORREF light = Sys(COLOR_BTNHIGHLIGHT);
  ASSERT_NE(shadow, light);
  // Picture box (L, T) .. (L + 19, T + 18); the picture at (L + 2, T + 2).
  const POINT topLeft{L, T};
  const POINT bottomRight{L + 19, T + 18};

  Canvas sunken(200, 40);
  Paint(sunken, item, 101, ODS_SELECTED | ODS_CHECKED, kWin2000);
  EXPECT_EQ(shadow, sunken.At(topLeft.x, topLeft.y));
  EXPECT_EQ(shadow, sunken.At(topLeft.x, topLeft.y + 10));
  EXPECT_EQ(light, sunken.At(bottomRight.x, bottomRight.y));
  EXPECT_EQ(light, sunken.At(bottomRight.x, topLeft.y + 10));
  EXPECT_EQ(menutest::kPictureColor, sunken.At(L + 2 + menutest::kBlockLeft, T + 2 + 2));

  Canvas raised(200, 40);
  Paint(raised, item, 101, ODS_SELECTED, kWin2000);
  EXPECT_EQ(light, raised.At(topLeft.x, topLeft.y + 10));
  EXPECT_EQ(shadow, raised.At(bottomRight.x, bottomRight.y));
  EXPECT_EQ(menutest::kPictureColor, raised.At(L + 2 + menutest::kBlockLeft, T + 2 + 2));

  // Systems before Windows 95 draw no box.
  Canvas none(200, 40);
  Paint(none, item, 101, ODS_SELECTED | ODS_CHECKED, kNt351);
  EXPECT_EQ(Canvas::kUnpainted, none.At(topLeft.x, topLeft.y + 10));
  EXPECT_EQ(Canvas::kUnpainted, none.At(bottomRight.x, bottomRight.y));
}

TEST_F(ClassicPaint, UnselectedCheckedPictureHasALighterCell) {
  MenuItemData* item = t.Add(L"Italic", MF_STRING, 101);
  TestMenu::GivePicture(item, false);
  for (const MenuLookFacts& facts : {kWin2000, kXp}) {
    const COLORREF menu = Sys(facts.xpLook ? COLOR_BTNFACE : COLOR_MENU);
    Canvas checked(200, 40);
    Paint(checked, item, 101, ODS_CHECKED, facts);
    EXPECT_EQ(BlendToWhite(menu, 0.6), checked.At(L + 1, T + 1));
    EXPECT_EQ(BlendToWhite(menu, 0.6), checked.At(L + 3, T + 10));
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), checked.At(L, T + 10));  // sunken box
    EXPECT_EQ(menutest::kPictureColor, checked.At(L + 4, T + 4));

    Canvas plain(200, 40);
    Paint(plain, item, 101, 0, facts);
    EXPECT_EQ(menu, plain.At(L + 1, T + 1));
    EXPECT_EQ(menu, plain.At(L + 3, T + 10));
    EXPECT_EQ(menu, plain.At(L, T + 10));
  }
}

TEST_F(ClassicPaint, CheckedItemWithoutPictureGetsATickOrARadioDot) {
  MenuItemData* tick = t.Add(L"Tick", MF_STRING, 101);
  MenuItemData* radio = t.Add(L"Dot", MF_STRING, 102);
  menutest::CheckBitmap bitmap;
  ASSERT_TRUE(SetMenuItemBitmaps(t.menu.m_hMenu, 102, MF_BYCOMMAND, bitmap.get(), bitmap.get()));
  // Check box (L + 1, T + 2) .. (L + 17, T + 17); the tick at (L + 5, T + 6),
  // the dot's 6 x 6 box at (L + 6, T + 6).
  const COLORREF text = Sys(COLOR_MENUTEXT);
  // The check cell takes its colour from the look it is painted for (the XP
  // look's button face), whatever system the test runs on.
  const COLORREF menu = Sys(kXp.xpLook ? COLOR_BTNFACE : COLOR_MENU);

  Canvas ticked(200, 40);
  Paint(ticked, tick, 101, ODS_CHECKED, kXp);
  EXPECT_EQ(BlendToWhite(menu, 0.6), ticked.At(L + 3, T + 15));
  EXPECT_EQ(text, ticked.At(L + 5, T + 9));   // left arm
  EXPECT_EQ(text, ticked.At(L + 7, T + 11));  // lowest point
  EXPECT_EQ(text, ticked.At(L + 11, T + 6));  // right arm's top
  EXPECT_NE(text, ticked.At(L + 8, T + 7));

  Canvas dotted(200, 40);
  Paint(dotted, radio, 102, ODS_CHECKED, kXp);
  EXPECT_EQ(text, dotted.At(L + 8, T + 8));
  EXPECT_EQ(text, dotted.At(L + 8, T + 7));
  EXPECT_NE(text, dotted.At(L + 5, T + 9));
  EXPECT_NE(text, dotted.At(L + 11, T + 6));

  // A selected check cell keeps the plain menu colour.
  Canvas selected(200, 40);
  Paint(selected, tick, 101, ODS_CHECKED | ODS_SELECTED, kXp);
  EXPECT_EQ(menu, selected.At(L + 3, T + 15));
}

TEST_F(ClassicPaint, DisabledTextIsEmbossedUnlessSelected) {
  MenuItemData* item = t.Add(L"Disabled", MF_STRING, 101);
  const RECT textArea{L + 16 + 9, T, kItem.right, kItem.bottom + 1};
  const COLORREF menu = Sys(COLOR_BTNFACE);
  const COLORREF light = Sys(COLOR_BTNHIGHLIGHT);
  const COLORREF grey = Sys(COLOR_GRAYTEXT);
  ASSERT_NE(menu, light);

  Canvas enabled(200, 40);
  Paint(enabled, item, 101, 0, kXp);
  const auto ink = Points(enabled.PixelsOf(Sys(COLOR_MENUTEXT), textArea));
  ASSERT_GT(ink.size(), 20u);

  Canvas disabled(200, 40);
  Paint(disabled, item, 101, ODS_GRAYED, kXp);
  EXPECT_EQ(ink, Points(disabled.PixelsOf(grey, textArea)));
  // The highlight copy one pixel down and right shows where the grey does
  // not cover it.
  std::set<std::pair<LONG, LONG>> expectedLight;
  for (const auto& p : Points(enabled.PixelsOf(Sys(COLOR_MENUTEXT), textArea), 1, 1)) {
    if (!ink.count(p)) {
      expectedLight.insert(p);
    }
  }
  ASSERT_FALSE(expectedLight.empty());
  EXPECT_EQ(expectedLight, Points(disabled.PixelsOf(light, textArea)));

  // Disabled and selected: flat text in the menu colour on the bar.
  Canvas selected(200, 40);
  Paint(selected, item, 101, ODS_GRAYED | ODS_SELECTED, kXp);
  EXPECT_EQ(ink, Points(selected.PixelsOf(menu, textArea)));
  EXPECT_TRUE(selected.PixelsOf(grey, textArea).empty());
}

TEST_F(ClassicPaint, TabSplitsLabelAndAcceleratorRightAlignedOnePictureShortOfTheEdge) {
  MenuItemData* item = t.Add(L"Open\tignored\tW", MF_STRING, 101);
  Canvas canvas(200, 40);
  Paint(canvas, item, 101, 0, kWin2000);
  const RECT all{0, 0, canvas.width(), canvas.height()};
  const std::vector<POINT> ink = canvas.PixelsOf(Sys(COLOR_MENUTEXT), all);
  ASSERT_FALSE(ink.empty());

  SIZE label{};
  SIZE key{};
  GetTextExtentPoint32A(canvas.dc(), "Open", 4, &label);
  GetTextExtentPoint32A(canvas.dc(), "W", 1, &key);
  const LONG textLeft = L + 16 + 9;
  const LONG keyRight = kItem.right - 16;
  LONG maxX = 0;
  for (const POINT& p : ink) {
    const bool inLabel = p.x >= textLeft && p.x < textLeft + label.cx;
    const bool inKey = p.x >= keyRight - key.cx && p.x < keyRight;
    EXPECT_TRUE(inLabel || inKey) << "stray text pixel at " << p.x << "," << p.y;
    maxX = std::max(maxX, p.x);
  }
  EXPECT_GE(maxX, keyRight - 3);
}

TEST_F(ClassicPaint, SeparatorIsAnEtchedLineAcrossTheItemAtHalfHeight) {
  MenuItemData* separator = t.Add(nullptr, MF_STRING, 0);
  const RECT rect{L, T, 170, T + 9};
  Canvas canvas(200, 40);
  ASSERT_TRUE(Paint(canvas, separator, 0, 0, kXp, rect));
  const LONG middle = T + 4;
  for (LONG x : {L, L + 60, rect.right - 1}) {
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(x, middle)) << x;
    EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), canvas.At(x, middle + 1)) << x;
    EXPECT_EQ(Sys(COLOR_BTNFACE), canvas.At(x, middle - 1)) << x;
    EXPECT_EQ(Sys(COLOR_BTNFACE), canvas.At(x, T)) << x;
  }
  EXPECT_EQ(Canvas::kUnpainted, canvas.At(rect.right, middle));
}

TEST_F(ClassicPaint, PictureTallerThanTheItemStartsTwoPixelsBelowItsTop) {
  t.menu.m_imageHeight = 30;
  MenuItemData* item = t.Add(L"Tall", MF_STRING, 101);
  item->ownImages = menutest::NewPictureList({menutest::kPictureColor}, 16, 30);
  item->ownImageIndex = 0;
  item->ownImageState = 0;

  Canvas shortItem(200, 60);
  Paint(shortItem, item, 101, 0, kWin2000);
  EXPECT_EQ(menutest::kPictureColor, shortItem.At(L + 4, T + 4));
  EXPECT_NE(menutest::kPictureColor, shortItem.At(L + 4, T + 3));

  // An item of 40 pixels centres it: (40 - 30 - 4) / 2 = 3 rows lower.
  Canvas tallItem(200, 60);
  Paint(tallItem, item, 101, 0, kWin2000, RECT{L, T, 170, T + 40});
  EXPECT_EQ(menutest::kPictureColor, tallItem.At(L + 4, T + 7));
  EXPECT_NE(menutest::kPictureColor, tallItem.At(L + 4, T + 6));
}

TEST_F(ClassicPaint, DisabledPictureIsEmbossedInBothStyles) {
  MenuItemData* item = t.Add(L"Gone", MF_STRING, 101);
  TestMenu::GivePicture(item, false);
  for (BOOL style : {FALSE, TRUE}) {
    t.menu.m_disabledStyle = style;
    Canvas canvas(200, 40);
    Paint(canvas, item, 101, ODS_GRAYED, kXp);
    // The block's pixels in the shadow colour, the picture colour gone.
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(L + 2 + 2, T + 2 + 2)) << style;
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(L + 2 + 13, T + 2 + 12)) << style;
    const RECT box{L, T, L + 20, T + 19};
    EXPECT_TRUE(canvas.PixelsOf(menutest::kPictureColor, box).empty()) << style;
    EXPECT_EQ(Sys(COLOR_BTNFACE), canvas.At(L + 2 + 1, T + 2 + 1)) << style;
  }
}

TEST_F(ClassicPaint, ItemWithoutRecordIsSkipped) {
  Canvas canvas(200, 40);
  DRAWITEMSTRUCT d = t.DrawStruct(nullptr, 5, ODS_SELECTED, canvas.dc(), kItem);
  EXPECT_FALSE(ClassicItemPainter(t.menu.Settings(), kWin2000).Paint(&d));
  t.menu.DrawItem(&d);
  const RECT all{0, 0, canvas.width(), canvas.height()};
  EXPECT_EQ(static_cast<size_t>(canvas.width() * canvas.height()),
            canvas.PixelsOf(Canvas::kUnpainted, all).size());
}

// Run under the default Windows version setting, where the flat look does
// not apply: DrawItem paints exactly what the classic painter paints for
// this system.
TEST_F(ClassicPaint, DrawItemUsesTheClassicLookWithoutTheXpLook) {
  const MenuLookFacts current = MenuEnvironment::CurrentLook();
  if (current.xpLook) {
    GTEST_SKIP() << "this system has the XP look";
  }
  MenuItemData* item = t.Add(L"Find\tCtrl+F", MF_STRING, 101);
  TestMenu::GivePicture(item, false);
  for (UINT state : {0u, UINT(ODS_SELECTED), UINT(ODS_CHECKED), UINT(ODS_GRAYED)}) {
    Canvas viaMenu(200, 40);
    Canvas viaPainter(200, 40);
    DRAWITEMSTRUCT d = t.DrawStruct(item, 101, state, viaMenu.dc(), kItem);
    t.menu.DrawItem(&d);
    Paint(viaPainter, item, 101, state, current);
    EXPECT_EQ(0, viaMenu.CountDifferences(viaPainter)) << state;
  }
}

TEST_F(ClassicPaint, ThousandsOfDrawsLeaveNoGdiObjectBehind) {
  MenuItemData* picture = t.Add(L"Picture", MF_STRING, 101);
  TestMenu::GivePicture(picture, false);
  MenuItemData* plain = t.Add(L"Plain\tCtrl+P", MF_STRING, 102);
  MenuItemData* separator = t.Add(nullptr, MF_STRING, 0);
  Canvas canvas(200, 40);
  const std::size_t objects = CGdiObject::LiveObjectCount();
  const std::size_t dcs = CDC::LiveDCCount();
  const UINT states[] = {0,           ODS_SELECTED,
                         ODS_CHECKED, ODS_SELECTED | ODS_CHECKED,
                         ODS_GRAYED,  ODS_GRAYED | ODS_SELECTED};
  for (int round = 0; round < 400; ++round) {
    t.menu.m_disabledStyle = round % 2;
    for (UINT state : states) {
      for (auto [item, id] : {std::pair{picture, 101u}, {plain, 102u}, {separator, 0u}}) {
        Paint(canvas, item, id, state, round % 3 == 0 ? kWin2000 : kXp);
      }
    }
  }
  EXPECT_EQ(objects, CGdiObject::LiveObjectCount());
  EXPECT_EQ(dcs, CDC::LiveDCCount());
  // Still able to draw correctly after 14400 items.
  Canvas after(200, 40);
  Paint(after, plain, 102, ODS_SELECTED, kWin2000);
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), after.At(L + 3, T + 9));
}

}  // namespace
