#include <gtest/gtest.h>

#include <cstring>

#include "framework/CString.h"

TEST(CString, BasicsAndComparison) {
  CString empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_STREQ(static_cast<const char*>(empty), "");
  CString null(static_cast<const char*>(nullptr));
  EXPECT_TRUE(null.IsEmpty());

  CString s("Exit");
  EXPECT_EQ(s.GetLength(), 4);
  EXPECT_TRUE(s == "Exit");
  EXPECT_TRUE("Exit" == s);
  EXPECT_TRUE(s != "exit");
  EXPECT_EQ(s.CompareNoCase("EXIT"), 0);
  EXPECT_TRUE(CString("a") < CString("b"));
  EXPECT_EQ(s + "!" + CString("?"), "Exit!?");
  EXPECT_EQ(s.Mid(1, 2), "xi");
  EXPECT_EQ(s.Mid(3, 10), "t");
  EXPECT_EQ(s.Mid(9), "");
  EXPECT_EQ(s.Left(2), "Ex");
  EXPECT_EQ(s.Right(3), "xit");
  EXPECT_EQ(s.Find('i'), 2);
  EXPECT_EQ(s.Find("it"), 2);
  EXPECT_EQ(s.Find('z'), -1);
}

TEST(CString, FormatAndBuffer) {
  CString s;
  s.Format("%d:%x", 67108859, 67108859);
  EXPECT_EQ(s, "67108859:3fffffb");

  CString b("old");
  char* buffer = b.GetBuffer(32);
  std::strcpy(buffer, "longer text");
  b.ReleaseBuffer();
  EXPECT_EQ(b, "longer text");
  EXPECT_EQ(b.GetLength(), 11);
  buffer = b.GetBuffer(0);
  b.ReleaseBuffer(3);
  EXPECT_EQ(b, "lon");
}
