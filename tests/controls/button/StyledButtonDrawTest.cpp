#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "ButtonTestSupport.h"
#include "framework/UniqueHandle.h"

using button_test::Canvas;
using button_test::Describe;
using button_test::ParentWindow;
using button_test::SolidBitmap;
using button_test::SolidIcon;
using button_test::TestButton;

namespace {

const int kWidth = 100;
const int kHeight = 40;

// Distinct state colours, so that every pixel tells which one painted it.
const COLORREF kFaceHot = RGB(200, 60, 60);
const COLORREF kTextHot = RGB(250, 250, 0);
const COLORREF kFaceNormal = RGB(60, 200, 60);
const COLORREF kTextNormal = RGB(0, 90, 250);
const COLORREF kFaceFocused = RGB(60, 60, 200);
const COLORREF kTextFocused = RGB(250, 0, 250);

COLORREF Sys(int index) { return ::GetSysColor(index); }

class ButtonDrawing : public ::testing::Test {
 protected:
  ParentWindow parent;
  TestButton button;
  Canvas canvas{kWidth, kHeight, RGB(0, 0, 0)};

  void SetUp() override {
    ASSERT_TRUE(parent.CreateParent(60, 60, 160, 80));
    button_test::Pump(60);
    Attach(BS_PUSHBUTTON, "");
  }
  void TearDown() override {
    if (button.m_hWnd != nullptr) {
      button.DestroyWindow();
    }
    parent.DestroyWindow();
  }

  void Attach(DWORD type, const char* caption) {
    HWND h =
        button_test::CreateButtonControl(parent, 5, type, caption, 10, 10, kWidth, kHeight, false);
    ASSERT_NE(nullptr, h);
    ASSERT_TRUE(button.SubclassWindow(h));
    const COLORREF colours[6] = {kFaceHot,    kTextHot,     kFaceNormal,
                                 kTextNormal, kFaceFocused, kTextFocused};
    for (BYTE i = 0; i < 6; ++i) {
      button.SetStateColor(i, colours[i], FALSE);
    }
  }
  void Reattach(DWORD type, const char* caption) {
    button.DestroyWindow();
    Attach(type, caption);
  }

  void Paint(UINT state) {
    canvas.Fill(RGB(0, 0, 0));
    button_test::Paint(button, canvas, state);
  }

  // Whether every pixel of row y between x0 and x1 (exclusive) is color.
  bool RowIs(int y, int x0, int x1, COLORREF color) const {
    for (int x = x0; x < x1; ++x) {
      if (canvas.At(x, y) != color) {
        return false;
      }
    }
    return true;
  }
  bool ColumnIs(int x, int y0, int y1, COLORREF color) const {
    for (int y = y0; y < y1; ++y) {
      if (canvas.At(x, y) != color) {
        return false;
      }
    }
    return true;
  }
  // The focus rectangle is a dotted line: some pixels of its top row differ
  // from the face.
  bool DottedRow(int y, int x0, int x1, COLORREF face) const { return !RowIs(y, x0, x1, face); }

  // Pixels of one colour, as a set.
  std::set<std::pair<int, int>> PixelsOf(COLORREF color) const {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (canvas.At(x, y) == color) {
          out.insert({x, y});
        }
      }
    }
    return out;
  }
};

// ---- Faces, borders and focus --------------------------------------------------------

TEST_F(ButtonDrawing, FlatNormalIsJustTheNormalFace) {
  Paint(0);
  EXPECT_EQ(kWidth * kHeight, canvas.Count(kFaceNormal));
  EXPECT_FALSE(button.LastPressed());
  EXPECT_FALSE(button.LastFocused());
}

TEST_F(ButtonDrawing, FlatFocusedUsesTheFocusedFaceAndNoFocusRectangle) {
  Paint(ODS_FOCUS);
  EXPECT_EQ(kWidth * kHeight, canvas.Count(kFaceFocused));
  EXPECT_TRUE(button.LastFocused());

  button.SetFocusWhenFlat(TRUE, FALSE);
  Paint(ODS_FOCUS);
  EXPECT_TRUE(RowIs(2, 0, kWidth, kFaceFocused));
  EXPECT_TRUE(DottedRow(3, 3, kWidth - 3, kFaceFocused));
  EXPECT_TRUE(ColumnIs(2, 0, kHeight, kFaceFocused));
}

