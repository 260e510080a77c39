#include "framework/CMenu.h"

#include <iterator>
#include <vector>

#include "framework/CString.h"
#include "framework/CWnd.h"
#include "framework/HandleMap.h"

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace {

// The popups that TrackPopupMenu calls in progress show, innermost last.
struct TrackedPopup {
  HWND owner;
  CMenu* menu;
};

std::vector<TrackedPopup>& TrackedPopups() {
  static std::vector<TrackedPopup> tracked;
  return tracked;
}

// Hands the windows' default WM_DRAWITEM and WM_MEASUREITEM handling for menu
// items to the menu objects.
BOOL DrawMenuItem(CWnd*, LPDRAWITEMSTRUCT item) { return CMenu::RouteDrawItem(item); }

BOOL MeasureMenuItem(CWnd* owner, LPMEASUREITEMSTRUCT item) {
  return CMenu::RouteMeasureItem(owner != nullptr ? owner->m_hWnd : nullptr, item);
}

struct MenuRoutingPlug {
  MenuRoutingPlug() {
    CWnd::s_menuRouting.fromHandle = &CMenu::FromHandle;
    CWnd::s_menuRouting.drawItem = &DrawMenuItem;
    CWnd::s_menuRouting.measureItem = &MeasureMenuItem;
  }
};

const MenuRoutingPlug plugMenuRouting;

}  // namespace

HandleMap<CMenu, HMENU>& CMenu::Map() {
  static HandleMap<CMenu, HMENU> map;
  return map;
}

CMenu::CMenu(CMenu&& other) noexcept {
  HMENU h = other.Detach();
  if (h != nullptr) {
    Attach(h);
  }
}

CMenu& CMenu::operator=(CMenu&& other) noexcept {
  if (this != &other) {
    DestroyMenu();
    HMENU h = other.Detach();
    if (h != nullptr) {
      Attach(h);
    }
  }
  return *this;
}

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU h) { return Map().FromHandle(h); }

CMenu* CMenu::FromHandlePermanent(HMENU h) {
  return h == nullptr ? nullptr : Map().LookupPermanent(h);
}

CMenu* CMenu::NewTemporary(HMENU h) {
  auto* menu = new CMenu;
  menu->m_hMenu = h;
  return menu;
}

void CMenu::DeleteTemporary(CMenu* p) {
  p->m_hMenu = nullptr;
  delete p;
}

std::size_t CMenu::PermanentCount() { return Map().PermanentCount(); }

BOOL CMenu::Attach(HMENU h) {
  if (h == nullptr || m_hMenu != nullptr || Map().LookupPermanent(h) != nullptr) {
    return FALSE;
  }
  m_hMenu = h;
  Map().SetPermanent(h, this);
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU h = m_hMenu;
  if (h != nullptr && Map().LookupPermanent(h) == this) {
    Map().RemoveHandle(h);
  }
  m_hMenu = nullptr;
  return h;
}

BOOL CMenu::AttachCreated(HMENU h) {
  if (h == nullptr) {
    return FALSE;
  }
  if (!Attach(h)) {
    ::DestroyMenu(h);
    return FALSE;
  }
  return TRUE;
}

BOOL CMenu::CreateMenu() { return m_hMenu == nullptr ? AttachCreated(::CreateMenu()) : FALSE; }

BOOL CMenu::CreatePopupMenu() {
  return m_hMenu == nullptr ? AttachCreated(::CreatePopupMenu()) : FALSE;
}

BOOL CMenu::DestroyMenu() {
  if (m_hMenu == nullptr) {
    return FALSE;
  }
  // A temporary wrapper never destroys a menu it does not own.
  if (Map().LookupPermanent(m_hMenu) != this) {
    return FALSE;
  }
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idNewItem, const char* newItem) {
  return ::AppendMenuA(m_hMenu, flags, idNewItem, newItem);
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idNewItem, const char* newItem) {
  return ::InsertMenuA(m_hMenu, position, flags, idNewItem, newItem);
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idNewItem, const char* newItem) {
  return ::ModifyMenuA(m_hMenu, position, flags, idNewItem, newItem);
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idNewItem, const void* itemData) {
  return ::AppendMenuA(m_hMenu, flags, idNewItem, static_cast<const char*>(itemData));
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idNewItem, const void* itemData) {
  return ::ModifyMenuA(m_hMenu, position, flags, idNewItem, static_cast<const char*>(itemData));
}

BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }

BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }

UINT CMenu::EnableMenuItem(UINT idOrPosition, UINT enable) {
  return static_cast<UINT>(::EnableMenuItem(m_hMenu, idOrPosition, enable));
}

UINT CMenu::CheckMenuItem(UINT idOrPosition, UINT check) {
  return static_cast<UINT>(::CheckMenuItem(m_hMenu, idOrPosition, check));
}

