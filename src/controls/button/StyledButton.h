#pragma once

#include <windows.h>

#include "controls/button/ButtonCaption.h"
#include "controls/button/ButtonClickActions.h"
#include "controls/button/ButtonGeometry.h"
#include "controls/button/ButtonImages.h"
#include "controls/button/ButtonParentCopy.h"
#include "controls/menu/TrellMenu.h"
#include "framework/CBitmap.h"
#include "framework/CButton.h"
#include "framework/CClientDC.h"
#include "framework/CDC.h"
#include "framework/CToolTipCtrl.h"
#include "framework/UniqueHandle.h"

// An owner-drawn push button that takes the place of a template push button:
// a flat (default) or 3-D look, six state colours, an optional background
// copied from the parent window, optional icon and bitmap images beside the
// caption, a tooltip, hover highlighting, a check-box mode and click actions
// (toggle the check state, drop down a menu, open a document or URL).
class StyledButton : public CButton {
 public:
  using Base = CButton;
  // Result codes of the configuration operations.
  enum ButtonResult {
    ResultOk = 0,
    ResultBadColorIndex = 3,
    ResultBadShade = 5,
    ResultBadOffsetStyle = 6,
  };

  // Indices of stateColors. Hot means hovered or pressed.
  enum StateColor : BYTE {
    FaceHot = 0,
    TextHot = 1,
    FaceNormal = 2,
    TextNormal = 3,
    FaceFocused = 4,
    TextFocused = 5,
  };
  static constexpr int StateColorCount = 6;

  // Values of imageAlign (the window-free geometry's); any other value puts
  // the image at the item's top-left corner.
  using ImageAlign = button_geometry::ImageAlign;
  static constexpr ImageAlign ImageLeft = button_geometry::ImageLeft;
  static constexpr ImageAlign ImageTop = button_geometry::ImageTop;
  static constexpr ImageAlign ImageRight = button_geometry::ImageRight;

  // Styles of SetPushOffsetStyle.
  enum PushOffsetStyle : BYTE { PushOffsetDiagonal = 0, PushOffsetDown = 1 };

  // Image slots: slot 0 is drawn while hot, slot 1 otherwise (when filled).
  enum ImageSlot { SlotHot = 0, SlotNormal = 1 };

  // The image slots own their handles (see ButtonImages).
  using IconSlot = ButtonImages::IconSlot;
  using BitmapSlot = ButtonImages::BitmapSlot;

  // Replaceable entry points of the shell and the sound system, so that tests
  // can watch the calls instead of starting a browser or a sound.
  using ShellExecuteFunction = ButtonClickActions::ShellExecuteFunction;
  using PlaySoundFunction = ButtonClickActions::PlaySoundFunction;
  static inline ShellExecuteFunction& s_shellExecute = ButtonClickActions::s_shellExecute;
  static inline PlaySoundFunction& s_playSound = ButtonClickActions::s_playSound;

  StyledButton();
  ~StyledButton() override;

  // Configuration. Operations with a repaint flag invalidate the whole
  // button (with erase) when it is TRUE and they succeed.
  int SetStateColor(BYTE index, COLORREF color, BOOL repaint);
  int ShadeStateColor(BYTE index, SHORT shade, BOOL repaint);
  int ResetStateColors(BOOL repaint);
  int SetHoverFrame(BOOL enable, BOOL repaint);
  int SetPushOffsetStyle(BYTE style, BOOL repaint);
  int SetCheckState(BOOL state, BOOL repaint);
  int GetCheckState();
  int SetLinkTarget(const char* target);
  void SetTipText(const char* text, BOOL activate);
  void EnsureTipControl();
  void UseParentBackground(BOOL repaint);
  void ReleaseImages(BOOL destroy);

  // Setters of the fields nothing else changes. The button takes ownership
  // of every handle it is given and frees the ones it held before.
  // Icons for the hot and the normal slot; either may be null.
  void SetIcons(HICON hot, HICON normal, BOOL repaint);
  // Bitmaps for the hot and the normal slot. An image is black where the
  // picture is transparent; its mask is monochrome, white there and black
  // where the picture is opaque. A null mask makes the whole image opaque.
  void SetBitmaps(HBITMAP hot, HBITMAP hotMask, HBITMAP normal, HBITMAP normalMask, BOOL repaint);
  void SetButtonCursor(HCURSOR newCursor);
  void SetImageAlign(BYTE align, BOOL repaint);
  void SetImageSpacing(int x, int y, BOOL repaint);
  void SetAlwaysTrack(BOOL enable);
  void SetFocusWhenFlat(BOOL enable, BOOL repaint);
  void SetGreyDisabledBitmap(BOOL enable, BOOL repaint);
  void SetFlat(BOOL enable, BOOL repaint);
  void SetHoverSound(LPCSTR sound, HMODULE module, DWORD flags);
  void SetClickSound(LPCSTR sound, HMODULE module, DWORD flags);
  // Window that receives WM_COMMAND (the item's id, lParam 0) for the item
  // picked from the drop-down menu. Null (the default): the button's parent.
  void SetMenuCommandTarget(HWND target);
  // Window sent message (wParam = the popup's CMenu*, lParam = lParam) just
  // before the drop-down menu opens; a null window sends nothing.
  void SetMenuNotify(HWND window, UINT message, LPARAM lParam);

