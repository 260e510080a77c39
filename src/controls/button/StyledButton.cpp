#include "controls/button/StyledButton.h"

#include <commctrl.h>
#include <mmsystem.h>

#include <cstring>

#include "controls/button/ButtonGeometry.h"
#include "framework/CBrush.h"
#include "framework/CPen.h"
#include "framework/SelectionGuard.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const int kMaxTipWidth = 400;
const UINT_PTR kTipToolId = 1;
const DWORD kButtonTypeMask = 0x1F;

button_geometry::Box ToBox(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

RECT ToRect(const button_geometry::Box& b) {
  RECT r;
  r.left = static_cast<LONG>(b.left);
  r.top = static_cast<LONG>(b.top);
  r.right = static_cast<LONG>(b.right);
  r.bottom = static_cast<LONG>(b.bottom);
  return r;
}

}  // namespace

StyledButton::StyledButton() {
  // The fields take their defaults from their initialisers; the state colours
  // come from the system colours of the moment.
  ResetStateColors(FALSE);
}

StyledButton::~StyledButton() {
  if (parentCopy.dc.GetSafeHdc() != nullptr && parentCopy.previousBitmap != nullptr) {
    ::SelectObject(parentCopy.dc.GetSafeHdc(), parentCopy.previousBitmap);
    parentCopy.previousBitmap = nullptr;
  }
  if (dropMenu.GetSafeHmenu() != nullptr) {
    dropMenu.DestroyMenu();
  }
  // The images, the cursor, the parent copy's bitmap and DC, the tooltip and
  // the base follow as members, in reverse order of construction.
}

// ---- Configuration -----------------------------------------------------------

void StyledButton::Repaint(BOOL repaint) {
  // Without a window there is nothing to invalidate; a null window handle
  // would invalidate every window of the desktop instead.
  if (repaint && m_hWnd != nullptr) {
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
  }
}

int StyledButton::SetStateColor(BYTE index, COLORREF color, BOOL repaint) {
  if (index >= StateColorCount) {
    return ResultBadColorIndex;
  }
  stateColors[index] = color;
  Repaint(repaint);
  return ResultOk;
}

int StyledButton::ShadeStateColor(BYTE index, SHORT shade, BOOL repaint) {
  if (index >= StateColorCount) {
    return ResultBadColorIndex;
  }
  if (shade < -255 || shade > 255) {
    return ResultBadShade;
  }
  stateColors[index] = button_geometry::ShadeColor(stateColors[index], shade);
  Repaint(repaint);
  return ResultOk;
}

int StyledButton::ResetStateColors(BOOL repaint) {
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
  stateColors[FaceHot] = face;
  stateColors[TextHot] = text;
  stateColors[FaceNormal] = face;
  stateColors[TextNormal] = text;
  stateColors[FaceFocused] = face;
  stateColors[TextFocused] = text;
  Repaint(repaint);
  return ResultOk;
}

COLORREF StyledButton::GetStateColor(BYTE index) const {
  return index < StateColorCount ? stateColors[index] : 0;
}

int StyledButton::SetHoverFrame(BOOL enable, BOOL repaint) {
  hoverFrame = enable ? TRUE : FALSE;
  Repaint(repaint);
  return ResultOk;
}

int StyledButton::SetPushOffsetStyle(BYTE style, BOOL repaint) {
  switch (style) {
    case PushOffsetDiagonal:
      pushOffset.x = 1;
      pushOffset.y = 1;
      break;
    case PushOffsetDown:
      pushOffset.x = 0;
      pushOffset.y = 2;
      break;
    default:
      return ResultBadOffsetStyle;
  }
  Repaint(repaint);
  return ResultOk;
}

int StyledButton::SetCheckState(BOOL state, BOOL repaint) {
  if (checkBoxMode) {
    checkState = state ? TRUE : FALSE;
    Repaint(repaint);
  }
  return ResultOk;
}

int StyledButton::GetCheckState() { return checkState; }

