#pragma once

#include <windows.h>

#include "controls/menu/MenuLookFacts.h"
#include "controls/menu/MenuSettings.h"
#include "controls/menu/PicturePatchCache.h"
#include "framework/CDWordArray.h"
#include "framework/CImageList.h"

class CBitmap;
class CDC;

// The class-wide pictures of TrellMenu: one shared image list with a picture
// per command (and, in the flat look, its faded and shadow variants in the two
// slots after it), the command id of every slot, the reading of toolbar
// resources, and the derived bitmaps. An object carries the settings of the
// menu that asks and the look in force; the list and the ids are shared by
// all.
class MenuPictures {
 public:
  // Ready before any constructor runs (constant initialisation), so menus
  // made during static initialisation, in any order, can use them.
  static CImageList s_sharedImages;      // pictures by command
  static CDWordArray s_imageCommandIds;  // command of each shared picture

  // The greyed pictures of disabled items, the lifted pictures of hovered
  // ones and the plain pictures on their cells, made once per picture, size,
  // style and background. Class-wide like the shared list: emptied when a
  // shared picture is added or replaced, freed at exit.
  static PicturePatchCache& PicturePatches();

  MenuPictures(const MenuSettings& settings, const MenuLookFacts& look);

  // Draws picture index of list greyed, its top left at (x, y), on
  // background: with the settings' greying style (embossed through a
  // monochrome DIB or masked), from the cache when the picture is the shared
  // list's (an item's own list may change behind the menu's back).
  void PaintDisabledPicture(CDC* dc, int x, int y, CImageList* list, int index,
                            COLORREF background) const;
  // Draws picture index of list as it is (transparent where its mask says),
  // its top left at (x, y), over background. From the cache when the picture
  // is the shared list's, it lies inside filled (the area already filled with
  // background) and background is what a fill of the picture's patch would
  // paint there (exactBackground: not so on devices of 256 colours or fewer,
  // where a brush dithers); else straight onto dc.
  void PaintPicture(CDC* dc, int x, int y, CImageList* list, int index, COLORREF background,
                    const RECT& filled, bool exactBackground) const;
  // Draws picture index of list hovered: lifted to one pixel up and left of
  // (x, y), over its shadow (shadowIndex) one pixel down and right of it. From
  // the cache when the picture is the shared list's and the patch lies inside
  // filled, the area already filled with background; else straight onto dc.
  void PaintLiftedPicture(CDC* dc, int x, int y, CImageList* list, int index, int shadowIndex,
                          COLORREF background, const RECT& filled) const;

  // The shared picture of command id from toolbar toolbarId: its index in
  // s_sharedImages, or -1 when the toolbar does not list the command or its
  // bitmap cannot be used.
  int AssignCommandPicture(UINT id, int toolbarId) const;
  // TRUE when the toolbar resource lists command id; index then holds its
  // button's picture number when that is greater than 0.
  static BOOL FindToolbarImage(UINT id, int toolbarId, int& index);
  // Number of colour-table entries of a bitmap header.
  static UINT BitmapColorCount(const BITMAPINFOHEADER* header);
  // A 16-colour bitmap resource with its button colours mapped to the
  // current system colours; null for any other bitmap or a missing one.
  static HBITMAP LoadSysColorToolbarBitmap(UINT id);
  // Appends the pictures of bitmap resource id (or, with imagesAreIcons, the
  // icon whose handle id is) to list.
  BOOL AddBitmapImages(CImageList* list, UINT_PTR id) const;
  // Copies picture index of list into s_sharedImages for command id
  // (replacing the command's picture if it has one); with the flat look also
  // a faded and a shadow variant. The index, or -1.
  int AddSharedImage(CImageList* list, int index, UINT id) const;
  // The first index of command id in s_sharedImages, or -1.
  static int FindSharedImage(UINT id);
  // TRUE when slots k, k + 1 and k + 2 all belong to the same command.
  static BOOL HasImageVariants(int k);
  // Draws picture index of list on the button-face colour into a new bitmap
  // compatible with dc, of the settings' picture size, attached to bitmap.
  BOOL IconToBitmap(CDC* dc, CImageList* list, int index, CBitmap* bitmap) const;
  // Blends every non-background pixel 30 % toward white.
  static void MakeFadedBitmap(CBitmap* bitmap);
  // Paints every non-background pixel in one shadow colour: the shadow
  // colour itself in the XP look, blended 49 % toward white otherwise.
  void MakeShadowBitmap(CBitmap* bitmap) const;

 private:
  // The plain (shadowIndex -1) or the lifted picture, from the cache where
  // that can be done (see PaintPicture and PaintLiftedPicture).
  void PaintFromPatch(CDC* dc, int x, int y, CImageList* list, int index, int shadowIndex,
                      COLORREF background, const RECT& filled, bool exactBackground) const;

  MenuSettings m_settings;
  MenuLookFacts m_look;
};
