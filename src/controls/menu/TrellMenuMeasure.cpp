// TrellMenu: measuring items, for the look of this system.
#include "controls/menu/MenuItemMeasurer.h"
#include "controls/menu/MenuLookFacts.h"
#include "controls/menu/TrellMenu.h"

void TrellMenu::MeasureItem(MEASUREITEMSTRUCT* measureItem) {
  MenuItemMeasurer(*this, MenuLookFacts::Current()).Measure(measureItem);
}
