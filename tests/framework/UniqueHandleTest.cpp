#include <gtest/gtest.h>

#include <cstddef>
#include <utility>

#include "framework/CGdiObject.h"
#include "framework/UniqueHandle.h"

namespace {

// Each call records the handle it was asked to free.
int g_freed[4];
int g_freeCount = 0;

void RecordFree(int* handle) { g_freed[g_freeCount++ % 4] = *handle; }

using Owner = UniqueHandle<int*, &RecordFree>;

TEST(UniqueHandle, FreesOnceWhateverMovesAndResetsItWentThrough) {
  int a = 1;
  int b = 2;
  g_freeCount = 0;
  {
    Owner first(&a);
    Owner second(std::move(first));
    EXPECT_EQ(nullptr, first);
    EXPECT_EQ(&a, second.get());
    Owner third;
    third = std::move(second);
    third = std::move(third);  // self-move keeps the handle
    EXPECT_EQ(&a, third.get());
    EXPECT_EQ(0, g_freeCount);

    third.reset(&a);  // the same handle again: nothing to free
    EXPECT_EQ(0, g_freeCount);
    Owner other(&b);
    third = std::move(other);  // the old handle goes
    ASSERT_EQ(1, g_freeCount);
    EXPECT_EQ(1, g_freed[0]);
    EXPECT_EQ(&b, third.release());
    EXPECT_FALSE(third);
  }
  EXPECT_EQ(1, g_freeCount);  // released, so not freed again

  { Owner last(&b); }
  ASSERT_EQ(2, g_freeCount);
  EXPECT_EQ(2, g_freed[1]);
}

TEST(UniqueHandle, PlatformOwnersFreeTheirHandle) {
  const std::size_t live = CGdiObject::LiveObjectCount();
  UniqueBitmap bitmap(
      static_cast<HBITMAP>(CGdiObject::CountCreated(::CreateBitmap(4, 4, 1, 1, nullptr))));
  const HBITMAP handle = bitmap.get();
  ASSERT_NE(nullptr, handle);
  EXPECT_EQ(live + 1, CGdiObject::LiveObjectCount());  // counted while held
  bitmap.reset();
  EXPECT_EQ(0u, ::GetObjectType(handle));
  EXPECT_EQ(live, CGdiObject::LiveObjectCount());

  UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  const HDC dcHandle = dc.get();
  ASSERT_NE(nullptr, dcHandle);
  { UniqueMemoryDC moved(std::move(dc)); }
  EXPECT_EQ(0u, ::GetObjectType(dcHandle));

  UniqueMenu menu(::CreatePopupMenu());
  const HMENU menuHandle = menu.get();
  { UniqueMenu moved(std::move(menu)); }
  EXPECT_FALSE(::IsMenu(menuHandle));
}

}  // namespace