TEST_F(ButtonDrawing, FlatHoveredShowsTheRaisedFrameUnlessSwitchedOff) {
  button.ForceHover(TRUE);
  Paint(0);
  EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), canvas.At(0, 0));
  EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), canvas.At(0, kHeight - 2));
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(kWidth - 1, kHeight - 1));
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(kWidth - 1, 5));
  EXPECT_EQ(kFaceHot, canvas.At(1, 1));
  EXPECT_EQ(kFaceHot, canvas.At(50, 20));

  button.SetHoverFrame(FALSE, FALSE);
  Paint(0);
  EXPECT_EQ(kWidth * kHeight, canvas.Count(kFaceHot));
}

TEST_F(ButtonDrawing, FlatPressedShowsTheSunkenFrame) {
  Paint(ODS_SELECTED);
  EXPECT_TRUE(button.LastPressed());
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(0, 0));
  EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), canvas.At(kWidth - 1, kHeight - 1));
  EXPECT_EQ(kFaceHot, canvas.At(50, 20));
  // The focus rectangle stays off in the flat look.
  Paint(ODS_SELECTED | ODS_FOCUS);
  EXPECT_TRUE(RowIs(3, 1, kWidth - 1, kFaceHot));
}

TEST_F(ButtonDrawing, ThreeDNormalHasTheTwoPixelBevel) {
  button.SetFlat(FALSE, FALSE);
  Paint(0);
  EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), canvas.At(0, 0));
  EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), canvas.At(0, kHeight - 2));
  EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), canvas.At(kWidth - 2, 0));
  EXPECT_EQ(Sys(COLOR_3DLIGHT), canvas.At(1, 1));
  EXPECT_EQ(Sys(COLOR_3DLIGHT), canvas.At(1, kHeight - 3));
  EXPECT_EQ(Sys(COLOR_3DLIGHT), canvas.At(kWidth - 3, 1));
  EXPECT_EQ(Sys(COLOR_3DDKSHADOW), canvas.At(0, kHeight - 1));
  EXPECT_EQ(Sys(COLOR_3DDKSHADOW), canvas.At(kWidth - 1, kHeight - 1));
  EXPECT_EQ(Sys(COLOR_3DDKSHADOW), canvas.At(kWidth - 1, 0));
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(kWidth - 2, kHeight - 2));
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(1, kHeight - 2));
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(kWidth - 2, 1));
  EXPECT_EQ(kFaceNormal, canvas.At(2, 2));
  EXPECT_EQ(kFaceNormal, canvas.At(kWidth - 3, kHeight - 3));
  // No focus rectangle and no black frame.
  EXPECT_TRUE(RowIs(4, 2, kWidth - 2, kFaceNormal));
  EXPECT_EQ(0, canvas.Count(RGB(0, 0, 0)));
}

// The bevel's last line ends at the top of its right edge, and the current
// position stays there, as the line-to calls of the bevel leave it.
TEST_F(ButtonDrawing, ThreeDBevelLeavesTheCurrentPositionAtItsLastLine) {
  button.SetFlat(FALSE, FALSE);
  Paint(0);
  POINT at = {};
  ASSERT_TRUE(::GetCurrentPositionEx(canvas.dc(), &at));
  EXPECT_EQ(kWidth - 2, at.x);
  EXPECT_EQ(0, at.y);
}

