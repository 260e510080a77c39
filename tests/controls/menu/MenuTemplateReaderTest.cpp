#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "controls/menu/MenuTemplateReader.h"

namespace {

constexpr std::uint16_t kPopup = kMenuTemplatePopup;
constexpr std::uint16_t kEnd = kMenuTemplateEnd;

// Writes menu templates byte by byte, little-endian.
class TemplateBytes {
 public:
  explicit TemplateBytes(std::uint16_t headerOffset = 0) {
    Word(0);
    Word(headerOffset);
    m_bytes.resize(m_bytes.size() + headerOffset, 0xEE);
  }
  TemplateBytes& Popup(std::uint16_t flags, const std::u16string& text) {
    Word(static_cast<std::uint16_t>(flags | kPopup));
    return Text(text);
  }
  TemplateBytes& Command(std::uint16_t flags, std::uint16_t id, const std::u16string& text) {
    Word(flags);
    Word(id);
    return Text(text);
  }
  TemplateBytes& Text(const std::u16string& text) {
    for (char16_t c : text) {
      Word(static_cast<std::uint16_t>(c));
    }
    Word(0);
    return *this;
  }
  TemplateBytes& Word(std::uint16_t w) {
    m_bytes.push_back(static_cast<std::uint8_t>(w & 0xFF));
    m_bytes.push_back(static_cast<std::uint8_t>(w >> 8));
    return *this;
  }
  const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

 private:
  std::vector<std::uint8_t> m_bytes;
};

// Reads the first n bytes from a heap block of exactly n bytes, so that
// AddressSanitizer catches any read past the range.
MenuTemplateStatus ReadPrefix(const std::vector<std::uint8_t>& bytes, std::size_t n,
                              std::vector<MenuTemplateItem>& items) {
  std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[n == 0 ? 1 : n]);
  if (n > 0) {
    std::memcpy(block.get(), bytes.data(), n);
  }
  return ReadMenuTemplate(block.get(), n, items);
}

MenuTemplateStatus Read(const TemplateBytes& t, std::vector<MenuTemplateItem>& items) {
  return ReadPrefix(t.Bytes(), t.Bytes().size(), items);
}

}  // namespace

TEST(MenuTemplateReader, OnePopupWithTwoCommands) {
  TemplateBytes t;
  t.Popup(kEnd, u"&File").Command(0, 100, u"&Open\tCtrl+O").Command(kEnd, 101, u"E&xit");
  std::vector<MenuTemplateItem> items;
  ASSERT_EQ(MenuTemplateStatus::Ok, Read(t, items));
  ASSERT_EQ(3u, items.size());

  EXPECT_TRUE(items[0].IsPopup());
  EXPECT_EQ(0, items[0].depth);
  EXPECT_EQ(0, items[0].id);
  EXPECT_EQ(u"&File", items[0].text);
  EXPECT_EQ(kPopup, items[0].ItemFlags());
  EXPECT_EQ(0, items[0].closedLevels);

  EXPECT_EQ(1, items[1].depth);
  EXPECT_EQ(100, items[1].id);
  EXPECT_EQ(u"&Open\tCtrl+O", items[1].text);
  EXPECT_EQ(0, items[1].closedLevels);

  EXPECT_EQ(1, items[2].depth);
  EXPECT_EQ(101, items[2].id);
  EXPECT_EQ(0, items[2].ItemFlags());
  // The sub-menu ends, and with it the menu bar (the popup carried MF_END).
  EXPECT_EQ(2, items[2].closedLevels);
}