UINT CMenu::GetMenuItemCount() const {
  if (m_hMenu == nullptr) {
    return 0;
  }
  const int count = ::GetMenuItemCount(m_hMenu);
  return count < 0 ? 0 : static_cast<UINT>(count);
}

UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }

UINT CMenu::GetMenuState(UINT idOrPosition, UINT flags) const {
  return ::GetMenuState(m_hMenu, idOrPosition, flags);
}

int CMenu::GetMenuString(UINT idOrPosition, char* buffer, int maxCount, UINT flags) const {
  return ::GetMenuStringA(m_hMenu, idOrPosition, buffer, maxCount, flags);
}

int CMenu::GetMenuString(UINT idOrPosition, CString& text, UINT flags) const {
  text.Empty();
  const int length = ::GetMenuStringA(m_hMenu, idOrPosition, nullptr, 0, flags);
  if (length <= 0) {
    return 0;
  }
  char* buffer = text.GetBuffer(length + 1);
  const int copied = ::GetMenuStringA(m_hMenu, idOrPosition, buffer, length + 1, flags);
  text.ReleaseBuffer(copied > 0 ? copied : 0);
  return text.GetLength();
}

BOOL CMenu::GetMenuItemInfo(UINT item, MENUITEMINFOA* info, BOOL byPosition) const {
  return ::GetMenuItemInfoA(m_hMenu, item, byPosition, info);
}

CMenu* CMenu::GetSubMenu(int position) const {
  if (m_hMenu == nullptr) {
    return nullptr;
  }
  return FromHandle(::GetSubMenu(m_hMenu, position));
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect) {
  HWND window = owner != nullptr ? owner->m_hWnd : nullptr;
  if (m_hMenu == nullptr || window == nullptr) {
    return FALSE;
  }
  // Remembered for the length of the call: the owner measures the items of
  // this popup while it is shown.
  TrackedPopups().push_back({window, this});
  const BOOL result = ::TrackPopupMenu(m_hMenu, flags, x, y, 0, window, rect);
  auto& tracked = TrackedPopups();
  for (auto it = tracked.rbegin(); it != tracked.rend(); ++it) {
    if (it->owner == window && it->menu == this) {
      tracked.erase(std::next(it).base());
      break;
    }
  }
  return result;
}

CMenu* CMenu::TrackedPopupFor(HWND owner) {
  const auto& tracked = TrackedPopups();
  for (auto it = tracked.rbegin(); it != tracked.rend(); ++it) {
    if (it->owner == owner) {
      return it->menu;
    }
  }
  return nullptr;
}

void CMenu::DrawItem(DRAWITEMSTRUCT*) {}

void CMenu::MeasureItem(MEASUREITEMSTRUCT*) {}

CMenu* CMenu::FindPermanentMenuHolding(HMENU menu, UINT id) {
  if (menu == nullptr) {
    return nullptr;
  }
  const int count = ::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    HMENU sub = ::GetSubMenu(menu, position);
    if (sub != nullptr) {
      // A popup item's id is its sub-menu handle (as WM_MEASUREITEM gives it).
      if (static_cast<UINT>(reinterpret_cast<UINT_PTR>(sub)) == id) {
        if (CMenu* holder = FromHandlePermanent(menu)) {
          return holder;
        }
      }
      if (CMenu* found = FindPermanentMenuHolding(sub, id)) {
        return found;
      }
    } else if (::GetMenuItemID(menu, position) == id) {
      if (CMenu* holder = FromHandlePermanent(menu)) {
        return holder;
      }
    }
  }
  return nullptr;
}

BOOL CMenu::RouteDrawItem(DRAWITEMSTRUCT* drawItem) {
  if (drawItem == nullptr || drawItem->CtlType != ODT_MENU) {
    return FALSE;
  }
  CMenu* menu = FromHandlePermanent(reinterpret_cast<HMENU>(drawItem->hwndItem));
  if (menu == nullptr) {
    return FALSE;
  }
  menu->DrawItem(drawItem);
  return TRUE;
}

BOOL CMenu::RouteMeasureItem(HWND window, MEASUREITEMSTRUCT* measureItem) {
  if (measureItem == nullptr || measureItem->CtlType != ODT_MENU) {
    return FALSE;
  }
  CMenu* menu = nullptr;
  if (CMenu* tracked = TrackedPopupFor(window)) {
    menu = FindPermanentMenuHolding(tracked->m_hMenu, measureItem->itemID);
  }
  // Child windows have no menu: GetMenu answers their control id there.
  if (menu == nullptr && window != nullptr &&
      (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) {
    menu = FindPermanentMenuHolding(::GetMenu(window), measureItem->itemID);
  }
  if (menu == nullptr) {
    return FALSE;
  }
  menu->MeasureItem(measureItem);
  return TRUE;
}