// The bevel, for items down to a few pixels and less, is exactly the four
// lines drawn with pens (each end point left out), whatever calls draw it.
TEST_F(ButtonDrawing, ThreeDBevelIsTheFourLinesAtEverySize) {
  button.SetFlat(FALSE, FALSE);
  const SIZE sizes[] = {{kWidth, kHeight}, {7, 5}, {3, 3}, {2, 2}, {1, 4}, {4, 1}, {1, 1}};
  for (const SIZE& size : sizes) {
    SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
    canvas.Fill(RGB(0, 0, 0));
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = button.m_hWnd;
    item.hDC = canvas.dc();
    item.rcItem = {10, 10, 10 + size.cx, 10 + size.cy};
    button.SetWindowText("");
    button.DrawItem(&item);
    std::vector<COLORREF> ours;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        ours.push_back(canvas.At(x, y));
      }
    }

    canvas.Fill(RGB(0, 0, 0));
    const RECT& r = item.rcItem;
    const UniqueBrush face(::CreateSolidBrush(kFaceNormal));
    ::FillRect(canvas.dc(), &r, face.get());
    const struct {
      int color;
      POINT line[3];
    } edges[] = {
        {COLOR_BTNHIGHLIGHT, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}}},
        {COLOR_3DLIGHT,
         {{r.left + 1, r.bottom - 1}, {r.left + 1, r.top + 1}, {r.right, r.top + 1}}},
        {COLOR_3DDKSHADOW,
         {{r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top - 1}}},
        {COLOR_BTNSHADOW,
         {{r.left + 1, r.bottom - 2}, {r.right - 2, r.bottom - 2}, {r.right - 2, r.top}}},
    };
    for (const auto& edge : edges) {
      const UniquePen pen(::CreatePen(PS_SOLID, 1, Sys(edge.color)));
      const HGDIOBJ previous = ::SelectObject(canvas.dc(), pen.get());
      ::MoveToEx(canvas.dc(), edge.line[0].x, edge.line[0].y, nullptr);
      ::LineTo(canvas.dc(), edge.line[1].x, edge.line[1].y);
      ::LineTo(canvas.dc(), edge.line[2].x, edge.line[2].y);
      ::SelectObject(canvas.dc(), previous);
    }
    int differing = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        differing += canvas.At(x, y) != ours[static_cast<size_t>(y * kWidth + x)] ? 1 : 0;
      }
    }
    EXPECT_EQ(0, differing);
  }
}

TEST_F(ButtonDrawing, ThreeDHoverIsIgnoredOnceSwitchedTo3D) {
  button.ForceHover(TRUE);
  button.SetFlat(FALSE, FALSE);
  EXPECT_FALSE(button.IsHovered());
  Paint(0);
  EXPECT_EQ(kFaceNormal, canvas.At(50, 20));
}

TEST_F(ButtonDrawing, ThreeDFocusedHasBlackFrameAndFocusRectangleFourPixelsIn) {
  button.SetFlat(FALSE, FALSE);
  Paint(ODS_FOCUS);
  EXPECT_TRUE(RowIs(0, 0, kWidth, RGB(0, 0, 0)));
  EXPECT_TRUE(ColumnIs(kWidth - 1, 0, kHeight, RGB(0, 0, 0)));
  EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), canvas.At(1, 1));
  EXPECT_EQ(Sys(COLOR_3DLIGHT), canvas.At(2, 2));
  EXPECT_EQ(Sys(COLOR_3DDKSHADOW), canvas.At(kWidth - 2, kHeight - 2));
  EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(kWidth - 3, kHeight - 3));
  EXPECT_EQ(kFaceFocused, canvas.At(20, 20));
  EXPECT_TRUE(RowIs(3, 3, kWidth - 3, kFaceFocused));
  EXPECT_TRUE(DottedRow(4, 4, kWidth - 4, kFaceFocused));
  EXPECT_TRUE(RowIs(5, 5, kWidth - 5, kFaceFocused));
}

TEST_F(ButtonDrawing, ThreeDDefaultButtonHasBlackFrameWithoutFocusRectangle) {
  Reattach(BS_DEFPUSHBUTTON, "");
  ASSERT_TRUE(button.IsDefaultButton());
  button.SetFlat(FALSE, FALSE);
  Paint(0);
  EXPECT_EQ(RGB(0, 0, 0), canvas.At(0, 0));
  EXPECT_EQ(RGB(0, 0, 0), canvas.At(kWidth - 1, kHeight - 1));
  EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), canvas.At(1, 1));
  EXPECT_TRUE(RowIs(4, 3, kWidth - 3, kFaceNormal));
  EXPECT_EQ(kFaceNormal, canvas.At(20, 20));
}