TEST(MenuTemplateReader, NestedPopupsContinueOrCloseTheirLevel) {
  TemplateBytes t;
  t.Popup(0, u"A")
      .Command(0, 1, u"a1")
      .Popup(0, u"Inner")  // not the last item of its level
      .Command(kEnd, 2, u"i1")
      .Command(kEnd, 3, u"a2")  // continues level 1 after the inner sub-menu
      .Popup(kEnd, u"B")
      .Popup(kEnd, u"Deep")  // closes level 1 together with its sub-menu
      .Command(kEnd, 4, u"d1");
  std::vector<MenuTemplateItem> items;
  ASSERT_EQ(MenuTemplateStatus::Ok, Read(t, items));
  ASSERT_EQ(8u, items.size());
  const int depths[] = {0, 1, 1, 2, 1, 0, 1, 2};
  const int closed[] = {0, 0, 0, 1, 1, 0, 0, 3};
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(depths[i], items[i].depth) << "item " << i;
    EXPECT_EQ(closed[i], items[i].closedLevels) << "item " << i;
  }
}

TEST(MenuTemplateReader, SeparatorAndOtherFlagsPassThrough) {
  TemplateBytes t;
  t.Command(0, 7, u"x").Command(0, 0, u"").Command(kEnd | 0x0003, 8, u"grey");
  std::vector<MenuTemplateItem> items;
  ASSERT_EQ(MenuTemplateStatus::Ok, Read(t, items));
  ASSERT_EQ(3u, items.size());
  EXPECT_EQ(0, items[1].id);
  EXPECT_TRUE(items[1].text.empty());
  EXPECT_EQ(0x0003, items[2].ItemFlags());
  EXPECT_EQ(1, items[2].closedLevels);
}

TEST(MenuTemplateReader, HeaderOffsetMovesTheFirstItemAndTrailingBytesAreIgnored) {
  TemplateBytes t(6);
  t.Command(kEnd, 9, u"only").Word(0xFFFF).Word(0x1234);
  std::vector<MenuTemplateItem> items;
  ASSERT_EQ(MenuTemplateStatus::Ok, Read(t, items));
  ASSERT_EQ(1u, items.size());
  EXPECT_EQ(9, items[0].id);
}

TEST(MenuTemplateReader, HeaderProblems) {
  std::vector<MenuTemplateItem> items;
  const std::vector<std::uint8_t> none;
  EXPECT_EQ(MenuTemplateStatus::HeaderTruncated, ReadPrefix(none, 0, items));
  EXPECT_EQ(MenuTemplateStatus::HeaderTruncated, ReadMenuTemplate(nullptr, 16, items));
  TemplateBytes shortHeader;
  EXPECT_EQ(MenuTemplateStatus::HeaderTruncated, ReadPrefix(shortHeader.Bytes(), 3, items));
  // Items would begin at 4 + 0x100, far past the end.
  TemplateBytes past;
  std::vector<std::uint8_t> bytes = past.Bytes();
  bytes[2] = 0x00;
  bytes[3] = 0x01;
  bytes.insert(bytes.end(), {0x80, 0x00, 0x01, 0x00, 0x00, 0x00});
  EXPECT_EQ(MenuTemplateStatus::HeaderOffsetPastEnd, ReadPrefix(bytes, bytes.size(), items));
  // Items would begin exactly at the end.
  TemplateBytes atEnd(4);
  EXPECT_EQ(MenuTemplateStatus::HeaderOffsetPastEnd, Read(atEnd, items));
  // The extended format's version word, over what would read as items.
  TemplateBytes extended;
  extended.Command(kEnd, 1, u"x");
  bytes = extended.Bytes();
  bytes[0] = 0x01;
  EXPECT_EQ(MenuTemplateStatus::UnsupportedVersion, ReadPrefix(bytes, bytes.size(), items));
  EXPECT_TRUE(items.empty());
}

TEST(MenuTemplateReader, ItemFlagsKeepOnlyWhatATemplateItemMayCarry) {
  TemplateBytes t;
  // Grayed, checked and menu break, with a bitmap, owner-draw, check-bitmaps,
  // separator, system-menu and mouse-select bit mixed in.
  t.Command(kEnd | 0x0001 | 0x0008 | 0x0040 | 0x0004 | 0x0100 | 0x0200 | 0x0800 | 0x2000 | 0x8000,
            5, u"x");
  std::vector<MenuTemplateItem> items;
  ASSERT_EQ(MenuTemplateStatus::Ok, Read(t, items));
  ASSERT_EQ(1u, items.size());
  EXPECT_EQ(0x0001 | 0x0008 | 0x0040, items[0].ItemFlags());
}

