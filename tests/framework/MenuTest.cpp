#include <gtest/gtest.h>

#include <utility>

#include "framework/CMenu.h"
#include "framework/CString.h"
#include "framework/CWnd.h"
#include "framework/HandleMapBase.h"

namespace {

// A menu that counts the owner-draw calls it gets.
class CountingMenu : public CMenu {
 public:
  int measured = 0;
  int drawn = 0;
  ULONG_PTR lastData = 0;
  void MeasureItem(MEASUREITEMSTRUCT* item) override {
    ++measured;
    lastData = item->itemData;
    item->itemWidth = 80;
    item->itemHeight = 20;
  }
  void DrawItem(DRAWITEMSTRUCT* item) override {
    ++drawn;
    lastData = item->itemData;
  }
};

// Ends the popup menu it owns from a timer inside the menu's loop, noting
// which popup the framework remembered as tracked at that time.
class MenuOwner : public CWnd {
 public:
  using Base = CWnd;
  CMenu* trackedDuringLoop = nullptr;
  void OnTimer(UINT_PTR id) {
    KillTimer(id);
    trackedDuringLoop = CMenu::TrackedPopupFor(m_hWnd);
    ::EndMenu();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuOwner, CWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

int g_itemData = 0;

}  // namespace

TEST(Menu, PermanentAndTemporaryObjects) {
  HMENU foreign = ::CreatePopupMenu();
  ASSERT_NE(nullptr, foreign);
  CMenu* temporary = CMenu::FromHandle(foreign);
  ASSERT_NE(nullptr, temporary);
  EXPECT_EQ(temporary, CMenu::FromHandle(foreign));
  EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(foreign));
  EXPECT_EQ(nullptr, CMenu::FromHandle(nullptr));
  EXPECT_FALSE(temporary->DestroyMenu());  // not its menu
  HandleMapBase::DeleteAllTemporaries();
  EXPECT_TRUE(::IsMenu(foreign));

  const std::size_t permanent = CMenu::PermanentCount();
  {
    CMenu owner;
    EXPECT_TRUE(owner.Attach(foreign));
    EXPECT_FALSE(owner.Attach(foreign));
    CMenu rival;
    EXPECT_FALSE(rival.Attach(foreign));
    EXPECT_EQ(&owner, CMenu::FromHandle(foreign));
    EXPECT_EQ(&owner, CMenu::FromHandlePermanent(foreign));
    EXPECT_EQ(permanent + 1, CMenu::PermanentCount());

    CMenu moved(std::move(owner));
    EXPECT_EQ(nullptr, owner.m_hMenu);
    EXPECT_EQ(&moved, CMenu::FromHandlePermanent(foreign));
    EXPECT_EQ(foreign, moved.Detach());
    EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(foreign));
    EXPECT_TRUE(::IsMenu(foreign));
    EXPECT_TRUE(moved.Attach(foreign));
  }
  // The last owner destroyed the menu with itself.
  EXPECT_FALSE(::IsMenu(foreign));
  EXPECT_EQ(permanent, CMenu::PermanentCount());
}

