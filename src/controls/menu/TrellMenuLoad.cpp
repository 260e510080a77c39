// TrellMenu: loading from menu resources.
#include "controls/menu/TrellMenu.h"

BOOL TrellMenu::LoadMenu(UINT resourceId) {
  return LoadMenu(MAKEINTRESOURCEA(resourceId & 0xFFFF));
}

BOOL TrellMenu::LoadMenu(const char*) {
  // Loading from resources is not supported yet: nothing is loaded.
  return FALSE;
}
