#include "controls/menu/FlatItemPainter.h"

#include <algorithm>
#include <optional>

#include "controls/menu/ColorBlend.h"
#include "controls/menu/MenuDrawing.h"
#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuItemData.h"
#include "controls/menu/MenuItemFacts.h"
#include "controls/menu/MenuMetrics.h"
#include "controls/menu/MenuPictures.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CImageList.h"
#include "framework/CPen.h"
#include "framework/SelectionGuard.h"
#include "gfx/MemoryDC.h"
#include "gfx/OffscreenSurface.h"

namespace {

RECT MakeRect(LONG left, LONG top, LONG right, LONG bottom) {
  return RECT{left, top, right, bottom};
}

POINT Moved(POINT p, LONG dx, LONG dy) { return POINT{p.x + dx, p.y + dy}; }

// Half of the room left beside size in extent, truncated, never negative:
// the offset that centres size.
LONG CentreOffset(LONG extent, LONG size) {
  return std::max<LONG>(0, static_cast<LONG>((extent - size + 1) * 0.5));
}

// The surface disabled items are composed on, lent to one item after another.
OffscreenSurface& DisabledItemSurface() {
  static OffscreenSurface surface;
  return surface;
}

}  // namespace

FlatItemPainter::FlatItemPainter(const MenuSettings& settings, const MenuLookFacts& facts)
    : m_settings(settings), m_facts(facts) {}

int FlatItemPainter::GutterWidth() const {
  return m_settings.imageWidth + (MenuEnvironment::s_imageEffects ? 7 : 4);
}

