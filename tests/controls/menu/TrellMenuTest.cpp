// Building, looking up, re-synchronising and destroying TrellMenus.
#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "controls/menu/MenuItemData.h"
#include "controls/menu/TrellMenu.h"
#include "framework/HandleMapBase.h"

namespace {

using menutest::ItemData;
using menutest::ItemType;
using menutest::Record;

bool Lists(const CPtrArray& handles, HMENU menu) {
  for (std::ptrdiff_t i = 0; i < handles.GetSize(); ++i) {
    if (handles.GetAt(i) == menu) {
      return true;
    }
  }
  return false;
}

// Frees the temporary CMenu wrappers lookups made, as the idle loop would.
class TrellMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_records = MenuItemData::LiveCount();
    m_menus = TrellMenu::LiveCount();
  }
  void TearDown() override {
    HandleMapBase::DeleteAllTemporaries();
    EXPECT_EQ(m_records, MenuItemData::LiveCount());
    EXPECT_EQ(m_menus, TrellMenu::LiveCount());
  }
  std::size_t m_records = 0;
  std::size_t m_menus = 0;
};

}  // namespace

TEST_F(TrellMenuTest, IsKnownByItsRunTimeClass) {
  TrellMenu menu;
  CMenu plain;
  EXPECT_TRUE(menu.IsKindOf(RUNTIME_CLASS(TrellMenu)));
  EXPECT_TRUE(menu.IsKindOf(RUNTIME_CLASS(CMenu)));
  EXPECT_FALSE(plain.IsKindOf(RUNTIME_CLASS(TrellMenu)));
  EXPECT_STREQ("TrellMenu", menu.GetRuntimeClass()->m_lpszClassName);
  EXPECT_EQ(16, menu.m_imageWidth);
  EXPECT_EQ(15, menu.m_imageHeight);
  EXPECT_EQ(RGB(192, 192, 192), menu.m_maskColor);
  EXPECT_EQ(-1, menu.m_checkBitmapId);
  EXPECT_EQ(-1, menu.m_selectedCheckBitmapId);
  EXPECT_FALSE(menu.m_loaded);
}

TEST_F(TrellMenuTest, CommandItemsAreAlwaysOwnerDrawn) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  EXPECT_TRUE(menu.AppendMenu(L"&Open\tCtrl+O", MF_STRING, 100));
  EXPECT_TRUE(menu.AppendMenu(L"Grey", MF_GRAYED, 101));
  ASSERT_EQ(2, menu.m_items.GetSize());
  EXPECT_EQ(static_cast<UINT>(MF_OWNERDRAW), Record(menu, 0)->menuFlags);
  EXPECT_EQ(static_cast<UINT>(MF_GRAYED | MF_OWNERDRAW), Record(menu, 1)->menuFlags);
  EXPECT_EQ(100u, Record(menu, 0)->commandId);
  EXPECT_STREQ(L"&Open\tCtrl+O", Record(menu, 0)->text);
  EXPECT_EQ(-1, Record(menu, 0)->sharedImageIndex);
  for (UINT p = 0; p < 2; ++p) {
    EXPECT_TRUE(GetMenuState(menu.m_hMenu, p, MF_BYPOSITION) & MF_OWNERDRAW);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(Record(menu, p)), ItemData(menu.m_hMenu, p));
  }
  EXPECT_EQ(100u, GetMenuItemID(menu.m_hMenu, 0));
}