int StyledButton::SetLinkTarget(const char* target) {
  actions.SetLinkTarget(target);
  return ResultOk;
}

void StyledButton::EnsureTipControl() {
  if (tip.GetSafeHwnd() != nullptr && ::IsWindow(tip.GetSafeHwnd())) {
    return;
  }
  if (tip.GetSafeHwnd() != nullptr) {
    // The window went away behind the object's back: start afresh.
    tip.Detach();
  }
  tip.Create(this, 0);
  tip.Activate(FALSE);
  tip.SetMaxTipWidth(kMaxTipWidth);
}

void StyledButton::SetTipText(const char* text, BOOL activate) {
  if (text == nullptr) {
    return;
  }
  EnsureTipControl();
  if (tip.GetToolCount() == 0) {
    RECT client = {0, 0, 0, 0};
    if (m_hWnd != nullptr) {
      GetClientRect(&client);
    }
    tip.AddTool(this, text, &client, kTipToolId);
  }
  tip.UpdateTipText(text, this, kTipToolId);
  tip.Activate(activate);
}

void StyledButton::DiscardParentCopy() {
  if (parentCopy.dc.GetSafeHdc() != nullptr && parentCopy.previousBitmap != nullptr) {
    ::SelectObject(parentCopy.dc.GetSafeHdc(), parentCopy.previousBitmap);
  }
  parentCopy.previousBitmap = nullptr;
  parentCopy.bitmap.DeleteObject();
  parentCopy.dc.DeleteDC();
}

HDC StyledButton::GetParentCopyDC() const { return parentCopy.dc.GetSafeHdc(); }

void StyledButton::UseParentBackground(BOOL repaint) {
  transparent = TRUE;
  DiscardParentCopy();
  Repaint(repaint);
}

void StyledButton::ReleaseImages(BOOL destroy) { images.Release(destroy != FALSE); }

void StyledButton::SetIcons(HICON hot, HICON normal, BOOL repaint) {
  images.SetIcons(hot, normal);
  Repaint(repaint);
}

void StyledButton::SetBitmaps(HBITMAP hot, HBITMAP hotMask, HBITMAP normal, HBITMAP normalMask,
                              BOOL repaint) {
  images.SetBitmaps(hot, hotMask, normal, normalMask);
  Repaint(repaint);
}

void StyledButton::SetButtonCursor(HCURSOR newCursor) { cursor.reset(newCursor); }

void StyledButton::SetImageAlign(BYTE align, BOOL repaint) {
  imageAlign = align;
  Repaint(repaint);
}

void StyledButton::SetImageSpacing(int x, int y, BOOL repaint) {
  imageSpacingX = x;
  imageSpacingY = y;
  Repaint(repaint);
}

void StyledButton::SetAlwaysTrack(BOOL enable) { alwaysTrack = enable ? TRUE : FALSE; }

void StyledButton::SetFocusWhenFlat(BOOL enable, BOOL repaint) {
  focusWhenFlat = enable ? TRUE : FALSE;
  Repaint(repaint);
}

void StyledButton::SetGreyDisabledBitmap(BOOL enable, BOOL repaint) {
  greyDisabledBitmap = enable ? TRUE : FALSE;
  Repaint(repaint);
}

void StyledButton::SetFlat(BOOL enable, BOOL repaint) {
  flat = enable ? TRUE : FALSE;
  if (!flat) {
    // The 3-D look does no hover tracking, so nothing would ever end a hover
    // state taken over from the flat look.
    hover = FALSE;
  }
  Repaint(repaint);
}

void StyledButton::SetHoverSound(LPCSTR sound, HMODULE module, DWORD flags) {
  actions.SetHoverSound(sound, module, flags);
}

void StyledButton::SetClickSound(LPCSTR sound, HMODULE module, DWORD flags) {
  actions.SetClickSound(sound, module, flags);
}

void StyledButton::SetMenuCommandTarget(HWND target) { actions.SetMenuCommandTarget(target); }

