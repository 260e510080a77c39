#include "controls/menu/MenuTemplateReader.h"

namespace {

// A cursor over the byte range that refuses every read past its end.
class ByteCursor {
 public:
  ByteCursor(const unsigned char* data, std::size_t size) : m_data(data), m_size(size) {}

  bool AtEnd() const { return m_pos >= m_size; }
  std::size_t Position() const { return m_pos; }
  bool Seek(std::size_t pos) {
    if (pos > m_size) {
      return false;
    }
    m_pos = pos;
    return true;
  }

  bool ReadWord(std::uint16_t& value) {
    if (m_size - m_pos < 2) {
      return false;
    }
    value = static_cast<std::uint16_t>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
    m_pos += 2;
    return true;
  }

  // Reads UTF-16 units up to and including a zero unit.
  bool ReadText(std::u16string& text) {
    text.clear();
    for (;;) {
      std::uint16_t unit = 0;
      if (!ReadWord(unit)) {
        return false;
      }
      if (unit == 0) {
        return true;
      }
      text.push_back(static_cast<char16_t>(unit));
    }
  }

 private:
  const unsigned char* m_data;
  std::size_t m_size;
  std::size_t m_pos = 0;
};

}  // namespace

MenuTemplateStatus ReadMenuTemplate(const void* data, std::size_t size,
                                    std::vector<MenuTemplateItem>& items) {
  items.clear();
  if (data == nullptr || size < 4) {
    return MenuTemplateStatus::HeaderTruncated;
  }
  ByteCursor cursor(static_cast<const unsigned char*>(data), size);
  std::uint16_t version = 0;
  std::uint16_t headerOffset = 0;
  cursor.ReadWord(version);
  cursor.ReadWord(headerOffset);
  if (version != 0) {
    return MenuTemplateStatus::UnsupportedVersion;
  }
  if (!cursor.Seek(4 + static_cast<std::size_t>(headerOffset)) || cursor.AtEnd()) {
    return MenuTemplateStatus::HeaderOffsetPastEnd;
  }

  // One end mark per open level; the innermost level is last.
  std::vector<bool> endMarks{false};
  std::vector<MenuTemplateItem> read;
  MenuTemplateStatus status = MenuTemplateStatus::Ok;
  while (!endMarks.empty()) {
    if (cursor.AtEnd()) {
      status = MenuTemplateStatus::LevelNotClosed;
      break;
    }
    MenuTemplateItem item;
    item.depth = static_cast<int>(endMarks.size()) - 1;
    if (!cursor.ReadWord(item.flags) || (!item.IsPopup() && !cursor.ReadWord(item.id))) {
      status = MenuTemplateStatus::ItemTruncated;
      break;
    }
    if (!cursor.ReadText(item.text)) {
      status = MenuTemplateStatus::TextUnterminated;
      break;
    }
    if (item.IsPopup()) {
      if (item.IsLevelEnd()) {
        endMarks.back() = true;
      }
      endMarks.push_back(false);
    } else {
      if (item.IsLevelEnd()) {
        endMarks.back() = true;
      }
      while (!endMarks.empty() && endMarks.back()) {
        endMarks.pop_back();
        ++item.closedLevels;
      }
    }
    read.push_back(std::move(item));
  }
  if (status == MenuTemplateStatus::Ok) {
    items.swap(read);
  }
  return status;
}
