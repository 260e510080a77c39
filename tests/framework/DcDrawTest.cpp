#include <gtest/gtest.h>

#include <utility>

#include "GdiTestSurface.h"
#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CPen.h"
#include "framework/HandleMapBase.h"
#include "framework/SelectionGuard.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// Number of pixels of the colour inside (left, top) - (right, bottom).
int CountColor(const CDC& dc, COLORREF color, int left, int top, int right, int bottom) {
  int n = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      n += dc.GetPixel(x, y) == color ? 1 : 0;
    }
  }
  return n;
}

}  // namespace

TEST(DcHandles, OwnedDCsAreCountedAndDeleted) {
  const std::size_t before = CDC::LiveDCCount();
  HDC h = nullptr;
  {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    h = dc;
    EXPECT_EQ(dc.m_hAttribDC, h);
    EXPECT_EQ(dc.GetSafeHdc(), h);
    EXPECT_FALSE(dc.IsPrinting());
    EXPECT_EQ(CDC::FromHandlePermanent(h), &dc);
    EXPECT_EQ(CDC::LiveDCCount(), before + 1);

    CDC moved(std::move(dc));
    EXPECT_EQ(dc.m_hDC, nullptr);
    EXPECT_EQ(moved.m_hDC, h);
    EXPECT_EQ(CDC::FromHandlePermanent(h), &moved);
    EXPECT_FALSE(dc.CreateCompatibleDC(&moved) && dc.Attach(h));
  }
  EXPECT_EQ(::GetObjectType(h), 0u);
  EXPECT_EQ(CDC::LiveDCCount(), before);
  EXPECT_EQ(CDC::FromHandlePermanent(h), nullptr);
}

TEST(DcHandles, TemporaryWrappersNeverDeleteTheirDC) {
  HandleMapBase::DeleteAllTemporaries();
  HDC foreign = ::CreateCompatibleDC(nullptr);
  CDC* temp = CDC::FromHandle(foreign);
  ASSERT_NE(temp, nullptr);
  EXPECT_EQ(temp->m_hDC, foreign);
  EXPECT_EQ(temp->m_hAttribDC, foreign);
  EXPECT_EQ(CDC::FromHandle(foreign), temp);
  EXPECT_EQ(CDC::FromHandlePermanent(foreign), nullptr);
  HandleMapBase::DeleteAllTemporaries();
  EXPECT_NE(::GetObjectType(foreign), 0u);

  CDC owner;
  ASSERT_TRUE(owner.Attach(foreign));
  EXPECT_EQ(CDC::FromHandle(foreign), &owner);
  EXPECT_EQ(owner.Detach(), foreign);
  EXPECT_EQ(owner.m_hAttribDC, nullptr);
  EXPECT_NE(::GetObjectType(foreign), 0u);
  ::DeleteDC(foreign);
}

TEST(DcHandles, SelectObjectReturnsThePreviousObjectAsATemporary) {
  GdiTestSurface surface(4, 4);
  CPen pen(PS_SOLID, 0, kRed);
  CPen* previous = surface.dc.SelectObject(&pen);
  ASSERT_NE(previous, nullptr);
  EXPECT_EQ(CDC::FromHandlePermanent(surface.dc), &surface.dc);
  EXPECT_NE(previous, &pen);
  EXPECT_EQ(surface.dc.GetCurrentPen(), &pen);
  EXPECT_EQ(surface.dc.SelectObject(previous), &pen);
  EXPECT_EQ(surface.dc.GetCurrentBitmap(), &surface.bitmap);

  CGdiObject* before = surface.dc.SelectStockObject(BLACK_BRUSH);
  ASSERT_NE(before, nullptr);
  EXPECT_TRUE(before->IsKindOf(RUNTIME_CLASS(CBrush)));
  surface.dc.SelectObject(before);
  CBrush empty;
  EXPECT_EQ(surface.dc.SelectObject(&empty), nullptr);
  HandleMapBase::DeleteAllTemporaries();
}

