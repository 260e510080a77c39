#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reads a standard (not extended) menu template from a byte range, without
// touching the window system, and never outside the range.
//
// Layout, little-endian: a 2-byte version (0; 1 marks the extended format,
// which is refused like a damaged template), a 2-byte header
// offset, then from 4 + header offset the items. Each item is a 2-byte flags
// word, a 2-byte command id unless the flags hold MF_POPUP (0x10), and a
// zero-terminated UTF-16 text. A popup's items follow it at once; the item
// with MF_END (0x80) is the last one of its level.

constexpr std::uint16_t kMenuTemplatePopup = 0x0010;
constexpr std::uint16_t kMenuTemplateEnd = 0x0080;
// The flags a standard template item may carry: grayed, disabled, checked,
// popup, menu-bar break, menu break and help (right-justified). Anything else
// (a bitmap or owner-draw flag, say) would make the platform take the item's
// data for something it is not, and is dropped.
constexpr std::uint16_t kMenuTemplateItemFlags =
    0x0001 | 0x0002 | 0x0008 | 0x0010 | 0x0020 | 0x0040 | 0x4000;

struct MenuTemplateItem {
  std::uint16_t flags = 0;  // as stored, MF_END included
  std::uint16_t id = 0;     // command id; 0 for a popup
  std::u16string text;      // without its terminator
  int depth = 0;            // 0 = the menu bar, 1 = its sub-menus, ...
  // Number of levels, innermost first, whose last item this was: a popup that
  // carries MF_END ends its own level only when its sub-menu has ended, so
  // the ends cascade onto the last item inside it.
  int closedLevels = 0;

  bool IsPopup() const { return (flags & kMenuTemplatePopup) != 0; }
  bool IsLevelEnd() const { return (flags & kMenuTemplateEnd) != 0; }
  // The flags to append the item with: those a template item may carry, so
  // MF_END and every stray bit dropped.
  std::uint16_t ItemFlags() const {
    return static_cast<std::uint16_t>(flags & kMenuTemplateItemFlags);
  }
};

enum class MenuTemplateStatus {
  Ok,
  HeaderTruncated,      // fewer than 4 bytes
  UnsupportedVersion,   // not a standard template (the extended format, say)
  HeaderOffsetPastEnd,  // the items would start at or past the end
  ItemTruncated,        // the range ends inside an item's flags or id
  TextUnterminated,     // the range ends before an item's text ends
  LevelNotClosed,       // the range ends while a level still lacks its last item
};

// Fills items (emptied first) in template order. On any status but Ok the
// list is left empty. Bytes after the end of the top level are ignored.
MenuTemplateStatus ReadMenuTemplate(const void* data, std::size_t size,
                                    std::vector<MenuTemplateItem>& items);