void StyledButton::SetMenuNotify(HWND window, UINT message, LPARAM lParam) {
  actions.SetMenuNotify(window, message, lParam);
}

// ---- Attachment ----------------------------------------------------------------

void StyledButton::PreSubclassWindow() {
  const DWORD styleByte = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)) & 0xFF;
  const DWORD type = styleByte & kButtonTypeMask;
  if (styleByte & 0x02) {
    checkBoxMode = TRUE;
  }
  if (type == BS_DEFPUSHBUTTON) {
    isDefault = TRUE;
  }
  ModifyStyle(kButtonTypeMask, BS_OWNERDRAW, SWP_FRAMECHANGED);
  CButton::PreSubclassWindow();
}

// ---- Drawing -------------------------------------------------------------------

int StyledButton::ChooseSlot(bool slotOneFilled) const {
  if (pressed || (hover && !checkBoxMode)) {
    return 0;
  }
  return slotOneFilled ? 1 : 0;
}

void StyledButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
  CDC* dc = CDC::FromHandle(drawItem->hDC);
  if (dc == nullptr) {
    return;
  }
  const UINT state = drawItem->itemState;
  if (checkBoxMode) {
    pressed = ((state & ODS_SELECTED) != 0 || checkState) ? TRUE : FALSE;
  } else {
    pressed = ((state & ODS_SELECTED) != 0 || menuOpen) ? TRUE : FALSE;
  }
  focused = (state & ODS_FOCUS) != 0 ? TRUE : FALSE;
  disabled = (state & ODS_DISABLED) != 0 ? TRUE : FALSE;

  RECT r = drawItem->rcItem;
  dc->SetBkMode(TRANSPARENT);

  if (!flat && (focused || isDefault)) {
    CBrush black(kBlack);
    dc->FrameRect(&r, &black);
    ::InflateRect(&r, -1, -1);
  }

  if (transparent) {
    CopyParentBackground(dc);
  } else {
    PaintFace(dc, &r);
  }

  if (pressed) {
    if (flat) {
      if (hoverFrame) {
        PaintHoverFrame(dc, &r);
      }
    } else {
      CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
      dc->FrameRect(&r, &shadow);
    }
  } else if (flat) {
    if (hover && hoverFrame) {
      PaintHoverFrame(dc, &r);
    }
  } else {
    CPen highlight(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen light(PS_SOLID, 1, ::GetSysColor(COLOR_3DLIGHT));
    CPen darkShadow(PS_SOLID, 1, ::GetSysColor(COLOR_3DDKSHADOW));
    CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    SelectionGuard keepPen(*dc, highlight);
    dc->MoveTo(r.left, r.bottom - 1);
    dc->LineTo(r.left, r.top);
    dc->LineTo(r.right, r.top);
    dc->SelectHandle(light);
    dc->MoveTo(r.left + 1, r.bottom - 1);
    dc->LineTo(r.left + 1, r.top + 1);
    dc->LineTo(r.right, r.top + 1);
    dc->SelectHandle(darkShadow);
    dc->MoveTo(r.left, r.bottom - 1);
    dc->LineTo(r.right - 1, r.bottom - 1);
    dc->LineTo(r.right - 1, r.top - 1);
    dc->SelectHandle(shadow);
    dc->MoveTo(r.left + 1, r.bottom - 2);
    dc->LineTo(r.right - 2, r.bottom - 2);
    dc->LineTo(r.right - 2, r.top);
    // The guard selects the previous pen back before the pens are deleted.
  }

  CString text;
  GetWindowText(text);
  const BOOL hasCaption = text.IsEmpty() ? FALSE : TRUE;

  RECT itemRect = drawItem->rcItem;
  RECT captionRect = drawItem->rcItem;

  if (images.Icon(0).icon != nullptr) {
    PaintIcon(dc, hasCaption, &itemRect, &captionRect, pressed, disabled);
  }
  if (images.Bitmap(0).image != nullptr) {
    dc->SetBkColor(kWhite);
    PaintBitmap(dc, hasCaption, &itemRect, &captionRect, pressed, disabled);
  }
  if (hasCaption) {
    PaintCaption(dc, text, &itemRect, &captionRect, pressed, disabled);
  }

  if (focused && (!flat || focusWhenFlat)) {
    RECT focusRect = r;
    ::InflateRect(&focusRect, -3, -3);
    dc->DrawFocusRect(&focusRect);
  }
}

