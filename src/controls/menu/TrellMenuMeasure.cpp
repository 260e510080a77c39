// TrellMenu: measuring items.
#include "controls/menu/TrellMenu.h"

void TrellMenu::MeasureItem(MEASUREITEMSTRUCT*) {
  // Items keep the size the platform proposes until measuring is written.
}