TEST_F(TrellMenuTest, IdZeroMakesASeparatorKeepingOnlyByPosition) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(L"ignored", MF_STRING | MF_CHECKED | MF_GRAYED | MF_POPUP, 0);
  menu.AppendMenu(nullptr, MF_BYPOSITION | MF_MENUBREAK, 0);
  ASSERT_EQ(2, menu.m_items.GetSize());
  EXPECT_EQ(static_cast<UINT>(MF_SEPARATOR | MF_OWNERDRAW), Record(menu, 0)->menuFlags);
  EXPECT_EQ(static_cast<UINT>(MF_BYPOSITION | MF_SEPARATOR | MF_OWNERDRAW),
            Record(menu, 1)->menuFlags);
  EXPECT_EQ(0u, Record(menu, 0)->commandId);
  EXPECT_STREQ(L"ignored", Record(menu, 0)->text);  // the text is still kept
  EXPECT_EQ(nullptr, Record(menu, 1)->text);
  const UINT state = GetMenuState(menu.m_hMenu, 0, MF_BYPOSITION);
  EXPECT_TRUE(state & MF_SEPARATOR);
  EXPECT_TRUE(state & MF_OWNERDRAW);
  EXPECT_FALSE(state & (MF_CHECKED | MF_POPUP));
  EXPECT_FALSE(TrellMenu::IsOwnedSubMenu(HMENU()));
}

TEST_F(TrellMenuTest, PopupHandlesAreListedUntilDestroyMenu) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  HMENU sub = CreatePopupMenu();
  ASSERT_NE(nullptr, sub);
  const std::ptrdiff_t shared = TrellMenu::s_subMenuHandles.GetSize();
  EXPECT_TRUE(menu.AppendMenu(L"&More", MF_POPUP, reinterpret_cast<UINT_PTR>(sub)));
  EXPECT_TRUE(Lists(menu.m_subMenuHandles, sub));
  EXPECT_TRUE(Lists(TrellMenu::s_subMenuHandles, sub));
  EXPECT_EQ(shared + 1, TrellMenu::s_subMenuHandles.GetSize());
  EXPECT_TRUE(TrellMenu::IsOwnedSubMenu(sub));
  EXPECT_TRUE(TrellMenu::IsOwnedSubMenu(CMenu::FromHandle(sub)));
  EXPECT_FALSE(TrellMenu::IsOwnedSubMenu(&menu));
  EXPECT_FALSE(TrellMenu::IsOwnedSubMenu(static_cast<CMenu*>(nullptr)));
  EXPECT_EQ(static_cast<UINT>(MF_POPUP | MF_OWNERDRAW), Record(menu, 0)->menuFlags);
  EXPECT_TRUE(ItemType(menu.m_hMenu, 0) & MFT_OWNERDRAW);
  EXPECT_EQ(sub, GetSubMenu(menu.m_hMenu, 0));

  HMENU whole = menu.m_hMenu;
  EXPECT_TRUE(menu.DestroyMenu());
  EXPECT_EQ(nullptr, menu.m_hMenu);
  EXPECT_EQ(0, menu.m_items.GetSize());
  EXPECT_EQ(0, menu.m_subMenuHandles.GetSize());
  EXPECT_FALSE(Lists(TrellMenu::s_subMenuHandles, sub));
  EXPECT_EQ(shared, TrellMenu::s_subMenuHandles.GetSize());
  EXPECT_FALSE(TrellMenu::IsOwnedSubMenu(sub));
  EXPECT_FALSE(IsMenu(whole));
  EXPECT_FALSE(IsMenu(sub));  // the platform destroys sub-menus with their menu
}

TEST_F(TrellMenuTest, DestroyMenuDeletesOwnedSubMenusAndEmptiesTheCallers) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  TrellMenu* owned = TrellMenu::NewOwnedSubMenu();
  ASSERT_TRUE(owned->CreatePopupMenu());
  owned->AppendMenu(L"Inner", 0, 7);
  TrellMenu callers;
  ASSERT_TRUE(callers.CreatePopupMenu());
  callers.AppendMenu(L"Theirs", 0, 8);
  menu.AppendMenu(L"Owned", MF_POPUP, reinterpret_cast<UINT_PTR>(owned->m_hMenu));
  menu.AppendMenu(L"Callers", MF_POPUP, reinterpret_cast<UINT_PTR>(callers.m_hMenu));
  EXPECT_EQ(m_menus + 3, TrellMenu::LiveCount());
  EXPECT_EQ(owned, menu.GetSubMenu(0));  // the permanent object
  EXPECT_EQ(&callers, menu.GetSubMenu(1));

  EXPECT_TRUE(menu.DestroyMenu());
  EXPECT_EQ(m_menus + 2, TrellMenu::LiveCount());  // owned is gone
  EXPECT_EQ(nullptr, callers.m_hMenu);
  EXPECT_EQ(0, callers.m_items.GetSize());
}

