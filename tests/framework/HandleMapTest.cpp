#include <gtest/gtest.h>

#include "framework/CObject.h"
#include "framework/HandleMap.h"

namespace {

struct Wrapped : CObject {
  DECLARE_DYNAMIC(Wrapped)
  int handle = 0;
  bool owns = true;
  static int alive;
  Wrapped() { ++alive; }
  ~Wrapped() override { --alive; }
  static Wrapped* NewTemporary(int h) {
    auto* p = new Wrapped;
    p->handle = h;
    p->owns = false;
    return p;
  }
  static void DeleteTemporary(Wrapped* p) {
    p->handle = 0;
    delete p;
  }
};
int Wrapped::alive = 0;
IMPLEMENT_DYNAMIC(Wrapped, CObject)

struct MoreWrapped : Wrapped {
  DECLARE_DYNAMIC(MoreWrapped)
};
IMPLEMENT_DYNAMIC(MoreWrapped, Wrapped)

}  // namespace

TEST(RuntimeClass, IsKindOfWalksTheBaseChain) {
  MoreWrapped more;
  Wrapped plain;
  EXPECT_TRUE(more.IsKindOf(RUNTIME_CLASS(Wrapped)));
  EXPECT_TRUE(more.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(plain.IsKindOf(RUNTIME_CLASS(MoreWrapped)));
  EXPECT_STREQ(more.GetRuntimeClass()->m_lpszClassName, "MoreWrapped");
}

TEST(HandleMap, PermanentWinsAndTemporariesAreFreedAtIdle) {
  HandleMap<Wrapped, int> map;
  Wrapped permanent;
  permanent.handle = 7;
  map.SetPermanent(7, &permanent);
  const int before = Wrapped::alive;

  EXPECT_EQ(map.FromHandle(7), &permanent);
  EXPECT_EQ(map.FromHandle(0), nullptr);
  Wrapped* temp = map.FromHandle(8);
  ASSERT_NE(temp, nullptr);
  EXPECT_FALSE(temp->owns);
  EXPECT_EQ(map.FromHandle(8), temp);  // same wrapper until idle
  EXPECT_EQ(map.LookupPermanent(8), nullptr);
  EXPECT_EQ(Wrapped::alive, before + 1);
  EXPECT_GE(HandleMapBase::AllTemporaryCount(), 1u);

  HandleMapBase::DeleteAllTemporaries();
  EXPECT_EQ(map.TemporaryCount(), 0u);
  EXPECT_EQ(Wrapped::alive, before);

  map.RemoveHandle(7);
  EXPECT_EQ(map.LookupPermanent(7), nullptr);
  EXPECT_NE(map.FromHandle(7), &permanent);
  map.DeleteTemp();
}
