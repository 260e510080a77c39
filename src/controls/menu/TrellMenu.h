#pragma once

#include <windows.h>

#include <cstddef>

#include "controls/menu/MenuDrawing.h"
#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuLookFacts.h"
#include "controls/menu/MenuPictures.h"
#include "controls/menu/MenuSettings.h"
#include "controls/menu/OsVersionClass.h"
#include "framework/CDWordArray.h"
#include "framework/CImageList.h"
#include "framework/CMenu.h"
#include "framework/CPtrArray.h"
#include "framework/CString.h"

class CBitmap;
class CDC;
struct MenuItemData;

// A menu whose items are all owner-drawn. Each item has a MenuItemData record
// (its address is the item's data in the platform menu); commands get their
// pictures from toolbar resources through a shared image list; the items are
// measured and drawn in a classic or a flat look chosen from the OS version
// and the desktop theme.
//
// The class holds the records and the platform-menu side (construction,
// lookup, re-synchronisation, loading, destruction). The look is decided by
// MenuEnvironment, the pictures are MenuPictures, items are sized by
// MenuItemMeasurer and drawn by ClassicItemPainter or FlatItemPainter, which
// take the menu's MenuSettings rather than the menu; the operations below that
// belong to those classes forward to them.
//
// A TrellMenu owns its records, the TrellMenu objects of the sub-menus it
// created while loading (found through m_subMenuHandles), and m_checkImages
// unless m_checkImagesShared is set.
class TrellMenu : public CMenu {
  DECLARE_DYNAMIC(TrellMenu)

 public:
  TrellMenu();
  TrellMenu(const TrellMenu&) = delete;
  TrellMenu& operator=(const TrellMenu&) = delete;
  // Runs this class's DestroyMenu before CMenu's destructor.
  ~TrellMenu() override;

  // ---- Owner draw, loading and destruction (virtual) ----------------------
  // Paints one item in the classic or the flat look.
  void DrawItem(DRAWITEMSTRUCT* drawItem) override;
  // Sizes one item.
  void MeasureItem(MEASUREITEMSTRUCT* measureItem) override;
  // Loads the menu resource with the integer name made from the id's low 16 bits.
  virtual BOOL LoadMenu(UINT resourceId);
  // Builds the menu from a menu resource; TRUE when it was built.
  virtual BOOL LoadMenu(const char* resourceName);
  // Releases the records, the sub-menu objects this menu owns, its own check
  // images, and the platform menu; the result of CMenu::DestroyMenu.
  virtual BOOL DestroyMenu();

  // ---- Construction and lookup --------------------------------------------
  // Appends an owner-drawn item to the menu this object holds. An id of 0
  // makes a separator (only MF_BYPOSITION of the flags is kept); with
  // MF_POPUP the id is the sub-menu's handle. toolbarId >= 0 takes the
  // command's picture from that toolbar resource, -1 reuses the shared
  // picture the command already has. The platform's result.
  BOOL AppendMenu(const wchar_t* text, UINT flags, UINT_PTR id, int toolbarId = -1);
  // Modifies the item at position (MF_BYPOSITION in flags, as a rule) into a
  // new record, which is returned, not listed in m_items: the caller owns it.
  MenuItemData* ReplaceItemAt(UINT position, UINT flags, UINT_PTR id, const CString& text);
  // The popup at position (the permanent TrellMenu where there is one, a
  // temporary CMenu otherwise), or null.
  CMenu* GetSubMenu(int position) const;
  // The menu holding command id, searching depth first in position order,
  // and its position there; null and -1 when none holds it.
  CMenu* FindCommandMenu(UINT id, int& position) const;
  // The text of an item by position (MF_BYPOSITION in flags) or by command,
  // which may sit in a sub-menu. TRUE when found; an item of a menu that is
  // not a TrellMenu counts as not found.
  BOOL GetItemText(UINT idOrPosition, CString& text, UINT flags) const;
  // For a loaded menu: the number of platform items in front of this menu's
  // first own item (plain string items that other code inserted).
  int FirstOwnedPosition() const;
  // Turns popup items of a loaded menu back into plain string items.
  void RefreshPopupItems();
  // The first unclaimed record of command id, now claimed; null if none.
  MenuItemData* ClaimItem(UINT_PTR id);
  void ResetClaims(UINT value);
  // Frees the records nobody claimed (the array itself is left as it is).
  void DeleteUnclaimedItems();
  // Rebuilds the records from the platform menu, reusing what it can: every
  // item becomes an owner-drawn item with a record, in item order.
  void Resynchronize();
  // Answers WM_MENUCHAR for a TrellMenu popup: MNC_EXECUTE with the position
  // of the first item whose text holds '&' and the character (any case),
  // 0 (MNC_IGNORE) otherwise.
  static LRESULT FindMnemonic(UINT character, UINT flags, CMenu* menu);
  // TRUE when the menu is a popup appended by some TrellMenu.
  static BOOL IsOwnedSubMenu(CMenu* menu);
  static BOOL IsOwnedSubMenu(HMENU menu);