TEST_F(TrellMenuTest, DestroyMenuOfAnEmptyMenu) {
  TrellMenu menu;
  EXPECT_FALSE(menu.DestroyMenu());
  EXPECT_EQ(0, menu.m_items.GetSize());
  menu.m_loaded = TRUE;
  ASSERT_TRUE(menu.CreatePopupMenu());
  EXPECT_TRUE(menu.DestroyMenu());
  EXPECT_TRUE(menu.m_loaded);  // never cleared
}

TEST_F(TrellMenuTest, SharedCheckImagesStayWithTheirOwner) {
  CImageList shared;
  ASSERT_TRUE(shared.Create(16, 15, ILC_COLORDDB | ILC_MASK, 2, 1));
  const std::size_t lists = CImageList::LiveCount();
  {
    TrellMenu borrower;
    borrower.m_checkImages = &shared;
    borrower.m_checkImagesShared = TRUE;
    ASSERT_TRUE(borrower.CreatePopupMenu());
    borrower.DestroyMenu();
    EXPECT_EQ(&shared, borrower.m_checkImages);
    TrellMenu owner;
    owner.m_checkImages = new CImageList;
    owner.m_checkImages->Create(16, 15, ILC_COLORDDB | ILC_MASK, 2, 1);
    EXPECT_EQ(lists + 1, CImageList::LiveCount());
    owner.DestroyMenu();
    EXPECT_EQ(nullptr, owner.m_checkImages);
    borrower.m_checkImages = nullptr;
  }
  EXPECT_EQ(lists, CImageList::LiveCount());
  EXPECT_NE(nullptr, shared.GetSafeHandle());
}

TEST_F(TrellMenuTest, FindMnemonic) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(L"&Open", 0, 1);
  menu.AppendMenu(L"Salt &&Pepper", 0, 2);
  menu.AppendMenu(L"", 0, 0);
  menu.AppendMenu(L"E&xit", 0, 3);
  menu.AppendMenu(L"Ne&xt", 0, 4);
  const LRESULT exitItem = 3 | (MNC_EXECUTE << 16);
  EXPECT_EQ(exitItem, TrellMenu::FindMnemonic('X', MF_POPUP, &menu));  // first of two wins
  EXPECT_EQ(exitItem, TrellMenu::FindMnemonic('x', MF_POPUP, &menu));
  EXPECT_EQ(1 | (MNC_EXECUTE << 16), TrellMenu::FindMnemonic('p', MF_POPUP, &menu));
  EXPECT_EQ(0, TrellMenu::FindMnemonic('q', MF_POPUP, &menu));
  EXPECT_EQ(0, TrellMenu::FindMnemonic('o', 0, &menu));  // not a popup
  EXPECT_EQ(0, TrellMenu::FindMnemonic('o', MF_POPUP, nullptr));
}

TEST_F(TrellMenuTest, FindMnemonicOnAMenuThatIsNoTrellMenuFindsNothing) {
  HMENU plain = CreatePopupMenu();
  AppendMenuA(plain, MF_STRING, 1, "&Open");
  EXPECT_EQ(0, TrellMenu::FindMnemonic('o', MF_POPUP, CMenu::FromHandle(plain)));
  HandleMapBase::DeleteAllTemporaries();
  DestroyMenu(plain);
}

