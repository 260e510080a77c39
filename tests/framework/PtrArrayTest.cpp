#include <gtest/gtest.h>

#include "framework/CDWordArray.h"
#include "framework/CPtrArray.h"

namespace {

int g_values[40];

void* P(int i) { return &g_values[i]; }

}  // namespace

TEST(PtrArray, GrowsAndKeepsOrder) {
  CPtrArray array;
  EXPECT_TRUE(array.IsEmpty());
  EXPECT_EQ(-1, array.GetUpperBound());
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(i, array.Add(P(i)));
  }
  EXPECT_EQ(40, array.GetSize());
  EXPECT_EQ(39, array.GetUpperBound());
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(P(i), array.GetAt(i));
  }
  array.SetAt(3, P(0));
  EXPECT_EQ(P(0), array[3]);
  array[3] = P(3);
  EXPECT_EQ(P(3), array.ElementAt(3));
}

TEST(PtrArray, InsertRemoveAppend) {
  CPtrArray array;
  array.Add(P(0));
  array.Add(P(3));
  EXPECT_TRUE(array.InsertAt(1, P(1), 2));  // 0 1 1 3
  EXPECT_TRUE(array.InsertAt(4, P(4)));     // at the end
  EXPECT_FALSE(array.InsertAt(6, P(9)));
  EXPECT_FALSE(array.InsertAt(-1, P(9)));
  ASSERT_EQ(5, array.GetSize());
  EXPECT_EQ(P(1), array[2]);
  array.RemoveAt(2);  // 0 1 3 4
  EXPECT_EQ(P(3), array[2]);
  array.RemoveAt(3, 10);  // clamped: 0 1 3
  EXPECT_EQ(3, array.GetSize());
  array.RemoveAt(7);
  array.RemoveAt(-2);
  EXPECT_EQ(3, array.GetSize());

  CPtrArray more;
  more.Add(P(7));
  more.Add(P(8));
  EXPECT_EQ(3, array.Append(more));
  EXPECT_EQ(5, array.GetSize());
  EXPECT_EQ(P(8), array[4]);
  EXPECT_EQ(2, more.GetSize());
  array.RemoveAll();
  EXPECT_TRUE(array.IsEmpty());
  EXPECT_EQ(0, array.Append(more));
}

TEST(DWordArray, HoldsIdsAndResizes) {
  CDWordArray ids;
  ids.Add(0xFFFFFFFFu);
  ids.Add(7);
  EXPECT_EQ(0xFFFFFFFFu, ids[0]);
  EXPECT_TRUE(ids.SetSize(5));
  EXPECT_EQ(0u, ids[4]);
  EXPECT_EQ(7u, ids[1]);
  EXPECT_TRUE(ids.SetSize(1));
  EXPECT_EQ(1, ids.GetSize());
  EXPECT_FALSE(ids.SetSize(-1));
  EXPECT_TRUE(ids.InsertAt(1, 42, 2));
  EXPECT_EQ(42u, ids.GetAt(2));
}

// Arrays with static storage are usable before any constructor has run:
// this one is filled by a static object's constructor that may run before
// the array's own initialisation would have if it needed code.
extern CPtrArray g_earlyArray;
struct EarlyUser {
  EarlyUser() { g_earlyArray.Add(P(5)); }
};
EarlyUser g_earlyUser;
CPtrArray g_earlyArray;

TEST(PtrArray, UsableDuringStaticInitialisation) {
  ASSERT_EQ(1, g_earlyArray.GetSize());
  EXPECT_EQ(P(5), g_earlyArray[0]);
}
