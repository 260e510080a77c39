// libFuzzer entry for the menu-template reader. Besides memory errors (caught
// by AddressSanitizer) it checks the reader's promises about what it reports.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "controls/menu/MenuTemplateReader.h"

namespace {

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// The depths and closed levels of an accepted template describe a proper
// tree: each item sits on the innermost open level, a popup opens one level,
// and every level, the menu bar last, is closed exactly once.
void CheckStructure(const std::vector<MenuTemplateItem>& items) {
  Require(!items.empty());
  int open = 1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuTemplateItem& item = items[i];
    Require(open > 0);
    Require(item.depth == open - 1);
    if (item.IsPopup()) {
      Require(item.id == 0);
      Require(item.closedLevels == 0);
      ++open;
    } else {
      Require(item.closedLevels <= open);
      Require(item.closedLevels == 0 || item.IsLevelEnd());
      open -= item.closedLevels;
    }
    Require((item.ItemFlags() & ~kMenuTemplateItemFlags) == 0);
    for (char16_t unit : item.text) {
      Require(unit != 0);
    }
  }
  Require(open == 0);
  Require(items.back().closedLevels > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<MenuTemplateItem> items;
  const MenuTemplateStatus status = ReadMenuTemplate(data, size, items);
  if (status == MenuTemplateStatus::Ok) {
    CheckStructure(items);
    // Each item takes at least four bytes after the four of the header.
    Require(items.size() <= (size - 4) / 4);
  } else {
    Require(items.empty());
  }
  return 0;
}