TEST_F(TrellMenuTest, FindMnemonicResynchronisesItemsAddedByOthers) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(L"&Open", 0, 1);
  menu.CMenu::AppendMenu(MF_STRING, 300, "&Zebra");  // a plain item by other code
  EXPECT_EQ(1, menu.m_items.GetSize());
  EXPECT_EQ(1 | (MNC_EXECUTE << 16), TrellMenu::FindMnemonic('Z', MF_POPUP, &menu));
  ASSERT_EQ(2, menu.m_items.GetSize());
  EXPECT_STREQ(L"&Zebra", Record(menu, 1)->text);
  EXPECT_EQ(300u, Record(menu, 1)->commandId);
  EXPECT_TRUE(GetMenuState(menu.m_hMenu, 1, MF_BYPOSITION) & MF_OWNERDRAW);
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(Record(menu, 1)), ItemData(menu.m_hMenu, 1));
}

TEST_F(TrellMenuTest, ResynchronizeReusesMatchingRecords) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  HMENU sub = CreatePopupMenu();
  // Command 1 sits at position 0 and the separator at position 1: the
  // separator is modified by position, never as "command 1".
  menu.AppendMenu(L"A", 0, 1);
  menu.AppendMenu(nullptr, 0, 0);
  menu.AppendMenu(L"B", MF_CHECKED, 11);
  menu.AppendMenu(L"Sub", MF_POPUP, reinterpret_cast<UINT_PTR>(sub));
  MenuItemData* before[4];
  for (int i = 0; i < 4; ++i) {
    before[i] = Record(menu, i);
  }
  const std::size_t records = MenuItemData::LiveCount();
  // Strip the item data: re-synchronising must put every record back.
  for (UINT p = 0; p < 3; ++p) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    SetMenuItemInfoA(menu.m_hMenu, p, TRUE, &info);
  }
  menu.Resynchronize();
  EXPECT_EQ(records, MenuItemData::LiveCount());
  ASSERT_EQ(4, menu.m_items.GetSize());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(before[i], Record(menu, i)) << i;
    EXPECT_EQ(1u, Record(menu, i)->claimed) << i;
  }
  for (UINT p = 0; p < 3; ++p) {
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(before[p]), ItemData(menu.m_hMenu, p)) << p;
  }
  EXPECT_EQ(static_cast<UINT>(MF_CHECKED | MF_OWNERDRAW | MF_BYPOSITION), before[2]->menuFlags);
  EXPECT_STREQ(L"B", before[2]->text);
  EXPECT_EQ(1u, GetMenuItemID(menu.m_hMenu, 0));
  EXPECT_FALSE(ItemType(menu.m_hMenu, 0) & MFT_SEPARATOR);
  EXPECT_TRUE(ItemType(menu.m_hMenu, 1) & MFT_SEPARATOR);
  EXPECT_EQ(sub, GetSubMenu(menu.m_hMenu, 3));
}

TEST_F(TrellMenuTest, ResynchronizeFollowsItemsOthersInsertedAndRemoved) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(L"A", 0, 10);
  menu.AppendMenu(L"B", 0, 11);
  menu.AppendMenu(L"C", 0, 12);
  MenuItemData* a = Record(menu, 0);
  MenuItemData* c = Record(menu, 2);
  menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 50, "Front");
  menu.InsertMenu(1, MF_BYPOSITION | MF_SEPARATOR, 0, static_cast<const char*>(nullptr));
  HMENU sub = CreatePopupMenu();
  menu.CMenu::AppendMenu(MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), "Tail");
  menu.DeleteMenu(11, MF_BYCOMMAND);  // B
  const std::size_t records = MenuItemData::LiveCount();

  menu.Resynchronize();
  // Front, separator, A, C, Tail: B's record is freed, three are new.
  ASSERT_EQ(5, menu.m_items.GetSize());
  EXPECT_EQ(records - 1 + 3, MenuItemData::LiveCount());
  EXPECT_STREQ(L"Front", Record(menu, 0)->text);
  EXPECT_EQ(50u, Record(menu, 0)->commandId);
  const UINT separator = MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW;
  EXPECT_EQ(separator, Record(menu, 1)->menuFlags & separator);
  EXPECT_EQ(a, Record(menu, 2));
  EXPECT_EQ(c, Record(menu, 3));
  EXPECT_STREQ(L"Tail", Record(menu, 4)->text);
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(sub), Record(menu, 4)->commandId);
  EXPECT_EQ(static_cast<UINT>(MF_POPUP | MF_OWNERDRAW | MF_BYPOSITION), Record(menu, 4)->menuFlags);
  for (UINT p = 0; p < 5; ++p) {
    EXPECT_TRUE(ItemType(menu.m_hMenu, p) & MFT_OWNERDRAW) << p;
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(Record(menu, p)), ItemData(menu.m_hMenu, p)) << p;
  }
  EXPECT_EQ(sub, GetSubMenu(menu.m_hMenu, 4));
}