TEST_F(ButtonDrawing, ThreeDPressedHasAShadowFrameAndNoBevel) {
  Reattach(BS_DEFPUSHBUTTON, "");
  button.SetFlat(FALSE, FALSE);
  Paint(ODS_SELECTED);
  EXPECT_EQ(RGB(0, 0, 0), canvas.At(0, 0));
  EXPECT_TRUE(RowIs(1, 1, kWidth - 1, Sys(COLOR_BTNSHADOW)));
  EXPECT_TRUE(ColumnIs(1, 1, kHeight - 1, Sys(COLOR_BTNSHADOW)));
  EXPECT_TRUE(ColumnIs(kWidth - 2, 1, kHeight - 1, Sys(COLOR_BTNSHADOW)));
  EXPECT_TRUE(RowIs(kHeight - 2, 1, kWidth - 1, Sys(COLOR_BTNSHADOW)));
  EXPECT_EQ(kFaceHot, canvas.At(2, 2));
  EXPECT_EQ(kFaceHot, canvas.At(kWidth - 3, kHeight - 3));
  if (Sys(COLOR_3DDKSHADOW) != Sys(COLOR_BTNSHADOW)) {
    EXPECT_EQ(0, canvas.Count(Sys(COLOR_3DDKSHADOW)));
  }
}

TEST_F(ButtonDrawing, ThreeDPressedWithoutDefaultFrameHasTheShadowFrameOutside) {
  button.SetFlat(FALSE, FALSE);
  Paint(ODS_SELECTED);
  EXPECT_TRUE(RowIs(0, 0, kWidth, Sys(COLOR_BTNSHADOW)));
  EXPECT_EQ(kFaceHot, canvas.At(1, 1));
}

// ---- Captions -------------------------------------------------------------------------

TEST_F(ButtonDrawing, CaptionColoursFollowTheState) {
  Reattach(BS_PUSHBUTTON, "&Exit");
  Paint(0);
  const RECT normal = canvas.BoundsOf(kTextNormal);
  EXPECT_GT(canvas.Count(kTextNormal), 10);
  EXPECT_EQ(0, canvas.Count(kTextHot));
  // Focused, not hot: still the normal caption colour.
  Paint(ODS_FOCUS);
  EXPECT_EQ(normal, canvas.BoundsOf(kTextNormal)) << Describe(canvas.BoundsOf(kTextNormal));

  button.ForceHover(TRUE);
  Paint(0);
  EXPECT_EQ(0, canvas.Count(kTextNormal));
  EXPECT_EQ(normal, canvas.BoundsOf(kTextHot)) << Describe(canvas.BoundsOf(kTextHot));
}

TEST_F(ButtonDrawing, PressedCaptionMovesByThePushOffset) {
  Reattach(BS_PUSHBUTTON, "&Exit");
  Paint(0);
  RECT expected = canvas.BoundsOf(kTextNormal);
  ASSERT_FALSE(::IsRectEmpty(&expected));
  Paint(ODS_SELECTED);
  ::OffsetRect(&expected, 1, 1);
  EXPECT_EQ(expected, canvas.BoundsOf(kTextHot)) << Describe(canvas.BoundsOf(kTextHot));

  button.SetPushOffsetStyle(StyledButton::PushOffsetDown, FALSE);
  Paint(ODS_SELECTED);
  ::OffsetRect(&expected, -1, 1);
  EXPECT_EQ(expected, canvas.BoundsOf(kTextHot)) << Describe(canvas.BoundsOf(kTextHot));
}

