// Loading TrellMenus from menu resources: sub-menus, separators, the plain
// menu bar, aligned accelerators, reloading, and damaged templates.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MenuLoadResources.h"
#include "MenuTestSupport.h"
#include "controls/menu/MenuItemData.h"
#include "controls/menu/TrellMenu.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/HandleMapBase.h"

namespace {

using menutest::ItemData;
using menutest::ItemType;
using menutest::Record;

std::string RecordText(const TrellMenu& menu, int i) {
  return Record(menu, i)->GetTextAnsi().GetString();
}

std::string PlatformString(HMENU menu, UINT position) {
  char buffer[256] = {};
  GetMenuStringA(menu, position, buffer, sizeof(buffer), MF_BYPOSITION);
  return buffer;
}

// The permanent TrellMenu of the popup at position, or null.
TrellMenu* SubMenu(const TrellMenu& menu, int position) {
  CMenu* sub = CMenu::FromHandlePermanent(GetSubMenu(menu.m_hMenu, position));
  if (sub == nullptr || !sub->IsKindOf(RUNTIME_CLASS(TrellMenu))) {
    return nullptr;
  }
  return static_cast<TrellMenu*>(sub);
}

// Checks that every item of a loaded sub-menu is owner-drawn and carries its
// own record, in order.
void ExpectOwnerDrawnRecords(const TrellMenu& menu, int line) {
  SCOPED_TRACE(testing::Message() << "from line " << line);
  const int count = GetMenuItemCount(menu.m_hMenu);
  ASSERT_EQ(count, menu.m_items.GetSize());
  for (int i = 0; i < count; ++i) {
    EXPECT_NE(0u, ItemType(menu.m_hMenu, i) & MFT_OWNERDRAW) << "item " << i;
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(Record(menu, i)), ItemData(menu.m_hMenu, i));
  }
}

// Widths of labels in the menu font on a screen DC, as a reader of the menu
// would see them.
class LabelMeter {
 public:
  LabelMeter() {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    m_font = CreateFontIndirectA(&metrics.lfMenuFont);
    m_dc = GetDC(nullptr);
    m_previous = SelectObject(m_dc, m_font);
  }
  LabelMeter(const LabelMeter&) = delete;
  LabelMeter& operator=(const LabelMeter&) = delete;
  ~LabelMeter() {
    SelectObject(m_dc, m_previous);
    ReleaseDC(nullptr, m_dc);
    DeleteObject(m_font);
  }
  int Width(const std::string& text) const {
    SIZE size = {};
    GetTextExtentPoint32A(m_dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  }

 private:
  HFONT m_font = nullptr;
  HDC m_dc = nullptr;
  HGDIOBJ m_previous = nullptr;
};

// Every test leaves as many records, menu objects, permanent menus and GDI
// objects alive as it found.
class MenuLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_records = MenuItemData::LiveCount();
    m_menus = TrellMenu::LiveCount();
    m_permanent = CMenu::PermanentCount();
    m_gdi = CGdiObject::LiveObjectCount();
    m_dcs = CDC::LiveDCCount();
    m_subHandles = TrellMenu::s_subMenuHandles.GetSize();
  }
  void TearDown() override {
    HandleMapBase::DeleteAllTemporaries();
    EXPECT_EQ(m_records, MenuItemData::LiveCount());
    EXPECT_EQ(m_menus, TrellMenu::LiveCount());
    EXPECT_EQ(m_permanent, CMenu::PermanentCount());
    EXPECT_EQ(m_gdi, CGdiObject::LiveObjectCount());
    EXPECT_EQ(m_dcs, CDC::LiveDCCount());
    EXPECT_EQ(m_subHandles, TrellMenu::s_subMenuHandles.GetSize());
  }
  std::size_t m_records = 0;
  std::size_t m_menus = 0;
  std::size_t m_permanent = 0;
  std::size_t m_gdi = 0;
  std::size_t m_dcs = 0;
  std::ptrdiff_t m_subHandles = 0;
};

}  // namespace

