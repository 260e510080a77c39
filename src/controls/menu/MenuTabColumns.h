#pragma once

#include <vector>

struct MenuItemData;

// The accelerator column of a menu: the labels of the items that have a tab
// are padded with spaces until their accelerators line up, measured in the
// menu font on the screen DC (MenuScreenDC).
class MenuTabColumns {
 public:
  // Pads the labels of records (in place) so that every text after a tab
  // starts where the widest label (plus one space) ends.
  static void Align(const std::vector<MenuItemData*>& records);
};