int StyledButton::PaintFace(CDC* dc, RECT* rect) {
  COLORREF color;
  if (hover || pressed) {
    color = stateColors[FaceHot];
  } else if (focused) {
    color = stateColors[FaceFocused];
  } else {
    color = stateColors[FaceNormal];
  }
  CBrush brush(color);
  dc->FillRect(rect, &brush);
  return 0;
}

int StyledButton::PaintHoverFrame(CDC* dc, RECT* rect) {
  const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  if (pressed) {
    dc->Draw3dRect(rect, shadow, highlight);
  } else {
    dc->Draw3dRect(rect, highlight, shadow);
  }
  return 0;
}

void StyledButton::CopyParentBackground(CDC* dc) {
  CWnd* parent = GetParent();
  if (parent == nullptr) {
    return;
  }
  CClientDC parentDC(parent);
  RECT client;
  GetClientRect(&client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  RECT pos;
  GetWindowRect(&pos);
  parent->ScreenToClient(&pos);

  if (parentCopy.dc.GetSafeHdc() == nullptr) {
    if (parentCopy.dc.CreateCompatibleDC(&parentDC)) {
      parentCopy.bitmap.CreateCompatibleBitmap(&parentDC, width, height);
      parentCopy.previousBitmap =
          static_cast<HBITMAP>(parentCopy.dc.SelectHandle(parentCopy.bitmap));
      parentCopy.dc.BitBlt(0, 0, width, height, &parentDC, pos.left, pos.top, SRCCOPY);
    }
  }
  dc->BitBlt(0, 0, width, height, &parentCopy.dc, 0, 0, SRCCOPY);
}

void StyledButton::PlaceImage(BOOL hasCaption, const RECT* itemRect, RECT* captionRect,
                              BOOL pressedNow, int width, int height, RECT* imageRect) {
  RECT client = *itemRect;
  if (m_hWnd != nullptr) {
    GetClientRect(&client);
  }
  const button_geometry::ImageLayout layout = {imageAlign,   imageSpacingX,         imageSpacingY,
                                               client.right, checkBoxMode != FALSE, pushOffset.x,
                                               pushOffset.y};
  button_geometry::Box caption = ToBox(*captionRect);
  button_geometry::Box image{};
  button_geometry::PlaceImage(layout, hasCaption != FALSE, ToBox(*itemRect), caption,
                              pressedNow != FALSE, width, height, image);
  *captionRect = ToRect(caption);
  *imageRect = ToRect(image);
}

void StyledButton::PaintIcon(CDC* dc, BOOL hasCaption, RECT* itemRect, RECT* captionRect,
                             BOOL pressedNow, BOOL disabledNow) {
  const IconSlot& slot = images.Icon(ChooseSlot(images.Icon(1).icon != nullptr));
  RECT imageRect;
  PlaceImage(hasCaption, itemRect, captionRect, pressedNow, slot.width, slot.height, &imageRect);
  ButtonImages::DrawIcon(dc, slot, imageRect, disabledNow != FALSE);
}

void StyledButton::PaintBitmap(CDC* dc, BOOL hasCaption, RECT* itemRect, RECT* captionRect,
                               BOOL pressedNow, BOOL disabledNow) {
  const BitmapSlot& slot = images.Bitmap(ChooseSlot(images.Bitmap(1).image != nullptr));
  RECT imageRect;
  PlaceImage(hasCaption, itemRect, captionRect, pressedNow, slot.width, slot.height, &imageRect);
  ButtonImages::DrawBitmap(dc, slot, imageRect, disabledNow != FALSE, greyDisabledBitmap != FALSE);
}

void StyledButton::PaintCaption(CDC* dc, const char* text, RECT* itemRect, RECT* captionRect,
                                BOOL pressedNow, BOOL disabledNow) {
  (void)itemRect;
  if (pressedNow && !checkBoxMode) {
    ::OffsetRect(captionRect, pushOffset.x, pushOffset.y);
  }
  const RECT area = *captionRect;
  dc->DrawText(text, -1, captionRect, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
  const int dx = ((area.right - area.left) - (captionRect->right - captionRect->left)) / 2;
  const int dy = ((area.bottom - area.top) - (captionRect->bottom - captionRect->top)) / 2;
  ::OffsetRect(captionRect, dx, dy);
  dc->SetBkMode(TRANSPARENT);
  if (disabledNow) {
    ::OffsetRect(captionRect, 1, 1);
    dc->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
    dc->DrawText(text, -1, captionRect, DT_WORDBREAK | DT_CENTER);
    ::OffsetRect(captionRect, -1, -1);
    dc->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
    dc->DrawText(text, -1, captionRect, DT_WORDBREAK | DT_CENTER);
  } else {
    if (hover || pressedNow) {
      dc->SetTextColor(stateColors[TextHot]);
      dc->SetBkColor(stateColors[FaceHot]);
    } else {
      dc->SetTextColor(stateColors[TextNormal]);
      dc->SetBkColor(stateColors[FaceNormal]);
    }
    dc->DrawText(text, -1, captionRect, DT_WORDBREAK | DT_CENTER);
  }
}

// ---- Interaction -----------------------------------------------------------------

// clang-format off
BEGIN_MESSAGE_MAP(StyledButton, CButton)
  ON_WM_SETCURSOR()
  ON_WM_KILLFOCUS()
  ON_WM_MOUSEMOVE()
  ON_WM_SYSCOLORCHANGE()
  ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
  ON_WM_ACTIVATE()
  ON_WM_ENABLE()
  ON_WM_CANCELMODE()
  ON_WM_GETDLGCODE()
  ON_WM_CTLCOLOR_REFLECT()
  ON_WM_MENUCHAR()
  ON_WM_MEASUREITEM()
  ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
  ON_MESSAGE(BM_SETCHECK, OnSetCheck)
  ON_MESSAGE(BM_GETCHECK, OnGetCheck)
END_MESSAGE_MAP()
// clang-format on

void StyledButton::EndHover() {
  if (flat && hover) {
    hover = FALSE;
    Repaint(TRUE);
  }
}

BOOL StyledButton::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
  if (cursor) {
    ::SetCursor(cursor.get());
    return TRUE;
  }
  return CWnd::OnSetCursor(wnd, hitTest, message);
}

void StyledButton::OnKillFocus(CWnd* newWnd) {
  CWnd::OnKillFocus(newWnd);
  EndHover();
}

void StyledButton::OnMouseMove(UINT flags, CPoint point) {
  CWnd::OnMouseMove(flags, point);
  POINT screen = {point.x, point.y};
  ClientToScreen(&screen);
  const HWND under = ::WindowFromPoint(screen);

  if ((flags & MK_LBUTTON) != 0 && !hover) {
    return;  // entered with the button held down
  }
  if (!flat) {
    return;
  }
  const bool over = under == m_hWnd && (alwaysTrack || ::GetActiveWindow() != nullptr);
  if (!over) {
    EndHover();
    return;
  }
  if (hover) {
    return;
  }
  hover = TRUE;
  Repaint(TRUE);
  actions.PlayHoverSound();
  TRACKMOUSEEVENT track;
  std::memset(&track, 0, sizeof(track));
  track.cbSize = sizeof(track);
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = m_hWnd;
  ::_TrackMouseEvent(&track);
}

void StyledButton::OnSysColorChange() {
  CWnd::OnSysColorChange();
  DiscardParentCopy();
  ResetStateColors(TRUE);
}

BOOL StyledButton::OnClicked() {
  SetFocus();
  actions.PlayClickSound();
  if (checkBoxMode) {
    checkState = checkState ? FALSE : TRUE;
    Repaint(TRUE);
    return FALSE;
  }
  if (dropMenu.GetSafeHmenu() != nullptr) {
    // A button with a menu drops it down and never opens its link target.
    actions.DropDown(*this, dropMenu, menuOpen);
    return FALSE;
  }
  actions.OpenLink();
  return FALSE;
}

LRESULT StyledButton::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu) {
  if (TrellMenu::IsOwnedSubMenu(pMenu)) {
    return TrellMenu::FindMnemonic(nChar, nFlags, pMenu);
  }
  return CWnd::OnMenuChar(nChar, nFlags, pMenu);
}

