// TrellMenu: drawing items. The dispatcher picks the look; each look has a
// painter of its own, given the facts of this system.
#include "controls/menu/ClassicItemPainter.h"
#include "controls/menu/FlatItemPainter.h"
#include "controls/menu/MenuItemDrawDispatcher.h"
#include "controls/menu/MenuLookFacts.h"
#include "controls/menu/TrellMenu.h"

void TrellMenu::DrawItem(DRAWITEMSTRUCT* drawItem) {
  MenuItemDrawDispatcher::Draw(*this, drawItem);
}

BOOL TrellMenu::PaintItemClassic(DRAWITEMSTRUCT* drawItem) {
  return ClassicItemPainter(*this, MenuLookFacts::Current()).Paint(drawItem);
}

BOOL TrellMenu::PaintItemFlat(DRAWITEMSTRUCT* drawItem) {
  return FlatItemPainter(*this, MenuLookFacts::Current()).Paint(drawItem);
}
