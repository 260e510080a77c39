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
#include "controls/menu/SolidFills.h"
#include "framework/CDC.h"
#include "framework/CImageList.h"
#include "framework/SelectionGuard.h"
#include "gfx/MemoryDC.h"
#include "gfx/OffscreenSurface.h"

namespace {

RECT MakeRect(LONG left, LONG top, LONG right, LONG bottom) {
  return RECT{left, top, right, bottom};
}

POINT Moved(POINT p, LONG dx, LONG dy) { return POINT{p.x + dx, p.y + dy}; }

RECT Inset(const RECT& r) { return RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}; }

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
  const menu_drawing::ItemToPaint target = menu_drawing::ItemToPaintOf(drawItem);
  if (target.item == nullptr) {
    return FALSE;
  }

  // A disabled item is drawn unselected and composed off-screen, in the menu
  // font (a fresh memory DC starts with the system font).
  std::optional<MemoryDC> surface;
  if ((drawItem->itemState & ODS_GRAYED) && !MenuEnvironment::s_flatHighlightDisabled) {
    drawItem->itemState &= ~static_cast<UINT>(ODS_SELECTED);
    surface.emplace(target.dc, drawItem->rcItem, DisabledItemSurface());
  }
  CDC* dc = surface ? &*surface : target.dc;
  // Declared after the surface: the font is selected out before the surface
  // copies itself to the target.
  std::optional<SelectionGuard> keepFont;
  if (surface) {
    keepFont.emplace(*dc, MenuMetrics::Font());
  }
  SolidFills fills(*dc);

  const RECT& itemRect = drawItem->rcItem;
  const int margin = MenuEnvironment::s_imageEffects ? 7 : 4;
  const LONG gutterWidth = GutterWidth();
  const RECT gutter =
      MakeRect(itemRect.left, itemRect.top, itemRect.left + gutterWidth, itemRect.bottom);
  // The gutter in the button face colour (with the XP look) or a lighter tint.
  const auto fillGutter = [&](const RECT& r) {
    if (m_facts.xpLook) {
      fills.FillSystem(r, COLOR_BTNFACE);
    } else {
      fills.Fill(r, BlendToWhite(GetSysColor(COLOR_BTNFACE), 0.25));
    }
  };

  if (target.item->menuFlags & MF_SEPARATOR) {
    // The window colour is filled only where the gutter will not cover it.
    fills.FillSystem(MakeRect(gutter.right, itemRect.top, itemRect.right, itemRect.bottom),
                     COLOR_WINDOW);
    RECT line = itemRect;
    line.top += (line.bottom - line.top) / 2;
    line.left = gutter.right + margin;
    dc->DrawEdge(&line, EDGE_ETCHED, BF_TOP);
    fillGutter(gutter);  // its frame in its own colour would add nothing
    return TRUE;
  }

  // The colours, each read where an item needs it (most items need few).
  const auto gutterColor = [this] {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return m_facts.xpLook ? face : BlendToWhite(face, 0.25);
  };
  const auto highlightColor = [] { return GetSysColor(COLOR_HIGHLIGHT); };
  const auto selectionColor = [this] {
    return BlendToWhite(GetSysColor(COLOR_HIGHLIGHT), m_facts.xpLook ? 0.7 : 0.85);
  };
  const MenuItemFacts facts =
      MenuItemFacts::Read(m_settings, *target.item, drawItem->itemState, /*flatRules=*/true);

  // Background. A frame in the colour of the fill it lies on changes no
  // pixel, so the plain areas are filled and not framed, unless the item is
  // narrower than its gutter (the item's frame then crosses the gutter).
  const bool wideEnough = itemRect.right - itemRect.left >= gutterWidth;
  if (!facts.selected) {
    fills.FillSystem(itemRect, COLOR_WINDOW);
    fillGutter(gutter);
    if (!wideEnough) {
      const COLORREF windowColor = GetSysColor(COLOR_WINDOW);
      const COLORREF gutterFrame = gutterColor();
      dc->Draw3dRect(&itemRect, windowColor, windowColor);
      dc->Draw3dRect(&gutter, gutterFrame, gutterFrame);
    }
  } else {
    fills.FramedFill(itemRect, highlightColor(), selectionColor());
  }

  const int width = m_settings.imageWidth;
  const int height = m_settings.imageHeight;
  const LONG itemHeight = itemRect.bottom - itemRect.top;
  POINT picture{itemRect.left + CentreOffset(gutterWidth, width),
                itemRect.top + CentreOffset(itemHeight, height)};
  const RECT cell = MakeRect(itemRect.left + 1, itemRect.top + 1, itemRect.left + gutterWidth - 1,
                             itemRect.bottom - 1);
  // Where the item is at least as wide as its gutter the picture cell lies
  // inside the background's plain fill (the gutter's, or the selection's
  // inside its frame): filling the cell in that colour again is left out.
  const bool cellOnGround = wideEnough && cell.right >= cell.left && cell.bottom >= cell.top;

  switch (facts.cell) {
    case PictureCell::None:
      break;
    case PictureCell::CheckMark: {
      // A tick, or a dot for an item with its own check bitmap.
      const LONG x = itemRect.left + CentreOffset(gutterWidth, 16);
      const LONG y = itemRect.top + CentreOffset(itemHeight, 16);
      menu_drawing::PaintFlatCheckCell(dc, MakeRect(x, y, x + 16, y + 16),
                                       MenuItemFacts::HasOwnCheckBitmap(*drawItem),
                                       highlightColor());
      break;
    }
    case PictureCell::CheckImage:
      if (facts.selected || !cellOnGround) {
        fillGutter(cell);
      }
      m_settings.checkImages->Draw(dc, facts.selected ? 1 : 0, picture, ILD_TRANSPARENT);
      break;
    case PictureCell::Disabled:
      if (facts.ListUsable()) {
        MenuPictures(m_settings, m_facts)
            .PaintDisabledPicture(dc, picture.x, picture.y, facts.list, facts.index,
                                  facts.selected ? selectionColor() : gutterColor());
      }
      if (facts.selected) {
        const COLORREF frame = highlightColor();
        dc->Draw3dRect(&itemRect, frame, frame);
      }
      break;
    case PictureCell::Selected:
      if (facts.checked) {
        fills.FramedFill(cell, highlightColor(), selectionColor());
        picture = Moved(picture, -1, -1);
      } else if (!cellOnGround) {
        fills.Fill(cell, selectionColor());
      }
      if (facts.ListUsable()) {
        if (facts.hasVariants && !facts.checked) {
          // Hovered: the picture lifted one pixel up and left over its shadow.
          MenuPictures(m_settings, m_facts)
              .PaintLiftedPicture(dc, picture.x, picture.y, facts.list, facts.index,
                                  facts.shadowIndex, selectionColor(), cell);
        } else {
          MenuPictures(m_settings, m_facts)
              .PaintPicture(dc, picture.x, picture.y, facts.list, facts.index, selectionColor(),
                            facts.checked ? Inset(cell) : cell, !fills.FewColors());
        }
      }
      break;
    case PictureCell::Checked: {
      const COLORREF checkedCellColor = BlendToWhite(highlightColor(), 0.85);
      fills.FramedFill(cell, highlightColor(), checkedCellColor);
      if (facts.ListUsable()) {
        MenuPictures(m_settings, m_facts)
            .PaintPicture(dc, picture.x - 1, picture.y - 1, facts.list, facts.index,
                          checkedCellColor, Inset(cell), !fills.FewColors());
      }
      break;
    }
    case PictureCell::Plain:
      if (facts.selected || !cellOnGround) {
        fillGutter(cell);
      }
      if (facts.ListUsable()) {
        MenuPictures(m_settings, m_facts)
            .PaintPicture(dc, picture.x, picture.y, facts.list,
                          facts.hasVariants ? facts.fadedIndex : facts.index, gutterColor(), cell,
                          !fills.FewColors());
      }
      break;
  }

  // Text.
  if (!facts.text.IsEmpty()) {
    COLORREF textColor = GetSysColor(COLOR_MENUTEXT);
    if (facts.grayed) {
      textColor = GetSysColor(COLOR_GRAYTEXT);
      if (!m_facts.xpLook && !facts.selected) {
        textColor = BlendToWhite(textColor, 0.4);
      }
    }
    menu_drawing::PaintItemText(
        dc, facts,
        menu_drawing::ItemTextRect(itemRect, itemRect.left + gutterWidth + 8, facts, width),
        textColor);
  }
  return TRUE;
}
