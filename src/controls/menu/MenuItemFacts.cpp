#include "controls/menu/MenuItemFacts.h"

#include <cstddef>

#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuItemData.h"
#include "controls/menu/MenuPictures.h"
#include "controls/menu/MenuSettings.h"
#include "framework/CImageList.h"

MenuItemFacts MenuItemFacts::Read(const MenuSettings& settings, const MenuItemData& item,
                                  UINT itemState, bool flatRules) {
  MenuItemFacts facts;
  facts.selected = (itemState & ODS_SELECTED) != 0;
  facts.grayed = (itemState & ODS_GRAYED) != 0;
  facts.checked = (itemState & ODS_CHECKED) != 0;

  facts.text = item.GetTextAnsi();
  const int firstTab = facts.text.Find('\t');
  if (firstTab < 0) {
    facts.label = facts.text;
  } else {
    facts.hasTab = true;
    facts.label = facts.text.Left(firstTab);
    facts.accelerator = facts.text.Mid(facts.text.ReverseFind('\t') + 1);
  }

  if (item.ownImageState >= 0) {
    facts.hasPictureSource = true;
    facts.list = item.ownImages;
    facts.index = item.ownImageIndex;
    if (flatRules && MenuEnvironment::s_imageEffects && item.ownImageIndex == 0 &&
        item.ownImages != nullptr && item.ownImages->GetImageCount() > 2) {
      facts.hasVariants = true;
      facts.fadedIndex = 1;
      facts.shadowIndex = 2;
    }
  } else if (item.sharedImageIndex >= 0 && (!flatRules || item.ownImageIndex < 0)) {
    facts.hasPictureSource = true;
    facts.list = &MenuPictures::s_sharedImages;
    facts.index = item.sharedImageIndex;
    if (flatRules && MenuEnvironment::s_imageEffects &&
        MenuPictures::HasImageVariants(facts.index)) {
      facts.hasVariants = true;
      facts.fadedIndex = facts.index + 1;
      facts.shadowIndex = facts.index + 2;
    }
  }

  if (!facts.hasPictureSource) {
    // A check shows the menu's check pictures when it has them (a missing
    // list then leaves the cell as a checked picture's, without a mark).
    const bool checkImage =
        (facts.selected && settings.selectedCheckBitmapId > 0) || settings.checkBitmapId > 0;
    if (!facts.checked) {
      facts.cell = PictureCell::None;
    } else if (!checkImage) {
      facts.cell = PictureCell::CheckMark;
    } else {
      facts.cell = settings.checkImages != nullptr ? PictureCell::CheckImage : PictureCell::Checked;
    }
  } else if (facts.grayed) {
    facts.cell = PictureCell::Disabled;
  } else if (facts.selected) {
    facts.cell = PictureCell::Selected;
  } else {
    facts.cell = facts.checked ? PictureCell::Checked : PictureCell::Plain;
  }
  return facts;
}

bool MenuItemFacts::ListUsable() const {
  return list != nullptr && list->m_hImageList != nullptr && index >= 0;
}

// The item information block as every 32-bit Windows takes it: the original
// layout, without the item bitmap that later systems added (44 bytes on the
// 32-bit build; Windows 95 and NT 4 refuse any other size). On 64-bit Windows
// it is the matching shorter size, which is accepted too.
constexpr UINT kMenuItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);
static_assert(sizeof(void*) != 4 || kMenuItemInfoSize == 44, "the 44-byte block");

bool MenuItemFacts::HasOwnCheckBitmap(const DRAWITEMSTRUCT& drawItem) {
  MENUITEMINFOA info{};
  info.cbSize = kMenuItemInfoSize;
  info.fMask = MIIM_CHECKMARKS;
  GetMenuItemInfoA(reinterpret_cast<HMENU>(drawItem.hwndItem), drawItem.itemID, FALSE, &info);
  return info.hbmpChecked != nullptr;
}
