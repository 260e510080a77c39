// StyledButton's painting: DrawItem, its painting layers and the placement of
// the images. The configuration, the images' ownership and the message
// handlers are in StyledButton.cpp.

#include "controls/button/ButtonGeometry.h"
#include "controls/button/StyledButton.h"
#include "framework/CBrush.h"
#include "framework/CClientDC.h"
#include "framework/CDC.h"
#include "framework/SelectionGuard.h"
#include "framework/UniqueHandle.h"
#include "gfx/ColorDepth.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

button_geometry::Box ToBox(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

RECT ToRect(const button_geometry::Box& b) {
  RECT r;
  r.left = static_cast<LONG>(b.left);
  r.top = static_cast<LONG>(b.top);
  r.right = static_cast<LONG>(b.right);
  r.bottom = static_cast<LONG>(b.bottom);
  return r;
}

// The pixels a line from a to b draws (b itself left out), for a line along
// one row or one column, as one pattern fill of the DC's brush.
void FillLinePixels(HDC dc, POINT a, POINT b) {
  const int dx = b.x - a.x;
  const int dy = b.y - a.y;
  if (dx == 0 && dy == 0) {
    return;  // a line to its own start point draws nothing
  }
  const int x = dx < 0 ? b.x + 1 : a.x;
  const int y = dy < 0 ? b.y + 1 : a.y;
  ::PatBlt(dc, x, y, dx == 0 ? 1 : (dx < 0 ? -dx : dx), dy == 0 ? 1 : (dy < 0 ? -dy : dy), PATCOPY);
}

// The raised edges of an unpressed button in the 3-D look: highlight and
// light on the top and left, dark shadow and shadow on the bottom and right,
// each an L of two one-pixel lines whose end point is not drawn; the DC's
// current position is left at the last L's end, where a move and two line-to
// calls would leave it.
//
// With more than 256 colours a system colour's own brush paints exactly the
// pixels a pen of that colour does, so each line is one pattern fill of the
// system brush and no pen is made. With fewer colours (a brush of a colour the
// palette lacks dithers, where a pen takes the nearest colour) each L is one
// polyline with a plain pen of its own, which lives for this one call.
void PaintRaisedEdges(CDC* dc, const RECT& r) {
  const struct {
    int color;
    POINT line[3];
  } edges[] = {
      {COLOR_BTNHIGHLIGHT, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}}},
      {COLOR_3DLIGHT, {{r.left + 1, r.bottom - 1}, {r.left + 1, r.top + 1}, {r.right, r.top + 1}}},
      {COLOR_3DDKSHADOW,
       {{r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top - 1}}},
      {COLOR_BTNSHADOW,
       {{r.left + 1, r.bottom - 2}, {r.right - 2, r.bottom - 2}, {r.right - 2, r.top}}},
  };
  HDC hdc = dc->m_hDC;
  if (color_depth::ColorBits(hdc) > 8) {
    SelectionGuard keepBrush(hdc, ::GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    for (const auto& edge : edges) {
      ::SelectObject(hdc, ::GetSysColorBrush(edge.color));
      FillLinePixels(hdc, edge.line[0], edge.line[1]);
      FillLinePixels(hdc, edge.line[1], edge.line[2]);
    }
  } else {
    SelectionGuard keepPen(hdc, ::GetStockObject(BLACK_PEN));
    for (const auto& edge : edges) {
      const UniquePen pen(::CreatePen(PS_SOLID, 1, ::GetSysColor(edge.color)));
      ::SelectObject(hdc, pen.get());
      ::Polyline(hdc, edge.line, 3);
      ::SelectObject(hdc, ::GetStockObject(BLACK_PEN));  // before the pen is deleted
    }
  }
  dc->MoveTo(edges[3].line[2].x, edges[3].line[2].y);
}