TEST_F(ButtonDrawing, CheckedCheckBoxIsPressedWithoutMoving) {
  Reattach(BS_AUTOCHECKBOX, "&Exit");
  ASSERT_TRUE(button.IsCheckBoxMode());
  Paint(0);
  const RECT still = canvas.BoundsOf(kTextNormal);
  EXPECT_EQ(kFaceNormal, canvas.At(1, 1));
  button.SetCheckState(TRUE, FALSE);
  Paint(0);
  EXPECT_TRUE(button.LastPressed());
  EXPECT_EQ(kFaceHot, canvas.At(50, 2));
  EXPECT_EQ(still, canvas.BoundsOf(kTextHot)) << Describe(canvas.BoundsOf(kTextHot));
  Paint(ODS_SELECTED);
  EXPECT_EQ(still, canvas.BoundsOf(kTextHot));
}

TEST_F(ButtonDrawing, MenuOpenDrawsPressed) {
  Reattach(BS_PUSHBUTTON, "&Exit");
  Paint(0);
  RECT expected = canvas.BoundsOf(kTextNormal);
  button.ForceMenuOpen(TRUE);
  Paint(0);
  EXPECT_TRUE(button.LastPressed());
  ::OffsetRect(&expected, 1, 1);
  EXPECT_EQ(expected, canvas.BoundsOf(kTextHot));
}

TEST_F(ButtonDrawing, DisabledCaptionIsEmbossedShadowOverHighlight) {
  Reattach(BS_PUSHBUTTON, "&Exit");
  ASSERT_NE(Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW));
  Paint(0);
  const auto glyphs = PixelsOf(kTextNormal);
  ASSERT_GT(glyphs.size(), 10u);
  Paint(ODS_DISABLED);
  EXPECT_TRUE(button.LastDisabled());
  EXPECT_EQ(0, canvas.Count(kTextNormal));
  int shadowOnTop = 0;
  int highlightBelow = 0;
  for (const auto& p : glyphs) {
    // Every glyph pixel carries the shadow colour drawn last.
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.At(p.first, p.second));
    shadowOnTop += canvas.At(p.first, p.second) == Sys(COLOR_BTNSHADOW) ? 1 : 0;
    // One pixel right and down, where the glyph itself is not, the highlight.
    const std::pair<int, int> moved{p.first + 1, p.second + 1};
    if (glyphs.count(moved) == 0) {
      EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), canvas.At(moved.first, moved.second));
      ++highlightBelow;
    }
  }
  EXPECT_GT(shadowOnTop, 0);
  EXPECT_GT(highlightBelow, 0);
}

// ---- Parent background ------------------------------------------------------------------

TEST_F(ButtonDrawing, TransparentShowsTheCachedParentPixels) {
  Reattach(BS_PUSHBUTTON, "&Exit");
  button.UseParentBackground(FALSE);
  Paint(0);
  EXPECT_EQ(ParentWindow::kBackground, canvas.At(1, 1));
  EXPECT_EQ(ParentWindow::kBackground, canvas.At(kWidth - 1, kHeight - 1));
  EXPECT_EQ(0, canvas.Count(kFaceNormal));
  EXPECT_GT(canvas.Count(kTextNormal), 10);

  // The parent changes under the button: the cached copy stays until it is
  // dropped.
  {
    HDC dc = ::GetDC(parent.m_hWnd);
    HBRUSH brush = ::CreateSolidBrush(RGB(250, 250, 250));
    RECT all = {0, 0, 160, 80};
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
    ::ReleaseDC(parent.m_hWnd, dc);
  }
  Paint(ODS_SELECTED);
  EXPECT_EQ(ParentWindow::kBackground, canvas.At(50, 1));
  button.UseParentBackground(FALSE);
  Paint(0);
  EXPECT_EQ(RGB(250, 250, 250), canvas.At(50, 1));
}

TEST_F(ButtonDrawing, TransparentThreeDCopiesOverTheBlackFrame) {
  Reattach(BS_DEFPUSHBUTTON, "");
  button.SetFlat(FALSE, FALSE);
  button.UseParentBackground(FALSE);
  Paint(ODS_FOCUS);
  EXPECT_EQ(ParentWindow::kBackground, canvas.At(0, 0));
  EXPECT_EQ(ParentWindow::kBackground, canvas.At(kWidth - 1, kHeight - 1));
  EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), canvas.At(1, 1));
  EXPECT_EQ(ParentWindow::kBackground, canvas.At(20, 20));
}

