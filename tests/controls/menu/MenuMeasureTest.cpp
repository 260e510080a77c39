// Measuring TrellMenu items: separators, text items in both looks, taller
// pictures, accelerators, the fonts of old systems, and records that are
// missing or hold no text.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "MenuPaintFixture.h"
#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuItemMeasurer.h"
#include "controls/menu/MenuLookFacts.h"
#include "controls/menu/MenuMetrics.h"
#include "framework/SystemSettings.h"

namespace {

using menutest::TestMenu;

const MenuLookFacts kClassic = MenuEnvironment::LookFor(OsWin2000, false);
const MenuLookFacts kFlat = MenuEnvironment::LookFor(OsWinXp, false);

MEASUREITEMSTRUCT Measure(const TrellMenu& menu, MenuItemData* item, const MenuLookFacts& facts) {
  MEASUREITEMSTRUCT m{};
  m.CtlType = ODT_MENU;
  m.itemID = static_cast<UINT>(item->commandId);
  m.itemData = reinterpret_cast<ULONG_PTR>(item);
  MenuItemMeasurer(menu.Settings(), facts).Measure(&m);
  return m;
}

// Width of text on a screen DC, in the menu font or in the DC's default font.
LONG ScreenTextWidth(const wchar_t* text, bool menuFont) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = menuFont ? SelectObject(dc, font) : nullptr;
  SIZE size{};
  GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
  if (old != nullptr) {
    SelectObject(dc, old);
  }
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return size.cx;
}

// The Win32s estimate for an ANSI text in the screen DC's default font.
UINT EstimatedWidth(const char* text, size_t characters) {
  HDC dc = GetDC(nullptr);
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text, static_cast<int>(strlen(text)), &r, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
  ReleaseDC(nullptr, dc);
  UINT w = static_cast<UINT>(r.right - r.left + 3);
  if (characters > 0) {
    w += 3 * (w / static_cast<UINT>(characters));
  }
  return w;
}

UINT MenuBarHeight() { return static_cast<UINT>(GetSystemMetrics(SM_CYMENU)); }

TEST(MenuMeasure, SeparatorIsZeroWideAndHalfAnItemHighInBothLooks) {
  TestMenu t;
  MenuItemData* separator = t.Add(L"ignored text", MF_STRING, 0);
  separator->SetTextWide(L"a long text that a separator never shows");

  const MEASUREITEMSTRUCT classic = Measure(t.menu, separator, kClassic);
  EXPECT_EQ(0u, classic.itemWidth);
  EXPECT_EQ(std::max(MenuBarHeight() / 2, 9u), classic.itemHeight);

  const MEASUREITEMSTRUCT flat = Measure(t.menu, separator, kFlat);
  EXPECT_EQ(0u, flat.itemWidth);
  EXPECT_EQ(std::max(MenuBarHeight() / 2, 11u), flat.itemHeight);
}

TEST(MenuMeasure, TextItemHasTheWorkedSizesForDefaultPictures) {
  TestMenu t;
  MenuItemData* item = t.Add(L"Properties", MF_STRING, 101);
  const LONG text = ScreenTextWidth(L"Properties", true);
  ASSERT_GT(text, 0);

  const MEASUREITEMSTRUCT classic = Measure(t.menu, item, kClassic);
  EXPECT_EQ(static_cast<UINT>(text + 33), classic.itemWidth);
  EXPECT_EQ(std::max(MenuBarHeight(), 19u), classic.itemHeight);

  const MEASUREITEMSTRUCT flat = Measure(t.menu, item, kFlat);
  EXPECT_EQ(static_cast<UINT>(text + 31), flat.itemWidth);
  EXPECT_EQ(std::max(MenuBarHeight(), 22u), flat.itemHeight);
}