TEST(DcDraw, FillSolidRectFillsExactlyAndKeepsTheBackgroundColour) {
  GdiTestSurface surface(10, 10);
  surface.dc.SetBkColor(kBlue);
  surface.dc.FillSolidRect(2, 3, 4, 5, kRed);
  EXPECT_EQ(CountColor(surface.dc, kRed, 0, 0, 10, 10), 20);
  EXPECT_EQ(CountColor(surface.dc, kRed, 2, 3, 6, 8), 20);
  EXPECT_EQ(surface.dc.GetBkColor(), kBlue);

  const RECT reversed{9, 9, 7, 7};  // drawn as the normalised rectangle
  surface.dc.FillSolidRect(&reversed, kBlue);
  EXPECT_EQ(CountColor(surface.dc, kBlue, 7, 7, 9, 9), 4);
}

TEST(DcDraw, Draw3dRectPutsTheCornersOfTheRightColour) {
  GdiTestSurface surface(10, 10);
  const RECT r{1, 2, 7, 9};  // 6 x 7
  surface.dc.Draw3dRect(&r, kRed, kBlue);
  // top row: red up to right - 2, then blue; left column: red down to bottom - 2
  for (int x = 1; x <= 5; ++x) {
    EXPECT_EQ(surface.At(x, 2), kRed) << x;
  }
  EXPECT_EQ(surface.At(6, 2), kBlue);
  for (int y = 2; y <= 7; ++y) {
    EXPECT_EQ(surface.At(1, y), kRed) << y;
    EXPECT_EQ(surface.At(6, y), kBlue) << y;
  }
  for (int x = 1; x <= 6; ++x) {
    EXPECT_EQ(surface.At(x, 8), kBlue) << x;
  }
  EXPECT_EQ(CountColor(surface.dc, kWhite, 2, 3, 6, 8), 20);  // inside untouched
  EXPECT_EQ(
      CountColor(surface.dc, kRed, 0, 0, 10, 10) + CountColor(surface.dc, kBlue, 0, 0, 10, 10),
      2 * 6 + 2 * 5);  // nothing outside the frame

  GdiTestSurface empty(4, 4);
  empty.dc.Draw3dRect(2, 2, 0, 2, kRed, kBlue);
  empty.dc.Draw3dRect(2, 2, 2, -1, kRed, kBlue);
  EXPECT_EQ(CountColor(empty.dc, kWhite, 0, 0, 4, 4), 16);
}

TEST(DcDraw, FrameFillAndLinesFollowTheirRectangles) {
  GdiTestSurface surface(12, 12);
  CBrush red(kRed);
  const RECT frame{1, 1, 6, 5};
  surface.dc.FrameRect(&frame, &red);
  EXPECT_EQ(CountColor(surface.dc, kRed, 0, 0, 12, 12), 2 * 5 + 2 * 2);
  EXPECT_EQ(surface.At(2, 2), kWhite);

  CBrush blue(kBlue);
  const RECT fill{7, 7, 10, 9};
  surface.dc.FillRect(&fill, &blue);
  EXPECT_EQ(CountColor(surface.dc, kBlue, 0, 0, 12, 12), 6);

  CPen pen(PS_SOLID, 0, kBlue);
  SelectionGuard keepPen(surface.dc, pen);
  surface.dc.MoveTo(0, 11);
  surface.dc.LineTo(5, 11);  // the end point is not drawn
  EXPECT_EQ(CountColor(surface.dc, kBlue, 0, 11, 12, 12), 5);
  EXPECT_EQ(surface.At(5, 11), kWhite);
}

