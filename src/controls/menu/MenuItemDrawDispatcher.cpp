#include "controls/menu/MenuItemDrawDispatcher.h"

#include "controls/menu/TrellMenu.h"
#include "framework/CDC.h"

int MenuItemDrawDispatcher::ChooseDrawMode(HDC dc, const MenuLookFacts& facts) {
  CDC* wrapper = CDC::FromHandle(dc);
  if (wrapper != nullptr && (wrapper->GetDeviceCaps(RASTERCAPS) & RC_PALETTE)) {
    return DrawModeClassic;
  }
  const int mode = facts.xpLook ? TrellMenu::s_drawModeXp : TrellMenu::s_drawModeOther;
  return mode == DrawModeFlat ? DrawModeFlat : DrawModeClassic;
}

void MenuItemDrawDispatcher::Draw(TrellMenu& menu, DRAWITEMSTRUCT* drawItem) {
  if (drawItem == nullptr || drawItem->itemData == 0) {
    return;  // an item without its record is skipped
  }
  if (ChooseDrawMode(drawItem->hDC, MenuLookFacts::Current()) == DrawModeFlat) {
    menu.PaintItemFlat(drawItem);
  } else {
    menu.PaintItemClassic(drawItem);
  }
}
