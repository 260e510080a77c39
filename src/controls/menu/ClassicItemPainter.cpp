#include "controls/menu/ClassicItemPainter.h"

#include <algorithm>

#include "controls/menu/ColorBlend.h"
#include "controls/menu/MenuDrawing.h"
#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuItemData.h"
#include "controls/menu/MenuItemFacts.h"
#include "controls/menu/MenuPictures.h"
#include "controls/menu/SolidFills.h"
#include "framework/CDC.h"
#include "framework/CImageList.h"

namespace {

RECT MakeRect(LONG left, LONG top, LONG right, LONG bottom) {
  return RECT{left, top, right, bottom};
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

}  // namespace

ClassicItemPainter::ClassicItemPainter(const MenuSettings& settings, const MenuLookFacts& facts)
    : m_settings(settings), m_facts(facts) {}

BOOL ClassicItemPainter::Paint(DRAWITEMSTRUCT* drawItem) const {
  const menu_drawing::ItemToPaint target = menu_drawing::ItemToPaintOf(drawItem);
  if (target.item == nullptr) {
    return FALSE;
  }
  CDC* dc = target.dc;

  const int menuIndex = m_facts.xpLook ? COLOR_BTNFACE : COLOR_MENU;
  if (!MenuEnvironment::s_classicHighlightDisabled && (drawItem->itemState & ODS_GRAYED) &&
      (drawItem->itemState & ODS_SELECTED)) {
    drawItem->itemState &= ~static_cast<UINT>(ODS_SELECTED);
  }
  const RECT& itemRect = drawItem->rcItem;
  SolidFills fills(*dc);

  if (target.item->menuFlags & MF_SEPARATOR) {
    fills.FillSystem(itemRect, menuIndex);
    RECT line = itemRect;
    line.top += (line.bottom - line.top) / 2;
    dc->DrawEdge(&line, EDGE_ETCHED, BF_TOP);
    return TRUE;
  }

  const MenuItemFacts facts =
      MenuItemFacts::Read(m_settings, *target.item, drawItem->itemState, /*flatRules=*/false);
  const COLORREF menuColor = GetSysColor(menuIndex);

  const int width = m_settings.imageWidth;
  const int height = m_settings.imageHeight;
  const LONG left = itemRect.left;
  const LONG top = itemRect.top;
  const LONG f = std::max<LONG>(0, (itemRect.bottom - itemRect.top - height - 4) / 2);
  const RECT cell = MakeRect(left + 1, top + f + 1, left + width + 3, top + f + height + 3);
  const RECT box = MakeRect(left, top + f, left + width + 4, top + f + height + 4);
  const POINT picture{left + 2, top + f + 2};
  const RECT checkBox = MakeRect(left + 1, top + f + 2, left + width + 1, top + f + height + 2);
  const LONG textLeft = left + width + 9;
  const LONG barLeft = left + width + 5;

  // Background. An item with anything in its picture cell is highlighted
  // only from the bar onwards.
  if (!facts.selected) {
    fills.FillSystem(itemRect, menuIndex);
  } else if (facts.cell != PictureCell::None) {
    fills.FillSystem(MakeRect(barLeft, top, itemRect.right, itemRect.bottom), COLOR_HIGHLIGHT);
  } else {
    fills.FillSystem(itemRect, COLOR_HIGHLIGHT);
  }
  // Fills and frames in the menu colour where an unselected item is all
  // menu colour (the picture cell and its box, when they lie inside the
  // item) change no pixel, and are left out. Elsewhere the cell's own frame
  // is left out wherever the cell is filled after it.
  const bool menuGround = !facts.selected && Contains(itemRect, box);
  // The 3-D frame's colours, read where a frame is drawn.
  const auto shadow = [] { return GetSysColor(COLOR_BTNSHADOW); };
  const auto light = [] { return GetSysColor(COLOR_BTNHIGHLIGHT); };

  switch (facts.cell) {
    case PictureCell::None:
      break;
    case PictureCell::CheckMark:
      // A tick, or a dot for an item with its own check bitmap.
      menu_drawing::PaintClassicCheckCell(dc, checkBox, facts.selected,
                                          MenuItemFacts::HasOwnCheckBitmap(*drawItem), m_facts);
      break;
    case PictureCell::CheckImage:
      if (!menuGround) {
        fills.Box(box, menuColor, menuColor, menuColor);
      }
      m_settings.checkImages->Draw(dc, facts.selected ? 1 : 0, picture, ILD_TRANSPARENT);
      break;
    case PictureCell::Disabled:
      if (!menuGround) {
        dc->Draw3dRect(&cell, menuColor, menuColor);
        dc->Draw3dRect(&box, menuColor, menuColor);
      }
      if (facts.ListUsable()) {
        MenuPictures(m_settings, m_facts)
            .PaintDisabledPicture(dc, picture.x, picture.y, facts.list, facts.index, menuColor);
      }
      break;
    case PictureCell::Selected:
      if (!m_facts.recognisedOs) {
        fills.Fill(cell, menuColor);
      } else if (facts.checked) {
        fills.Box(box, shadow(), light(), menuColor);  // sunken
      } else {
        fills.Box(box, light(), shadow(), menuColor);  // raised
      }
      DrawPicture(dc, fills, facts, picture, menuColor, cell);
      break;
    case PictureCell::Checked: {
      const COLORREF checkedCell = BlendToWhite(menuColor, 0.6);
      if (m_facts.recognisedOs) {
        fills.Box(box, shadow(), light(), checkedCell);  // sunken
      } else {
        fills.Fill(cell, checkedCell);
      }
      DrawPicture(dc, fills, facts, picture, checkedCell, cell);
      break;
    }
    case PictureCell::Plain:
      if (!menuGround) {
        fills.Box(box, menuColor, menuColor, menuColor);
      }
      DrawPicture(dc, fills, facts, picture, menuColor, cell);
      break;
  }

  // Text.
  if (!facts.text.IsEmpty()) {
    const RECT textRect = menu_drawing::ItemTextRect(itemRect, textLeft, facts, width);
    if (!facts.grayed) {
      menu_drawing::PaintItemText(
          dc, facts, textRect, GetSysColor(facts.selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    } else if (facts.selected) {
      menu_drawing::PaintItemText(dc, facts, textRect, menuColor);
    } else {
      // Embossed: a highlight copy one pixel down and right under the grey.
      const COLORREF raised = GetSysColor(COLOR_BTNHIGHLIGHT);
      menu_drawing::PaintItemText(dc, facts, textRect, GetSysColor(COLOR_GRAYTEXT), &raised);
    }
  }
  return TRUE;
}

void ClassicItemPainter::DrawPicture(CDC* dc, SolidFills& fills, const MenuItemFacts& facts,
                                     POINT at, COLORREF background, const RECT& filled) const {
  if (facts.ListUsable()) {
    MenuPictures(m_settings, m_facts)
        .PaintPicture(dc, at.x, at.y, facts.list, facts.index, background, filled,
                      !fills.FewColors());
  }
}