// ---- Images ---------------------------------------------------------------------------------

const COLORREF kHotPicture = RGB(255, 0, 0);
const COLORREF kNormalPicture = RGB(0, 0, 255);

TEST_F(ButtonDrawing, IconWithoutCaptionIsCentred) {
  button.SetIcons(SolidIcon(16, 16, kHotPicture), nullptr, FALSE);
  Paint(0);
  const RECT expected = {42, 12, 58, 28};
  EXPECT_EQ(expected, canvas.BoundsOf(kHotPicture)) << Describe(canvas.BoundsOf(kHotPicture));
  EXPECT_EQ(16 * 16, canvas.Count(kHotPicture));
}

TEST_F(ButtonDrawing, IconOnlyInSlotOneIsNotDrawn) {
  button.SetIcons(nullptr, SolidIcon(16, 16, kNormalPicture), FALSE);
  Paint(0);
  EXPECT_EQ(0, canvas.Count(kNormalPicture));
  EXPECT_EQ(kWidth * kHeight, canvas.Count(kFaceNormal));
}

TEST_F(ButtonDrawing, IconSlotFollowsHoverPressAndCheckBoxMode) {
  button.SetIcons(SolidIcon(16, 16, kHotPicture), SolidIcon(16, 16, kNormalPicture), FALSE);
  Paint(0);
  EXPECT_EQ(256, canvas.Count(kNormalPicture));
  EXPECT_EQ(0, canvas.Count(kHotPicture));
  button.ForceHover(TRUE);
  Paint(0);
  EXPECT_EQ(256, canvas.Count(kHotPicture));
  button.ForceHover(FALSE);
  Paint(ODS_SELECTED);
  EXPECT_EQ(256, canvas.Count(kHotPicture));
  // Pressed images move by the push offset.
  EXPECT_EQ((RECT{43, 13, 59, 29}), canvas.BoundsOf(kHotPicture));

  Reattach(BS_AUTOCHECKBOX, "");
  button.SetIcons(SolidIcon(16, 16, kHotPicture), SolidIcon(16, 16, kNormalPicture), FALSE);
  button.ForceHover(TRUE);
  Paint(0);
  EXPECT_EQ(256, canvas.Count(kNormalPicture));
  button.SetCheckState(TRUE, FALSE);
  Paint(0);
  EXPECT_EQ((RECT{42, 12, 58, 28}), canvas.BoundsOf(kHotPicture));
}

TEST_F(ButtonDrawing, ImagePlacementBesideACaption) {
  Reattach(BS_PUSHBUTTON, "&Exit");
  Paint(0);
  const RECT plain = canvas.BoundsOf(kTextNormal);
  button.SetIcons(SolidIcon(16, 16, kHotPicture), nullptr, FALSE);

  Paint(0);  // left
  EXPECT_EQ((RECT{3, 12, 19, 28}), canvas.BoundsOf(kHotPicture));
  const RECT left = canvas.BoundsOf(kTextNormal);
  EXPECT_GE(left.left - plain.left, 9);
  EXPECT_LE(left.left - plain.left, 10);
  EXPECT_EQ(plain.top, left.top);

  button.SetImageAlign(StyledButton::ImageTop, FALSE);
  Paint(0);
  EXPECT_EQ((RECT{42, 3, 58, 19}), canvas.BoundsOf(kHotPicture));
  const RECT top = canvas.BoundsOf(kTextNormal);
  EXPECT_EQ(plain.left, top.left);
  EXPECT_GE(top.top - plain.top, 7);
  EXPECT_LE(top.top - plain.top, 8);

  button.SetImageAlign(StyledButton::ImageRight, FALSE);
  Paint(0);
  EXPECT_EQ((RECT{81, 12, 97, 28}), canvas.BoundsOf(kHotPicture));
  const RECT right = canvas.BoundsOf(kTextNormal);
  EXPECT_LT(right.right, 81);

  button.SetImageAlign(3, FALSE);
  Paint(0);
  EXPECT_EQ((RECT{0, 0, 16, 16}), canvas.BoundsOf(kHotPicture));
  EXPECT_EQ(plain, canvas.BoundsOf(kTextNormal));
}