TEST(Menu, CreationItemsAndQueries) {
  CMenu menu;
  EXPECT_EQ(0u, menu.GetMenuItemCount());
  EXPECT_FALSE(menu.DestroyMenu());
  ASSERT_TRUE(menu.CreatePopupMenu());
  EXPECT_FALSE(menu.CreateMenu());
  CMenu sub;
  ASSERT_TRUE(sub.CreatePopupMenu());
  sub.AppendMenu(MF_STRING, 7, "Seven");
  EXPECT_TRUE(menu.AppendMenu(MF_STRING, 5, "&Five"));
  EXPECT_TRUE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.m_hMenu), "Sub"));
  EXPECT_TRUE(menu.AppendMenu(MF_OWNERDRAW, 6, static_cast<const void*>(&g_itemData)));
  EXPECT_EQ(3u, menu.GetMenuItemCount());
  EXPECT_EQ(5u, menu.GetMenuItemID(0));
  EXPECT_EQ(static_cast<UINT>(-1), menu.GetMenuItemID(1));
  EXPECT_EQ(&sub, menu.GetSubMenu(1));
  EXPECT_EQ(nullptr, menu.GetSubMenu(0));
  char text[16] = {};
  EXPECT_EQ(5, menu.GetMenuString(0, text, sizeof(text), MF_BYPOSITION));
  EXPECT_STREQ("&Five", text);
  CString label("old");
  EXPECT_EQ(5, menu.GetMenuString(5, label, MF_BYCOMMAND));
  EXPECT_STREQ("&Five", label);
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_DATA;
  EXPECT_TRUE(menu.GetMenuItemInfo(2, &info, TRUE));
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(&g_itemData), info.dwItemData);
  EXPECT_TRUE(menu.ModifyMenu(0, MF_BYPOSITION | MF_STRING | MF_CHECKED, 8, "Eight"));
  EXPECT_TRUE(menu.GetMenuState(8, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(static_cast<UINT>(-1), menu.GetMenuState(99, MF_BYCOMMAND));
  EXPECT_EQ(0, menu.GetMenuString(99, label, MF_BYCOMMAND));
  EXPECT_TRUE(label.IsEmpty());
  // The sub-menu now belongs to the menu: the platform destroys it with it.
  sub.Detach();
  HMENU whole = menu.m_hMenu;
  EXPECT_TRUE(menu.DestroyMenu());
  EXPECT_EQ(nullptr, menu.m_hMenu);
  EXPECT_FALSE(::IsMenu(whole));
  HandleMapBase::DeleteAllTemporaries();
}

TEST(Menu, ItemsRouteToTheMenuObjects) {
  CountingMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  popup.AppendMenu(MF_OWNERDRAW, 41, static_cast<const void*>(&g_itemData));
  CountingMenu nested;
  ASSERT_TRUE(nested.CreatePopupMenu());
  nested.AppendMenu(MF_OWNERDRAW, 42, static_cast<const void*>(&g_itemData));
  popup.AppendMenu(MF_POPUP | MF_OWNERDRAW, reinterpret_cast<UINT_PTR>(nested.m_hMenu),
                   static_cast<const void*>(&g_itemData));

  // The holder of a command, and of a popup item (whose id is its handle).
  EXPECT_EQ(&nested, CMenu::FindPermanentMenuHolding(popup.m_hMenu, 42));
  EXPECT_EQ(&popup, CMenu::FindPermanentMenuHolding(popup.m_hMenu, 41));
  EXPECT_EQ(&popup,
            CMenu::FindPermanentMenuHolding(
                popup.m_hMenu, static_cast<UINT>(reinterpret_cast<UINT_PTR>(nested.m_hMenu))));
  EXPECT_EQ(nullptr, CMenu::FindPermanentMenuHolding(popup.m_hMenu, 43));

  DRAWITEMSTRUCT draw = {};
  draw.CtlType = ODT_MENU;
  draw.hwndItem = reinterpret_cast<HWND>(nested.m_hMenu);
  EXPECT_TRUE(CMenu::RouteDrawItem(&draw));
  EXPECT_EQ(1, nested.drawn);
  draw.CtlType = ODT_BUTTON;
  EXPECT_FALSE(CMenu::RouteDrawItem(&draw));

  // Measuring outside a tracked popup looks in the window's own menu.
  MenuOwner owner;
  ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
  MEASUREITEMSTRUCT measure = {};
  measure.CtlType = ODT_MENU;
  measure.itemID = 42;
  EXPECT_FALSE(CMenu::RouteMeasureItem(owner.m_hWnd, &measure));
  CountingMenu bar;
  ASSERT_TRUE(bar.CreateMenu());
  bar.AppendMenu(MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup.m_hMenu), "Popup");
  ASSERT_TRUE(::SetMenu(owner.m_hWnd, bar.m_hMenu));
  EXPECT_TRUE(CMenu::RouteMeasureItem(owner.m_hWnd, &measure));
  EXPECT_EQ(1, nested.measured);
  ::SetMenu(owner.m_hWnd, nullptr);
  popup.Detach();  // destroyed with the bar now; nested too
  nested.Detach();
  owner.DestroyWindow();
}

TEST(Menu, TrackPopupMenuRemembersThePopupForItsLength) {
  MenuOwner owner;
  ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100,
                             nullptr, nullptr));
  ::SetForegroundWindow(owner.m_hWnd);
  CountingMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  popup.AppendMenu(MF_OWNERDRAW, 51, static_cast<const void*>(&g_itemData));
  popup.AppendMenu(MF_OWNERDRAW, 52, static_cast<const void*>(&g_itemData));
  EXPECT_EQ(nullptr, CMenu::TrackedPopupFor(owner.m_hWnd));
  owner.SetTimer(1, 300, nullptr);
  popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 120, 120, &owner);
  EXPECT_EQ(&popup, owner.trackedDuringLoop);
  EXPECT_EQ(nullptr, CMenu::TrackedPopupFor(owner.m_hWnd));
  // The owner's default handling measured and drew the items through the
  // popup object.
  EXPECT_GE(popup.measured, 2);
  EXPECT_GE(popup.drawn, 2);
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(&g_itemData), popup.lastData);
  EXPECT_FALSE(popup.TrackPopupMenu(0, 0, 0, nullptr));
  owner.DestroyWindow();
}