TEST(MenuMeasure, TallerPicturesGrowItemsToPictureHeightPlusMargin) {
  TestMenu t;
  t.menu.m_imageWidth = 32;
  t.menu.m_imageHeight = 40;
  MenuItemData* item = t.Add(L"Big", MF_STRING, 101);
  MenuItemData* separator = t.Add(nullptr, MF_STRING, 0);
  const LONG text = ScreenTextWidth(L"Big", true);

  const MEASUREITEMSTRUCT classic = Measure(t.menu, item, kClassic);
  EXPECT_EQ(44u, classic.itemHeight);
  EXPECT_EQ(static_cast<UINT>(text + 2 * 32 + 1), classic.itemWidth);
  EXPECT_EQ(22u, Measure(t.menu, separator, kClassic).itemHeight);

  const MEASUREITEMSTRUCT flat = Measure(t.menu, item, kFlat);
  EXPECT_EQ(47u, flat.itemHeight);
  EXPECT_EQ(static_cast<UINT>(text + 32 + 7 + 8), flat.itemWidth);
  EXPECT_EQ(23u, Measure(t.menu, separator, kFlat).itemHeight);
}

TEST(MenuMeasure, AcceleratorAfterTabWidensTheItemByItsWholeText) {
  TestMenu t;
  MenuItemData* plain = t.Add(L"Open", MF_STRING, 101);
  MenuItemData* withKey = t.Add(L"Open\tCtrl+O", MF_STRING, 102);
  for (const MenuLookFacts& facts : {kClassic, kFlat}) {
    const UINT narrow = Measure(t.menu, plain, facts).itemWidth;
    const UINT wide = Measure(t.menu, withKey, facts).itemWidth;
    EXPECT_EQ(narrow + static_cast<UINT>(ScreenTextWidth(L"Open\tCtrl+O", true) -
                                         ScreenTextWidth(L"Open", true)),
              wide);
    EXPECT_GT(wide, narrow + static_cast<UINT>(ScreenTextWidth(L"Ctrl+O", true)) - 1);
  }
}

TEST(MenuMeasure, SystemsBeforeWindows95MeasureInTheDefaultFont) {
  const wchar_t* text = L"Measured with the default font";
  const LONG menuWidth = ScreenTextWidth(text, true);
  const LONG defaultWidth = ScreenTextWidth(text, false);
  ASSERT_NE(menuWidth, defaultWidth) << "the fonts must differ for this test to tell them apart";

  TestMenu t;
  MenuItemData* item = t.Add(text, MF_STRING, 101);
  const MenuLookFacts ntOther = MenuEnvironment::LookFor(OsNtOther, false);
  EXPECT_EQ(static_cast<UINT>(defaultWidth + 33), Measure(t.menu, item, ntOther).itemWidth);

  const MenuLookFacts win32s = MenuEnvironment::LookFor(OsWin32s, false);
  EXPECT_EQ(EstimatedWidth("Measured with the default font", wcslen(text)) + 33,
            Measure(t.menu, item, win32s).itemWidth);

  const MenuLookFacts win95 = MenuEnvironment::LookFor(OsWin95, false);
  EXPECT_EQ(static_cast<UINT>(menuWidth + 33), Measure(t.menu, item, win95).itemWidth);
}

TEST(MenuMeasure, MissingOrEmptyTextMeasuresAsEmptyOnEveryPath) {
  TestMenu t;
  MenuItemData* empty = t.Add(L"", MF_STRING, 101);
  MenuItemData* none = t.Add(L"x", MF_STRING, 102);
  none->SetTextWide(nullptr);
  ASSERT_EQ(nullptr, none->text);

  for (OsClass os : {OsWin32s, OsNtOther, OsWinXp}) {
    const MenuLookFacts facts = MenuEnvironment::LookFor(os, false);
    const MEASUREITEMSTRUCT e = Measure(t.menu, empty, facts);
    const MEASUREITEMSTRUCT n = Measure(t.menu, none, facts);
    EXPECT_EQ(e.itemWidth, n.itemWidth) << "class " << os;
    EXPECT_EQ(e.itemHeight, n.itemHeight) << "class " << os;
  }
  // The Win32s estimate of an empty text is its three pixels of padding.
  EXPECT_EQ(3u + 33u, Measure(t.menu, none, MenuEnvironment::LookFor(OsWin32s, false)).itemWidth);
  EXPECT_EQ(33u, Measure(t.menu, none, kClassic).itemWidth);
}