  // A new sub-menu object for a popup that this menu's loading creates; once
  // its handle is appended as a popup, the parent menu owns the object and
  // deletes it in DestroyMenu. (Sub-menu objects that the caller made and
  // appended stay the caller's: DestroyMenu only empties them.)
  static TrellMenu* NewOwnedSubMenu();

  // ---- Pictures (MenuPictures, with this menu's settings and the look) -------
  int AssignCommandPicture(UINT id, int toolbarId) {
    return Pictures().AssignCommandPicture(id, toolbarId);
  }
  BOOL FindToolbarImage(UINT id, int toolbarId, int& index) {
    return MenuPictures::FindToolbarImage(id, toolbarId, index);
  }
  static UINT BitmapColorCount(const BITMAPINFOHEADER* header) {
    return MenuPictures::BitmapColorCount(header);
  }
  static HBITMAP LoadSysColorToolbarBitmap(UINT id) {
    return MenuPictures::LoadSysColorToolbarBitmap(id);
  }
  BOOL AddBitmapImages(CImageList* list, UINT_PTR id) {
    return Pictures().AddBitmapImages(list, id);
  }
  int AddSharedImage(CImageList* list, int index, UINT id) {
    return Pictures().AddSharedImage(list, index, id);
  }
  static int FindSharedImage(UINT id) { return MenuPictures::FindSharedImage(id); }
  static BOOL HasImageVariants(int k) { return MenuPictures::HasImageVariants(k); }
  BOOL IconToBitmap(CDC* dc, CImageList* list, int index, CBitmap* bitmap) {
    return Pictures().IconToBitmap(dc, list, index, bitmap);
  }
  void MakeFadedBitmap(CBitmap* bitmap) { MenuPictures::MakeFadedBitmap(bitmap); }
  void MakeShadowBitmap(CBitmap* bitmap) { Pictures().MakeShadowBitmap(bitmap); }

  // ---- Environment probes (MenuEnvironment) ---------------------------------
  static OsClass DetectOsClass() { return MenuEnvironment::DetectOsClass(); }
  static BOOL IsRecognisedOs() { return Look(FALSE).recognisedOs; }
  static BOOL IsClassicTheme() { return MenuEnvironment::IsClassicTheme(); }
  static BOOL IsXpLook() { return Look(TRUE).xpLook; }
  static BOOL IsFlatDrawing() { return Look(TRUE).flatDrawing; }

  // ---- Drawing helpers (menu_drawing) ---------------------------------------
  static void PaintRadioDot(CDC* dc, int x, int y, COLORREF color) {
    menu_drawing::PaintRadioDot(dc, x, y, color);
  }
  static void PaintCheckTick(CDC* dc, int x, int y, COLORREF color) {
    menu_drawing::PaintCheckTick(dc, x, y, color);
  }
  static BOOL PaintClassicCheckCell(CDC* dc, const RECT& rect, bool selected, bool radio) {
    menu_drawing::PaintClassicCheckCell(dc, rect, selected, radio, Look(TRUE));
    return TRUE;
  }
  static BOOL PaintFlatCheckCell(CDC* dc, const RECT& rect, bool radio, COLORREF frameColor) {
    menu_drawing::PaintFlatCheckCell(dc, rect, radio, frameColor);
    return TRUE;
  }
  static void PaintDisabledMasked(CDC* dc, int x, int y, int width, int height, CBitmap* picture,
                                  int sourceX, int sourceY, COLORREF background) {
    menu_drawing::PaintDisabledMasked(dc, x, y, width, height, picture, sourceX, sourceY,
                                      background);
  }
  static void PaintDisabledDib(HDC dc, int x, int y, int width, int height, HBITMAP picture,
                               int sourceX, int sourceY, COLORREF background) {
    menu_drawing::PaintDisabledDib(dc, x, y, width, height, picture, sourceX, sourceY, background);
  }