TEST_F(TrellMenuTest, ReplaceItemAtHandsTheNewRecordToTheCaller) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(L"Old", 0, 10);
  MenuItemData* record = menu.ReplaceItemAt(0, MF_BYPOSITION | MF_OWNERDRAW, 20, "New");
  ASSERT_NE(nullptr, record);
  EXPECT_NE(Record(menu, 0), record);
  EXPECT_STREQ(L"New", record->text);
  EXPECT_EQ(20u, GetMenuItemID(menu.m_hMenu, 0));
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(record), ItemData(menu.m_hMenu, 0));
  MenuItemData* plain = menu.ReplaceItemAt(0, MF_BYPOSITION | MF_STRING, 21, "Plain");
  EXPECT_FALSE(GetMenuState(menu.m_hMenu, 0, MF_BYPOSITION) & MF_OWNERDRAW);
  delete record;
  delete plain;
}

TEST_F(TrellMenuTest, GetItemTextSearchesSubMenusDepthFirst) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  TrellMenu* first = TrellMenu::NewOwnedSubMenu();
  first->CreatePopupMenu();
  TrellMenu* nested = TrellMenu::NewOwnedSubMenu();
  nested->CreatePopupMenu();
  nested->AppendMenu(L"Deep seven", 0, 7);
  first->AppendMenu(L"Nested", MF_POPUP, reinterpret_cast<UINT_PTR>(nested->m_hMenu));
  first->AppendMenu(L"Eight", 0, 8);
  menu.AppendMenu(L"Top one", 0, 1);
  menu.AppendMenu(L"First", MF_POPUP, reinterpret_cast<UINT_PTR>(first->m_hMenu));
  menu.AppendMenu(L"Top seven", 0, 7);

  CString text;
  EXPECT_TRUE(menu.GetItemText(7, text, MF_BYCOMMAND));
  EXPECT_STREQ("Deep seven", text);
  EXPECT_TRUE(menu.GetItemText(8, text, MF_BYCOMMAND));
  EXPECT_STREQ("Eight", text);
  EXPECT_TRUE(menu.GetItemText(2, text, MF_BYPOSITION));
  EXPECT_STREQ("Top seven", text);
  text = "unchanged";
  EXPECT_FALSE(menu.GetItemText(3, text, MF_BYPOSITION));
  EXPECT_FALSE(menu.GetItemText(99, text, MF_BYCOMMAND));
  EXPECT_STREQ("unchanged", text);

  int position = 0;
  EXPECT_EQ(nested, menu.FindCommandMenu(7, position));
  EXPECT_EQ(0, position);
  EXPECT_EQ(nullptr, menu.FindCommandMenu(99, position));
  EXPECT_EQ(-1, position);
}

