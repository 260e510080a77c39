#include <gtest/gtest.h>

#include "ButtonTestSupport.h"

using button_test::ParentWindow;
using button_test::TestButton;

namespace {

// Messages sent straight to an attached button, without pointer or focus.
class ButtonMessages : public ::testing::Test {
 protected:
  ParentWindow parent;
  TestButton button;

  void SetUp() override { ASSERT_TRUE(parent.CreateParent(300, 40, 200, 120)); }
  void TearDown() override {
    if (button.m_hWnd != nullptr) {
      button.DestroyWindow();
    }
    parent.DestroyWindow();
  }
  void Attach(DWORD type) {
    HWND h = button_test::CreateButtonControl(parent, 11, type, "&Exit", 20, 20, 100, 40, true);
    ASSERT_NE(nullptr, h);
    ASSERT_TRUE(button.SubclassWindow(h));
    button_test::Pump(30);
    ::ValidateRect(button.m_hWnd, nullptr);
  }
  bool RepaintPending() const {
    RECT r;
    return ::GetUpdateRect(button.m_hWnd, &r, FALSE) != FALSE;
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageA(button.m_hWnd, message, wParam, lParam);
  }
};

TEST_F(ButtonMessages, SetCheckAndGetCheckInCheckBoxMode) {
  Attach(BS_AUTOCHECKBOX);
  EXPECT_EQ(0, Send(BM_SETCHECK, BST_INDETERMINATE));
  EXPECT_EQ(1, button.GetCheckState());
  EXPECT_EQ(1, Send(BM_GETCHECK));
  EXPECT_TRUE(RepaintPending());
  EXPECT_EQ(0, Send(BM_SETCHECK, 3));
  EXPECT_EQ(0, Send(BM_GETCHECK));
  EXPECT_EQ(0, Send(BM_SETCHECK, BST_CHECKED));
  EXPECT_EQ(1, Send(BM_GETCHECK));
  EXPECT_EQ(0, Send(BM_SETCHECK, BST_UNCHECKED));
  EXPECT_EQ(0, Send(BM_GETCHECK));
}

TEST_F(ButtonMessages, SetCheckIsIgnoredOutsideCheckBoxMode) {
  Attach(BS_PUSHBUTTON);
  for (WPARAM value : {WPARAM(1), WPARAM(2), WPARAM(3)}) {
    EXPECT_EQ(0, Send(BM_SETCHECK, value));
    EXPECT_EQ(0, Send(BM_GETCHECK));
  }
  EXPECT_FALSE(RepaintPending());
}

TEST_F(ButtonMessages, SetStyleTracksTheDefaultButtonAndKeepsOwnerDraw) {
  Attach(BS_PUSHBUTTON);
  EXPECT_EQ(static_cast<UINT>(DLGC_UNDEFPUSHBUTTON),
            Send(WM_GETDLGCODE) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));

  Send(BM_SETSTYLE, BS_DEFPUSHBUTTON | BS_NOTIFY, TRUE);
  EXPECT_TRUE(button.IsDefaultButton());
  EXPECT_TRUE(Send(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON);
  EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), ::GetWindowLongA(button.m_hWnd, GWL_STYLE) & 0x1F);

  // Other types leave the default flag alone.
  Send(BM_SETSTYLE, BS_AUTOCHECKBOX, FALSE);
  EXPECT_TRUE(button.IsDefaultButton());
  EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), ::GetWindowLongA(button.m_hWnd, GWL_STYLE) & 0x1F);

  Send(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_FALSE(button.IsDefaultButton());
  EXPECT_EQ(static_cast<UINT>(DLGC_UNDEFPUSHBUTTON),
            Send(WM_GETDLGCODE) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
  EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), ::GetWindowLongA(button.m_hWnd, GWL_STYLE) & 0x1F);
}