void StyledButton::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (lpMeasureItemStruct != nullptr && lpMeasureItemStruct->CtlType == ODT_MENU) {
    // A popup item's id is its sub-menu's handle.
    HMENU item = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(lpMeasureItemStruct->itemID));
    if (::IsMenu(item) && TrellMenu::IsOwnedSubMenu(item)) {
      dropMenu.MeasureItem(lpMeasureItemStruct);
      return;
    }
  }
  CWnd::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

void StyledButton::OnActivate(UINT state, CWnd* other, BOOL minimized) {
  CWnd::OnActivate(state, other, minimized);
  if (state == WA_INACTIVE) {
    EndHover();
  }
}

void StyledButton::OnEnable(BOOL enable) {
  CWnd::OnEnable(enable);
  if (!enable) {
    CWnd* parent = GetParent();
    if (parent != nullptr) {
      HWND next = ::GetNextDlgTabItem(parent->GetSafeHwnd(), m_hWnd, FALSE);
      if (next != nullptr && next != m_hWnd) {
        ::SetFocus(next);
      } else {
        parent->SetFocus();
      }
    }
    EndHover();
  }
}

void StyledButton::OnCancelMode() {
  CWnd::OnCancelMode();
  EndHover();
}

UINT StyledButton::OnGetDlgCode() {
  UINT code = CWnd::OnGetDlgCode();
  code |= isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
  return code;
}