TEST_F(MenuLoadTest, OnePopupBecomesAStringItemOverAnOwnerDrawnSubMenu) {
  TrellMenu menu;
  menu.m_checkBitmapId = 7;
  menu.m_selectedCheckBitmapId = 8;
  ASSERT_TRUE(menu.LoadMenu(IDM_ONE_POPUP));
  EXPECT_TRUE(menu.m_loaded);
  EXPECT_EQ(m_menus + 2, TrellMenu::LiveCount());
  EXPECT_EQ(m_records + 3, MenuItemData::LiveCount());

  // The bar: one plain string popup with its record.
  ASSERT_EQ(1, GetMenuItemCount(menu.m_hMenu));
  ASSERT_EQ(1, menu.m_items.GetSize());
  EXPECT_EQ(0u, ItemType(menu.m_hMenu, 0) & (MFT_OWNERDRAW | MFT_SEPARATOR));
  EXPECT_EQ("&File", PlatformString(menu.m_hMenu, 0));
  HMENU popup = GetSubMenu(menu.m_hMenu, 0);
  ASSERT_NE(nullptr, popup);
  EXPECT_EQ(static_cast<UINT>(MF_BYPOSITION | MF_POPUP), Record(menu, 0)->menuFlags);
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(popup), Record(menu, 0)->commandId);
  EXPECT_EQ("&File", RecordText(menu, 0));
  EXPECT_TRUE(TrellMenu::IsOwnedSubMenu(popup));

  // The sub-menu: a TrellMenu with two owner-drawn commands, MF_END dropped.
  TrellMenu* sub = SubMenu(menu, 0);
  ASSERT_NE(nullptr, sub);
  ExpectOwnerDrawnRecords(*sub, __LINE__);
  ASSERT_EQ(2, sub->m_items.GetSize());
  EXPECT_EQ("&Open", RecordText(*sub, 0));
  EXPECT_EQ("&Save", RecordText(*sub, 1));
  EXPECT_EQ(static_cast<UINT_PTR>(ID_OPEN), Record(*sub, 0)->commandId);
  EXPECT_EQ(static_cast<UINT_PTR>(ID_SAVE), Record(*sub, 1)->commandId);
  EXPECT_EQ(static_cast<UINT>(MF_OWNERDRAW), Record(*sub, 0)->menuFlags);
  EXPECT_EQ(static_cast<UINT>(MF_OWNERDRAW), Record(*sub, 1)->menuFlags);
  EXPECT_EQ(static_cast<UINT>(ID_SAVE), GetMenuItemID(popup, 1));
  EXPECT_FALSE(sub->m_loaded);

  // The sub-menu shares the loaded menu's check-mark settings.
  EXPECT_EQ(7, sub->m_checkBitmapId);
  EXPECT_EQ(8, sub->m_selectedCheckBitmapId);
  EXPECT_TRUE(sub->m_checkImagesShared);

  // Destroying the menu deletes the sub-menu object it created.
  EXPECT_TRUE(menu.DestroyMenu());
  EXPECT_FALSE(IsMenu(popup));
  EXPECT_EQ(m_menus + 1, TrellMenu::LiveCount());
  EXPECT_FALSE(TrellMenu::IsOwnedSubMenu(popup));
}

