#include "controls/menu/TrellMenu.h"

#include <string>
#include <vector>

#include "controls/menu/ClassicItemPainter.h"
#include "controls/menu/FlatItemPainter.h"
#include "controls/menu/MenuItemData.h"
#include "controls/menu/MenuItemMeasurer.h"
#include "controls/menu/MenuTabColumns.h"
#include "controls/menu/MenuTemplateResource.h"
#include "framework/Afx.h"

IMPLEMENT_DYNAMIC(TrellMenu, CMenu)

namespace {

std::size_t g_liveMenus = 0;

// Menus nest a handful of levels deep; the limit only keeps a menu that
// (through foreign code) contains itself from recursing without end.
constexpr int kMaxMenuDepth = 64;

}  // namespace

TrellMenu::TrellMenu() { ++g_liveMenus; }

TrellMenu::~TrellMenu() {
  TrellMenu::DestroyMenu();
  --g_liveMenus;
}

CPtrArray TrellMenu::s_subMenuHandles;

std::size_t TrellMenu::LiveCount() { return g_liveMenus; }

MenuSettings TrellMenu::Settings() const {
  MenuSettings settings;
  settings.imageWidth = m_imageWidth;
  settings.imageHeight = m_imageHeight;
  settings.maskColor = m_maskColor;
  settings.useMaskColor = m_useMaskColor;
  settings.disabledStyle = m_disabledStyle;
  settings.checkImages = m_checkImages;
  settings.selectedCheckBitmapId = m_selectedCheckBitmapId;
  settings.checkBitmapId = m_checkBitmapId;
  settings.imagesAreIcons = m_imagesAreIcons;
  return settings;
}

// ---- Measuring and drawing ---------------------------------------------------

void TrellMenu::MeasureItem(MEASUREITEMSTRUCT* measureItem) {
  MenuItemMeasurer(Settings(), MenuEnvironment::CurrentLook()).Measure(measureItem);
}

void TrellMenu::DrawItem(DRAWITEMSTRUCT* drawItem) {
  if (drawItem == nullptr || drawItem->itemData == 0) {
    return;  // an item without its record is skipped
  }
  const MenuLookFacts look = MenuEnvironment::CurrentLook();
  if (MenuEnvironment::ChooseDrawMode(drawItem->hDC, look) == DrawModeFlat) {
    FlatItemPainter(Settings(), look).Paint(drawItem);
  } else {
    ClassicItemPainter(Settings(), look).Paint(drawItem);
  }
}

BOOL TrellMenu::PaintItemClassic(DRAWITEMSTRUCT* drawItem) {
  return ClassicItemPainter(Settings(), MenuEnvironment::CurrentLook()).Paint(drawItem);
}

BOOL TrellMenu::PaintItemFlat(DRAWITEMSTRUCT* drawItem) {
  return FlatItemPainter(Settings(), MenuEnvironment::CurrentLook()).Paint(drawItem);
}

// ---- Construction, lookup and re-synchronisation -------------------------------

MenuItemData* TrellMenu::ItemAt(std::ptrdiff_t i) const {
  return static_cast<MenuItemData*>(m_items.GetAt(i));
}

void TrellMenu::DeleteItem(std::ptrdiff_t i) {
  delete ItemAt(i);
  m_items.SetAt(i, nullptr);
}

void TrellMenu::RemoveSubMenuHandle(HMENU handle) {
  for (std::ptrdiff_t i = s_subMenuHandles.GetSize() - 1; i >= 0; --i) {
    if (s_subMenuHandles.GetAt(i) == handle) {
      s_subMenuHandles.RemoveAt(i);
    }
  }
}

BOOL TrellMenu::DestroyMenu() {
  if (m_hMenu != nullptr) {
    RemoveSubMenuHandle(m_hMenu);
  }
  for (std::ptrdiff_t i = m_subMenuHandles.GetSize() - 1; i >= 0; --i) {
    HMENU handle = static_cast<HMENU>(m_subMenuHandles.GetAt(i));
    RemoveSubMenuHandle(handle);
    CMenu* sub = CMenu::FromHandlePermanent(handle);
    if (sub != nullptr && sub != this && sub->IsKindOf(RUNTIME_CLASS(TrellMenu))) {
      TrellMenu* trell = static_cast<TrellMenu*>(sub);
      if (trell->m_ownedByParent) {
        delete trell;  // its destructor releases its records, sub-menus and menu
      } else {
        // A sub-menu object that the caller made and owns: the platform
        // destroys its menu with ours, so release its side of it now and
        // leave the object empty for its owner.
        trell->DestroyMenu();
      }
    }
  }
  m_subMenuHandles.RemoveAll();
  for (std::ptrdiff_t i = 0; i < m_items.GetSize(); ++i) {
    DeleteItem(i);
  }
  m_items.RemoveAll();
  if (m_checkImages != nullptr && !m_checkImagesShared) {
    delete m_checkImages;
    m_checkImages = nullptr;
  }
  return CMenu::DestroyMenu();
}