HBRUSH StyledButton::CtlColor(CDC* dc, UINT ctlColor) {
  (void)dc;
  (void)ctlColor;
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

LRESULT StyledButton::OnSetStyle(WPARAM wParam, LPARAM lParam) {
  const DWORD style = static_cast<DWORD>(wParam);
  const DWORD type = style & kButtonTypeMask;
  if (type == BS_DEFPUSHBUTTON) {
    isDefault = TRUE;
  } else if (type == BS_PUSHBUTTON) {
    isDefault = FALSE;
  }
  const DWORD ownerDrawStyle = (style & ~static_cast<DWORD>(0x14)) | BS_OWNERDRAW;
  return DefWindowProc(BM_SETSTYLE, static_cast<WPARAM>(ownerDrawStyle), lParam);
}

LRESULT StyledButton::OnMouseLeave(WPARAM, LPARAM) {
  EndHover();
  return 0;
}

LRESULT StyledButton::OnSetCheck(WPARAM wParam, LPARAM) {
  const BOOL state = (wParam == BST_CHECKED || wParam == BST_INDETERMINATE) ? TRUE : FALSE;
  SetCheckState(state, TRUE);
  return 0;
}

LRESULT StyledButton::OnGetCheck(WPARAM, LPARAM) { return GetCheckState(); }

BOOL StyledButton::PreTranslateMessage(MSG* msg) {
  EnsureTipControl();
  tip.RelayEvent(msg);
  if (msg->message == WM_LBUTTONDBLCLK) {
    msg->message = WM_LBUTTONDOWN;
  }
  return CButton::PreTranslateMessage(msg);
}
