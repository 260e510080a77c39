#include <gtest/gtest.h>

#include <cwchar>

#include "controls/menu/MenuItemData.h"
#include "framework/CImageList.h"

TEST(MenuItemData, StartsEmpty) {
  MenuItemData record;
  EXPECT_EQ(nullptr, record.text);
  EXPECT_EQ(-1, record.ownImageIndex);
  EXPECT_EQ(-1, record.sharedImageIndex);
  EXPECT_EQ(-1, record.ownImageState);
  EXPECT_EQ(0u, record.menuFlags);
  EXPECT_EQ(0u, record.commandId);
  EXPECT_EQ(0u, record.claimed);
  EXPECT_EQ(nullptr, record.ownImages);
  EXPECT_TRUE(record.GetTextAnsi().IsEmpty());
}

TEST(MenuItemData, NullTextsLeaveNoText) {
  MenuItemData record;
  record.SetTextWide(L"Open");
  record.SetTextWide(nullptr);
  EXPECT_EQ(nullptr, record.text);
  record.SetTextAnsi("Open");
  record.SetTextAnsi(nullptr);
  EXPECT_EQ(nullptr, record.text);
  EXPECT_STREQ("", record.GetTextAnsi());
}

TEST(MenuItemData, EmptyAnsiTextIsAnEmptyWideString) {
  MenuItemData record;
  record.SetTextAnsi("");
  ASSERT_NE(nullptr, record.text);
  EXPECT_EQ(L'\0', record.text[0]);
}

TEST(MenuItemData, TextIsTheRecordsOwnCopy) {
  wchar_t source[] = L"&Save\tCtrl+S";
  MenuItemData record;
  record.SetTextWide(source);
  ASSERT_NE(nullptr, record.text);
  EXPECT_NE(source, record.text);
  source[1] = L'X';
  EXPECT_STREQ(L"&Save\tCtrl+S", record.text);
  EXPECT_STREQ("&Save\tCtrl+S", record.GetTextAnsi());
}

TEST(MenuItemData, SettingTwiceReplacesTheText) {
  MenuItemData record;
  record.SetTextAnsi("First");
  const wchar_t* first = record.text;
  record.SetTextAnsi("Second one");
  EXPECT_STREQ(L"Second one", record.text);
  EXPECT_STREQ("Second one", record.GetTextAnsi());
  // The record may be given its own text back.
  record.SetTextWide(record.text);
  EXPECT_STREQ(L"Second one", record.text);
  (void)first;
}

TEST(MenuItemData, ConvertsThroughTheAnsiCodePage) {
  // A character of the upper half of the code page, converted both ways.
  const char ansi[] = {'G', static_cast<char>(0xE4), 'r', '\0'};
  wchar_t expected[4] = {};
  ASSERT_EQ(4, MultiByteToWideChar(CP_ACP, 0, ansi, 4, expected, 4));
  MenuItemData record;
  record.SetTextAnsi(ansi);
  EXPECT_STREQ(expected, record.text);
  EXPECT_STREQ(ansi, record.GetTextAnsi());
}

TEST(MenuItemData, DestructionFreesWhatTheRecordOwns) {
  const std::size_t records = MenuItemData::LiveCount();
  const std::size_t lists = CImageList::LiveCount();
  {
    MenuItemData empty;  // nothing owned: nothing to free
    auto* full = new MenuItemData;
    full->SetTextAnsi("Owned");
    full->ownImages = new CImageList;
    ASSERT_TRUE(full->ownImages->Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1));
    EXPECT_EQ(lists + 1, CImageList::LiveCount());
    EXPECT_EQ(records + 2, MenuItemData::LiveCount());
    delete full;
    EXPECT_EQ(lists, CImageList::LiveCount());
  }
  EXPECT_EQ(records, MenuItemData::LiveCount());
}