BOOL FlatItemPainter::Paint(DRAWITEMSTRUCT* drawItem) const {
  if (drawItem == nullptr) {
    return FALSE;
  }
  const auto* item = reinterpret_cast<const MenuItemData*>(drawItem->itemData);
  CDC* target = CDC::FromHandle(drawItem->hDC);
  if (item == nullptr || target == nullptr) {
    return FALSE;  // an item without its record is not ours to paint
  }

  const COLORREF windowColor = GetSysColor(COLOR_WINDOW);
  const COLORREF faceColor = GetSysColor(COLOR_BTNFACE);
  const COLORREF gutterColor = m_facts.xpLook ? faceColor : BlendToWhite(faceColor, 0.25);
  CBrush windowBrush(windowColor);
  CBrush gutterBrush(gutterColor);

  // A disabled item is drawn unselected and composed off-screen, in the menu
  // font (a fresh memory DC starts with the system font).
  std::optional<MemoryDC> surface;
  if ((drawItem->itemState & ODS_GRAYED) && !MenuEnvironment::s_flatHighlightDisabled) {
    drawItem->itemState &= ~static_cast<UINT>(ODS_SELECTED);
    surface.emplace(target, drawItem->rcItem, DisabledItemSurface());
  }
  CDC* dc = surface ? &*surface : target;
  // Declared after the surface: the font is selected out before the surface
  // copies itself to the target.
  std::optional<SelectionGuard> keepFont;
  if (surface) {
    keepFont.emplace(*dc, MenuMetrics::Font());
  }

  const RECT& itemRect = drawItem->rcItem;
  const int margin = MenuEnvironment::s_imageEffects ? 7 : 4;
  const LONG gutterWidth = GutterWidth();
  const RECT gutter =
      MakeRect(itemRect.left, itemRect.top, itemRect.left + gutterWidth, itemRect.bottom);

  if (item->menuFlags & MF_SEPARATOR) {
    // The window colour is filled only where the gutter will not cover it.
    const RECT beside = MakeRect(gutter.right, itemRect.top, itemRect.right, itemRect.bottom);
    dc->FillRect(&beside, &windowBrush);
    RECT line = itemRect;
    line.top += (line.bottom - line.top) / 2;
    line.left = gutter.right + margin;
    dc->DrawEdge(&line, EDGE_ETCHED, BF_TOP);
    dc->FillRect(&gutter, &gutterBrush);  // its frame in its own colour would add nothing
    return TRUE;
  }

  // The rest of the colours and objects, which a separator does not need.
  const COLORREF menuTextColor = GetSysColor(COLOR_MENUTEXT);
  const COLORREF highlightColor = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF selectionColor = BlendToWhite(highlightColor, m_facts.xpLook ? 0.7 : 0.85);
  const COLORREF checkedCellColor = BlendToWhite(highlightColor, 0.85);
  CPen windowPen(PS_SOLID, 0, windowColor);
  CBrush selectionBrush(selectionColor);
  const MenuItemFacts facts =
      MenuItemFacts::Read(m_settings, *item, drawItem->itemState, /*flatRules=*/true);

  // Background. A frame in the colour of the fill it lies on changes no
  // pixel, so the plain areas are filled and not framed, unless the item is
  // narrower than its gutter (the item's frame then crosses the gutter).
  if (!facts.selected) {
    {
      SelectionGuard keepPen(*dc, windowPen);
      dc->FillRect(&itemRect, &windowBrush);
      dc->FillRect(&gutter, &gutterBrush);
    }
    if (itemRect.right - itemRect.left < gutterWidth) {
      dc->Draw3dRect(&itemRect, windowColor, windowColor);
      dc->Draw3dRect(&gutter, gutterColor, gutterColor);
    }
  } else {
    SelectionGuard keepPen(*dc, windowPen);
    dc->FillRect(&itemRect, &selectionBrush);
    dc->Draw3dRect(&itemRect, highlightColor, highlightColor);
  }

  const int width = m_settings.imageWidth;
  const int height = m_settings.imageHeight;
  const LONG itemHeight = itemRect.bottom - itemRect.top;
  POINT picture{itemRect.left + CentreOffset(gutterWidth, width),
                itemRect.top + CentreOffset(itemHeight, height)};

  // Picture cell.
  if (facts.ShowsPictureCell()) {
    const RECT cell = MakeRect(itemRect.left + 1, itemRect.top + 1, itemRect.left + gutterWidth - 1,
                               itemRect.bottom - 1);
    if (facts.useCheckImage && m_settings.checkImages != nullptr) {
      dc->FillRect(&cell, &gutterBrush);
      m_settings.checkImages->Draw(dc, facts.selected ? 1 : 0, picture, ILD_TRANSPARENT);
    } else if (facts.disabledPicture) {
      const COLORREF background = facts.selected ? selectionColor : gutterColor;
      if (facts.ListUsable()) {
        MenuPictures(m_settings, m_facts)
            .PaintDisabledPicture(dc, picture.x, picture.y, facts.list, facts.index, background);
      }
      if (facts.selected) {
        dc->Draw3dRect(&itemRect, highlightColor, highlightColor);
      }
    } else if (facts.selectedPicture) {
      dc->FillRect(&cell, &selectionBrush);
      if (facts.checked) {
        dc->Draw3dRect(&cell, highlightColor, highlightColor);
        picture = Moved(picture, -1, -1);
      }
      if (facts.ListUsable()) {
        if (facts.hasVariants && !facts.checked) {
          // Hovered: the picture lifted one pixel up and left over its shadow.
          MenuPictures(m_settings, m_facts)
              .PaintLiftedPicture(dc, picture.x, picture.y, facts.list, facts.index,
                                  facts.shadowIndex, selectionColor, cell);
        } else {
          facts.list->Draw(dc, facts.index, picture, ILD_TRANSPARENT);
        }
      }
    } else if (facts.checked) {
      CBrush checkedBrush(checkedCellColor);
      dc->FillRect(&cell, &checkedBrush);
      dc->Draw3dRect(&cell, highlightColor, highlightColor);
      if (facts.ListUsable()) {
        facts.list->Draw(dc, facts.index, Moved(picture, -1, -1), ILD_TRANSPARENT);
      }
    } else {
      dc->FillRect(&cell, &gutterBrush);
      if (facts.ListUsable()) {
        facts.list->Draw(dc, facts.hasVariants ? facts.fadedIndex : facts.index, picture,
                         ILD_TRANSPARENT);
      }
    }
  }

  // Drawn check mark: a tick, or a dot for an item with its own check bitmap.
  if (!facts.hasPictureSource && facts.checked && !facts.useCheckImage) {
    const LONG x = itemRect.left + CentreOffset(gutterWidth, 16);
    const LONG y = itemRect.top + CentreOffset(itemHeight, 16);
    const RECT box = MakeRect(x, y, x + 16, y + 16);
    menu_drawing::PaintFlatCheckCell(dc, box, MenuItemFacts::HasOwnCheckBitmap(*drawItem),
                                     highlightColor);
  }

  // Text.
  if (!facts.text.IsEmpty()) {
    RECT textRect = MakeRect(itemRect.left + gutterWidth + 8, itemRect.top - 1, itemRect.right,
                             itemRect.bottom - 1);
    if (facts.hasTab) {
      textRect.right -= width;
    }
    COLORREF textColor = menuTextColor;
    if (facts.grayed) {
      textColor = GetSysColor(COLOR_GRAYTEXT);
      if (!m_facts.xpLook && !facts.selected) {
        textColor = BlendToWhite(textColor, 0.4);
      }
    }
    const int previousMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF previousColor = dc->SetTextColor(textColor);
    dc->DrawText(facts.label, facts.label.GetLength(), &textRect, DT_SINGLELINE | DT_VCENTER);
    if (facts.hasTab) {
      dc->DrawText(facts.accelerator, facts.accelerator.GetLength(), &textRect,
                   DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
    dc->SetTextColor(previousColor);
    dc->SetBkMode(previousMode);
  }
  return TRUE;
}
