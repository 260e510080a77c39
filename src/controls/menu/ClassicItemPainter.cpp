#include "controls/menu/ClassicItemPainter.h"

#include <algorithm>

#include "controls/menu/ColorBlend.h"
#include "controls/menu/MenuDrawing.h"
#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuItemData.h"
#include "controls/menu/MenuItemFacts.h"
#include "controls/menu/MenuPictures.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CImageList.h"
#include "framework/CPen.h"
#include "framework/SelectionGuard.h"

namespace {

RECT MakeRect(LONG left, LONG top, LONG right, LONG bottom) {
  return RECT{left, top, right, bottom};
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

RECT Offset(RECT r, LONG dx, LONG dy) {
  OffsetRect(&r, dx, dy);
  return r;
}

}  // namespace

ClassicItemPainter::ClassicItemPainter(const MenuSettings& settings, const MenuLookFacts& facts)
    : m_settings(settings), m_facts(facts) {}

BOOL ClassicItemPainter::Paint(DRAWITEMSTRUCT* drawItem) const {
  if (drawItem == nullptr) {
    return FALSE;
  }
  const auto* item = reinterpret_cast<const MenuItemData*>(drawItem->itemData);
  CDC* dc = CDC::FromHandle(drawItem->hDC);
  if (item == nullptr || dc == nullptr) {
    return FALSE;  // an item without its record is not ours to paint
  }

  const COLORREF menuColor = GetSysColor(m_facts.xpLook ? COLOR_BTNFACE : COLOR_MENU);
  CBrush menuBrush(menuColor);
  if (!MenuEnvironment::s_classicHighlightDisabled && (drawItem->itemState & ODS_GRAYED) &&
      (drawItem->itemState & ODS_SELECTED)) {
    drawItem->itemState &= ~static_cast<UINT>(ODS_SELECTED);
  }
  const RECT& itemRect = drawItem->rcItem;

  if (item->menuFlags & MF_SEPARATOR) {
    dc->FillRect(&itemRect, &menuBrush);
    RECT line = itemRect;
    line.top += (line.bottom - line.top) / 2;
    dc->DrawEdge(&line, EDGE_ETCHED, BF_TOP);
    return TRUE;
  }

  const MenuItemFacts facts =
      MenuItemFacts::Read(m_settings, *item, drawItem->itemState, /*flatRules=*/false);
  CPen menuPen(PS_SOLID, 0, menuColor);
  CBrush highlightBrush(GetSysColor(COLOR_HIGHLIGHT));
  COLORREF textColor = GetSysColor(facts.selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);

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

  // Background.
  {
    SelectionGuard keepPen(*dc, menuPen);
    if (!facts.selected) {
      dc->FillRect(&itemRect, &menuBrush);
    } else if (facts.ShowsPictureCell() || facts.checked) {
      const RECT bar = MakeRect(barLeft, top, itemRect.right, itemRect.bottom);
      dc->FillRect(&bar, &highlightBrush);
    } else {
      dc->FillRect(&itemRect, &highlightBrush);
    }
  }
  // Frames in the menu colour where an unselected item is all menu colour
  // (the item's own edge, and the picture cell and its box when they lie
  // inside the item) change no pixel, and are left out.
  const bool menuGround = !facts.selected && Contains(itemRect, box);

  // Picture.
  if (facts.ShowsPictureCell()) {
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    if (!menuGround) {
      dc->Draw3dRect(&cell, menuColor, menuColor);
    }
    if (facts.useCheckImage && m_settings.checkImages != nullptr) {
      dc->FillRect(&cell, &menuBrush);
      if (!menuGround) {
        dc->Draw3dRect(&box, menuColor, menuColor);
      }
      m_settings.checkImages->Draw(dc, facts.selected ? 1 : 0, picture, ILD_TRANSPARENT);
    } else if (facts.disabledPicture) {
      if (!menuGround) {
        dc->Draw3dRect(&box, menuColor, menuColor);
      }
      if (facts.ListUsable()) {
        MenuPictures(m_settings, m_facts)
            .PaintDisabledPicture(dc, picture.x, picture.y, facts.list, facts.index, menuColor);
      }
    } else if (facts.selectedPicture) {
      dc->FillRect(&cell, &menuBrush);
      if (m_facts.recognisedOs) {
        if (facts.checked) {
          dc->Draw3dRect(&box, shadow, light);  // sunken
        } else {
          dc->Draw3dRect(&box, light, shadow);  // raised
        }
      }
      if (facts.ListUsable()) {
        facts.list->Draw(dc, facts.index, picture, ILD_TRANSPARENT);
      }
    } else if (facts.checked) {
      CBrush checkedBrush(BlendToWhite(menuColor, 0.6));
      dc->FillRect(&cell, &checkedBrush);
      if (m_facts.recognisedOs) {
        dc->Draw3dRect(&box, shadow, light);
      }
      if (facts.ListUsable()) {
        facts.list->Draw(dc, facts.index, picture, ILD_TRANSPARENT);
      }
    } else {
      dc->FillRect(&cell, &menuBrush);
      if (!menuGround) {
        dc->Draw3dRect(&box, menuColor, menuColor);
      }
      if (facts.ListUsable()) {
        facts.list->Draw(dc, facts.index, picture, ILD_TRANSPARENT);
      }
    }
  }

  // Drawn check mark: a tick, or a dot for an item with its own check bitmap.
  if (!facts.hasPictureSource && facts.checked && !facts.useCheckImage) {
    menu_drawing::PaintClassicCheckCell(dc, checkBox, facts.selected,
                                        MenuItemFacts::HasOwnCheckBitmap(*drawItem), m_facts);
  }

  // Text.
  if (!facts.text.IsEmpty()) {
    RECT textRect = MakeRect(textLeft, top - 1, itemRect.right, itemRect.bottom - 1);
    if (facts.hasTab) {
      textRect.right -= width;
    }
    const int previousMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF previousColor = dc->GetTextColor();
    auto drawTexts = [&](RECT r) {
      dc->DrawText(facts.label, facts.label.GetLength(), &r, DT_SINGLELINE | DT_VCENTER);
      if (facts.hasTab) {
        dc->DrawText(facts.accelerator, facts.accelerator.GetLength(), &r,
                     DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
      }
    };
    if (!facts.grayed) {
      dc->SetTextColor(textColor);
      drawTexts(textRect);
    } else if (facts.selected) {
      dc->SetTextColor(menuColor);
      drawTexts(textRect);
    } else {
      // Embossed: a highlight copy one pixel down and right under the grey.
      dc->SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
      drawTexts(Offset(textRect, 1, 1));
      dc->SetTextColor(GetSysColor(COLOR_GRAYTEXT));
      drawTexts(textRect);
    }
    dc->SetTextColor(previousColor);
    dc->SetBkMode(previousMode);
  }
  return TRUE;
}