// The caption centred in captionRect (which ends up as the text's bounds),
// word-wrapped, its extent as caption measures it: embossed (highlight under
// shadow) when disabled, otherwise in textColor on backColor.
void PaintCaptionText(CDC* dc, ButtonCaption& caption, const char* text, RECT* captionRect,
                      bool disabled, COLORREF textColor, COLORREF backColor) {
  const RECT area = *captionRect;
  caption.Measure(*dc, text, captionRect);
  const int dx = ((area.right - area.left) - (captionRect->right - captionRect->left)) / 2;
  const int dy = ((area.bottom - area.top) - (captionRect->bottom - captionRect->top)) / 2;
  ::OffsetRect(captionRect, dx, dy);
  dc->SetBkMode(TRANSPARENT);
  if (disabled) {
    ::OffsetRect(captionRect, 1, 1);
    dc->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
    dc->DrawText(text, -1, captionRect, DT_WORDBREAK | DT_CENTER);
    ::OffsetRect(captionRect, -1, -1);
    dc->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
    dc->DrawText(text, -1, captionRect, DT_WORDBREAK | DT_CENTER);
  } else {
    dc->SetTextColor(textColor);
    dc->SetBkColor(backColor);
    dc->DrawText(text, -1, captionRect, DT_WORDBREAK | DT_CENTER);
  }
}

// button_geometry::PlaceImage for platform rectangles.
void PlaceImageRect(const button_geometry::ImageLayout& layout, bool hasCaption, const RECT& item,
                    RECT* captionRect, bool pressed, int width, int height, RECT* imageRect) {
  button_geometry::Box caption = ToBox(*captionRect);
  button_geometry::Box image{};
  button_geometry::PlaceImage(layout, hasCaption, ToBox(item), caption, pressed, width, height,
                              image);
  *captionRect = ToRect(caption);
  *imageRect = ToRect(image);
}

}  // namespace

// ---- Drawing -------------------------------------------------------------------

StyledButton::ImageSlot StyledButton::ChooseSlot(bool slotOneFilled) const {
  if (pressed || (hover && !checkBoxMode)) {
    return SlotHot;
  }
  return slotOneFilled ? SlotNormal : SlotHot;
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
    // The stock black brush is the solid black brush, without making one.
    ::FrameRect(dc->GetSafeHdc(), &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
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
      // The system's own solid brush of that colour.
      ::FrameRect(dc->GetSafeHdc(), &r, ::GetSysColorBrush(COLOR_BTNSHADOW));
    }
  } else if (flat) {
    if (hover && hoverFrame) {
      PaintHoverFrame(dc, &r);
    }
  } else {
    PaintRaisedEdges(dc, r);
  }

  // The window text, read once and kept until WM_SETTEXT.
  const char* text = caption.Text(m_hWnd);
  const BOOL hasCaption = text[0] != '\0' ? TRUE : FALSE;

  RECT itemRect = drawItem->rcItem;
  RECT captionRect = drawItem->rcItem;

  if (images.Icon(SlotHot).icon != nullptr) {
    PaintIcon(dc, hasCaption, &itemRect, &captionRect, pressed, disabled);
  }
  if (images.Bitmap(SlotHot).image != nullptr) {
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
  RECT client;
  GetClientRect(&client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  // The parent's DC and the button's place in it are needed only to take the
  // copy; once it exists, a paint is one block transfer.
  if (!parentCopy.HasCopy()) {
    CClientDC parentDC(parent);
    RECT pos;
    GetWindowRect(&pos);
    parent->ScreenToClient(&pos);
    parentCopy.Take(parentDC, pos.left, pos.top, width, height);
  }
  parentCopy.Paint(dc, width, height);
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
  PlaceImageRect(layout, hasCaption != FALSE, *itemRect, captionRect, pressedNow != FALSE, width,
                 height, imageRect);
}

void StyledButton::PaintIcon(CDC* dc, BOOL hasCaption, RECT* itemRect, RECT* captionRect,
                             BOOL pressedNow, BOOL disabledNow) {
  const IconSlot& slot = images.Icon(ChooseSlot(images.Icon(SlotNormal).icon != nullptr));
  RECT imageRect;
  PlaceImage(hasCaption, itemRect, captionRect, pressedNow, slot.width, slot.height, &imageRect);
  ButtonImages::DrawIcon(dc, slot, imageRect, disabledNow != FALSE);
}

void StyledButton::PaintBitmap(CDC* dc, BOOL hasCaption, RECT* itemRect, RECT* captionRect,
                               BOOL pressedNow, BOOL disabledNow) {
  const BitmapSlot& slot = images.Bitmap(ChooseSlot(images.Bitmap(SlotNormal).image != nullptr));
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
  const bool hot = hover || pressedNow;
  PaintCaptionText(dc, caption, text, captionRect, disabledNow != FALSE,
                   stateColors[hot ? TextHot : TextNormal],
                   stateColors[hot ? FaceHot : FaceNormal]);
}