TEST(DcDraw, TextUsesTheTextAndBackgroundColours) {
  GdiTestSurface surface(80, 30);
  EXPECT_EQ(surface.dc.SetTextColor(kRed), RGB(0, 0, 0));
  EXPECT_EQ(surface.dc.GetTextColor(), kRed);
  surface.dc.SetBkColor(kBlue);
  EXPECT_EQ(surface.dc.SetBkMode(OPAQUE), OPAQUE);
  surface.dc.TextOut(2, 2, "Wg", -1);
  EXPECT_GT(CountColor(surface.dc, kRed, 0, 0, 80, 30), 0);
  EXPECT_GT(CountColor(surface.dc, kBlue, 0, 0, 80, 30), 0);

  GdiTestSurface wide(80, 30);
  wide.dc.SetBkMode(TRANSPARENT);
  wide.dc.SetBkColor(kBlue);
  wide.dc.SetTextColor(kRed);
  RECT r{0, 0, 80, 30};
  EXPECT_GT(wide.dc.DrawTextW(L"M\x00e9nu", -1, &r, DT_SINGLELINE | DT_VCENTER), 0);
  EXPECT_GT(CountColor(wide.dc, kRed, 0, 0, 80, 30), 0);
  EXPECT_EQ(CountColor(wide.dc, kBlue, 0, 0, 80, 30), 0);  // transparent background

  const SIZE narrow = wide.dc.GetTextExtent("i", -1);
  const SIZE broad = wide.dc.GetTextExtent("WWWW", 4);
  EXPECT_GT(broad.cx, narrow.cx);
  EXPECT_EQ(wide.dc.GetTextExtentW(L"WWWW", -1).cx, broad.cx);
  TEXTMETRICA tm{};
  EXPECT_TRUE(wide.dc.GetTextMetrics(&tm));
  EXPECT_EQ(tm.tmHeight, broad.cy);
}

TEST(DcDraw, WindowOriginShiftsLogicalCoordinates) {
  GdiTestSurface surface(10, 10);
  const POINT old = surface.dc.SetWindowOrg(20, 30);
  EXPECT_EQ(old.x, 0);
  EXPECT_EQ(surface.dc.GetWindowOrg().y, 30);
  surface.dc.SetPixel(21, 32, kRed);
  EXPECT_EQ(surface.dc.GetPixel(21, 32), kRed);
  POINT p{21, 32};
  surface.dc.LPtoDP(&p);
  EXPECT_EQ(p.x, 1);
  EXPECT_EQ(p.y, 2);
  RECT clip{};
  surface.dc.GetClipBox(&clip);
  EXPECT_EQ(clip.left, 20);
  EXPECT_EQ(clip.bottom, 40);

  const int saved = surface.dc.SaveDC();
  surface.dc.SetWindowOrg(0, 0);
  surface.dc.SetTextColor(kBlue);
  EXPECT_TRUE(surface.dc.RestoreDC(saved));
  EXPECT_EQ(surface.dc.GetWindowOrg().x, 20);
  EXPECT_EQ(surface.dc.GetTextColor(), RGB(0, 0, 0));
  surface.dc.SetWindowOrg(0, 0);
  EXPECT_EQ(surface.At(1, 2), kRed);
}

TEST(DcDraw, SplitHandlesDrawOnOutputAndAnswerFromAttribute) {
  GdiTestSurface output(8, 8);
  GdiTestSurface attribute(8, 8);
  attribute.dc.SetWindowOrg(5, 5);
  CDC split;
  split.m_hDC = output.dc;
  split.m_hAttribDC = attribute.dc;

  split.SetTextColor(kBlue);  // state changes go to both
  EXPECT_EQ(output.dc.GetTextColor(), kBlue);
  EXPECT_EQ(attribute.dc.GetTextColor(), kBlue);
  EXPECT_EQ(split.GetWindowOrg().x, 5);  // queries come from the attribute handle

  split.FillSolidRect(0, 0, 2, 2, kRed);  // drawing goes to the output only
  EXPECT_EQ(output.At(1, 1), kRed);
  EXPECT_EQ(attribute.dc.GetPixel(6, 6), kWhite);

  GdiTestSurface copy(8, 8);
  copy.dc.BitBlt(0, 0, 2, 2, &output.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(copy.At(1, 1), kRed);
  copy.dc.PatBlt(4, 4, 2, 2, BLACKNESS);
  EXPECT_EQ(copy.At(5, 5), RGB(0, 0, 0));
  split.m_hDC = split.m_hAttribDC = nullptr;  // borrowed
}
