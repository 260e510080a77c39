#include "controls/button/StyledButton.h"

#include <commctrl.h>
#include <mmsystem.h>

#include <cstring>

#include "controls/button/ButtonGeometry.h"
#include "framework/CBrush.h"
#include "framework/CPen.h"
#include "framework/SelectionGuard.h"

StyledButton::ShellExecuteFunction StyledButton::s_shellExecute = ::ShellExecuteExA;
StyledButton::PlaySoundFunction StyledButton::s_playSound = ::PlaySoundA;

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

// Width and height of a bitmap, zero for a null or invalid handle.
SIZE BitmapSize(HBITMAP bitmap) {
  SIZE size = {0, 0};
  BITMAP info;
  if (bitmap != nullptr && ::GetObjectA(bitmap, sizeof(info), &info) == sizeof(info)) {
    size.cx = info.bmWidth;
    size.cy = info.bmHeight;
  }
  return size;
}

// Width and height of an icon. The platform hands out copies of the icon's
// bitmaps with its information, which are deleted here.
SIZE IconSize(HICON icon) {
  SIZE size = {0, 0};
  ICONINFO info;
  if (icon == nullptr || !::GetIconInfo(icon, &info)) {
    return size;
  }
  if (info.hbmColor != nullptr) {
    size = BitmapSize(info.hbmColor);
  } else {
    // A monochrome icon keeps its AND and XOR masks one above the other.
    size = BitmapSize(info.hbmMask);
    size.cy /= 2;
  }
  if (info.hbmColor != nullptr) {
    ::DeleteObject(info.hbmColor);
  }
  if (info.hbmMask != nullptr) {
    ::DeleteObject(info.hbmMask);
  }
  return size;
}

// A monochrome mask of width x height that marks every pixel opaque (black).
HBITMAP MakeOpaqueMask(int width, int height) {
  if (width <= 0 || height <= 0) {
    return nullptr;
  }
  HBITMAP mask = ::CreateBitmap(width, height, 1, 1, nullptr);
  if (mask == nullptr) {
    return nullptr;
  }
  HDC dc = ::CreateCompatibleDC(nullptr);
  if (dc != nullptr) {
    {
      SelectionGuard keep(dc, mask);
      ::PatBlt(dc, 0, 0, width, height, BLACKNESS);
    }
    ::DeleteDC(dc);
  }
  return mask;
}

}  // namespace

StyledButton::StyledButton() {
  // Member objects (dropMenu, tip, the parent copy) are constructed empty
  // before this body runs.
  pressed = FALSE;
  focused = FALSE;
  disabled = FALSE;
  hover = FALSE;
  ReleaseImages(FALSE);

  flat = TRUE;
  alwaysTrack = TRUE;
  hoverFrame = TRUE;
  imageAlign = ImageLeft;
  SetPushOffsetStyle(PushOffsetDiagonal, FALSE);

  focusWhenFlat = FALSE;
  isDefault = FALSE;
  checkBoxMode = FALSE;
  checkState = FALSE;
  ResetStateColors(FALSE);

  transparent = FALSE;
  parentCopy.previousBitmap = nullptr;
  SetLinkTarget(nullptr);

  imageSpacingX = 3;
  imageSpacingY = 3;
  cursor = nullptr;
  menuOpen = FALSE;
  greyDisabledBitmap = TRUE;
  StoreSound(hoverSound, nullptr, nullptr, 0);
  StoreSound(clickSound, nullptr, nullptr, 0);
  menuCommandTarget = nullptr;
  menuNotify = MenuNotify{nullptr, 0, 0};
}