TEST(MenuTemplateReader, EveryTruncationFailsWithoutItems) {
  TemplateBytes t;
  t.Popup(0, u"File").Command(0, 1, u"Open").Command(kEnd, 2, u"Exit").Command(kEnd, 3, u"Help");
  const auto& bytes = t.Bytes();
  std::vector<MenuTemplateItem> items;
  ASSERT_EQ(MenuTemplateStatus::Ok, Read(t, items));
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    items.assign(1, MenuTemplateItem{});
    const MenuTemplateStatus status = ReadPrefix(bytes, n, items);
    EXPECT_NE(MenuTemplateStatus::Ok, status) << "prefix of " << n << " bytes";
    EXPECT_TRUE(items.empty()) << "prefix of " << n << " bytes";
  }
  // Specific causes at chosen cut points.
  EXPECT_EQ(MenuTemplateStatus::ItemTruncated, ReadPrefix(bytes, 5, items));      // in flags
  EXPECT_EQ(MenuTemplateStatus::TextUnterminated, ReadPrefix(bytes, 8, items));   // "Fi"
  EXPECT_EQ(MenuTemplateStatus::TextUnterminated, ReadPrefix(bytes, 15, items));  // odd cut
  EXPECT_EQ(MenuTemplateStatus::LevelNotClosed, ReadPrefix(bytes, 16, items));    // after "File"
  EXPECT_EQ(MenuTemplateStatus::ItemTruncated, ReadPrefix(bytes, 19, items));     // in the id
}

TEST(MenuTemplateReader, MissingEndMarksFail) {
  std::vector<MenuTemplateItem> items;
  TemplateBytes noEnd;
  noEnd.Command(0, 1, u"a").Command(0, 2, u"b");
  EXPECT_EQ(MenuTemplateStatus::LevelNotClosed, Read(noEnd, items));

  // The sub-menu ends but the popup was not the last item of the menu bar.
  TemplateBytes openTop;
  openTop.Popup(0, u"P").Command(kEnd, 1, u"a");
  EXPECT_EQ(MenuTemplateStatus::LevelNotClosed, Read(openTop, items));

  // Popups nested without end: a nesting that never closes.
  TemplateBytes deep;
  for (int i = 0; i < 1000; ++i) {
    deep.Popup(kEnd, u"p");
  }
  EXPECT_EQ(MenuTemplateStatus::LevelNotClosed, Read(deep, items));
  EXPECT_TRUE(items.empty());
}

TEST(MenuTemplateReader, DeepNestingThatClosesIsRead) {
  TemplateBytes deep;
  const int levels = 500;
  for (int i = 0; i < levels; ++i) {
    deep.Popup(kEnd, u"p");
  }
  deep.Command(kEnd, 5, u"leaf");
  std::vector<MenuTemplateItem> items;
  ASSERT_EQ(MenuTemplateStatus::Ok, Read(deep, items));
  ASSERT_EQ(static_cast<std::size_t>(levels + 1), items.size());
  EXPECT_EQ(levels, items.back().depth);
  EXPECT_EQ(levels + 1, items.back().closedLevels);
}

TEST(MenuTemplateReader, WideTextKeepsEveryUnit) {
  TemplateBytes t;
  t.Command(kEnd, 3, u"\u00c4rger \u20ac\tAlt+\U0001F600");
  std::vector<MenuTemplateItem> items;
  ASSERT_EQ(MenuTemplateStatus::Ok, Read(t, items));
  ASSERT_EQ(1u, items.size());
  EXPECT_EQ(u"\u00c4rger \u20ac\tAlt+\U0001F600", items[0].text);
}
