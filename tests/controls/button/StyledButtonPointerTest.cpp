#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "ButtonTestSupport.h"

using button_test::MovePointer;
using button_test::ParentWindow;
using button_test::Pump;
using button_test::TestButton;

namespace {

// What the shell and sound seams were asked to do.
struct SeamLog {
  std::vector<std::string> opened;
  std::vector<SHELLEXECUTEINFOA> infos;
  std::vector<std::string> sounds;
};
SeamLog g_seams;

BOOL WINAPI RecordShellExecute(SHELLEXECUTEINFOA* info) {
  g_seams.infos.push_back(*info);
  g_seams.opened.push_back(info->lpFile != nullptr ? info->lpFile : "");
  return TRUE;
}

BOOL WINAPI RecordPlaySound(LPCSTR sound, HMODULE, DWORD) {
  g_seams.sounds.push_back(sound != nullptr ? sound : "");
  return TRUE;
}

// A shown, active parent with a styled button, the real pointer parked away.
class ButtonPointer : public ::testing::Test {
 protected:
  ParentWindow parent;
  TestButton button;
  POINT away = {5, 1000};

  void SetUp() override {
    g_seams = SeamLog{};
    StyledButton::s_shellExecute = &RecordShellExecute;
    StyledButton::s_playSound = &RecordPlaySound;
    MovePointer(away.x, away.y, 50);
    ASSERT_TRUE(parent.CreateParent(200, 200, 240, 120));
    Attach(BS_PUSHBUTTON);
    Activate();
  }
  void TearDown() override {
    if (button.m_hWnd != nullptr) {
      button.DestroyWindow();
    }
    parent.DestroyWindow();
    MovePointer(away.x, away.y, 50);
    StyledButton::s_shellExecute = ::ShellExecuteExA;
    StyledButton::s_playSound = ::PlaySoundA;
  }
  void Attach(DWORD type) {
    HWND h = button_test::CreateButtonControl(parent, 21, type, "&Exit", 20, 20, 100, 40, true);
    ASSERT_NE(nullptr, h);
    ASSERT_TRUE(button.SubclassWindow(h));
  }
  void Activate() {
    ::SetForegroundWindow(parent.m_hWnd);
    ::SetActiveWindow(parent.m_hWnd);
    Pump(150);
  }
  void OverButton(int settleMs = 200) {
    const POINT c = button_test::CentreOf(button.m_hWnd);
    MovePointer(c.x, c.y, settleMs);
  }
  // A point on the parent, outside the button.
  void BesideButton(int settleMs = 200) {
    RECT r;
    ::GetWindowRect(button.m_hWnd, &r);
    MovePointer(r.right + 40, (r.top + r.bottom) / 2, settleMs);
  }
  void Click() {
    button_test::LeftDown();
    button_test::LeftUp();
  }
};

TEST_F(ButtonPointer, HoverLightsOnceAndLeavingClearsIt) {
  button.SetHoverSound("hover.wav", nullptr, SND_ASYNC);
  OverButton();
  EXPECT_TRUE(button.IsHovered());
  const POINT c = button_test::CentreOf(button.m_hWnd);
  MovePointer(c.x + 5, c.y + 3);
  EXPECT_TRUE(button.IsHovered());
  // The sound plays once per entry.
  EXPECT_EQ(std::vector<std::string>{"hover.wav"}, g_seams.sounds);

  BesideButton();
  EXPECT_FALSE(button.IsHovered());
  OverButton();
  EXPECT_TRUE(button.IsHovered());
  EXPECT_EQ(2u, g_seams.sounds.size());
  MovePointer(away.x, away.y, 300);
  EXPECT_FALSE(button.IsHovered());
}

TEST_F(ButtonPointer, HoveredCaptionUsesTheHotColourOnScreen) {
  button.SetStateColor(StyledButton::TextNormal, RGB(0, 128, 0), FALSE);
  button.SetStateColor(StyledButton::TextHot, RGB(0, 178, 0), FALSE);
  button.SetHoverFrame(FALSE, FALSE);
  button.UseParentBackground(TRUE);
  Pump(100);
  auto countOnScreen = [&](COLORREF color) {
    HDC dc = ::GetDC(button.m_hWnd);
    int n = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 100; ++x) {
        n += ::GetPixel(dc, x, y) == color ? 1 : 0;
      }
    }
    ::ReleaseDC(button.m_hWnd, dc);
    return n;
  };
  EXPECT_GT(countOnScreen(RGB(0, 128, 0)), 0);
  EXPECT_EQ(0, countOnScreen(RGB(0, 178, 0)));
  OverButton(300);
  EXPECT_GT(countOnScreen(RGB(0, 178, 0)), 0);
  EXPECT_EQ(0, countOnScreen(RGB(0, 128, 0)));
  BesideButton(300);
  EXPECT_GT(countOnScreen(RGB(0, 128, 0)), 0);
}