TEST(MenuMeasure, ItemWithoutRecordIsLeftAlone) {
  TestMenu t;
  MEASUREITEMSTRUCT m{};
  m.CtlType = ODT_MENU;
  m.itemWidth = 77;
  m.itemHeight = 5;
  m.itemData = 0;
  MenuItemMeasurer(t.menu.Settings(), kFlat).Measure(&m);
  t.menu.MeasureItem(&m);
  EXPECT_EQ(77u, m.itemWidth);
  EXPECT_EQ(5u, m.itemHeight);
}

// The menu's own MeasureItem follows the look of the system it runs on; the
// test runs under several Windows version settings.
TEST(MenuMeasure, MeasureItemFollowsTheRunningSystem) {
  TestMenu t;
  MenuItemData* item = t.Add(L"Paste\tCtrl+V", MF_STRING, 101);
  MEASUREITEMSTRUCT m{};
  m.CtlType = ODT_MENU;
  m.itemData = reinterpret_cast<ULONG_PTR>(item);
  t.menu.MeasureItem(&m);

  const MenuLookFacts current = MenuEnvironment::CurrentLook();
  EXPECT_EQ(Measure(t.menu, item, current).itemWidth, m.itemWidth);
  EXPECT_EQ(std::max(MenuBarHeight(), current.flatDrawing ? 22u : 19u), m.itemHeight);
  const UINT column = current.flatDrawing ? 31u : 33u;
  const UINT text =
      current.osClass == OsWin32s
          ? EstimatedWidth("Paste\tCtrl+V", wcslen(L"Paste\tCtrl+V"))
          : static_cast<UINT>(ScreenTextWidth(L"Paste\tCtrl+V", current.recognisedOs));
  EXPECT_EQ(text + column, m.itemWidth);
}

// The menu font and bar height are read once and kept; when the system says
// its settings changed they are read again and the old font is freed.
TEST(MenuMeasure, MenuMetricsAreKeptUntilTheSystemSettingsChange) {
  const HFONT kept = MenuMetrics::Font();
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept, MenuMetrics::Font());
  EXPECT_EQ(GetSystemMetrics(SM_CYMENU), MenuMetrics::MenuBarHeight());
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  LOGFONTA font{};
  ASSERT_EQ(static_cast<int>(sizeof(font)), GetObjectA(kept, sizeof(font), &font));
  EXPECT_STREQ(metrics.lfMenuFont.lfFaceName, font.lfFaceName);
  EXPECT_EQ(metrics.lfMenuFont.lfHeight, font.lfHeight);

  AfxNoteSystemSettingsChange();
  const HFONT renewed = MenuMetrics::Font();
  EXPECT_NE(renewed, nullptr);
  EXPECT_NE(renewed, kept);
  EXPECT_EQ(GetObjectType(kept), 0u);
}

// Labels are measured on a DC kept with the menu font; when the menu font
// changes and the system says so, they are measured in the new font.
TEST(MenuMeasure, ASettingsChangeMeasuresInTheNewMenuFont) {
  NONCLIENTMETRICSA before{};
  before.cbSize = sizeof(before);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(before), &before, 0));
  TestMenu t;
  const wchar_t* text = L"Properties\tAlt+Enter";
  MenuItemData* item = t.Add(text, MF_STRING, 101);
  const UINT oldWidth = Measure(t.menu, item, kFlat).itemWidth;
  ASSERT_EQ(static_cast<UINT>(ScreenTextWidth(text, true) + 31), oldWidth);

  NONCLIENTMETRICSA larger = before;
  larger.lfMenuFont.lfHeight = before.lfMenuFont.lfHeight < 0 ? -24 : 24;
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof(larger), &larger, 0));
  AfxNoteSystemSettingsChange();
  const LONG newText = ScreenTextWidth(text, true);
  const UINT newWidth = Measure(t.menu, item, kFlat).itemWidth;

  SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof(before), &before, 0);
  AfxNoteSystemSettingsChange();
  EXPECT_GT(newWidth, oldWidth);
  EXPECT_EQ(static_cast<UINT>(newText + 31), newWidth);
  EXPECT_EQ(oldWidth, Measure(t.menu, item, kFlat).itemWidth);
}

}  // namespace