  // ---- Measuring and drawing the looks ------------------------------------
  // The settings the measurer, the painters and the pictures read.
  MenuSettings Settings() const;
  // Paint one item in the classic or the flat look (ClassicItemPainter,
  // FlatItemPainter) with the look of this system.
  BOOL PaintItemClassic(DRAWITEMSTRUCT* drawItem);
  BOOL PaintItemFlat(DRAWITEMSTRUCT* drawItem);
  // Pads the labels of this menu's items so that their accelerators align.
  void AlignTabColumns();

  // ---- Leak checks ----------------------------------------------------------
  // TrellMenu objects alive in the process.
  static std::size_t LiveCount();

  // ---- Members --------------------------------------------------------------
  CPtrArray m_items;           // MenuItemData*, one per item, in item order; owned
  CPtrArray m_subMenuHandles;  // HMENU of every popup appended to this menu
  int m_imageWidth = 16;
  int m_imageHeight = 15;
  COLORREF m_maskColor = RGB(192, 192, 192);
  BOOL m_useMaskColor = FALSE;
  BOOL m_disabledStyle = FALSE;
  CImageList* m_checkImages = nullptr;
  BOOL m_checkImagesShared = FALSE;
  int m_selectedCheckBitmapId = -1;
  int m_checkBitmapId = -1;
  BOOL m_imagesAreIcons = FALSE;
  BOOL m_loaded = FALSE;

  // ---- Class-wide state -----------------------------------------------------
  // Ready before any constructor runs (constant initialisation), so TrellMenu
  // objects made during static initialisation, in any order, can use it.
  static CPtrArray s_subMenuHandles;  // every popup appended by any TrellMenu
  // The shared pictures (MenuPictures) and the OS class and fixed settings
  // (MenuEnvironment), reached through this class under their own names.
  static inline CImageList& s_sharedImages = MenuPictures::s_sharedImages;
  static inline CDWordArray& s_imageCommandIds = MenuPictures::s_imageCommandIds;
  static OsClass CurrentOsClass() { return MenuEnvironment::CurrentOsClass(); }
  static constexpr int s_drawModeXp = MenuEnvironment::s_drawModeXp;
  static constexpr int s_drawModeOther = MenuEnvironment::s_drawModeOther;
  static constexpr BOOL s_imageEffects = MenuEnvironment::s_imageEffects;
  static constexpr BOOL s_classicHighlightDisabled = MenuEnvironment::s_classicHighlightDisabled;
  static constexpr BOOL s_flatHighlightDisabled = MenuEnvironment::s_flatHighlightDisabled;
  static void ForgetThemeProbe() { MenuEnvironment::ForgetThemeProbe(); }

 private:
  // Deletes record i of m_items.
  void DeleteItem(std::ptrdiff_t i);
  MenuItemData* ItemAt(std::ptrdiff_t i) const;
  // The string of the item at position, as GetMenuStringA gives it.
  CString ReadItemString(UINT position) const;
  static void RemoveSubMenuHandle(HMENU handle);
  static CMenu* FindCommandMenuIn(HMENU menu, UINT id, int& position, int depth);
  MenuPictures Pictures() const { return MenuPictures(Settings(), MenuEnvironment::CurrentLook()); }
  // The look of this system; without withTheme the theme is not probed (for
  // the facts that do not depend on it).
  static MenuLookFacts Look(BOOL withTheme) {
    return withTheme ? MenuEnvironment::CurrentLook()
                     : MenuEnvironment::LookFor(MenuEnvironment::CurrentOsClass(), false);
  }

  // Set on sub-menu objects made by NewOwnedSubMenu: the parent deletes them.
  BOOL m_ownedByParent = FALSE;
};
