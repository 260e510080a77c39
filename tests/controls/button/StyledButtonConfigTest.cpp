#include <gtest/gtest.h>

#include <string>

#include "ButtonTestSupport.h"
#include "framework/CString.h"

using button_test::ParentWindow;
using button_test::SolidBitmap;
using button_test::SolidIcon;
using button_test::TestButton;

namespace {

// A visible parent with one attached, visible push button, nothing pending.
class AttachedButton : public ::testing::Test {
 protected:
  ParentWindow parent;
  TestButton button;

  void SetUp() override {
    ASSERT_TRUE(parent.CreateParent(40, 40, 200, 120));
    HWND h =
        button_test::CreateButtonControl(parent, 7, BS_PUSHBUTTON, "Go", 20, 20, 100, 40, true);
    ASSERT_NE(nullptr, h);
    ASSERT_TRUE(button.SubclassWindow(h));
    button_test::Pump(50);
    ::ValidateRect(button.m_hWnd, nullptr);
    ::ValidateRect(parent.m_hWnd, nullptr);
    button.erases = 0;
  }
  void TearDown() override {
    button.DestroyWindow();
    parent.DestroyWindow();
  }

  bool Invalidated() const {
    RECT r;
    return ::GetUpdateRect(button.m_hWnd, &r, FALSE) != FALSE;
  }
  // Whether the button has a pending repaint of its whole client area, and
  // that it erases its background when it comes.
  bool WholeButtonRepaintPending() {
    RECT update;
    RECT client;
    if (!::GetUpdateRect(button.m_hWnd, &update, FALSE)) {
      return false;
    }
    ::GetClientRect(button.m_hWnd, &client);
    if (!::EqualRect(&update, &client)) {
      return false;
    }
    ::UpdateWindow(button.m_hWnd);
    const bool erased = button.erases > 0;
    button.erases = 0;
    return erased;
  }
};

TEST(StyledButtonDefaults, EveryFieldStartsAsDocumented) {
  TestButton b;
  EXPECT_TRUE(b.IsFlat());
  EXPECT_FALSE(b.IsHovered());
  EXPECT_FALSE(b.IsTransparent());
  EXPECT_FALSE(b.IsDefaultButton());
  EXPECT_FALSE(b.IsCheckBoxMode());
  EXPECT_TRUE(b.HasHoverFrame());
  EXPECT_TRUE(b.IsAlwaysTracking());
  EXPECT_FALSE(b.IsFocusWhenFlat());
  EXPECT_TRUE(b.IsGreyDisabledBitmap());
  EXPECT_FALSE(b.IsMenuOpen());
  EXPECT_EQ(0, b.GetCheckState());
  EXPECT_EQ(1, b.GetPushOffset().x);
  EXPECT_EQ(1, b.GetPushOffset().y);
  EXPECT_EQ(StyledButton::ImageLeft, b.GetImageAlign());
  EXPECT_EQ(3, b.GetImageSpacingX());
  EXPECT_EQ(3, b.GetImageSpacingY());
  EXPECT_STREQ("", b.GetLinkTarget());
  EXPECT_EQ(nullptr, b.GetButtonCursor());
  EXPECT_EQ(nullptr, b.GetParentCopyDC());
  EXPECT_EQ(nullptr, b.GetToolTip().GetSafeHwnd());
  for (int slot = 0; slot < 2; ++slot) {
    EXPECT_EQ(nullptr, b.GetIconSlot(slot).icon);
    EXPECT_EQ(0, b.GetIconSlot(slot).width);
    EXPECT_EQ(nullptr, b.GetBitmapSlot(slot).image);
    EXPECT_EQ(nullptr, b.GetBitmapSlot(slot).mask);
  }
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
  EXPECT_EQ(face, b.GetStateColor(StyledButton::FaceHot));
  EXPECT_EQ(text, b.GetStateColor(StyledButton::TextHot));
  EXPECT_EQ(face, b.GetStateColor(StyledButton::FaceNormal));
  EXPECT_EQ(text, b.GetStateColor(StyledButton::TextNormal));
  EXPECT_EQ(face, b.GetStateColor(StyledButton::FaceFocused));
  EXPECT_EQ(text, b.GetStateColor(StyledButton::TextFocused));
}

TEST(StyledButtonColours, BadIndexChangesNothing) {
  TestButton b;
  for (BYTE i = 0; i < 6; ++i) {
    ASSERT_EQ(StyledButton::ResultOk, b.SetStateColor(i, RGB(i, 2 * i, 3 * i), FALSE));
  }
  EXPECT_EQ(StyledButton::ResultBadColorIndex, b.SetStateColor(6, RGB(9, 9, 9), FALSE));
  EXPECT_EQ(StyledButton::ResultBadColorIndex, b.SetStateColor(255, RGB(9, 9, 9), FALSE));
  EXPECT_EQ(StyledButton::ResultBadColorIndex, b.ShadeStateColor(6, 10, FALSE));
  // A bad index is reported before a bad shade.
  EXPECT_EQ(StyledButton::ResultBadColorIndex, b.ShadeStateColor(6, 300, FALSE));
  for (BYTE i = 0; i < 6; ++i) {
    EXPECT_EQ(RGB(i, 2 * i, 3 * i), b.GetStateColor(i)) << int(i);
  }
  EXPECT_EQ(StyledButton::ResultOk,
            b.SetStateColor(StyledButton::TextFocused, RGB(1, 1, 1), FALSE));
  EXPECT_EQ(RGB(1, 1, 1), b.GetStateColor(StyledButton::TextFocused));
}

TEST(StyledButtonColours, ShadeLimitsAndArithmetic) {
  TestButton b;
  b.SetStateColor(StyledButton::FaceHot, RGB(212, 208, 200), FALSE);
  EXPECT_EQ(StyledButton::ResultBadShade, b.ShadeStateColor(StyledButton::FaceHot, 256, FALSE));
  EXPECT_EQ(StyledButton::ResultBadShade, b.ShadeStateColor(StyledButton::FaceHot, -256, FALSE));
  EXPECT_EQ(RGB(212, 208, 200), b.GetStateColor(StyledButton::FaceHot));

  EXPECT_EQ(StyledButton::ResultOk, b.ShadeStateColor(StyledButton::FaceHot, 30, FALSE));
  EXPECT_EQ(RGB(242, 238, 230), b.GetStateColor(StyledButton::FaceHot));
  b.SetStateColor(StyledButton::FaceHot, RGB(212, 208, 200), FALSE);
  b.ShadeStateColor(StyledButton::FaceHot, 60, FALSE);
  EXPECT_EQ(RGB(255, 251, 243), b.GetStateColor(StyledButton::FaceHot));

  b.SetStateColor(StyledButton::TextNormal, RGB(10, 200, 100), FALSE);
  b.ShadeStateColor(StyledButton::TextNormal, -50, FALSE);
  EXPECT_EQ(RGB(0, 190, 90), b.GetStateColor(StyledButton::TextNormal));

  EXPECT_EQ(StyledButton::ResultOk, b.ShadeStateColor(StyledButton::TextNormal, 255, FALSE));
  EXPECT_EQ(RGB(65, 255, 155), b.GetStateColor(StyledButton::TextNormal));
  EXPECT_EQ(StyledButton::ResultOk, b.ShadeStateColor(StyledButton::TextNormal, -255, FALSE));
  EXPECT_EQ(RGB(0, 190, 90), b.GetStateColor(StyledButton::TextNormal));

  b.SetStateColor(StyledButton::FaceNormal, RGB(255, 255, 255), FALSE);
  b.ShadeStateColor(StyledButton::FaceNormal, 30, FALSE);
  EXPECT_EQ(RGB(255, 255, 255), b.GetStateColor(StyledButton::FaceNormal));
}

TEST(StyledButtonColours, ResetReadsTheSystemColoursAgain) {
  TestButton b;
  for (BYTE i = 0; i < 6; ++i) {
    b.SetStateColor(i, RGB(1, 2, 3), FALSE);
  }
  EXPECT_EQ(StyledButton::ResultOk, b.ResetStateColors(FALSE));
  for (BYTE i = 0; i < 6; ++i) {
    EXPECT_EQ(::GetSysColor(i % 2 == 0 ? COLOR_BTNFACE : COLOR_BTNTEXT), b.GetStateColor(i));
  }
}

TEST(StyledButtonOptions, PushOffsetStyles) {
  TestButton b;
  EXPECT_EQ(StyledButton::ResultOk, b.SetPushOffsetStyle(StyledButton::PushOffsetDown, FALSE));
  EXPECT_EQ(0, b.GetPushOffset().x);
  EXPECT_EQ(2, b.GetPushOffset().y);
  EXPECT_EQ(StyledButton::ResultBadOffsetStyle, b.SetPushOffsetStyle(2, FALSE));
  EXPECT_EQ(0, b.GetPushOffset().x);
  EXPECT_EQ(2, b.GetPushOffset().y);
  EXPECT_EQ(StyledButton::ResultOk, b.SetPushOffsetStyle(StyledButton::PushOffsetDiagonal, FALSE));
  EXPECT_EQ(1, b.GetPushOffset().x);
  EXPECT_EQ(1, b.GetPushOffset().y);
}

TEST(StyledButtonOptions, LinkTargetKeepsAtMost259Characters) {
  TestButton b;
  const std::string longTarget(300, 'x');
  EXPECT_EQ(StyledButton::ResultOk, b.SetLinkTarget(longTarget.c_str()));
  EXPECT_EQ(std::string(259, 'x'), b.GetLinkTarget());
  EXPECT_EQ(StyledButton::ResultOk, b.SetLinkTarget("http://example.invalid/"));
  EXPECT_STREQ("http://example.invalid/", b.GetLinkTarget());
  EXPECT_EQ(StyledButton::ResultOk, b.SetLinkTarget(nullptr));
  EXPECT_STREQ("", b.GetLinkTarget());
}

TEST(StyledButtonOptions, CheckStateOnlyInCheckBoxMode) {
  TestButton b;
  EXPECT_EQ(StyledButton::ResultOk, b.SetCheckState(TRUE, FALSE));
  EXPECT_EQ(0, b.GetCheckState());
}

TEST(StyledButtonOptions, RepaintWithoutAWindowTouchesNoOtherWindow) {
  ParentWindow parent;
  ASSERT_TRUE(parent.CreateParent(10, 10, 80, 60));
  button_test::Pump(30);
  ::ValidateRect(parent.m_hWnd, nullptr);
  TestButton loose;
  loose.SetStateColor(StyledButton::FaceHot, RGB(1, 2, 3), TRUE);
  loose.UseParentBackground(TRUE);
  RECT r;
  EXPECT_FALSE(::GetUpdateRect(parent.m_hWnd, &r, FALSE));
  parent.DestroyWindow();
}

TEST_F(AttachedButton, RepaintFlagInvalidatesTheWholeButtonWithErase) {
  EXPECT_EQ(StyledButton::ResultOk,
            button.SetStateColor(StyledButton::TextHot, RGB(0, 1, 2), TRUE));
  EXPECT_TRUE(WholeButtonRepaintPending());
  button.SetStateColor(StyledButton::TextHot, RGB(0, 1, 2), FALSE);
  EXPECT_FALSE(Invalidated());

  // Shading by 0 changes nothing but still repaints when asked.
  const COLORREF before = button.GetStateColor(StyledButton::FaceHot);
  EXPECT_EQ(StyledButton::ResultOk, button.ShadeStateColor(StyledButton::FaceHot, 0, TRUE));
  EXPECT_EQ(before, button.GetStateColor(StyledButton::FaceHot));
  EXPECT_TRUE(WholeButtonRepaintPending());

  button.ResetStateColors(TRUE);
  EXPECT_TRUE(WholeButtonRepaintPending());
  button.SetHoverFrame(FALSE, TRUE);
  EXPECT_FALSE(button.HasHoverFrame());
  EXPECT_TRUE(WholeButtonRepaintPending());
  button.SetPushOffsetStyle(StyledButton::PushOffsetDown, TRUE);
  EXPECT_TRUE(WholeButtonRepaintPending());
  button.UseParentBackground(TRUE);
  EXPECT_TRUE(WholeButtonRepaintPending());
}

TEST_F(AttachedButton, RefusedArgumentsDoNotRepaint) {
  EXPECT_EQ(StyledButton::ResultBadColorIndex, button.SetStateColor(6, RGB(0, 0, 0), TRUE));
  EXPECT_EQ(StyledButton::ResultBadShade, button.ShadeStateColor(0, 256, TRUE));
  EXPECT_EQ(StyledButton::ResultBadOffsetStyle, button.SetPushOffsetStyle(2, TRUE));
  // Outside check-box mode the check state is ignored, without a repaint.
  EXPECT_EQ(StyledButton::ResultOk, button.SetCheckState(TRUE, TRUE));
  EXPECT_EQ(0, button.GetCheckState());
  EXPECT_FALSE(Invalidated());
}

TEST_F(AttachedButton, UseParentBackgroundDropsTheCachedCopy) {
  button.UseParentBackground(FALSE);
  EXPECT_TRUE(button.IsTransparent());
  EXPECT_FALSE(Invalidated());
  button_test::Canvas canvas(100, 40, RGB(0, 0, 0));
  button_test::Paint(button, canvas, 0);
  HDC copy = button.GetParentCopyDC();
  ASSERT_NE(nullptr, copy);
  HGDIOBJ copyBitmap = ::GetCurrentObject(copy, OBJ_BITMAP);
  // A second paint reuses the copy.
  button_test::Paint(button, canvas, 0);
  EXPECT_EQ(copy, button.GetParentCopyDC());
  button.UseParentBackground(FALSE);
  EXPECT_EQ(nullptr, button.GetParentCopyDC());
  EXPECT_EQ(0u, ::GetObjectType(copyBitmap));
  EXPECT_TRUE(button.IsTransparent());
}

TEST_F(AttachedButton, NullTipTextCreatesNoTooltip) {
  // A button that no message loop has seen yet has no tooltip.
  TestButton fresh;
  HWND h = button_test::CreateButtonControl(parent, 9, BS_PUSHBUTTON, "x", 0, 0, 30, 20, false);
  ASSERT_TRUE(fresh.SubclassWindow(h));
  fresh.SetTipText(nullptr, TRUE);
  EXPECT_EQ(nullptr, fresh.GetToolTip().GetSafeHwnd());
  fresh.SetTipText("tip", TRUE);
  EXPECT_NE(nullptr, fresh.GetToolTip().GetSafeHwnd());
  fresh.DestroyWindow();
}

TEST_F(AttachedButton, TipTextCreatesOneToolAndUpdatesIt) {
  button.SetTipText("first", TRUE);
  CToolTipCtrl& tip = button.GetToolTip();
  ASSERT_NE(nullptr, tip.GetSafeHwnd());
  EXPECT_EQ(1, tip.GetToolCount());
  EXPECT_EQ(400, static_cast<int>(::SendMessageA(tip.m_hWnd, TTM_GETMAXTIPWIDTH, 0, 0)));
  CString text;
  tip.GetText(text, &button, 1);
  EXPECT_STREQ("first", text);

  // The tool's rectangle is the client rectangle at the first registration.
  button.MoveWindow(20, 20, 150, 50, FALSE);
  const HWND tipWindow = tip.GetSafeHwnd();
  button.SetTipText("Close the application \n the decimal value", FALSE);
  EXPECT_EQ(tipWindow, tip.GetSafeHwnd());
  EXPECT_EQ(1, tip.GetToolCount());
  tip.GetText(text, &button, 1);
  EXPECT_STREQ("Close the application \n the decimal value", text);
  TTTOOLINFOA info = {};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = button.m_hWnd;
  info.uId = 1;
  ASSERT_TRUE(::SendMessageA(tip.m_hWnd, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(100, info.rect.right - info.rect.left);
  EXPECT_EQ(40, info.rect.bottom - info.rect.top);
}

TEST_F(AttachedButton, EnsureTipControlCreatesTheTooltipOnce) {
  button.EnsureTipControl();
  const HWND first = button.GetToolTip().GetSafeHwnd();
  ASSERT_NE(nullptr, first);
  EXPECT_EQ(0, button.GetToolTip().GetToolCount());
  button.EnsureTipControl();
  EXPECT_EQ(first, button.GetToolTip().GetSafeHwnd());
}

// ---- Attachment --------------------------------------------------------------------

struct AttachCase {
  DWORD type;
  bool isDefault;
  bool checkBoxMode;
};

TEST(StyledButtonAttach, TemplateTypeDecidesDefaultAndCheckBoxMode) {
  const AttachCase cases[] = {
      {BS_PUSHBUTTON, false, false},  {BS_DEFPUSHBUTTON, true, false},
      {BS_AUTOCHECKBOX, false, true}, {BS_OWNERDRAW, false, true},
      {BS_CHECKBOX, false, true},     {BS_AUTORADIOBUTTON, false, false},
  };
  std::vector<button_test::ControlSpec> specs;
  UINT id = 100;
  for (const AttachCase& c : cases) {
    specs.push_back(
        {id++, c.type | WS_TABSTOP, "x", 5, static_cast<short>(5 + 14 * (id - 101)), 60, 12});
  }
  HWND dialog = button_test::CreateTemplateDialog(specs, false);
  ASSERT_NE(nullptr, dialog);
  id = 100;
  for (const AttachCase& c : cases) {
    TestButton b;
    HWND control = ::GetDlgItem(dialog, static_cast<int>(id++));
    ASSERT_NE(nullptr, control);
    ASSERT_TRUE(b.SubclassWindow(control));
    EXPECT_EQ(c.isDefault, b.IsDefaultButton() != FALSE) << c.type;
    EXPECT_EQ(c.checkBoxMode, b.IsCheckBoxMode() != FALSE) << c.type;
    EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), ::GetWindowLongA(control, GWL_STYLE) & 0x1F)
        << c.type;
    // The other style bits stay.
    EXPECT_TRUE(::GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP);
    b.UnsubclassWindow();
  }
  ::DestroyWindow(dialog);
}

// ---- Images and ownership ------------------------------------------------------------

bool IconAlive(HICON icon) {
  ICONINFO info;
  if (!::GetIconInfo(icon, &info)) {
    return false;
  }
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  return true;
}

TEST(StyledButtonImages, SettersMeasureTheHandlesAndMakeAMissingMask) {
  TestButton b;
  b.SetIcons(SolidIcon(16, 16, RGB(255, 0, 0)), SolidIcon(24, 20, RGB(0, 255, 0)), FALSE);
  EXPECT_EQ(16, b.GetIconSlot(0).width);
  EXPECT_EQ(16, b.GetIconSlot(0).height);
  EXPECT_EQ(24, b.GetIconSlot(1).width);
  EXPECT_EQ(20, b.GetIconSlot(1).height);

  b.SetBitmaps(SolidBitmap(10, 12, RGB(0, 0, 255)), nullptr, nullptr, nullptr, FALSE);
  const StyledButton::BitmapSlot& slot = b.GetBitmapSlot(0);
  EXPECT_EQ(10, slot.width);
  EXPECT_EQ(12, slot.height);
  ASSERT_NE(nullptr, slot.mask);
  BITMAP mask;
  ASSERT_EQ(static_cast<int>(sizeof(mask)), ::GetObjectA(slot.mask.get(), sizeof(mask), &mask));
  EXPECT_EQ(1, mask.bmBitsPixel);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, slot.mask.get());
  EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(dc, 5, 6));
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  EXPECT_EQ(nullptr, b.GetBitmapSlot(1).image);
}