TEST_F(ButtonDrawing, RightAlignedImageWithoutCaptionStaysAtTheTop) {
  button.SetIcons(SolidIcon(16, 16, kHotPicture), nullptr, FALSE);
  button.SetImageAlign(StyledButton::ImageRight, FALSE);
  Paint(0);
  EXPECT_EQ((RECT{42, 0, 58, 16}), canvas.BoundsOf(kHotPicture));
}

TEST_F(ButtonDrawing, DisabledIconUsesThePlatformsDisabledLook) {
  button.SetIcons(SolidIcon(16, 16, kHotPicture), nullptr, FALSE);
  Paint(ODS_DISABLED);
  EXPECT_EQ(0, canvas.Count(kHotPicture));
  EXPECT_LT(canvas.Count(kFaceNormal), kWidth * kHeight);
}

// A 12 x 12 picture: left half transparent (black in the image, white in the
// mask), right half opaque blue.
void GiveHalfPicture(StyledButton& b) {
  HBITMAP image = SolidBitmap(12, 12, RGB(0, 0, 0));
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, image);
  HBRUSH blue = ::CreateSolidBrush(kNormalPicture);
  RECT opaque = {6, 0, 12, 12};
  ::FillRect(dc, &opaque, blue);
  ::DeleteObject(blue);
  HBITMAP mask = ::CreateBitmap(12, 12, 1, 1, nullptr);
  ::SelectObject(dc, mask);
  ::PatBlt(dc, 0, 0, 12, 12, BLACKNESS);
  ::PatBlt(dc, 0, 0, 6, 12, WHITENESS);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  b.SetBitmaps(image, mask, nullptr, nullptr, FALSE);
}

TEST_F(ButtonDrawing, BitmapIsDrawnThroughItsMask) {
  GiveHalfPicture(button);
  Paint(0);
  // Centred: (100 - 12) / 2 = 44, (40 - 12) / 2 = 14.
  EXPECT_EQ((RECT{50, 14, 56, 26}), canvas.BoundsOf(kNormalPicture));
  EXPECT_EQ(36 * 2, canvas.Count(kNormalPicture));
  EXPECT_EQ(kFaceNormal, canvas.At(44, 14));
  EXPECT_EQ(kFaceNormal, canvas.At(49, 25));

  // A caption colour left in the DC from an earlier paint does not tint the
  // picture.
  ::SetTextColor(canvas.dc(), RGB(0, 255, 0));
  button_test::Paint(button, canvas, 0);
  EXPECT_EQ(72, canvas.Count(kNormalPicture));
}

TEST_F(ButtonDrawing, DisabledBitmapIsEmbossedAndKeepsItsTransparentPixels) {
  GiveHalfPicture(button);
  Paint(ODS_DISABLED);
  EXPECT_EQ(0, canvas.Count(kNormalPicture));
  for (int y = 14; y < 26; ++y) {
    for (int x = 44; x < 50; ++x) {
      ASSERT_EQ(kFaceNormal, canvas.At(x, y)) << x << "," << y;
    }
  }
  int embossed = 0;
  for (int y = 14; y < 27; ++y) {
    for (int x = 50; x < 57; ++x) {
      const COLORREF c = canvas.At(x, y);
      embossed += (c == Sys(COLOR_BTNSHADOW) || c == Sys(COLOR_BTNHIGHLIGHT)) ? 1 : 0;
    }
  }
  EXPECT_GE(embossed, 72);

  // Without greying the disabled picture is drawn as it is.
  button.SetGreyDisabledBitmap(FALSE, FALSE);
  Paint(ODS_DISABLED);
  EXPECT_EQ(72, canvas.Count(kNormalPicture));
}

