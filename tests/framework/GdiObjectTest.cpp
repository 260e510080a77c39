#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "GdiTestSurface.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CFont.h"
#include "framework/CPen.h"
#include "framework/HandleMapBase.h"
#include "framework/SelectionGuard.h"

namespace {

bool Alive(HGDIOBJ h) { return ::GetObjectType(h) != 0; }

}  // namespace

TEST(GdiObject, CreatedObjectsAreCountedAndDeletedWithTheirWrapper) {
  const std::size_t before = CGdiObject::LiveObjectCount();
  const std::size_t pensBefore = CGdiObject::LiveObjectCount(OBJ_PEN);
  HGDIOBJ handles[4] = {};
  {
    CPen pen(PS_SOLID, 0, RGB(255, 0, 0));
    CBrush brush(RGB(0, 0, 255));
    CFont font;
    ASSERT_TRUE(
        font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(4, 4, 1, 32, nullptr));
    handles[0] = pen;
    handles[1] = brush;
    handles[2] = font;
    handles[3] = bitmap;
    EXPECT_EQ(CGdiObject::LiveObjectCount(), before + 4);
    EXPECT_EQ(CGdiObject::LiveObjectCount(OBJ_PEN), pensBefore + 1);
    EXPECT_EQ(pen.GetObjectType(), static_cast<UINT>(OBJ_PEN));

    LOGPEN lp{};
    EXPECT_EQ(pen.GetLogPen(&lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnColor, RGB(255, 0, 0));
    BITMAP bm{};
    EXPECT_NE(bitmap.GetBitmap(&bm), 0);
    EXPECT_EQ(bm.bmWidth, 4);
    EXPECT_EQ(bm.bmBitsPixel, 32);
  }
  EXPECT_EQ(CGdiObject::LiveObjectCount(), before);
  for (HGDIOBJ h : handles) {
    EXPECT_FALSE(Alive(h));
  }
}

TEST(GdiObject, LoadedBitmapsAreCountedAndAMissingOneLeavesTheWrapperEmpty) {
  const std::size_t before = CGdiObject::LiveObjectCount();
  const UINT kObmCheck = 32760;  // OBM_CHECK, a system bitmap
  CBitmap check;
  ASSERT_TRUE(check.LoadOEMBitmap(kObmCheck));
  BITMAP bm{};
  ASSERT_NE(check.GetBitmap(&bm), 0);
  EXPECT_GT(bm.bmWidth, 0);
  EXPECT_EQ(CGdiObject::LiveObjectCount(), before + 1);

  CBitmap missing;
  EXPECT_FALSE(missing.LoadBitmap(54321u));
  EXPECT_EQ(missing.m_hObject, nullptr);
  EXPECT_EQ(CGdiObject::LiveObjectCount(), before + 1);
}

TEST(GdiObject, MoveTransfersOwnershipWithoutDoubleDelete) {
  const std::size_t before = CGdiObject::LiveObjectCount();
  CBrush first(RGB(1, 2, 3));
  const HGDIOBJ h = first;
  CBrush second(std::move(first));
  EXPECT_EQ(first.m_hObject, nullptr);
  EXPECT_EQ(second.m_hObject, h);
  EXPECT_EQ(CGdiObject::FromHandlePermanent(h), &second);

  CBrush third(RGB(4, 5, 6));
  const HGDIOBJ replaced = third;
  third = std::move(second);
  EXPECT_FALSE(Alive(replaced));  // the object third held before is deleted
  EXPECT_EQ(third.m_hObject, h);
  EXPECT_EQ(CGdiObject::FromHandlePermanent(h), &third);
  EXPECT_EQ(CGdiObject::LiveObjectCount(), before + 1);

  // Growing a vector moves its pens; each must still own exactly its object.
  {
    std::vector<CPen> pens;
    for (int i = 0; i < 20; ++i) {
      pens.emplace_back(PS_SOLID, 1, RGB(i, 0, 0));
    }
    EXPECT_EQ(CGdiObject::LiveObjectCount(), before + 21);
    EXPECT_EQ(CGdiObject::FromHandlePermanent(pens[0]), &pens[0]);
  }
  EXPECT_EQ(CGdiObject::LiveObjectCount(), before + 1);
  third.DeleteObject();
  EXPECT_FALSE(Alive(h));
  EXPECT_EQ(CGdiObject::LiveObjectCount(), before);
}

TEST(GdiObject, DetachedObjectStaysCountedUntilDeleted) {
  const std::size_t before = CGdiObject::LiveObjectCount();
  HGDIOBJ h = nullptr;
  {
    CPen pen(PS_DASH, 1, RGB(0, 0, 0));
    h = pen.Detach();
    EXPECT_EQ(CGdiObject::FromHandlePermanent(h), nullptr);
  }
  EXPECT_TRUE(Alive(h));
  EXPECT_EQ(CGdiObject::LiveObjectCount(), before + 1);
  ::DeleteObject(h);
  EXPECT_EQ(CGdiObject::LiveObjectCount(), before);
}

TEST(GdiObject, CreatingIntoAnOccupiedWrapperFailsWithoutLeaking) {
  const std::size_t before = CGdiObject::LiveObjectCount();
  CBrush brush(RGB(9, 9, 9));
  const HGDIOBJ h = brush;
  EXPECT_FALSE(brush.CreateSolidBrush(RGB(10, 10, 10)));
  EXPECT_FALSE(brush.Attach(::GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(brush.m_hObject, h);
  EXPECT_EQ(CGdiObject::LiveObjectCount(), before + 1);
}

TEST(GdiObject, SystemObjectsAreNeitherCountedNorDestroyed) {
  GdiTestSurface surface(2, 2);
  const std::size_t before = CGdiObject::LiveObjectCount();
  const HBRUSH system = ::GetSysColorBrush(COLOR_BTNFACE);
  {
    CBrush brush;
    EXPECT_TRUE(brush.CreateSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(brush.m_hObject, system);
    CGdiObject stock;
    EXPECT_TRUE(stock.CreateStockObject(WHITE_PEN));
    CBitmap empty;  // the platform's shared 1 x 1 bitmap
    EXPECT_TRUE(empty.CreateCompatibleBitmap(&surface.dc, 0, 0));
    EXPECT_EQ(CGdiObject::LiveObjectCount(), before);
  }
  EXPECT_TRUE(Alive(system));
  EXPECT_TRUE(Alive(::GetStockObject(WHITE_PEN)));
  LOGBRUSH lb{};
  EXPECT_NE(::GetObjectA(system, sizeof lb, &lb), 0);
  EXPECT_EQ(lb.lbColor, ::GetSysColor(COLOR_BTNFACE));
}

TEST(GdiObject, FromHandleGivesTemporariesOfTheRightClassFreedAtIdle) {
  HandleMapBase::DeleteAllTemporaries();
  HPEN foreign = ::CreatePen(PS_SOLID, 0, RGB(0, 255, 0));
  HBITMAP foreignBitmap = ::CreateBitmap(2, 2, 1, 1, nullptr);

  CGdiObject* temp = CGdiObject::FromHandle(foreign);
  ASSERT_NE(temp, nullptr);
  EXPECT_TRUE(temp->IsKindOf(RUNTIME_CLASS(CPen)));
  EXPECT_EQ(CPen::FromHandle(foreign), temp);  // one wrapper until idle
  EXPECT_EQ(CBrush::FromHandle(reinterpret_cast<HBRUSH>(foreign)), nullptr);
  EXPECT_NE(CBitmap::FromHandle(foreignBitmap), nullptr);
  EXPECT_EQ(CGdiObject::FromHandlePermanent(foreign), nullptr);
  EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);
  EXPECT_EQ(HandleMapBase::AllTemporaryCount(), 2u);

  HandleMapBase::DeleteAllTemporaries();
  EXPECT_EQ(HandleMapBase::AllTemporaryCount(), 0u);
  EXPECT_TRUE(Alive(foreign));  // temporaries never own their handle
  EXPECT_TRUE(Alive(foreignBitmap));

  CPen owner;
  ASSERT_TRUE(owner.Attach(foreign));
  EXPECT_EQ(CGdiObject::FromHandle(foreign), &owner);  // permanent wins
  EXPECT_EQ(HandleMapBase::AllTemporaryCount(), 0u);
  owner.DeleteObject();
  EXPECT_FALSE(Alive(foreign));
  ::DeleteObject(foreignBitmap);
}

TEST(SelectionGuard, SelectsBackThePreviousObject) {
  GdiTestSurface surface(4, 4);
  const HGDIOBJ originalPen = ::GetCurrentObject(surface.dc, OBJ_PEN);
  CPen red(PS_SOLID, 0, RGB(255, 0, 0));
  CPen blue(PS_SOLID, 0, RGB(0, 0, 255));
  {
    SelectionGuard outer(surface.dc, red);
    EXPECT_EQ(outer.Previous(), originalPen);
    EXPECT_EQ(::GetCurrentObject(surface.dc, OBJ_PEN), red.m_hObject);
    {
      SelectionGuard inner(surface.dc.m_hDC, blue.m_hObject);
      EXPECT_EQ(::GetCurrentObject(surface.dc, OBJ_PEN), blue.m_hObject);
    }
    EXPECT_EQ(::GetCurrentObject(surface.dc, OBJ_PEN), red.m_hObject);
    outer.Restore();
    EXPECT_EQ(::GetCurrentObject(surface.dc, OBJ_PEN), originalPen);
    ::SelectObject(surface.dc, blue);
  }  // a restored guard does nothing more
  EXPECT_EQ(::GetCurrentObject(surface.dc, OBJ_PEN), blue.m_hObject);
  ::SelectObject(surface.dc, originalPen);

  CBrush empty;
  SelectionGuard nothing(surface.dc, empty);
  EXPECT_EQ(nothing.Previous(), nullptr);
}

TEST(SelectionGuard, RestoresBothHandlesOfASplitDC) {
  GdiTestSurface output(2, 2);
  GdiTestSurface attribute(2, 2);
  CDC split;
  split.m_hDC = output.dc;
  split.m_hAttribDC = attribute.dc;
  const HGDIOBJ outputFont = ::GetCurrentObject(output.dc, OBJ_FONT);
  const HGDIOBJ attributeFont = ::GetCurrentObject(attribute.dc, OBJ_FONT);
  CFont font;
  ASSERT_TRUE(
      font.CreateFont(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
  {
    SelectionGuard keep(split, font);
    EXPECT_EQ(::GetCurrentObject(output.dc, OBJ_FONT), font.m_hObject);
    EXPECT_EQ(::GetCurrentObject(attribute.dc, OBJ_FONT), font.m_hObject);
  }
  EXPECT_EQ(::GetCurrentObject(output.dc, OBJ_FONT), outputFont);
  EXPECT_EQ(::GetCurrentObject(attribute.dc, OBJ_FONT), attributeFont);
  split.m_hDC = split.m_hAttribDC = nullptr;  // borrowed
}