StyledButton::~StyledButton() {
  if (parentCopy.dc.GetSafeHdc() != nullptr && parentCopy.previousBitmap != nullptr) {
    ::SelectObject(parentCopy.dc.GetSafeHdc(), parentCopy.previousBitmap);
    parentCopy.previousBitmap = nullptr;
  }
  ReleaseImages(TRUE);
  if (cursor != nullptr) {
    ::DestroyCursor(cursor);
    cursor = nullptr;
  }
  if (dropMenu.GetSafeHmenu() != nullptr) {
    dropMenu.DestroyMenu();
  }
  // The parent copy's bitmap and DC, the tooltip and the base follow as
  // members, in reverse order of construction.
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
  std::memset(linkTarget, 0, sizeof(linkTarget));
  if (target != nullptr) {
    std::strncpy(linkTarget, target, sizeof(linkTarget) - 1);
  }
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

void StyledButton::ReleaseImages(BOOL destroy) {
  if (destroy) {
    for (IconSlot& slot : iconSlots) {
      if (slot.icon != nullptr) {
        ::DestroyIcon(slot.icon);
      }
    }
    for (BitmapSlot& slot : bitmapSlots) {
      if (slot.image != nullptr) {
        ::DeleteObject(slot.image);
      }
    }
    for (BitmapSlot& slot : bitmapSlots) {
      if (slot.mask != nullptr) {
        ::DeleteObject(slot.mask);
      }
    }
  }
  for (IconSlot& slot : iconSlots) {
    slot = IconSlot{nullptr, 0, 0};
  }
  for (BitmapSlot& slot : bitmapSlots) {
    slot = BitmapSlot{nullptr, 0, 0, nullptr};
  }
}

void StyledButton::SetIcons(HICON hot, HICON normal, BOOL repaint) {
  HICON given[2] = {hot, normal};
  for (int i = 0; i < 2; ++i) {
    IconSlot& slot = iconSlots[i];
    if (slot.icon != nullptr && slot.icon != given[i]) {
      ::DestroyIcon(slot.icon);
    }
    const SIZE size = IconSize(given[i]);
    slot = IconSlot{given[i], static_cast<int>(size.cx), static_cast<int>(size.cy)};
  }
  Repaint(repaint);
}

void StyledButton::SetBitmaps(HBITMAP hot, HBITMAP hotMask, HBITMAP normal, HBITMAP normalMask,
                              BOOL repaint) {
  HBITMAP images[2] = {hot, normal};
  HBITMAP masks[2] = {hotMask, normalMask};
  for (int i = 0; i < 2; ++i) {
    BitmapSlot& slot = bitmapSlots[i];
    if (slot.image != nullptr && slot.image != images[i]) {
      ::DeleteObject(slot.image);
    }
    if (slot.mask != nullptr && slot.mask != masks[i]) {
      ::DeleteObject(slot.mask);
    }
    const SIZE size = BitmapSize(images[i]);
    HBITMAP mask = masks[i];
    if (images[i] == nullptr) {
      if (mask != nullptr) {
        ::DeleteObject(mask);  // owned, but useless without its image
      }
      mask = nullptr;
    } else if (mask == nullptr) {
      mask = MakeOpaqueMask(size.cx, size.cy);
    }
    slot = BitmapSlot{images[i], static_cast<int>(size.cx), static_cast<int>(size.cy), mask};
  }
  Repaint(repaint);
}

void StyledButton::SetButtonCursor(HCURSOR newCursor) {
  if (cursor != nullptr && cursor != newCursor) {
    ::DestroyCursor(cursor);
  }
  cursor = newCursor;
}

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

void StyledButton::StoreSound(SoundRecord& record, LPCSTR sound, HMODULE module, DWORD flags) {
  record.module = module;
  record.flags = flags;
  if (sound != nullptr && !IS_INTRESOURCE(sound) && (flags & SND_MEMORY) == 0) {
    record.name = sound;
    record.sound = record.name.c_str();
  } else {
    record.name.clear();
    record.sound = sound;
  }
}

void StyledButton::SetHoverSound(LPCSTR sound, HMODULE module, DWORD flags) {
  StoreSound(hoverSound, sound, module, flags);
}

void StyledButton::SetClickSound(LPCSTR sound, HMODULE module, DWORD flags) {
  StoreSound(clickSound, sound, module, flags);
}

void StyledButton::PlayStoredSound(const SoundRecord& record) {
  if (record.sound != nullptr && s_playSound != nullptr) {
    s_playSound(record.sound, record.module, record.flags);
  }
}

void StyledButton::SetMenuCommandTarget(HWND target) { menuCommandTarget = target; }

void StyledButton::SetMenuNotify(HWND window, UINT message, LPARAM lParam) {
  menuNotify = MenuNotify{window, message, lParam};
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

  if (iconSlots[0].icon != nullptr) {
    PaintIcon(dc, hasCaption, &itemRect, &captionRect, pressed, disabled);
  }
  if (bitmapSlots[0].image != nullptr) {
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
  const IconSlot& slot = iconSlots[ChooseSlot(iconSlots[1].icon != nullptr)];
  RECT imageRect;
  PlaceImage(hasCaption, itemRect, captionRect, pressedNow, slot.width, slot.height, &imageRect);
  ::DrawStateA(dc->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(slot.icon), 0,
               imageRect.left, imageRect.top, imageRect.right - imageRect.left,
               imageRect.bottom - imageRect.top, DST_ICON | (disabledNow ? DSS_DISABLED : 0));
}

void StyledButton::PaintBitmap(CDC* dc, BOOL hasCaption, RECT* itemRect, RECT* captionRect,
                               BOOL pressedNow, BOOL disabledNow) {
  const BitmapSlot& slot = bitmapSlots[ChooseSlot(bitmapSlots[1].image != nullptr)];
  RECT imageRect;
  PlaceImage(hasCaption, itemRect, captionRect, pressedNow, slot.width, slot.height, &imageRect);
  const int width = slot.width;
  const int height = slot.height;

  CDC imageDC;
  CDC maskDC;
  if (!imageDC.CreateCompatibleDC(dc) || !maskDC.CreateCompatibleDC(nullptr)) {
    return;
  }
  SelectionGuard keepImage(imageDC, slot.image);
  SelectionGuard keepMask(maskDC, slot.mask);

  if (disabledNow && greyDisabledBitmap) {
    CBitmap picture;
    if (!picture.CreateCompatibleBitmap(dc, width, height)) {
      return;
    }
    {
      CDC pictureDC;
      if (!pictureDC.CreateCompatibleDC(dc)) {
        return;
      }
      SelectionGuard keepPicture(pictureDC, picture);
      pictureDC.FillSolidRect(0, 0, width, height, kWhite);
      const COLORREF oldBk = pictureDC.SetBkColor(kWhite);
      const COLORREF oldText = pictureDC.SetTextColor(kBlack);
      pictureDC.BitBlt(0, 0, width, height, &maskDC, 0, 0, SRCAND);
      pictureDC.BitBlt(0, 0, width, height, &imageDC, 0, 0, SRCPAINT);
      pictureDC.SetTextColor(oldText);
      pictureDC.SetBkColor(oldBk);
    }
    // The picture is no longer selected anywhere: the platform draws it
    // embossed in the disabled look.
    ::DrawStateA(dc->GetSafeHdc(), nullptr, nullptr,
                 reinterpret_cast<LPARAM>(static_cast<HBITMAP>(picture)), 0, imageRect.left,
                 imageRect.top, width, height, DST_BITMAP | DSS_DISABLED);
  } else {
    // The mask's black pixels are ANDed in as the text colour: keep that
    // black for the blit, whatever colour the caption left behind.
    const COLORREF oldText = dc->SetTextColor(kBlack);
    dc->BitBlt(imageRect.left, imageRect.top, width, height, &maskDC, 0, 0, SRCAND);
    dc->BitBlt(imageRect.left, imageRect.top, width, height, &imageDC, 0, 0, SRCPAINT);
    dc->SetTextColor(oldText);
  }
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
BEGIN_MESSAGE_MAP(StyledButton, CWnd)
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
  if (cursor != nullptr) {
    ::SetCursor(cursor);
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
  PlayStoredSound(hoverSound);
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
  PlayStoredSound(clickSound);
  if (checkBoxMode) {
    checkState = checkState ? FALSE : TRUE;
    Repaint(TRUE);
    return FALSE;
  }
  if (dropMenu.GetSafeHmenu() != nullptr) {
    // A button with a menu drops it down and never opens its link target.
    DropDown();
    return FALSE;
  }
  if (linkTarget[0] != '\0' && s_shellExecute != nullptr) {
    SHELLEXECUTEINFOA info;
    std::memset(&info, 0, sizeof(info));
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = linkTarget;
    info.nShow = SW_SHOWMAXIMIZED;
    s_shellExecute(&info);
  }
  return FALSE;
}

void StyledButton::DropDown() {
  // The menu shown is the first popup of the drop-down menu. A menu without
  // one has nothing to show: the click then just finishes.
  CMenu* popup = dropMenu.GetSubMenu(0);
  if (popup == nullptr) {
    return;
  }
  RECT window;
  GetWindowRect(&window);

  // Drawn pressed for as long as the menu is open.
  menuOpen = TRUE;
  Repaint(TRUE);

  // The receiver may adjust the popup (enable, check, add items) before it
  // opens.
  if (menuNotify.window != nullptr) {
    ::SendMessageA(menuNotify.window, menuNotify.message, reinterpret_cast<WPARAM>(popup),
                   menuNotify.lParam);
  }

  // Below the button, left-aligned with it. The button owns the popup, so
  // the platform's measuring and mnemonic requests come here; the call
  // returns when the menu closes, with the chosen command or 0.
  const UINT command = static_cast<UINT>(popup->TrackPopupMenu(
      TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD, window.left, window.bottom, this));

  menuOpen = FALSE;
  Repaint(TRUE);

  if (command != 0) {
    // Without a target of its own the command goes to the button's parent,
    // which gets it like any other menu command (WM_COMMAND, lParam 0), so
    // a dialog handles the button's menu in its own command map.
    HWND target = menuCommandTarget != nullptr ? menuCommandTarget : ::GetParent(m_hWnd);
    if (target != nullptr) {
      ::PostMessageA(target, WM_COMMAND, MAKEWPARAM(LOWORD(command), 0), 0);
    }
  }
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
