#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ButtonTestSupport.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"

using button_test::Canvas;
using button_test::ParentWindow;
using button_test::SolidBitmap;
using button_test::SolidIcon;
using button_test::TestButton;

namespace {

const int kPaints = 10000;

// Slot of the platform's GDI handle table that a new object gets. Freed
// slots are handed out again first, so without a leak this stays near where
// it started however many objects come and go; every leaked object pushes it
// further up.
int NextHandleSlot() {
  HBRUSH probe = ::CreateSolidBrush(RGB(1, 2, 3));
  const int slot = static_cast<int>(reinterpret_cast<UINT_PTR>(probe) & 0xFFFF);
  ::DeleteObject(probe);
  return slot;
}

struct Look {
  const char* name;
  std::function<void(TestButton&)> configure;
  UINT state;
};

class ButtonResources : public ::testing::Test {
 protected:
  ParentWindow parent;

  void SetUp() override {
    ASSERT_TRUE(parent.CreateParent(520, 40, 160, 80));
    button_test::Pump(50);
  }
  void TearDown() override { parent.DestroyWindow(); }
};

TEST_F(ButtonResources, TenThousandPaintsInEveryLookLeaveNoGdiObjectBehind) {
  const Look looks[] = {
      {"flat", [](TestButton&) {}, 0},
      {"flat hovered", [](TestButton& b) { b.ForceHover(TRUE); }, 0},
      {"flat pressed", [](TestButton&) {}, ODS_SELECTED | ODS_FOCUS},
      {"3-D", [](TestButton& b) { b.SetFlat(FALSE, FALSE); }, 0},
      {"3-D focused", [](TestButton& b) { b.SetFlat(FALSE, FALSE); }, ODS_FOCUS},
      {"3-D pressed", [](TestButton& b) { b.SetFlat(FALSE, FALSE); }, ODS_SELECTED | ODS_FOCUS},
      {"transparent", [](TestButton& b) { b.UseParentBackground(FALSE); }, 0},
      {"transparent 3-D",
       [](TestButton& b) {
         b.SetFlat(FALSE, FALSE);
         b.UseParentBackground(FALSE);
       },
       ODS_FOCUS},
      {"images",
       [](TestButton& b) {
         b.SetIcons(SolidIcon(16, 16, RGB(255, 0, 0)), SolidIcon(16, 16, RGB(0, 255, 0)), FALSE);
         b.SetBitmaps(SolidBitmap(12, 12, RGB(0, 0, 255)), nullptr, nullptr, nullptr, FALSE);
       },
       0},
      {"disabled images",
       [](TestButton& b) {
         b.SetIcons(SolidIcon(16, 16, RGB(255, 0, 0)), nullptr, FALSE);
         b.SetBitmaps(SolidBitmap(12, 12, RGB(0, 0, 255)), nullptr, nullptr, nullptr, FALSE);
       },
       ODS_DISABLED},
  };
  Canvas canvas(100, 40, RGB(0, 0, 0));
  for (const Look& look : looks) {
    TestButton button;
    HWND h = button_test::CreateButtonControl(parent, 31, BS_PUSHBUTTON, "&Exit", 10, 10, 100, 40,
                                              false);
    ASSERT_TRUE(button.SubclassWindow(h));
    look.configure(button);
    // The first paint may take the parent copy, which lives with the button.
    button_test::Paint(button, canvas, look.state);
    const std::size_t objects = CGdiObject::LiveObjectCount();
    const std::size_t dcs = CDC::LiveDCCount();
    const int slot = NextHandleSlot();
    for (int i = 0; i < kPaints; ++i) {
      button_test::Paint(button, canvas, look.state);
    }
    EXPECT_EQ(objects, CGdiObject::LiveObjectCount()) << look.name;
    EXPECT_EQ(dcs, CDC::LiveDCCount()) << look.name;
    EXPECT_LT(NextHandleSlot() - slot, 64) << look.name;
    button.DestroyWindow();
  }
}

}  // namespace
