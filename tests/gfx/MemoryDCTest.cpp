#include <gtest/gtest.h>

#include <memory>

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "framework/CFont.h"
#include "framework/CGdiObject.h"
#include "framework/HandleMapBase.h"
#include "framework/SelectionGuard.h"
#include "gfx/MemoryDC.h"
#include "gfx/OffscreenSurface.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// The target: a memory DC with a 32-bit bitmap, filled white.
struct Target {
  CDC dc;
  CBitmap bitmap;
  SelectionGuard keepBitmap;

  explicit Target(int width = 20, int height = 20)
      : keepBitmap(Prepare(dc, bitmap, width, height), bitmap) {
    dc.FillSolidRect(0, 0, width, height, kWhite);
  }
  COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
  int Count(COLORREF color) const {
    BITMAP bm{};
    bitmap.GetBitmap(&bm);
    int n = 0;
    for (int y = 0; y < bm.bmHeight; ++y) {
      for (int x = 0; x < bm.bmWidth; ++x) {
        n += At(x, y) == color ? 1 : 0;
      }
    }
    return n;
  }

 private:
  static CDC& Prepare(CDC& dc, CBitmap& bitmap, int width, int height) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateBitmap(width, height, 1, 32, nullptr);
    return dc;
  }
};

}  // namespace

TEST(MemoryDC, ComposesOffScreenAndLandsAtTheSameLogicalPoint) {
  Target target;
  const RECT area{3, 4, 9, 10};
  {
    MemoryDC mem(&target.dc, area);
    EXPECT_NE(mem.m_hDC, target.dc.m_hDC);
    EXPECT_EQ(mem.m_hAttribDC, mem.m_hDC);
    EXPECT_FALSE(mem.IsPrinting());
    EXPECT_EQ(mem.GetWindowOrg().x, 3);
    EXPECT_EQ(mem.GetWindowOrg().y, 4);
    RECT clip{};
    mem.GetClipBox(&clip);
    EXPECT_TRUE(::EqualRect(&clip, &area));

    mem.FillSolidRect(&area, kRed);
    mem.SetPixel(3, 4, kBlue);
    mem.SetPixel(8, 9, kBlue);
    EXPECT_EQ(target.Count(kWhite), 400);  // nothing reaches the target yet
  }
  EXPECT_EQ(target.At(3, 4), kBlue);
  EXPECT_EQ(target.At(8, 9), kBlue);
  EXPECT_EQ(target.At(5, 6), kRed);
  EXPECT_EQ(target.Count(kRed), 6 * 6 - 2);
  EXPECT_EQ(target.At(2, 4), kWhite);
  EXPECT_EQ(target.At(9, 9), kWhite);
}

TEST(MemoryDC, PixelsOutsideTheAreaAreLost) {
  Target target;
  const RECT area{5, 5, 10, 10};
  {
    MemoryDC mem(&target.dc, area);
    mem.FillSolidRect(0, 0, 20, 20, kRed);  // the whole target's extent
    mem.SetPixel(0, 0, kBlue);
    mem.SetPixel(15, 15, kBlue);
  }
  EXPECT_EQ(target.Count(kRed), 25);
  EXPECT_EQ(target.Count(kBlue), 0);
  EXPECT_EQ(target.At(4, 5), kWhite);
  EXPECT_EQ(target.At(10, 9), kWhite);
}