TrellMenu* TrellMenu::NewOwnedSubMenu() {
  auto* sub = new TrellMenu;
  sub->m_ownedByParent = TRUE;
  return sub;
}

BOOL TrellMenu::AppendMenu(const wchar_t* text, UINT flags, UINT_PTR id, int toolbarId) {
  if (id == 0) {
    flags = (flags & MF_BYPOSITION) | MF_SEPARATOR | MF_OWNERDRAW;
  } else {
    flags |= MF_OWNERDRAW;
  }
  if (flags & MF_POPUP) {
    s_subMenuHandles.Add(reinterpret_cast<void*>(id));
    m_subMenuHandles.Add(reinterpret_cast<void*>(id));
  }
  auto* record = new MenuItemData;
  m_items.Add(record);
  record->SetTextWide(text);
  if (toolbarId < 0) {
    record->sharedImageIndex = FindSharedImage(static_cast<UINT>(id));
  } else {
    record->sharedImageIndex = AssignCommandPicture(static_cast<UINT>(id), toolbarId);
  }
  record->commandId = id;
  record->menuFlags = flags;
  const BOOL result = CMenu::AppendMenu(flags, id, static_cast<const void*>(record));
  if (m_loaded) {
    RefreshPopupItems();
  }
  return result;
}

MenuItemData* TrellMenu::ReplaceItemAt(UINT position, UINT flags, UINT_PTR id,
                                       const CString& text) {
  auto* record = new MenuItemData;
  record->SetTextAnsi(text);
  record->menuFlags = flags;
  record->commandId = id;
  CMenu::ModifyMenu(position, flags, id,
                    (flags & MF_OWNERDRAW) ? static_cast<const void*>(record) : nullptr);
  return record;
}

CMenu* TrellMenu::GetSubMenu(int position) const {
  if (m_hMenu == nullptr) {
    return nullptr;
  }
  return CMenu::FromHandle(::GetSubMenu(m_hMenu, position));
}

CMenu* TrellMenu::FindCommandMenuIn(HMENU menu, UINT id, int& position, int depth) {
  if (depth < kMaxMenuDepth) {
    for (int p = 0; p < ::GetMenuItemCount(menu); ++p) {
      if (HMENU sub = ::GetSubMenu(menu, p)) {
        if (CMenu* found = FindCommandMenuIn(sub, id, position, depth + 1)) {
          return found;
        }
      } else if (::GetMenuItemID(menu, p) == id) {
        position = p;
        return CMenu::FromHandle(menu);
      }
    }
  }
  position = -1;
  return nullptr;
}

CMenu* TrellMenu::FindCommandMenu(UINT id, int& position) const {
  position = -1;
  if (m_hMenu == nullptr) {
    return nullptr;
  }
  return FindCommandMenuIn(m_hMenu, id, position, 0);
}

BOOL TrellMenu::GetItemText(UINT idOrPosition, CString& text, UINT flags) const {
  if (flags & MF_BYPOSITION) {
    if (idOrPosition >= static_cast<UINT>(m_items.GetSize())) {
      return FALSE;
    }
    text = ItemAt(idOrPosition)->GetTextAnsi();
    return TRUE;
  }
  int position = -1;
  CMenu* found = FindCommandMenu(idOrPosition, position);
  // Only a TrellMenu has records to read; an item of any other menu counts
  // as not found.
  if (found == nullptr || !found->IsKindOf(RUNTIME_CLASS(TrellMenu))) {
    return FALSE;
  }
  return static_cast<TrellMenu*>(found)->GetItemText(static_cast<UINT>(position), text,
                                                     MF_BYPOSITION);
}

CString TrellMenu::ReadItemString(UINT position) const {
  const int length = ::GetMenuStringA(m_hMenu, position, nullptr, 0, MF_BYPOSITION);
  if (length <= 0) {
    return CString();
  }
  CString s;
  const int capacity = 2 * length + 2;
  char* buffer = s.GetBuffer(capacity);
  buffer[0] = '\0';
  ::GetMenuStringA(m_hMenu, position, buffer, capacity, MF_BYPOSITION);
  s.ReleaseBuffer();
  return s;
}

int TrellMenu::FirstOwnedPosition() const {
  if (!m_loaded) {
    return 0;
  }
  for (int p = 0; p < static_cast<int>(GetMenuItemCount()); ++p) {
    const CString s = ReadItemString(static_cast<UINT>(p));
    if (s.IsEmpty()) {
      continue;
    }
    for (std::ptrdiff_t r = 0; r < m_items.GetSize(); ++r) {
      if (ItemAt(r)->GetTextAnsi() == s) {
        return p >= r ? static_cast<int>(p - r) : 0;
      }
    }
  }
  return 0;
}