  // Read access for the owner and for tests.
  COLORREF GetStateColor(BYTE index) const;
  BOOL IsFlat() const { return flat; }
  BOOL IsHovered() const { return hover; }
  BOOL IsTransparent() const { return transparent; }
  BOOL IsDefaultButton() const { return isDefault; }
  BOOL IsCheckBoxMode() const { return checkBoxMode; }
  BOOL HasHoverFrame() const { return hoverFrame; }
  BOOL IsAlwaysTracking() const { return alwaysTrack; }
  BOOL IsFocusWhenFlat() const { return focusWhenFlat; }
  BOOL IsGreyDisabledBitmap() const { return greyDisabledBitmap; }
  BOOL IsMenuOpen() const { return menuOpen; }
  POINT GetPushOffset() const { return pushOffset; }
  BYTE GetImageAlign() const { return imageAlign; }
  int GetImageSpacingX() const { return imageSpacingX; }
  int GetImageSpacingY() const { return imageSpacingY; }
  const char* GetLinkTarget() const { return actions.LinkTarget(); }
  HCURSOR GetButtonCursor() const { return cursor.get(); }
  const IconSlot& GetIconSlot(int slot) const { return images.Icon(slot); }
  const BitmapSlot& GetBitmapSlot(int slot) const { return images.Bitmap(slot); }
  CToolTipCtrl& GetToolTip() { return tip; }
  // The drop-down menu, for its owner to fill: a click shows its first popup
  // below the button.
  TrellMenu& GetDropMenu() { return dropMenu; }
  // The memory DC holding the parent copy, null when there is none.
  HDC GetParentCopyDC() const;

  // Framework overrides.
  void PreSubclassWindow() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

  // Painting layers a derived class may replace.
  virtual int PaintFace(CDC* dc, RECT* rect);
  virtual int PaintHoverFrame(CDC* dc, RECT* rect);
  virtual void PaintIcon(CDC* dc, BOOL hasCaption, RECT* itemRect, RECT* captionRect,
                         BOOL pressedNow, BOOL disabledNow);
  virtual void PaintBitmap(CDC* dc, BOOL hasCaption, RECT* itemRect, RECT* captionRect,
                           BOOL pressedNow, BOOL disabledNow);
  virtual void PaintCaption(CDC* dc, const char* text, RECT* itemRect, RECT* captionRect,
                            BOOL pressedNow, BOOL disabledNow);

  // Paints the cached copy of the parent's pixels, taking it first if needed.
  void CopyParentBackground(CDC* dc);
  // Places an image of width x height; shrinks captionRect to leave room.
  void PlaceImage(BOOL hasCaption, const RECT* itemRect, RECT* captionRect, BOOL pressedNow,
                  int width, int height, RECT* imageRect);

  // Leaves the hover state of a flat button (and repaints).
  void EndHover();

 protected:
  DECLARE_MESSAGE_MAP()

  BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
  void OnKillFocus(CWnd* newWnd);
  void OnMouseMove(UINT flags, CPoint point);
  void OnSysColorChange();
  BOOL OnClicked();
  void OnActivate(UINT state, CWnd* other, BOOL minimized);
  void OnEnable(BOOL enable);
  void OnCancelMode();
  UINT OnGetDlgCode();
  HBRUSH CtlColor(CDC* dc, UINT ctlColor);
  // Typed characters and item sizes of the drop-down menu's popups go to
  // the menu class; anything else to the default handling.
  LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
  void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
  // Default, with the kept caption renewed around it.
  LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

 private:
  void Repaint(BOOL repaint);
  // Slot to draw now: 0 while pressed and, outside check-box mode, while
  // hovered; otherwise 1 when filled, else 0.
  ImageSlot ChooseSlot(bool slotOneFilled) const;

 protected:
  // Fields. Derived classes that replace a painting layer read them; the
  // per-paint ones are rewritten by every DrawItem.
  BOOL greyDisabledBitmap = TRUE;
  int imageSpacingX = 3;
  int imageSpacingY = 3;
  POINT pushOffset = {1, 1};  // PushOffsetDiagonal
  BOOL flat = TRUE;
  BOOL hover = FALSE;
  BOOL transparent = FALSE;
  BOOL pressed = FALSE;   // per paint
  BOOL focused = FALSE;   // per paint
  BOOL disabled = FALSE;  // per paint
  BOOL isDefault = FALSE;
  BOOL checkBoxMode = FALSE;
  BYTE imageAlign = ImageLeft;
  BOOL hoverFrame = TRUE;
  BOOL focusWhenFlat = FALSE;
  COLORREF stateColors[StateColorCount] = {};  // from the system colours, see the constructor
  BOOL menuOpen = FALSE;                       // drawn pressed while the drop-down menu is open
  UniqueCursor cursor;
  TrellMenu dropMenu;  // present when it holds a menu handle
  CToolTipCtrl tip;
  ButtonParentCopy parentCopy;  // the parent's pixels under the button
  BOOL alwaysTrack = TRUE;
  BOOL checkState = FALSE;
  ButtonImages images;
  // Drop-down menu, link target and sounds.
  ButtonClickActions actions;

 private:
  // The caption's text and extent, kept between paints (painting's own
  // bookkeeping; WM_SETTEXT and a new window renew it).
  ButtonCaption caption;
};