TEST_F(ButtonPointer, EnteringWithTheLeftButtonHeldDoesNotLight) {
  BesideButton();
  button_test::LeftDown();
  Pump(50);
  OverButton();
  EXPECT_FALSE(button.IsHovered());
  button_test::LeftUp();
  Pump(50);
  EXPECT_EQ(0, parent.log.clicked);

  // Lit before the press, it stays lit while dragged over.
  BesideButton();
  OverButton();
  ASSERT_TRUE(button.IsHovered());
  button_test::LeftDown();
  Pump(50);
  const POINT c = button_test::CentreOf(button.m_hWnd);
  MovePointer(c.x + 10, c.y + 5);
  EXPECT_TRUE(button.IsHovered());
  button_test::LeftUp();
  Pump(100);
  EXPECT_EQ(1, parent.log.clicked);
}

TEST_F(ButtonPointer, ThreeDLookNeverHovers) {
  button.SetFlat(FALSE, TRUE);
  OverButton();
  EXPECT_FALSE(button.IsHovered());
  const POINT c = button_test::CentreOf(button.m_hWnd);
  MovePointer(c.x + 4, c.y + 4);
  EXPECT_FALSE(button.IsHovered());
}

// Another thread's window takes the activation, so that this thread has no
// active window.
class ForeignForeground {
 public:
  ForeignForeground() {
    m_thread = std::thread([this] {
      HWND w = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE | WS_CAPTION, 600, 600,
                                 120, 60, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
      ::SetForegroundWindow(w);
      ::SetActiveWindow(w);
      m_ready = true;
      while (!m_stop) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
          ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
      }
      ::DestroyWindow(w);
    });
    while (!m_ready) {
      Pump(20);
    }
    Pump(200);
  }
  ~ForeignForeground() {
    m_stop = true;
    m_thread.join();
  }

 private:
  std::thread m_thread;
  std::atomic<bool> m_ready{false};
  std::atomic<bool> m_stop{false};
};

TEST_F(ButtonPointer, WithoutAlwaysTrackNoActiveWindowMeansNoHover) {
  ForeignForeground other;
  ASSERT_EQ(nullptr, ::GetActiveWindow());
  button.SetAlwaysTrack(FALSE);
  OverButton();
  EXPECT_FALSE(button.IsHovered());
  BesideButton();

  // With tracking always on, the same move lights the button.
  button.SetAlwaysTrack(TRUE);
  OverButton();
  EXPECT_TRUE(button.IsHovered());
}

TEST_F(ButtonPointer, DoubleClickGivesTwoClicks) {
  OverButton();
  Click();
  Click();
  Pump(300);
  EXPECT_EQ(2, parent.log.clicked);
  EXPECT_EQ(0, parent.log.doubleClicked);
}

TEST_F(ButtonPointer, DoubleClickWithoutPreTranslationIsADoubleClick) {
  // The same input dispatched without the button's pre-translation: the
  // platform reports the second press as a double click, which is what the
  // pre-translation turns into a second click.
  OverButton();
  Click();
  Click();
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < 300) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    ::Sleep(10);
  }
  EXPECT_EQ(1, parent.log.clicked);
  EXPECT_EQ(1, parent.log.doubleClicked);
}

TEST_F(ButtonPointer, TooltipShowsAfterThePointerRests) {
  button.SetTipText("Close the application \n the decimal value can now be pasted into the adm",
                    TRUE);
  const HWND tip = button.GetToolTip().GetSafeHwnd();
  ASSERT_NE(nullptr, tip);
  OverButton(100);
  EXPECT_FALSE(::IsWindowVisible(tip));
  Pump(2500);
  EXPECT_TRUE(::IsWindowVisible(tip));
  char text[200] = {};
  ::GetWindowTextA(tip, text, sizeof(text));
  EXPECT_STREQ("Close the application \n the decimal value can now be pasted into the adm", text);
  MovePointer(away.x, away.y, 500);
  EXPECT_FALSE(::IsWindowVisible(tip));
}

TEST_F(ButtonPointer, InactiveTooltipStaysHidden) {
  button.SetTipText("hidden", FALSE);
  OverButton(100);
  Pump(2000);
  EXPECT_FALSE(::IsWindowVisible(button.GetToolTip().GetSafeHwnd()));
}

