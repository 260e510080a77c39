#include "controls/menu/MenuDrawing.h"

#include "controls/menu/ColorBlend.h"
#include "controls/menu/MenuItemFacts.h"
#include "controls/menu/SolidFills.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CPen.h"
#include "framework/SelectionGuard.h"

namespace {

// Raster operation: the brush where the source is all ones (black in the
// mask), the destination where it is zero.
constexpr DWORD kBrushWhereSourceSet = 0x00E20746;
// Raster operation: the brush where the source is black, the destination
// where it is white.
constexpr DWORD kBrushWhereSourceBlack = 0x00B8074A;

}  // namespace

namespace menu_drawing {
namespace {

// The mark of a check cell in the menu text colour: the dot for radio (at
// left + 5), else the tick at tickLeft.
void PaintCellMark(CDC* dc, const RECT& rect, bool radio, int tickLeft) {
  const COLORREF mark = GetSysColor(COLOR_MENUTEXT);
  if (radio) {
    PaintRadioDot(dc, rect.left + 5, rect.top + 4, mark);
  } else {
    PaintCheckTick(dc, tickLeft, rect.top + 4, mark);
  }
}

}  // namespace
}  // namespace menu_drawing

void menu_drawing::PaintRadioDot(CDC* dc, int x, int y, COLORREF color) {
  if (dc == nullptr) {
    return;
  }
  CBrush brush(color);
  CPen pen(PS_SOLID, 0, color);
  SelectionGuard keepBrush(*dc, brush);
  SelectionGuard keepPen(*dc, pen);
  dc->Ellipse(x, y, x + 6, y + 6);
}

void menu_drawing::PaintCheckTick(CDC* dc, int x, int y, COLORREF color) {
  if (dc == nullptr) {
    return;
  }
  // Seven strokes drawn as one call: each is a line of its own, its end
  // point left out, as MoveTo and LineTo draw it.
  static const int rise[7] = {2, 3, 4, 3, 2, 1, 0};
  POINT ends[14];
  DWORD counts[7];
  for (int i = 0; i < 7; ++i) {
    ends[2 * i] = POINT{x + i, y + rise[i]};
    ends[2 * i + 1] = POINT{x + i, y + rise[i] + 3};
    counts[i] = 2;
  }
  CPen pen(PS_SOLID, 0, color);
  SelectionGuard keepPen(*dc, pen);
  PolyPolyline(dc->m_hDC, ends, counts, 7);
}

void menu_drawing::PaintClassicCheckCell(CDC* dc, const RECT& rect, bool selected, bool radio,
                                         const MenuLookFacts& look) {
  if (dc == nullptr) {
    return;
  }
  const int menuIndex = look.xpLook ? COLOR_BTNFACE : COLOR_MENU;
  {
    SolidFills fills(*dc);
    if (selected) {
      fills.FillSystem(rect, menuIndex);
    } else {
      fills.Fill(rect, BlendToWhite(GetSysColor(menuIndex), 0.6));
    }
  }
  if (look.recognisedOs) {
    RECT edge = rect;
    dc->DrawEdge(&edge, BDR_SUNKENOUTER, BF_RECT);
  }
  PaintCellMark(dc, rect, radio, rect.left + 4);
}

void menu_drawing::PaintFlatCheckCell(CDC* dc, const RECT& rect, bool radio, COLORREF frameColor) {
  if (dc == nullptr) {
    return;
  }
  SolidFills(*dc).FramedFill(rect, frameColor, BlendToWhite(frameColor, 0.85));
  PaintCellMark(dc, rect, radio, rect.left + 5);
}

menu_drawing::ItemToPaint menu_drawing::ItemToPaintOf(const DRAWITEMSTRUCT* drawItem) {
  ItemToPaint target;
  if (drawItem == nullptr) {
    return target;
  }
  const auto* item = reinterpret_cast<const MenuItemData*>(drawItem->itemData);
  CDC* dc = CDC::FromHandle(drawItem->hDC);
  if (item != nullptr && dc != nullptr) {
    target.item = item;
    target.dc = dc;
  }
  return target;
}

RECT menu_drawing::ItemTextRect(const RECT& item, LONG textLeft, const MenuItemFacts& facts,
                                int imageWidth) {
  RECT rect{textLeft, item.top - 1, item.right, item.bottom - 1};
  if (facts.hasTab) {
    rect.right -= imageWidth;
  }
  return rect;
}

