#pragma once

#include <windows.h>

#include <vector>

#include "controls/menu/MenuTemplateReader.h"

// A menu resource, found and read whole (MenuTemplateReader) before a menu is
// built from it.
class MenuTemplateResource {
 public:
  // The items of menu resource resourceName (a string or an integer
  // resource), from the module AfxFindResourceHandle names, else from the
  // application's own. FALSE, and no items, when the resource is missing or
  // damaged or its popups nest 64 levels or deeper.
  static BOOL Read(const char* resourceName, std::vector<MenuTemplateItem>& items);
};
