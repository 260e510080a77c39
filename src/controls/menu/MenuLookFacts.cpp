#include "controls/menu/MenuLookFacts.h"

#include "controls/menu/TrellMenu.h"

MenuLookFacts MenuLookFacts::Current() {
  MenuLookFacts facts;
  facts.osClass = TrellMenu::CurrentOsClass();
  facts.recognisedOs = TrellMenu::IsRecognisedOs() != FALSE;
  facts.xpLook = TrellMenu::IsXpLook() != FALSE;
  facts.flatDrawing = TrellMenu::IsFlatDrawing() != FALSE;
  return facts;
}

MenuLookFacts MenuLookFacts::ForOs(OsClass osClass, bool classicTheme) {
  MenuLookFacts facts;
  facts.osClass = osClass;
  facts.recognisedOs = osClass >= OsWin95;
  facts.xpLook = osClass == OsWinXp && !classicTheme;
  const int mode = facts.xpLook ? TrellMenu::s_drawModeXp : TrellMenu::s_drawModeOther;
  facts.flatDrawing = mode == DrawModeFlat;
  return facts;
}