void TrellMenu::RefreshPopupItems() {
  const int offset = FirstOwnedPosition();
  const std::ptrdiff_t n = m_items.GetSize();
  for (int i = 0; offset + i < static_cast<int>(GetMenuItemCount()); ++i) {
    if (i >= n) {
      break;  // no record for the remaining items
    }
    HMENU sub = ::GetSubMenu(m_hMenu, offset + i);
    if (sub == nullptr) {
      continue;
    }
    MenuItemData* record = ItemAt(i);
    record->menuFlags = MF_BYPOSITION | MF_POPUP;
    const CString text = record->GetTextAnsi();
    CMenu::ModifyMenu(static_cast<UINT>(offset + i), MF_BYPOSITION | MF_POPUP,
                      reinterpret_cast<UINT_PTR>(sub), text.GetString());
  }
}

MenuItemData* TrellMenu::ClaimItem(UINT_PTR id) {
  for (std::ptrdiff_t i = 0; i < m_items.GetSize(); ++i) {
    MenuItemData* record = ItemAt(i);
    if (record != nullptr && record->commandId == id && record->claimed == 0) {
      record->claimed = 1;
      return record;
    }
  }
  return nullptr;
}

void TrellMenu::ResetClaims(UINT value) {
  for (std::ptrdiff_t i = 0; i < m_items.GetSize(); ++i) {
    if (MenuItemData* record = ItemAt(i)) {
      record->claimed = value;
    }
  }
}

void TrellMenu::DeleteUnclaimedItems() {
  // The freed records leave the array too, so that it never lists a record
  // that no longer exists.
  for (std::ptrdiff_t i = m_items.GetSize() - 1; i >= 0; --i) {
    MenuItemData* record = ItemAt(i);
    if (record == nullptr || record->claimed == 0) {
      delete record;
      m_items.RemoveAt(i);
    }
  }
}

void TrellMenu::Resynchronize() {
  ResetClaims(0);
  CPtrArray rebuilt;
  for (UINT p = 0; p < GetMenuItemCount(); ++p) {
    const UINT state = GetMenuState(p, MF_BYPOSITION);
    MenuItemData* record = nullptr;
    if (state & MF_POPUP) {
      HMENU sub = ::GetSubMenu(m_hMenu, static_cast<int>(p));
      const UINT_PTR handle = reinterpret_cast<UINT_PTR>(sub);
      record = ClaimItem(handle);
      const CString s = ReadItemString(p);
      if (record == nullptr) {
        // The high byte of a popup's state is its item count: keep the low
        // byte only.
        record =
            ReplaceItemAt(p, (state & 0xEF) | MF_POPUP | MF_OWNERDRAW | MF_BYPOSITION, handle, s);
      } else if (!s.IsEmpty()) {
        record->SetTextAnsi(s);
      }
    } else if (state & MF_SEPARATOR) {
      record = ClaimItem(0);
      if (record != nullptr) {
        // By position, whatever flags the record was made with: by command,
        // p would name some other item whose command id happens to be p.
        CMenu::ModifyMenu(p, record->menuFlags | MF_BYPOSITION, record->commandId,
                          static_cast<const void*>(record));
      } else {
        record =
            ReplaceItemAt(p, state | MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW, 0, CString());
      }
    } else {
      const UINT id = GetMenuItemID(static_cast<int>(p));
      record = ClaimItem(id);
      const CString s = ReadItemString(p);
      const UINT flags = state | MF_BYPOSITION | MF_OWNERDRAW;
      if (record == nullptr) {
        record = ReplaceItemAt(p, flags, id, s);
      } else {
        record->menuFlags = flags;
        if (!s.IsEmpty()) {
          record->SetTextAnsi(s);
        }
        CMenu::ModifyMenu(p, flags, id, static_cast<const void*>(record));
      }
    }
    if (record != nullptr) {
      rebuilt.Add(record);
    }
  }
  DeleteUnclaimedItems();
  m_items.RemoveAll();
  m_items.Append(rebuilt);
}

LRESULT TrellMenu::FindMnemonic(UINT character, UINT flags, CMenu* menu) {
  if (menu == nullptr || !(flags & MF_POPUP)) {
    return 0;
  }
  // Only a TrellMenu keeps the item texts this search needs.
  if (!menu->IsKindOf(RUNTIME_CLASS(TrellMenu))) {
    return 0;
  }
  TrellMenu* trell = static_cast<TrellMenu*>(menu);
  CString key('&');
  key += static_cast<char>(character);
  key.MakeLower();
  const UINT count = trell->GetMenuItemCount();
  if (static_cast<std::ptrdiff_t>(count) != trell->m_items.GetSize()) {
    trell->Resynchronize();
  }
  for (UINT i = 0; i < count; ++i) {
    CString text;
    if (trell->GetItemText(i, text, MF_BYPOSITION)) {
      text.MakeLower();
      if (text.Find(key) >= 0) {
        return static_cast<LRESULT>((i & 0xFFFF) | (MNC_EXECUTE << 16));
      }
    }
  }
  return 0;
}