void menu_drawing::PaintItemText(CDC* dc, const MenuItemFacts& facts, const RECT& rect,
                                 COLORREF color, const COLORREF* raisedUnder) {
  const auto draw = [&](RECT r) {
    dc->DrawText(facts.label, &r, DT_SINGLELINE | DT_VCENTER);
    if (facts.hasTab) {
      dc->DrawText(facts.accelerator, &r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
  };
  const int previousMode = dc->SetBkMode(TRANSPARENT);
  COLORREF previousColor;
  if (raisedUnder != nullptr) {
    previousColor = dc->SetTextColor(*raisedUnder);
    RECT raised = rect;
    OffsetRect(&raised, 1, 1);
    draw(raised);
    dc->SetTextColor(color);
  } else {
    previousColor = dc->SetTextColor(color);
  }
  draw(rect);
  dc->SetTextColor(previousColor);
  dc->SetBkMode(previousMode);
}

void menu_drawing::PaintDisabledMasked(CDC* dc, int x, int y, int width, int height,
                                       CBitmap* picture, int sourceX, int sourceY,
                                       COLORREF background) {
  if (dc == nullptr || picture == nullptr || picture->GetSafeHandle() == nullptr) {
    return;
  }
  // The mask: white where the picture shows the button face or highlight
  // colour, black elsewhere.
  CDC maskDC;
  maskDC.CreateCompatibleDC(nullptr);
  CBitmap mask;
  mask.CreateCompatibleBitmap(&maskDC, width, height);  // monochrome
  SelectionGuard keepMask(maskDC, mask);
  CDC sourceDC;
  sourceDC.CreateCompatibleDC(nullptr);
  SelectionGuard keepPicture(sourceDC, *picture);

  maskDC.PatBlt(0, 0, width, height, WHITENESS);
  sourceDC.SetBkColor(GetSysColor(COLOR_BTNFACE));
  maskDC.BitBlt(0, 0, width, height, &sourceDC, sourceX, sourceY, SRCCOPY);
  sourceDC.SetBkColor(GetSysColor(COLOR_BTNHIGHLIGHT));
  maskDC.BitBlt(0, 0, width, height, &sourceDC, sourceX, sourceY, SRCPAINT);

  // The picture becomes the composition surface. Black mask pixels turn
  // into all ones and white ones into zeros when the mask is combined in.
  sourceDC.FillSolidRect(0, 0, width, height, background);
  sourceDC.SetBkColor(RGB(0, 0, 0));
  sourceDC.SetTextColor(RGB(255, 255, 255));

  CBrush highlight(GetSysColor(COLOR_BTNHIGHLIGHT));
  CBrush shadow(GetSysColor(COLOR_BTNSHADOW));
  {
    SelectionGuard keepBrush(sourceDC, highlight);
    sourceDC.BitBlt(0, 0, width, height, &maskDC, 0, 0, kBrushWhereSourceSet);
    dc->BitBlt(x + 1, y + 1, width, height, &sourceDC, 0, 0, SRCCOPY);
    sourceDC.BitBlt(1, 1, width, height, &maskDC, 0, 0, kBrushWhereSourceSet);
  }
  {
    SelectionGuard keepBrush(sourceDC, shadow);
    sourceDC.BitBlt(0, 0, width, height, &maskDC, 0, 0, kBrushWhereSourceSet);
    dc->BitBlt(x, y, width, height, &sourceDC, 0, 0, SRCCOPY);
  }
}

void menu_drawing::PaintDisabledDib(HDC dc, int x, int y, int width, int height, HBITMAP picture,
                                    int sourceX, int sourceY, COLORREF background) {
  if (dc == nullptr || picture == nullptr) {
    return;
  }
  CDC* target = CDC::FromHandle(dc);
  CDC pictureDC;
  if (!pictureDC.CreateCompatibleDC(target)) {
    return;
  }
  CDC maskDC;
  if (!maskDC.CreateCompatibleDC(&pictureDC)) {
    return;
  }
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
  } info = {};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  info.header.biCompression = BI_RGB;
  info.colors[1].rgbRed = 255;
  info.colors[1].rgbGreen = 255;
  info.colors[1].rgbBlue = 255;
  void* bits = nullptr;
  CBitmap mask;
  if (!mask.CreateDIBSection(&maskDC, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                             &bits)) {
    return;
  }
  SelectionGuard keepMask(maskDC, mask);
  SelectionGuard keepPicture(pictureDC, picture);
  maskDC.BitBlt(0, 0, width, height, &pictureDC, sourceX, sourceY, SRCCOPY);

  RECT area = {x, y, x + width, y + height};
  {
    CBrush fill(background);
    FillRect(dc, &area, fill);
  }
  // Black and white in the target's own colours, so that the mask reads the
  // same whatever text and background colours the target has.
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  {
    CBrush highlight(GetSysColor(COLOR_BTNHIGHLIGHT));
    SelectionGuard keepBrush(dc, highlight);
    BitBlt(dc, x + 1, y + 1, width, height, maskDC.m_hDC, 0, 0, kBrushWhereSourceBlack);
  }
  {
    CBrush shadow(GetSysColor(COLOR_BTNSHADOW));
    SelectionGuard keepBrush(dc, shadow);
    BitBlt(dc, x, y, width, height, maskDC.m_hDC, 0, 0, kBrushWhereSourceBlack);
  }
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}