TEST(MemoryDC, AnEmptyAreaCoversTheTargetsClipBox) {
  Target target;
  ::IntersectClipRect(target.dc, 2, 3, 6, 8);
  {
    MemoryDC mem(&target.dc);
    RECT clip{};
    mem.GetClipBox(&clip);
    const RECT expected{2, 3, 6, 8};
    EXPECT_TRUE(::EqualRect(&clip, &expected));
    mem.FillSolidRect(0, 0, 20, 20, kRed);
  }
  EXPECT_EQ(target.Count(kRed), 4 * 5);
  EXPECT_EQ(target.At(2, 3), kRed);
  EXPECT_EQ(target.At(5, 7), kRed);
  EXPECT_EQ(target.At(6, 7), kWhite);

  ::SelectClipRgn(target.dc, nullptr);
  target.dc.SetWindowOrg(10, 10);  // the clip box is in logical coordinates
  {
    MemoryDC mem(&target.dc, RECT{0, 0, 0, 0});
    mem.FillSolidRect(10, 10, 1, 1, kBlue);
    mem.FillSolidRect(29, 29, 1, 1, kBlue);
  }
  target.dc.SetWindowOrg(0, 0);
  EXPECT_EQ(target.At(0, 0), kBlue);
  EXPECT_EQ(target.At(19, 19), kBlue);
}

TEST(MemoryDC, APrintingTargetIsDrawnDirectlyAndKeepsItsHandles) {
  Target output;
  Target attribute;
  CDC printer;  // stands for a printer DC: separate output and attribute handles
  printer.m_hDC = output.dc;
  printer.m_hAttribDC = attribute.dc;
  printer.m_bPrinting = TRUE;
  const std::size_t dcs = CDC::LiveDCCount();
  const std::size_t objects = CGdiObject::LiveObjectCount();
  const HGDIOBJ selected = ::GetCurrentObject(output.dc, OBJ_BITMAP);
  {
    MemoryDC mem(&printer, RECT{2, 2, 4, 4});
    EXPECT_TRUE(mem.IsPrinting());
    EXPECT_EQ(mem.m_hDC, output.dc.m_hDC);
    EXPECT_EQ(mem.m_hAttribDC, attribute.dc.m_hDC);
    EXPECT_EQ(CDC::LiveDCCount(), dcs);
    EXPECT_EQ(CGdiObject::LiveObjectCount(), objects);
    mem.SetPixel(15, 15, kRed);  // anywhere, not only inside the area
    EXPECT_EQ(output.At(15, 15), kRed);
  }
  EXPECT_EQ(output.Count(kRed), 1);
  EXPECT_EQ(printer.m_hDC, output.dc.m_hDC);
  EXPECT_NE(::GetObjectType(output.dc), 0u);
  EXPECT_NE(::GetObjectType(attribute.dc), 0u);
  EXPECT_EQ(CDC::FromHandlePermanent(output.dc), &output.dc);
  EXPECT_EQ(CDC::FromHandlePermanent(attribute.dc), &attribute.dc);
  EXPECT_EQ(::GetCurrentObject(output.dc, OBJ_BITMAP), selected);
  printer.m_hDC = printer.m_hAttribDC = nullptr;  // borrowed
}

TEST(MemoryDC, WorksThroughTheBaseClassAndLeavesNothingBehind) {
  Target target;
  HandleMapBase::DeleteAllTemporaries();
  const std::size_t dcs = CDC::LiveDCCount();
  const std::size_t objects = CGdiObject::LiveObjectCount();
  const HGDIOBJ selected = ::GetCurrentObject(target.dc, OBJ_BITMAP);
  HDC lastHandle = nullptr;
  HGDIOBJ lastBitmap = nullptr;
  for (int i = 0; i < 2000; ++i) {
    const RECT area{i % 7, i % 5, i % 7 + 8, i % 5 + 6};
    std::unique_ptr<CDC> heap(new MemoryDC(&target.dc, area));
    heap->FillSolidRect(&area, i % 2 ? kRed : kBlue);
    lastHandle = heap->m_hDC;
    lastBitmap = ::GetCurrentObject(lastHandle, OBJ_BITMAP);
    heap.reset();
    MemoryDC stack(&target.dc, area);
    stack.FillSolidRect(&area, kRed);
  }
  EXPECT_EQ(::GetObjectType(lastHandle), 0u);
  EXPECT_EQ(::GetObjectType(lastBitmap), 0u);
  EXPECT_EQ(CDC::LiveDCCount(), dcs);
  EXPECT_EQ(CGdiObject::LiveObjectCount(), objects);
  EXPECT_EQ(HandleMapBase::AllTemporaryCount(), 0u);
  EXPECT_EQ(::GetCurrentObject(target.dc, OBJ_BITMAP), selected);
  EXPECT_EQ(target.At(6, 4), kRed);

  MemoryDC probe(&target.dc, RECT{0, 0, 1, 1});
  EXPECT_TRUE(probe.IsKindOf(RUNTIME_CLASS(CDC)));
  EXPECT_STREQ(probe.GetRuntimeClass()->m_lpszClassName, "CDC");
  EXPECT_EQ(CDC::FromHandlePermanent(probe.m_hDC), &probe);
}