BOOL TrellMenu::IsOwnedSubMenu(HMENU menu) {
  if (menu == nullptr) {
    return FALSE;
  }
  for (std::ptrdiff_t i = 0; i < s_subMenuHandles.GetSize(); ++i) {
    if (s_subMenuHandles.GetAt(i) == menu) {
      return TRUE;
    }
  }
  return FALSE;
}

BOOL TrellMenu::IsOwnedSubMenu(CMenu* menu) {
  return menu != nullptr && IsOwnedSubMenu(menu->m_hMenu);
}

// ---- Loading -------------------------------------------------------------------

BOOL TrellMenu::LoadMenu(UINT resourceId) {
  return LoadMenu(MAKEINTRESOURCEA(resourceId & 0xFFFF));
}

BOOL TrellMenu::LoadMenu(const char* resourceName) {
  // The whole template is read and checked before anything changes: a
  // damaged template leaves the menu as it was, like a missing resource.
  std::vector<MenuTemplateItem> items;
  if (!MenuTemplateResource::Read(resourceName, items)) {
    return FALSE;
  }

  DestroyMenu();
  if (!CreateMenu()) {
    return FALSE;
  }

  // The menus being filled: this menu at the bottom, the innermost open
  // sub-menu on top. The reader tells how many levels each item ends.
  std::vector<TrellMenu*> stack{this};
  for (const MenuTemplateItem& item : items) {
    if (stack.empty()) {
      break;  // the reader stops at the end of the top level; never reached
    }
    TrellMenu* top = stack.back();
    const std::wstring text(item.text.begin(), item.text.end());
    if (item.IsPopup()) {
      TrellMenu* sub = NewOwnedSubMenu();
      sub->m_checkBitmapId = m_checkBitmapId;
      sub->m_selectedCheckBitmapId = m_selectedCheckBitmapId;
      sub->m_checkImages = m_checkImages;
      sub->m_checkImagesShared = TRUE;
      if (!sub->CreatePopupMenu()) {
        // Nothing would own the object: give up the load rather than leak it.
        delete sub;
        DestroyMenu();
        return FALSE;
      }
      // Appending records the handle, which makes top the object's owner.
      top->AppendMenu(text.c_str(), item.ItemFlags(), reinterpret_cast<UINT_PTR>(sub->m_hMenu));
      stack.push_back(sub);
    } else {
      top->AppendMenu(text.c_str(), item.ItemFlags(), item.id);
      for (int level = 0; level < item.closedLevels && !stack.empty(); ++level) {
        stack.back()->AlignTabColumns();
        stack.pop_back();
      }
    }
  }

  // The menu bar's items become plain items, drawn by the platform: string
  // items, and separators stay separators (a top-level template tracked as a
  // popup, such as a system menu, has them). Items the platform holds beyond
  // the records are left as they are.
  for (UINT q = 0; q < GetMenuItemCount() && static_cast<std::ptrdiff_t>(q) < m_items.GetSize();
       ++q) {
    auto* record = static_cast<MenuItemData*>(m_items.GetAt(q));
    const CString s = record->GetTextAnsi();
    if (record->menuFlags & MF_SEPARATOR) {
      record->menuFlags = MF_BYPOSITION | MF_SEPARATOR;
      CMenu::ModifyMenu(q, MF_BYPOSITION | MF_SEPARATOR);
    } else if (HMENU sub = ::GetSubMenu(m_hMenu, static_cast<int>(q))) {
      record->menuFlags = MF_BYPOSITION | MF_POPUP;
      CMenu::ModifyMenu(q, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(sub),
                        s.GetString());
    } else {
      record->menuFlags = MF_BYPOSITION;
      CMenu::ModifyMenu(q, MF_BYPOSITION, record->commandId, s.GetString());
    }
  }

  m_loaded = TRUE;
  return TRUE;
}

void TrellMenu::AlignTabColumns() {
  // Records are addressed by position; items beyond the last record have
  // none to pad.
  std::ptrdiff_t n = static_cast<std::ptrdiff_t>(GetMenuItemCount());
  if (n > m_items.GetSize()) {
    n = m_items.GetSize();
  }
  std::vector<MenuItemData*> records;
  for (std::ptrdiff_t i = 0; i < n; ++i) {
    records.push_back(ItemAt(i));
  }
  MenuTabColumns::Align(records);
}
