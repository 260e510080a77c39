#include <gtest/gtest.h>

#include "cli/ArgumentText.h"

TEST(ArgumentText, ShowsEveryArgumentAsOneShortLineOfAscii) {
  const struct {
    const char* text;
    const char* shown;
  } cases[] = {
      {"C:\\", "C:\\"},
      {"C\nD\r\t", "C\\nD\\r\\t"},
      {"\x1b[31m\x7f", "\\x1b[31m\\x7f"},
      {"\xef\xbc\xa3", "\\uFF23"},          // fullwidth C
      {"\xf0\x9d\x90\x82", "\\U0001D402"},  // beyond the 16-bit range
      {"\xed\xa0\x80", "\\uD800"},          // an unpaired surrogate
      {"\xff\xc3", "\\xff\\xc3"},           // no UTF-8 at all
      {"\xe2\x82", "\\xe2\\x82"},           // cut off
      {"\xc0\xaf", "\\xc0\\xaf"},           // overlong
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EscapedText(c.text), c.shown) << c.shown;
  }
  const std::string longText(100000, 'A');
  EXPECT_EQ(EscapedText(longText), std::string(kShownArgumentLength, 'A') + "...");
  EXPECT_EQ(EscapedText(std::string(kShownArgumentLength, 'B')),
            std::string(kShownArgumentLength, 'B'));
  EXPECT_EQ(QuotedText("\"NoDrives\"=dword:3"), "'\"NoDrives\"=dword:3'");
}

TEST(ArgumentText, RefusesAnythingButPrintableAscii) {
  std::string error;
  EXPECT_TRUE(CheckArgumentText(" !~azAZ09", 1, error)) << error;
  EXPECT_TRUE(CheckArgumentText("", 1, error)) << error;
  const struct {
    const char* text;
    const char* names;
  } refused[] = {
      {"keep\n", "argument 3, \"keep\\n\", holds the control character \\n;"},
      {"C\xef\xbc\x8d"
       "F",
       "argument 3, \"C\\uFF0DF\", holds U+FF0D;"},
      {"\xf0\x9d\x90\x82", "holds U+1D402;"},
      {"\xfe", "holds the byte \\xfe, which is not UTF-8 text"},
  };
  for (const auto& r : refused) {
    error.clear();
    EXPECT_FALSE(CheckArgumentText(r.text, 3, error)) << r.names;
    EXPECT_NE(error.find(r.names), std::string::npos) << error;
  }
}

TEST(ArgumentText, Utf16CommandLineBecomesUtf8WithoutACodePage) {
  EXPECT_EQ(Utf8FromUtf16(u"keep C"), "keep C");
  EXPECT_EQ(Utf8FromUtf16(u"\xff23\x00e9"), "\xef\xbc\xa3\xc3\xa9");
  EXPECT_EQ(Utf8FromUtf16(u"\xd835\xdc02"), "\xf0\x9d\x90\x82");  // a pair
  const char16_t lone[] = {0xD800, u'C', 0};
  EXPECT_EQ(Utf8FromUtf16(lone),
            "\xed\xa0\x80"
            "C");
  EXPECT_EQ(EscapedText(Utf8FromUtf16(lone)), "\\uD800C");
}