TEST_F(MenuLoadTest, NestedPopupsContinueAndCloseTheirLevels) {
  TrellMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDM_NESTED));

  // The bar: "&File", "&Edit" popups and the "&Help" command, all plain.
  ASSERT_EQ(3, GetMenuItemCount(menu.m_hMenu));
  ASSERT_EQ(3, menu.m_items.GetSize());
  for (UINT q = 0; q < 3; ++q) {
    EXPECT_EQ(0u, ItemType(menu.m_hMenu, q) & MFT_OWNERDRAW) << q;
  }
  EXPECT_EQ("&Help", PlatformString(menu.m_hMenu, 2));
  EXPECT_EQ(static_cast<UINT>(ID_HELP), GetMenuItemID(menu.m_hMenu, 2));
  EXPECT_EQ(static_cast<UINT>(MF_BYPOSITION), Record(menu, 2)->menuFlags);
  EXPECT_EQ(static_cast<UINT>(MF_BYPOSITION | MF_POPUP), Record(menu, 1)->menuFlags);

  // "&File" goes on after its "&Recent" sub-menu has ended.
  TrellMenu* file = SubMenu(menu, 0);
  ASSERT_NE(nullptr, file);
  ExpectOwnerDrawnRecords(*file, __LINE__);
  ASSERT_EQ(3, file->m_items.GetSize());
  EXPECT_EQ("&New", RecordText(*file, 0));
  EXPECT_EQ("&Recent", RecordText(*file, 1));
  EXPECT_EQ("E&xit", RecordText(*file, 2));
  EXPECT_EQ(static_cast<UINT>(MF_POPUP | MF_OWNERDRAW), Record(*file, 1)->menuFlags);
  TrellMenu* recent = SubMenu(*file, 1);
  ASSERT_NE(nullptr, recent);
  ExpectOwnerDrawnRecords(*recent, __LINE__);
  ASSERT_EQ(2, recent->m_items.GetSize());
  EXPECT_EQ(static_cast<UINT_PTR>(ID_RECENT_TWO), Record(*recent, 1)->commandId);

  // "&Edit" -> "&Deep" -> "D&eeper" -> "&Leaf": the leaf's MF_END closes all
  // three, and the bar continues with "&Help".
  TrellMenu* edit = SubMenu(menu, 1);
  ASSERT_NE(nullptr, edit);
  ExpectOwnerDrawnRecords(*edit, __LINE__);
  ASSERT_EQ(1, edit->m_items.GetSize());
  TrellMenu* deep = SubMenu(*edit, 0);
  ASSERT_NE(nullptr, deep);
  ASSERT_EQ(1, deep->m_items.GetSize());
  TrellMenu* deeper = SubMenu(*deep, 0);
  ASSERT_NE(nullptr, deeper);
  ExpectOwnerDrawnRecords(*deeper, __LINE__);
  ASSERT_EQ(1, deeper->m_items.GetSize());
  EXPECT_EQ("&Leaf", RecordText(*deeper, 0));

  // Each sub-menu belongs to the menu it was appended to.
  EXPECT_EQ(2, menu.m_subMenuHandles.GetSize());
  EXPECT_EQ(1, file->m_subMenuHandles.GetSize());
  EXPECT_EQ(m_menus + 6, TrellMenu::LiveCount());

  // Lookups reach into the loaded sub-menus.
  CString text;
  EXPECT_TRUE(menu.GetItemText(ID_LEAF, text, MF_BYCOMMAND));
  EXPECT_STREQ("&Leaf", text.GetString());
}

TEST_F(MenuLoadTest, DeepestAcceptedNestingLoadsAndDeeperIsRefused) {
  TrellMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDM_DEEPEST));
  // Walked through the objects: the platform itself may refuse to hang
  // popups this deep into one another (Wine stops at 30 levels).
  int levels = 0;
  for (const TrellMenu* level = &menu; level->m_subMenuHandles.GetSize() == 1; ++levels) {
    CMenu* sub = CMenu::FromHandlePermanent(static_cast<HMENU>(level->m_subMenuHandles.GetAt(0)));
    ASSERT_NE(nullptr, sub);
    ASSERT_TRUE(sub->IsKindOf(RUNTIME_CLASS(TrellMenu)));
    level = static_cast<const TrellMenu*>(sub);
    ASSERT_EQ(1, level->m_items.GetSize());
  }
  EXPECT_EQ(63, levels);
  HMENU before = menu.m_hMenu;

  EXPECT_FALSE(menu.LoadMenu(IDM_TOO_DEEP));
  EXPECT_EQ(before, menu.m_hMenu);
  EXPECT_EQ(m_menus + 1 + 63, TrellMenu::LiveCount());
}

