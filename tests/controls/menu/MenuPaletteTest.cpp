// On a palette display the menu is drawn in the classic look even where the
// flat look would otherwise apply. Runs with the XP look on an 8-bit display.
#include <gtest/gtest.h>
#include <windows.h>

#include "MenuPaintFixture.h"
#include "controls/menu/ClassicItemPainter.h"
#include "controls/menu/FlatItemPainter.h"
#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuLookFacts.h"

namespace {

using menutest::Canvas;
using menutest::TestMenu;

TEST(MenuPalette, PaletteDisplayGetsTheClassicLookDespiteTheXpLook) {
  HDC screen = GetDC(nullptr);
  const int caps = GetDeviceCaps(screen, RASTERCAPS);
  ReleaseDC(nullptr, screen);
  ASSERT_NE(0, caps & RC_PALETTE) << "run on an 8-bit display";
  const MenuLookFacts facts = MenuEnvironment::CurrentLook();
  ASSERT_TRUE(facts.xpLook) << "run with the XP look";

  TestMenu t;
  MenuItemData* item = t.Add(L"Copy\tCtrl+C", MF_STRING, 101);
  TestMenu::GivePicture(item, true);
  MenuItemData* plain = t.Add(L"Select all", MF_STRING, 102);
  const RECT rect{4, 3, 150, 25};
  for (auto [record, id] : {std::pair{item, 101u}, {plain, 102u}}) {
    for (UINT state : {0u, UINT(ODS_SELECTED), UINT(ODS_CHECKED), UINT(ODS_GRAYED)}) {
      Canvas viaMenu(160, 30);
      Canvas classic(160, 30);
      Canvas flat(160, 30);
      ASSERT_NE(0, GetDeviceCaps(viaMenu.dc(), RASTERCAPS) & RC_PALETTE);
      EXPECT_EQ(DrawModeClassic, MenuEnvironment::ChooseDrawMode(viaMenu.dc(), facts));

      DRAWITEMSTRUCT d = t.DrawStruct(record, id, state, viaMenu.dc(), rect);
      t.menu.DrawItem(&d);
      d = t.DrawStruct(record, id, state, classic.dc(), rect);
      ClassicItemPainter(t.menu.Settings(), facts).Paint(&d);
      d = t.DrawStruct(record, id, state, flat.dc(), rect);
      FlatItemPainter(t.menu.Settings(), facts).Paint(&d);

      EXPECT_EQ(0, viaMenu.CountDifferences(classic)) << id << " state " << state;
      EXPECT_GT(viaMenu.CountDifferences(flat), 0) << id << " state " << state;
    }
  }
}

}  // namespace