TEST_F(TrellMenuTest, GetItemTextIgnoresMenusThatAreNoTrellMenu) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  HMENU plain = CreatePopupMenu();
  AppendMenuA(plain, MF_STRING, 9, "Plain nine");
  menu.AppendMenu(L"Plain", MF_POPUP, reinterpret_cast<UINT_PTR>(plain));
  int position = -1;
  CMenu* holder = menu.FindCommandMenu(9, position);
  ASSERT_NE(nullptr, holder);
  EXPECT_EQ(plain, holder->m_hMenu);
  EXPECT_EQ(0, position);
  CString text;
  EXPECT_FALSE(menu.GetItemText(9, text, MF_BYCOMMAND));
  EXPECT_TRUE(text.IsEmpty());
}

TEST_F(TrellMenuTest, FirstOwnedPosition) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreateMenu());
  menu.AppendMenu(L"File", 0, 1);
  menu.AppendMenu(L"Edit", 0, 2);
  // As a loaded menu bar has them: plain string items.
  menu.ModifyMenu(0, MF_BYPOSITION | MF_STRING, 1, "File");
  menu.ModifyMenu(1, MF_BYPOSITION | MF_STRING, 2, "Edit");
  EXPECT_EQ(0, menu.FirstOwnedPosition());  // never loaded
  menu.m_loaded = TRUE;
  EXPECT_EQ(0, menu.FirstOwnedPosition());
  menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 90, "Extra");
  menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 91, "More");
  EXPECT_EQ(2, menu.FirstOwnedPosition());
  // The first match lies before its record: no offset.
  menu.DeleteMenu(0, MF_BYPOSITION);
  menu.DeleteMenu(0, MF_BYPOSITION);
  menu.DeleteMenu(0, MF_BYPOSITION);  // File: Edit now stands at 0, its record at 1
  EXPECT_EQ(0, menu.FirstOwnedPosition());
}

TEST_F(TrellMenuTest, LoadedMenusTurnPopupItemsBackIntoStrings) {
  TrellMenu menu;
  ASSERT_TRUE(menu.CreateMenu());
  menu.m_loaded = TRUE;
  HMENU sub = CreatePopupMenu();
  AppendMenuA(sub, MF_STRING, 5, "Five");
  menu.AppendMenu(L"&View", MF_POPUP, reinterpret_cast<UINT_PTR>(sub));
  menu.AppendMenu(L"&Help", 0, 6);
  EXPECT_EQ(static_cast<UINT>(MF_BYPOSITION | MF_POPUP), Record(menu, 0)->menuFlags);
  EXPECT_TRUE(GetMenuState(menu.m_hMenu, 0, MF_BYPOSITION) & MF_POPUP);
  EXPECT_FALSE(ItemType(menu.m_hMenu, 0) & MFT_OWNERDRAW);
  char text[32] = {};
  GetMenuStringA(menu.m_hMenu, 0, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ("&View", text);
  EXPECT_EQ(sub, GetSubMenu(menu.m_hMenu, 0));
  EXPECT_TRUE(IsMenu(sub));
  EXPECT_TRUE(ItemType(menu.m_hMenu, 1) & MFT_OWNERDRAW);
}

TEST_F(TrellMenuTest, NothingIsLeftAfterDestroyMenu) {
  const std::size_t permanent = CMenu::PermanentCount();
  for (int round = 0; round < 200; ++round) {
    TrellMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    for (int s = 0; s < 3; ++s) {
      TrellMenu* sub = TrellMenu::NewOwnedSubMenu();
      sub->CreatePopupMenu();
      for (int i = 0; i < 5; ++i) {
        sub->AppendMenu(L"Item\tCtrl+I", 0, 1000 + i);
      }
      sub->AppendMenu(nullptr, 0, 0);
      menu.AppendMenu(L"Sub", MF_POPUP, reinterpret_cast<UINT_PTR>(sub->m_hMenu));
    }
    menu.DestroyMenu();
    EXPECT_EQ(m_records, MenuItemData::LiveCount());
    EXPECT_EQ(m_menus + 1, TrellMenu::LiveCount());
    EXPECT_EQ(permanent, CMenu::PermanentCount());
  }
}