TEST_F(MenuLoadTest, SeparatorGetsItsOwnRecord) {
  TrellMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDM_SEPARATOR));
  TrellMenu* view = SubMenu(menu, 0);
  ASSERT_NE(nullptr, view);
  ExpectOwnerDrawnRecords(*view, __LINE__);
  ASSERT_EQ(3, view->m_items.GetSize());
  EXPECT_EQ(static_cast<UINT>(MF_SEPARATOR | MF_OWNERDRAW), Record(*view, 1)->menuFlags);
  EXPECT_EQ(0u, Record(*view, 1)->commandId);
  EXPECT_NE(0u, ItemType(view->m_hMenu, 1) & MFT_SEPARATOR);
  EXPECT_EQ(static_cast<UINT_PTR>(ID_FULL_SCREEN), Record(*view, 2)->commandId);
}

TEST_F(MenuLoadTest, AcceleratorLabelsArePaddedToTheWidestLabelAndASpace) {
  TrellMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDM_ACCELERATORS));
  const LabelMeter meter;
  struct Expected {
    int position;
    const char* label;
    const char* accelerator;  // null: the item has none
  };
  const std::vector<std::vector<Expected>> menus = {
      {{0, "&New", "Ctrl+N"},
       {1, "Save &As...", "Ctrl+Shift+S"},
       {2, "Properties of the whole document", nullptr}},
      {{0, "Cu&t", "Ctrl+X"}, {1, "Paste &Special...", "Ctrl+Alt+V"}},
  };
  for (int m = 0; m < 2; ++m) {
    SCOPED_TRACE(testing::Message() << "popup " << m);
    TrellMenu* sub = SubMenu(menu, m);
    ASSERT_NE(nullptr, sub);
    ASSERT_EQ(static_cast<std::ptrdiff_t>(menus[m].size()), sub->m_items.GetSize());
    int widest = 0;
    for (const Expected& e : menus[m]) {
      widest = std::max(widest, meter.Width(std::string(e.label) + " "));
    }
    for (const Expected& e : menus[m]) {
      const std::string text = RecordText(*sub, e.position);
      if (e.accelerator == nullptr) {
        EXPECT_EQ(e.label, text);
        continue;
      }
      const std::string::size_type tab = text.find('\t');
      ASSERT_NE(std::string::npos, tab) << text;
      EXPECT_EQ(e.accelerator, text.substr(tab + 1));
      const std::string padded = text.substr(0, tab);
      // The label followed by spaces only, just enough of them.
      ASSERT_EQ(0u, padded.find(e.label)) << padded;
      const std::string spaces = padded.substr(std::string(e.label).size());
      EXPECT_EQ(std::string(spaces.size(), ' '), spaces);
      EXPECT_GE(meter.Width(padded), widest) << padded;
      ASSERT_FALSE(spaces.empty());
      EXPECT_LT(meter.Width(padded.substr(0, padded.size() - 1)), widest) << padded;
    }
  }
  // Where the widest label has an accelerator, it gets exactly one space.
  EXPECT_EQ("Paste &Special... \tCtrl+Alt+V", RecordText(*SubMenu(menu, 1), 1));
}

TEST_F(MenuLoadTest, AligningSkipsItemsThatHaveNoRecord) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  ASSERT_TRUE(menu.AppendMenu(L"&Go\tF5", MF_STRING, 1));
  // An item put in by other code, with a far wider label but no record.
  ASSERT_TRUE(menu.CMenu::AppendMenu(MF_STRING, 2, "A far wider label than the other\tF6"));
  menu.AlignTabColumns();
  EXPECT_EQ(1, menu.m_items.GetSize());
  EXPECT_EQ("&Go \tF5", RecordText(menu, 0));
  EXPECT_EQ("A far wider label than the other\tF6", PlatformString(menu.m_hMenu, 1));
}