TEST_F(ButtonPointer, ClickOpensTheLinkTargetThroughTheShell) {
  button.SetLinkTarget("http://example.invalid/readme.html");
  button.SetClickSound("click.wav", nullptr, SND_ASYNC);
  OverButton();
  Click();
  Pump(200);
  ASSERT_EQ(1u, g_seams.infos.size());
  const SHELLEXECUTEINFOA& info = g_seams.infos[0];
  EXPECT_EQ(sizeof(SHELLEXECUTEINFOA), info.cbSize);
  EXPECT_EQ(static_cast<ULONG>(SEE_MASK_FLAG_NO_UI), info.fMask);
  EXPECT_STREQ("open", info.lpVerb);
  EXPECT_EQ("http://example.invalid/readme.html", g_seams.opened[0]);
  EXPECT_EQ(SW_SHOWMAXIMIZED, info.nShow);
  EXPECT_EQ(nullptr, info.lpParameters);
  EXPECT_EQ(std::vector<std::string>{"click.wav"}, g_seams.sounds);
  EXPECT_EQ(1, parent.log.clicked);
  EXPECT_EQ(button.m_hWnd, ::GetFocus());
}

TEST_F(ButtonPointer, PlainClickOnlyTakesTheFocus) {
  ::SetFocus(parent.m_hWnd);
  ::SendMessageA(button.m_hWnd, BM_CLICK, 0, 0);
  Pump(100);
  EXPECT_EQ(button.m_hWnd, ::GetFocus());
  EXPECT_TRUE(g_seams.opened.empty());
  EXPECT_TRUE(g_seams.sounds.empty());
  EXPECT_EQ(1, parent.log.clicked);
}

TEST_F(ButtonPointer, CheckBoxModeOnlyTogglesEvenWithALinkTarget) {
  button.DestroyWindow();
  TestButton box;
  HWND h =
      button_test::CreateButtonControl(parent, 22, BS_AUTOCHECKBOX, "Box", 20, 20, 100, 40, true);
  ASSERT_TRUE(box.SubclassWindow(h));
  box.SetLinkTarget("http://example.invalid/");
  Pump(50);
  const POINT c = button_test::CentreOf(box.m_hWnd);
  MovePointer(c.x, c.y);
  Click();
  Pump(200);
  EXPECT_EQ(1, box.GetCheckState());
  EXPECT_TRUE(g_seams.opened.empty());
  ::SendMessageA(box.m_hWnd, BM_CLICK, 0, 0);
  Pump(100);
  EXPECT_EQ(0, box.GetCheckState());
  EXPECT_TRUE(g_seams.opened.empty());
  EXPECT_EQ(2, parent.log.clicked);
  box.DestroyWindow();
}

TEST_F(ButtonPointer, DisablingHandsTheFocusToTheNextTabStop) {
  HWND next =
      button_test::CreateButtonControl(parent, 23, BS_PUSHBUTTON, "Next", 130, 20, 80, 40, true);
  ASSERT_NE(nullptr, next);
  button.SetFocus();
  ASSERT_EQ(button.m_hWnd, ::GetFocus());
  button.EnableWindow(FALSE);
  EXPECT_EQ(next, ::GetFocus());

  // With no other tab stop the parent takes it, focused or not.
  button.EnableWindow(TRUE);
  ::DestroyWindow(next);
  ::SetFocus(nullptr);
  button.EnableWindow(FALSE);
  EXPECT_EQ(parent.m_hWnd, ::GetFocus());
}

TEST_F(ButtonPointer, CustomCursorIsShownOverTheButton) {
  HCURSOR cross = CopyCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS)));
  ASSERT_NE(nullptr, cross);
  button.SetButtonCursor(cross);
  OverButton();
  EXPECT_EQ(cross, ::GetCursor());
  BesideButton();
  EXPECT_NE(cross, ::GetCursor());
}

// The dialog manager moves the default button with BM_SETSTYLE; the styled
// button follows it and stays owner-drawn.
TEST(ButtonDialogManager, MovingTheDefaultButtonKeepsOwnerDraw) {
  HWND dialog =
      button_test::CreateTemplateDialog({{1, BS_DEFPUSHBUTTON | WS_TABSTOP, "OK", 10, 10, 50, 14},
                                         {3, BS_PUSHBUTTON | WS_TABSTOP, "Other", 70, 10, 50, 14}},
                                        true);
  ASSERT_NE(nullptr, dialog);
  TestButton styled;
  ASSERT_TRUE(styled.SubclassWindow(::GetDlgItem(dialog, 1)));
  ASSERT_TRUE(styled.IsDefaultButton());

  ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, 3)), TRUE);
  Pump(30);
  EXPECT_FALSE(styled.IsDefaultButton());
  EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), ::GetWindowLongA(styled.m_hWnd, GWL_STYLE) & 0x1F);

  ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(styled.m_hWnd), TRUE);
  Pump(30);
  EXPECT_TRUE(styled.IsDefaultButton());
  EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), ::GetWindowLongA(styled.m_hWnd, GWL_STYLE) & 0x1F);
  EXPECT_TRUE(::SendMessageA(styled.m_hWnd, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);

  styled.UnsubclassWindow();
  ::DestroyWindow(dialog);
}

}  // namespace