TEST_F(ButtonMessages, SystemColourChangeResetsColoursAndDropsTheParentCopy) {
  Attach(BS_PUSHBUTTON);
  // The tool's own configuration.
  button.ShadeStateColor(StyledButton::FaceHot, 30, TRUE);
  button.UseParentBackground(FALSE);
  button.SetHoverFrame(FALSE, TRUE);
  button.SetStateColor(StyledButton::TextHot, 0x00B200, TRUE);
  button.SetStateColor(StyledButton::TextNormal, 0x008000, TRUE);
  for (BYTE i = 0; i < 6; i += 2) {
    button.SetStateColor(i, RGB(1, 2, 3), FALSE);
  }
  button_test::Canvas canvas(100, 40, RGB(0, 0, 0));
  button_test::Paint(button, canvas, 0);
  ASSERT_NE(nullptr, button.GetParentCopyDC());
  const HGDIOBJ copyBitmap = ::GetCurrentObject(button.GetParentCopyDC(), OBJ_BITMAP);
  ::ValidateRect(button.m_hWnd, nullptr);

  Send(WM_SYSCOLORCHANGE);
  for (BYTE i = 0; i < 6; ++i) {
    EXPECT_EQ(::GetSysColor(i % 2 == 0 ? COLOR_BTNFACE : COLOR_BTNTEXT), button.GetStateColor(i));
  }
  EXPECT_EQ(nullptr, button.GetParentCopyDC());
  EXPECT_EQ(0u, ::GetObjectType(copyBitmap));
  EXPECT_TRUE(button.IsTransparent());
  EXPECT_FALSE(button.HasHoverFrame());
  EXPECT_TRUE(RepaintPending());

  // The platform repaints every window after a colour change: the parent
  // first, then the button, which takes a fresh copy of the parent.
  ::RedrawWindow(parent.m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_NE(nullptr, button.GetParentCopyDC());
  button_test::Paint(button, canvas, 0);
  EXPECT_NE(nullptr, button.GetParentCopyDC());
  EXPECT_EQ(ParentWindow::kBackground, canvas.At(2, 2));
  EXPECT_EQ(0, canvas.Count(RGB(0, 128, 0)));
  EXPECT_GT(canvas.Count(::GetSysColor(COLOR_BTNTEXT)), 10);
}

TEST_F(ButtonMessages, EveryEndOfHoverClearsIt) {
  Attach(BS_PUSHBUTTON);
  struct Ender {
    const char* name;
    UINT message;
    WPARAM wParam;
  };
  const Ender enders[] = {
      {"mouse leave", WM_MOUSELEAVE, 0},
      {"kill focus", WM_KILLFOCUS, 0},
      {"deactivate", WM_ACTIVATE, WA_INACTIVE},
      {"cancel mode", WM_CANCELMODE, 0},
  };
  for (const Ender& e : enders) {
    button.ForceHover(TRUE);
    ::ValidateRect(button.m_hWnd, nullptr);
    Send(e.message, e.wParam);
    EXPECT_FALSE(button.IsHovered()) << e.name;
    EXPECT_TRUE(RepaintPending()) << e.name;
  }
  // Activation keeps it.
  button.ForceHover(TRUE);
  Send(WM_ACTIVATE, WA_ACTIVE);
  EXPECT_TRUE(button.IsHovered());

  button.EnableWindow(FALSE);
  EXPECT_FALSE(button.IsHovered());
}

TEST_F(ButtonMessages, EndHoverDoesNothingWhenNotHovered) {
  Attach(BS_PUSHBUTTON);
  button.EndHover();
  EXPECT_FALSE(RepaintPending());
}

TEST_F(ButtonMessages, ReflectedControlColourAnswersTheHollowBrush) {
  Attach(BS_PUSHBUTTON);
  HDC dc = ::GetDC(parent.m_hWnd);
  for (UINT message : {static_cast<UINT>(WM_CTLCOLORBTN), static_cast<UINT>(WM_CTLCOLORSTATIC)}) {
    const LRESULT brush = ::SendMessageA(parent.m_hWnd, message, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)), brush) << message;
  }
  ::ReleaseDC(parent.m_hWnd, dc);
}

TEST_F(ButtonMessages, PreTranslateRelaysAndTurnsADoubleClickIntoAPress) {
  Attach(BS_PUSHBUTTON);
  MSG msg = {};
  msg.hwnd = button.m_hWnd;
  msg.message = WM_LBUTTONDBLCLK;
  msg.wParam = MK_LBUTTON;
  msg.lParam = MAKELPARAM(5, 5);
  EXPECT_FALSE(button.PreTranslateMessage(&msg));
  EXPECT_EQ(static_cast<UINT>(WM_LBUTTONDOWN), msg.message);
  EXPECT_EQ(MAKELPARAM(5, 5), msg.lParam);
  ASSERT_NE(nullptr, button.GetToolTip().GetSafeHwnd());

  msg.message = WM_MOUSEMOVE;
  EXPECT_FALSE(button.PreTranslateMessage(&msg));
  EXPECT_EQ(static_cast<UINT>(WM_MOUSEMOVE), msg.message);
}

}  // namespace