TEST_F(MenuLoadTest, AVeryLongLabelPadsTheOthersJustEnough) {
  // 12,000 characters: the short label needs thousands of spaces, which are
  // counted from the width of one, then checked against the real width.
  const std::string wide(12000, 'W');
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  ASSERT_TRUE(menu.AppendMenu(std::wstring(wide.begin(), wide.end()).append(L"\tF1").c_str(),
                              MF_STRING, 1));
  ASSERT_TRUE(menu.AppendMenu(L"&Go\tF5", MF_STRING, 2));
  menu.AlignTabColumns();
  EXPECT_EQ(wide + " \tF1", RecordText(menu, 0));
  const std::string text = RecordText(menu, 1);
  const std::string padded = text.substr(0, text.find('\t'));
  ASSERT_EQ(0u, padded.find("&Go "));
  EXPECT_EQ(std::string::npos, padded.find_first_not_of(' ', 3));
  const LabelMeter meter;
  const int widest = meter.Width(wide + " ");
  EXPECT_GE(meter.Width(padded), widest);
  EXPECT_LT(meter.Width(padded.substr(0, padded.size() - 1)), widest);
}

TEST_F(MenuLoadTest, LoadingByNameAndByTheIdsLowWord) {
  TrellMenu named;
  ASSERT_TRUE(named.LoadMenu("NAMEDMENU"));
  EXPECT_EQ("&Named", PlatformString(named.m_hMenu, 0));

  TrellMenu byId;
  ASSERT_TRUE(byId.LoadMenu(0x10000u | IDM_ONE_POPUP));
  EXPECT_EQ("&File", PlatformString(byId.m_hMenu, 0));
}

TEST_F(MenuLoadTest, LoadingAgainDeletesTheFirstLoadsSubMenus) {
  TrellMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDM_NESTED));
  std::vector<HMENU> first;
  for (std::ptrdiff_t i = 0; i < menu.m_subMenuHandles.GetSize(); ++i) {
    first.push_back(static_cast<HMENU>(menu.m_subMenuHandles.GetAt(i)));
  }
  HMENU firstBar = menu.m_hMenu;
  ASSERT_EQ(2u, first.size());

  ASSERT_TRUE(menu.LoadMenu(IDM_SEPARATOR));
  for (HMENU h : first) {
    EXPECT_FALSE(IsMenu(h));
    EXPECT_FALSE(TrellMenu::IsOwnedSubMenu(h));
  }
  EXPECT_FALSE(IsMenu(firstBar));
  // Only the second load's objects remain: the bar and "&View", 1 + 3 records.
  EXPECT_EQ(m_menus + 2, TrellMenu::LiveCount());
  EXPECT_EQ(m_records + 4, MenuItemData::LiveCount());
  // The bar of a reloaded menu is plain again.
  ASSERT_EQ(1, GetMenuItemCount(menu.m_hMenu));
  EXPECT_EQ(0u, ItemType(menu.m_hMenu, 0) & MFT_OWNERDRAW);
  EXPECT_EQ("&View", PlatformString(menu.m_hMenu, 0));
  EXPECT_TRUE(menu.m_loaded);
}

TEST_F(MenuLoadTest, MissingResourceLeavesTheMenuUnchanged) {
  TrellMenu empty;
  EXPECT_FALSE(empty.LoadMenu(IDM_MISSING));
  EXPECT_EQ(nullptr, empty.m_hMenu);
  EXPECT_FALSE(empty.m_loaded);

  TrellMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDM_ONE_POPUP));
  HMENU bar = menu.m_hMenu;
  MenuItemData* record = Record(menu, 0);
  EXPECT_FALSE(menu.LoadMenu(IDM_MISSING));
  EXPECT_FALSE(menu.LoadMenu("NOSUCHMENU"));
  EXPECT_EQ(bar, menu.m_hMenu);
  ASSERT_EQ(1, menu.m_items.GetSize());
  EXPECT_EQ(record, Record(menu, 0));
  EXPECT_TRUE(IsMenu(GetSubMenu(bar, 0)));
}