TEST_F(ButtonDrawing, IconBitmapAndCaptionAreAllDrawn) {
  Reattach(BS_PUSHBUTTON, "&Exit");
  button.SetIcons(SolidIcon(16, 16, kHotPicture), nullptr, FALSE);
  GiveHalfPicture(button);
  button.SetImageAlign(3, FALSE);
  Paint(0);
  // Both images at the top-left corner: the bitmap's opaque half over the icon.
  EXPECT_EQ(kNormalPicture, canvas.At(8, 5));
  EXPECT_EQ(kHotPicture, canvas.At(2, 5));
  EXPECT_GT(canvas.Count(kTextNormal), 10);
}

TEST_F(ButtonDrawing, EverySelectionIsUndone) {
  Reattach(BS_PUSHBUTTON, "&Exit");
  button.SetIcons(SolidIcon(16, 16, kHotPicture), nullptr, FALSE);
  GiveHalfPicture(button);
  HDC dc = canvas.dc();
  ::SelectObject(dc, button_test::CaptionFont());
  const HGDIOBJ pen = ::GetCurrentObject(dc, OBJ_PEN);
  const HGDIOBJ brush = ::GetCurrentObject(dc, OBJ_BRUSH);
  const HGDIOBJ bitmap = ::GetCurrentObject(dc, OBJ_BITMAP);
  const HGDIOBJ font = ::GetCurrentObject(dc, OBJ_FONT);
  for (BOOL flat : {TRUE, FALSE}) {
    button.SetFlat(flat, FALSE);
    for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED), static_cast<UINT>(ODS_DISABLED),
                       static_cast<UINT>(ODS_FOCUS)}) {
      DRAWITEMSTRUCT item = {};
      item.CtlType = ODT_BUTTON;
      item.itemState = state;
      item.hwndItem = button.m_hWnd;
      item.hDC = dc;
      item.rcItem = RECT{0, 0, kWidth, kHeight};
      button.DrawItem(&item);
      EXPECT_EQ(pen, ::GetCurrentObject(dc, OBJ_PEN));
      EXPECT_EQ(brush, ::GetCurrentObject(dc, OBJ_BRUSH));
      EXPECT_EQ(bitmap, ::GetCurrentObject(dc, OBJ_BITMAP));
      EXPECT_EQ(font, ::GetCurrentObject(dc, OBJ_FONT));
    }
  }
}

// The caption's measure is kept from one paint to the next: a caption changed
// by SetWindowText, and a paint in another font, are laid out afresh, exactly
// as a button that never painted before lays them out.
TEST_F(ButtonDrawing, ChangedCaptionOrFontIsLaidOutAfresh) {
  const UniqueFont bigFont(::CreateFontA(-24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                         NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Arial"));
  ASSERT_TRUE(bigFont);
  auto picture = [](StyledButton& b, HFONT font) {
    Canvas c(kWidth, kHeight, RGB(0, 0, 0));
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = b.m_hWnd;
    item.hDC = c.dc();
    item.rcItem = RECT{0, 0, kWidth, kHeight};
    const HGDIOBJ previous = ::SelectObject(c.dc(), font);
    b.DrawItem(&item);
    ::SelectObject(c.dc(), previous);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        pixels.push_back(c.At(x, y));
      }
    }
    return pixels;
  };
  struct Change {
    const char* caption;
    HFONT font;
  };
  const Change changes[] = {{"Wider caption, in two lines", button_test::CaptionFont()},
                            {"Ok", bigFont.get()}};
  for (const Change& change : changes) {
    SCOPED_TRACE(change.caption);
    Reattach(BS_PUSHBUTTON, "Ok");
    const std::vector<COLORREF> before = picture(button, button_test::CaptionFont());
    ::SetWindowTextA(button.m_hWnd, change.caption);
    const std::vector<COLORREF> after = picture(button, change.font);
    EXPECT_NE(before, after);

    TestButton fresh;
    ASSERT_TRUE(fresh.SubclassWindow(button_test::CreateButtonControl(
        parent, 6, BS_PUSHBUTTON, change.caption, 10, 10, kWidth, kHeight, false)));
    for (BYTE i = 0; i < 6; ++i) {
      fresh.SetStateColor(i, button.GetStateColor(i), FALSE);
    }
    EXPECT_EQ(picture(fresh, change.font), after);
    fresh.DestroyWindow();
  }
}

}  // namespace
