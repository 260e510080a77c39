#include "controls/menu/MenuLookFacts.h"

#include "controls/menu/MenuEnvironment.h"

MenuLookFacts MenuLookFacts::Current() { return MenuEnvironment::CurrentLook(); }

MenuLookFacts MenuLookFacts::ForOs(OsClass osClass, bool classicTheme) {
  return MenuEnvironment::LookFor(osClass, classicTheme);
}