TEST(StyledButtonImages, ReleaseImagesFreesOnlyWhenAsked) {
  TestButton b;
  HICON hot = SolidIcon(16, 16, RGB(255, 0, 0));
  HICON normal = SolidIcon(16, 16, RGB(0, 0, 255));
  HBITMAP image = SolidBitmap(8, 8, RGB(1, 2, 3));
  HBITMAP mask = ::CreateBitmap(8, 8, 1, 1, nullptr);
  b.SetIcons(hot, normal, FALSE);
  b.SetBitmaps(nullptr, nullptr, image, mask, FALSE);

  b.ReleaseImages(FALSE);
  EXPECT_EQ(nullptr, b.GetIconSlot(0).icon);
  EXPECT_EQ(nullptr, b.GetBitmapSlot(1).image);
  EXPECT_TRUE(IconAlive(hot));
  EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), ::GetObjectType(image));

  b.SetIcons(hot, normal, FALSE);
  b.SetBitmaps(nullptr, nullptr, image, mask, FALSE);
  b.ReleaseImages(TRUE);
  EXPECT_FALSE(IconAlive(hot));
  EXPECT_FALSE(IconAlive(normal));
  EXPECT_EQ(0u, ::GetObjectType(image));
  EXPECT_EQ(0u, ::GetObjectType(mask));
  EXPECT_EQ(0, b.GetBitmapSlot(1).width);
}

