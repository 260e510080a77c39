#include "controls/menu/MenuTemplateResource.h"

#include "framework/Afx.h"

namespace {

// Deeper nesting than this is refused: destroying and searching a menu
// recurse once per level, and no real menu comes near it.
constexpr int kMaxTemplateDepth = 64;

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

BOOL MenuTemplateResource::Read(const char* resourceName, std::vector<MenuTemplateItem>& items) {
  items.clear();
  std::size_t size = 0;
  const void* data = FindMenuTemplate(resourceName, size);
  if (data == nullptr) {
    return FALSE;
  }
  // Read whole and checked against the resource's size.
  if (ReadMenuTemplate(data, size, items) != MenuTemplateStatus::Ok) {
    items.clear();
    return FALSE;
  }
  for (const MenuTemplateItem& item : items) {
    if (item.depth >= kMaxTemplateDepth) {
      items.clear();
      return FALSE;
    }
  }
  return TRUE;
}
