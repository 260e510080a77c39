// TrellMenu: loading from menu resources.
#include <string>
#include <vector>

#include "controls/menu/MenuItemData.h"
#include "controls/menu/MenuScreenDC.h"
#include "controls/menu/MenuTemplateReader.h"
#include "controls/menu/TrellMenu.h"
#include "framework/Afx.h"
#include "framework/CFont.h"
#include "framework/SelectionGuard.h"

namespace {

// Deeper nesting than this is refused: destroying and searching a menu
// recurse once per level, and no real menu comes near it.
constexpr int kMaxTemplateDepth = 64;

int TextWidth(HDC dc, const CString& text) {
  SIZE size = {0, 0};
  if (!::GetTextExtentPoint32A(dc, text.GetString(), text.GetLength(), &size)) {
    return 0;
  }
  return size.cx;
}

// The menu resource's bytes; null when it cannot be found or loaded.
const void* FindMenuTemplate(const char* resourceName, std::size_t& size) {
  size = 0;
  HINSTANCE module = AfxFindResourceHandle(resourceName, RT_MENU);
  HRSRC resource = ::FindResourceA(module, resourceName, RT_MENU);
  if (resource == nullptr) {
    module = nullptr;  // the application's own module
    resource = ::FindResourceA(module, resourceName, RT_MENU);
  }
  if (resource == nullptr) {
    return nullptr;
  }
  HGLOBAL loaded = ::LoadResource(module, resource);
  if (loaded == nullptr) {
    return nullptr;
  }
  const void* data = ::LockResource(loaded);
  if (data == nullptr) {
    return nullptr;
  }
  size = ::SizeofResource(module, resource);
  return data;
}

}  // namespace

BOOL TrellMenu::LoadMenu(UINT resourceId) {
  return LoadMenu(MAKEINTRESOURCEA(resourceId & 0xFFFF));
}

BOOL TrellMenu::LoadMenu(const char* resourceName) {
  std::size_t size = 0;
  const void* data = FindMenuTemplate(resourceName, size);
  if (data == nullptr) {
    return FALSE;
  }
  // The whole template is read and checked against the resource's size
  // before anything changes: a damaged template leaves the menu as it was,
  // like a resource that cannot be loaded.
  std::vector<MenuTemplateItem> items;
  if (ReadMenuTemplate(data, size, items) != MenuTemplateStatus::Ok) {
    return FALSE;
  }
  for (const MenuTemplateItem& item : items) {
    if (item.depth >= kMaxTemplateDepth) {
      return FALSE;
    }
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

  // The menu bar's items become plain string items, drawn by the platform.
  // Items the platform holds beyond the records are left as they are.
  for (UINT q = 0; q < GetMenuItemCount() && static_cast<std::ptrdiff_t>(q) < m_items.GetSize();
       ++q) {
    auto* record = static_cast<MenuItemData*>(m_items.GetAt(q));
    const CString s = record->GetTextAnsi();
    if (HMENU sub = ::GetSubMenu(m_hMenu, static_cast<int>(q))) {
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
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof(metrics);
  CFont font;
  if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    font.CreateFontIndirect(&metrics.lfMenuFont);
  }
  MenuScreenDC screen;
  if (screen.GetSafeHdc() == nullptr) {
    return;
  }
  // Without a menu font the DC's own font measures.
  SelectionGuard keepFont(screen.GetSafeHdc(), font.GetSafeHandle());

  // Records are addressed by position; items beyond the last record have
  // none to pad.
  std::ptrdiff_t n = static_cast<std::ptrdiff_t>(GetMenuItemCount());
  if (n > m_items.GetSize()) {
    n = m_items.GetSize();
  }

  int widest = -1;
  for (std::ptrdiff_t i = 0; i < n; ++i) {
    const CString s = ItemAt(i)->GetTextAnsi();
    const int tab = s.Find('\t');
    CString label = tab < 0 ? s : s.Left(tab);
    label += " ";
    const int width = TextWidth(screen.GetSafeHdc(), label);
    if (width > widest) {
      widest = width;
    }
  }

  for (std::ptrdiff_t i = 0; i < n; ++i) {
    MenuItemData* record = ItemAt(i);
    const CString s = record->GetTextAnsi();
    const int tab = s.Find('\t');
    if (tab < 0) {
      continue;
    }
    CString label = s.Left(tab);
    int width = TextWidth(screen.GetSafeHdc(), label);
    while (width < widest) {
      label += ' ';
      const int wider = TextWidth(screen.GetSafeHdc(), label);
      if (wider <= width) {
        break;  // a space that adds no width would pad for ever
      }
      width = wider;
    }
    label += s.Mid(tab);
    record->SetTextAnsi(label.GetString());
  }
}