TEST_F(AttachedButton, DestructionFreesImagesCursorAndParentCopy) {
  HICON icon = SolidIcon(16, 16, RGB(255, 0, 0));
  HBITMAP image = SolidBitmap(8, 8, RGB(1, 2, 3));
  HBITMAP mask = ::CreateBitmap(8, 8, 1, 1, nullptr);
  const BYTE andPlane[32 * 4] = {};
  const BYTE xorPlane[32 * 4] = {};
  HCURSOR cursor = ::CreateCursor(::GetModuleHandleA(nullptr), 0, 0, 32, 32, andPlane, xorPlane);
  ASSERT_NE(nullptr, cursor);
  HGDIOBJ copyBitmap = nullptr;
  HMENU menu = nullptr;
  {
    TestButton doomed;
    ASSERT_TRUE(doomed.GetDropMenu().CreatePopupMenu());
    menu = doomed.GetDropMenu().GetSafeHmenu();
    HWND h = button_test::CreateButtonControl(parent, 8, BS_PUSHBUTTON, "x", 0, 0, 30, 20, false);
    ASSERT_TRUE(doomed.SubclassWindow(h));
    doomed.SetIcons(icon, nullptr, FALSE);
    doomed.SetBitmaps(image, mask, nullptr, nullptr, FALSE);
    doomed.SetButtonCursor(cursor);
    doomed.UseParentBackground(FALSE);
    button_test::Canvas canvas(30, 20, RGB(0, 0, 0));
    button_test::Paint(doomed, canvas, 0);
    ASSERT_NE(nullptr, doomed.GetParentCopyDC());
    copyBitmap = ::GetCurrentObject(doomed.GetParentCopyDC(), OBJ_BITMAP);
    doomed.DestroyWindow();
  }
  EXPECT_FALSE(IconAlive(icon));
  EXPECT_EQ(0u, ::GetObjectType(image));
  EXPECT_EQ(0u, ::GetObjectType(mask));
  EXPECT_EQ(0u, ::GetObjectType(copyBitmap));
  EXPECT_FALSE(::DestroyCursor(cursor));
  EXPECT_FALSE(::IsMenu(menu));
}

}  // namespace
