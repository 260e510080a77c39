#include "controls/button/StyledButton.h"

#include <commctrl.h>

#include <cstring>

#include "controls/button/ButtonGeometry.h"
#include "framework/CBrush.h"
#include "framework/CPen.h"
#include "framework/SelectionGuard.h"

namespace {

const int kMaxTipWidth = 400;
const UINT_PTR kTipToolId = 1;
const DWORD kButtonTypeMask = 0x1F;

}  // namespace

StyledButton::StyledButton() {
  // The fields take their defaults from their initialisers; the state colours
  // come from the system colours of the moment.
  ResetStateColors(FALSE);
}

StyledButton::~StyledButton() {
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

HDC StyledButton::GetParentCopyDC() const { return parentCopy.GetSafeHdc(); }

void StyledButton::UseParentBackground(BOOL repaint) {
  transparent = TRUE;
  parentCopy.Discard();
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
  ON_MESSAGE(WM_SETTEXT, OnSetText)
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
  parentCopy.Discard();
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

LRESULT StyledButton::OnSetText(WPARAM, LPARAM) {
  // The button's own procedure may repaint before it returns: the text is
  // read again then, and again after the new text is certainly in place.
  caption.Forget();
  const LRESULT result = Default();
  caption.Forget();
  return result;
}

BOOL StyledButton::PreTranslateMessage(MSG* msg) {
  EnsureTipControl();
  tip.RelayEvent(msg);
  if (msg->message == WM_LBUTTONDBLCLK) {
    msg->message = WM_LBUTTONDOWN;
  }
  return CButton::PreTranslateMessage(msg);
}
