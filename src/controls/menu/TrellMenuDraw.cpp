// TrellMenu: drawing items.
#include "controls/menu/TrellMenu.h"

void TrellMenu::DrawItem(DRAWITEMSTRUCT*) {
  // Items are left as the platform painted them until drawing is written.
}