TEST(MemoryDC, TextAndSelectionsOfTheCallerGoToTheSurface) {
  Target target(60, 30);
  const RECT area{0, 0, 60, 30};
  {
    MemoryDC mem(&target.dc, area);
    mem.FillSolidRect(&area, kWhite);
    CFont font;
    ASSERT_TRUE(
        font.CreateFont(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    SelectionGuard keepFont(mem, font);
    mem.SetBkMode(TRANSPARENT);
    mem.SetTextColor(kBlue);
    RECT r = area;
    mem.DrawText("Menu", -1, &r, DT_SINGLELINE | DT_VCENTER);
  }
  EXPECT_GT(target.Count(kBlue), 10);
}

TEST(MemoryDC, ANullTargetDrawsNothingAndDoesNotCrash) {
  const std::size_t dcs = CDC::LiveDCCount();
  {
    MemoryDC mem(nullptr, RECT{0, 0, 4, 4});
    EXPECT_EQ(mem.m_hDC, nullptr);
    mem.FillSolidRect(0, 0, 4, 4, kRed);
  }
  EXPECT_EQ(CDC::LiveDCCount(), dcs);
}

TEST(MemoryDC, OnALentSurfaceComposesExactlyAsOnItsOwn) {
  OffscreenSurface surface;
  const std::size_t dcs = CDC::LiveDCCount();
  // The second area is larger than the first (the surface grows) and the
  // third smaller again.
  const RECT areas[] = {{3, 4, 9, 10}, {0, 0, 20, 20}, {5, 2, 11, 7}};
  HDC lentHandle = nullptr;
  for (const RECT& area : areas) {
    // Each pass starts from a fresh DC's state, whatever the last one set.
    const auto draw = [&area](MemoryDC& mem) {
      EXPECT_EQ(mem.GetTextColor(), RGB(0, 0, 0));
      EXPECT_EQ(mem.GetBkColor(), kWhite);
      EXPECT_EQ(mem.GetWindowOrg().x, area.left);
      EXPECT_EQ(mem.GetWindowOrg().y, area.top);
      mem.FillSolidRect(&area, kRed);
      mem.SetPixel(area.left, area.top, kBlue);
      mem.SetPixel(area.right - 1, area.bottom - 1, kBlue);
      mem.SetTextColor(kBlue);
      mem.SetBkColor(kRed);
    };
    Target own;
    Target lent;
    {
      MemoryDC mem(&own.dc, area);
      draw(mem);
    }
    {
      MemoryDC mem(&lent.dc, area, surface);
      lentHandle = mem.m_hDC;
      EXPECT_NE(lentHandle, lent.dc.m_hDC);
      draw(mem);
    }
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        ASSERT_EQ(own.At(x, y), lent.At(x, y)) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(CDC::LiveDCCount(), dcs);  // the lent DC stays the surface's
  EXPECT_NE(::GetObjectType(lentHandle), 0u);

  // A monochrome target is not lent to: the MemoryDC makes its own surface.
  CDC mono;
  ASSERT_TRUE(mono.CreateCompatibleDC(nullptr));
  {
    MemoryDC mem(&mono, RECT{0, 0, 1, 1}, surface);
    EXPECT_NE(mem.m_hDC, lentHandle);
  }
  surface.Discard();
  EXPECT_EQ(::GetObjectType(lentHandle), 0u);
}