TEST_F(MenuLoadTest, WellFormedRawTemplateLoads) {
  // The damaged templates below differ from this one only in their damage.
  TrellMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDM_RAW_GOOD));
  EXPECT_EQ("F", PlatformString(menu.m_hMenu, 0));
  TrellMenu* sub = SubMenu(menu, 0);
  ASSERT_NE(nullptr, sub);
  ASSERT_EQ(1, sub->m_items.GetSize());
  EXPECT_EQ("A", RecordText(*sub, 0));
  EXPECT_EQ(static_cast<UINT_PTR>(ID_OPEN), Record(*sub, 0)->commandId);
}

TEST_F(MenuLoadTest, DamagedTemplatesFailCleanly) {
  const struct {
    UINT id;
    const char* what;
  } damaged[] = {
      {IDM_RAW_HEADER_PAST_END, "header offset past the end"},
      {IDM_RAW_TRUNCATED_TEXT, "text without terminator"},
      {IDM_RAW_MISSING_END, "bar without its last item"},
      {IDM_RAW_UNCLOSED, "sub-menu that never closes"},
      {IDM_RAW_TRUNCATED_ID, "item cut off before its id"},
      {IDM_RAW_EMPTY, "no header"},
      {IDM_TOO_DEEP, "nesting too deep"},
  };
  for (const auto& d : damaged) {
    SCOPED_TRACE(d.what);
    ASSERT_NE(nullptr, FindResourceA(nullptr, MAKEINTRESOURCEA(d.id), RT_MENU));

    // A new menu stays empty: no platform menu, record or object is made.
    {
      TrellMenu menu;
      EXPECT_FALSE(menu.LoadMenu(d.id));
      EXPECT_EQ(nullptr, menu.m_hMenu);
      EXPECT_EQ(0, menu.m_items.GetSize());
      EXPECT_FALSE(menu.m_loaded);
      EXPECT_EQ(m_menus + 1, TrellMenu::LiveCount());
      EXPECT_EQ(m_records, MenuItemData::LiveCount());
      EXPECT_EQ(m_permanent, CMenu::PermanentCount());
      EXPECT_EQ(m_subHandles, TrellMenu::s_subMenuHandles.GetSize());
    }

    // A loaded menu keeps what it had.
    TrellMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_ONE_POPUP));
    HMENU bar = menu.m_hMenu;
    HMENU popup = GetSubMenu(bar, 0);
    const std::size_t records = MenuItemData::LiveCount();
    EXPECT_FALSE(menu.LoadMenu(d.id));
    EXPECT_EQ(bar, menu.m_hMenu);
    EXPECT_TRUE(IsMenu(popup));
    EXPECT_TRUE(TrellMenu::IsOwnedSubMenu(popup));
    EXPECT_EQ(records, MenuItemData::LiveCount());
    EXPECT_EQ(m_menus + 2, TrellMenu::LiveCount());
    EXPECT_EQ("&Open", RecordText(*SubMenu(menu, 0), 0));
  }
}

TEST_F(MenuLoadTest, RepeatedLoadsLeaveNothingBehind) {
  TrellMenu menu;
  std::vector<HMENU> handles;
  for (int round = 0; round < 50; ++round) {
    ASSERT_TRUE(menu.LoadMenu(round % 2 ? IDM_NESTED : IDM_ACCELERATORS));
    handles.push_back(menu.m_hMenu);
  }
  EXPECT_EQ(m_menus + 6, TrellMenu::LiveCount());
  menu.DestroyMenu();
  for (HMENU h : handles) {
    EXPECT_FALSE(IsMenu(h));
  }
  EXPECT_EQ(m_records, MenuItemData::LiveCount());
  EXPECT_EQ(m_menus + 1, TrellMenu::LiveCount());
}
