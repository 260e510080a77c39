// The class-wide state of TrellMenu, defined in the order it is built:
// the shared image list, the command ids of its pictures, the OS class, the
// list of sub-menu handles.
//
// The three containers have constexpr constructors and are therefore
// initialised before any code of the program runs, whatever the order in
// which the linker arranges the initialisers of the translation units: the
// application object, constructed first, and any other object made during
// static initialisation find them ready. Only the OS class needs code; it is
// computed here during static initialisation, or earlier on first use.
#include "controls/menu/TrellMenu.h"

CImageList TrellMenu::s_sharedImages;
CDWordArray TrellMenu::s_imageCommandIds;
int TrellMenu::s_osClass = -1;
CPtrArray TrellMenu::s_subMenuHandles;
BOOL TrellMenu::s_themeProbed = FALSE;
BOOL TrellMenu::s_classicTheme = FALSE;

struct TrellMenuStartup {
  TrellMenuStartup() { TrellMenu::CurrentOsClass(); }
};

namespace {

const TrellMenuStartup computeOsClassAtStart;

}  // namespace

OsClass TrellMenu::CurrentOsClass() {
  if (s_osClass < 0) {
    s_osClass = DetectOsClass();
  }
  return static_cast<OsClass>(s_osClass);
}
