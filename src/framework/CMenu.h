#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/CObject.h"

class CString;
class CWnd;
template <class T, class H>
class HandleMap;

// Wrapper of a platform menu.
//
// A CMenu that created or attached its menu owns it: the menu is destroyed
// with the object. FromHandle hands out a temporary CMenu for a menu that no
// object owns; temporaries never own their menu and are freed when the
// message loop goes idle (HandleMapBase::DeleteAllTemporaries).
//
// Owner-drawn items are measured and drawn by the permanent CMenu object of
// their menu through the virtual MeasureItem and DrawItem, which a window's
// default WM_MEASUREITEM and WM_DRAWITEM handling calls.
class CMenu : public CObject {
  DECLARE_DYNAMIC(CMenu)

 public:
  HMENU m_hMenu = nullptr;

  CMenu() = default;
  CMenu(CMenu&& other) noexcept;
  CMenu& operator=(CMenu&& other) noexcept;
  // Destroys the menu this object still holds.
  ~CMenu() override;

  // ---- Handles ----------------------------------------------------------
  // The permanent object of h, else a temporary one; null for a null handle.
  static CMenu* FromHandle(HMENU h);
  // Only the object the program attached h to, else null.
  static CMenu* FromHandlePermanent(HMENU h);
  // Takes ownership of h (FALSE when this object already holds a menu, h is
  // null, or another object holds h already).
  BOOL Attach(HMENU h);
  // Gives up ownership and returns the menu; the menu stays alive.
  HMENU Detach();
  HMENU GetSafeHmenu() const { return m_hMenu; }
  operator HMENU() const { return m_hMenu; }

  // ---- Creation ---------------------------------------------------------
  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  // Destroys the menu (and, as the platform does, its sub-menus) and
  // detaches it; FALSE when there was none.
  BOOL DestroyMenu();

  // ---- Items ------------------------------------------------------------
  BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, const char* newItem = nullptr);
  BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idNewItem = 0, const char* newItem = nullptr);
  BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idNewItem = 0, const char* newItem = nullptr);
  // The item pointer forms hand the platform an owner-draw item's data.
  BOOL AppendMenu(UINT flags, UINT_PTR idNewItem, const void* itemData);
  BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idNewItem, const void* itemData);
  BOOL RemoveMenu(UINT position, UINT flags);
  BOOL DeleteMenu(UINT position, UINT flags);
  UINT EnableMenuItem(UINT idOrPosition, UINT enable);
  UINT CheckMenuItem(UINT idOrPosition, UINT check);

  // ---- Queries ----------------------------------------------------------
  // 0 when there is no menu (the platform's -1 for a bad handle too).
  UINT GetMenuItemCount() const;
  // The command id at position; -1 (as UINT) for a popup or a bad position.
  UINT GetMenuItemID(int position) const;
  // The platform's GetMenuState; -1 (as UINT) when there is no such item.
  UINT GetMenuState(UINT idOrPosition, UINT flags) const;
  // Copies the item's text; the number of characters copied.
  int GetMenuString(UINT idOrPosition, char* buffer, int maxCount, UINT flags) const;
  // The item's whole text; its length (0 for an item without text).
  int GetMenuString(UINT idOrPosition, CString& text, UINT flags) const;
  BOOL GetMenuItemInfo(UINT item, MENUITEMINFOA* info, BOOL byPosition = FALSE) const;
  // The sub-menu at position as a permanent or temporary CMenu, or null.
  CMenu* GetSubMenu(int position) const;

  // ---- Popups -----------------------------------------------------------
  // Shows this popup menu and tracks it until it is dismissed. For the length
  // of the call the menu is remembered as the popup tracked for owner
  // (TrackedPopupFor), so that the owner's WM_MEASUREITEM handling finds it.
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect = nullptr);
  // The popup a TrackPopupMenu call in progress shows for the window, or null.
  static CMenu* TrackedPopupFor(HWND owner);

  // ---- Owner draw -------------------------------------------------------
  // Called for each owner-drawn item of this menu; the defaults do nothing.
  virtual void DrawItem(DRAWITEMSTRUCT* drawItem);
  virtual void MeasureItem(MEASUREITEMSTRUCT* measureItem);

  // The permanent menu that holds item id (a command id, or for a popup item
  // its sub-menu handle), searching menu and its sub-menus depth first; null
  // when no permanent menu does.
  static CMenu* FindPermanentMenuHolding(HMENU menu, UINT id);

  // The default handling of WM_DRAWITEM and WM_MEASUREITEM for menu items
  // (ODT_MENU), which windows use when nothing else took the message.
  // Drawing goes to the permanent menu whose handle is hwndItem. Measuring
  // goes to the permanent menu holding itemID, looked for in the popup that
  // TrackPopupMenu shows for window, else in the window's own menu. TRUE when
  // a menu object was called.
  static BOOL RouteDrawItem(DRAWITEMSTRUCT* drawItem);
  static BOOL RouteMeasureItem(HWND window, MEASUREITEMSTRUCT* measureItem);

  // Used by the handle map.
  static CMenu* NewTemporary(HMENU h);
  static void DeleteTemporary(CMenu* p);
  // Number of permanent menu objects (for leak checks).
  static std::size_t PermanentCount();

 private:
  static HandleMap<CMenu, HMENU>& Map();
  // Attaches a freshly created menu, destroying it when it cannot be attached.
  BOOL AttachCreated(HMENU h);
};
