// The tool's Exit button as the user sees it: green on the dialog's white,
// lighter under the pointer, pushed in while pressed, a two-line tooltip, and
// a click that closes the tool.
#include <gtest/gtest.h>
#include <windows.h>
// The common controls' declarations need the platform's base types first.
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "app/DriveMaskDialog.h"
#include "framework/Afx.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

using apptest::MovePointerTo;
using apptest::PumpMessages;
using apptest::PumpUntil;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kLightGreen = RGB(0, 178, 0);
const char kTipText[] = "Close the application \n the decimal value can now be pasted into the adm";

class ExitProbeDialog : public DriveMaskDialog {
 public:
  using DriveMaskDialog::m_exitButton;
};

// The pixels of a window's client area, as they are on the screen.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;

  COLORREF At(int x, int y) const { return pixels[y * width + x]; }
  int Count(COLORREF c) const {
    int n = 0;
    for (COLORREF p : pixels) n += p == c;
    return n;
  }
  // Bounding box of the pixels of colour c (empty when there are none).
  RECT Bounds(COLORREF c) const {
    RECT r = {width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (At(x, y) != c) continue;
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
    }
    return r;
  }
  // Pixels that are grey or black: what a frame or a focus rectangle leaves.
  int CountGreys() const {
    int n = 0;
    for (COLORREF p : pixels) {
      n += p != kWhite && GetRValue(p) == GetGValue(p) && GetGValue(p) == GetBValue(p);
    }
    return n;
  }
};

Picture Capture(HWND window) {
  ::UpdateWindow(window);
  Picture picture;
  RECT client;
  ::GetClientRect(window, &client);
  picture.width = client.right;
  picture.height = client.bottom;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = ::GetDC(window);
  HDC memory = ::CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = ::SelectObject(memory, dib);
  ::BitBlt(memory, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY);
  ::GdiFlush();
  const auto* quads = static_cast<const RGBQUAD*>(bits);
  for (int i = 0; i < picture.width * picture.height; ++i) {
    picture.pixels.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
  }
  ::SelectObject(memory, previous);
  ::DeleteObject(dib);
  ::DeleteDC(memory);
  ::ReleaseDC(window, screen);
  return picture;
}

// Gives the desktop other colours for as long as it lives.
class SystemColorsOverride {
 public:
  SystemColorsOverride() {
    for (int i = 0; i < 2; ++i) saved_[i] = ::GetSysColor(kIds[i]);
    ::SetSysColors(2, kIds, kColors);
  }
  ~SystemColorsOverride() { ::SetSysColors(2, kIds, saved_); }

 private:
  static constexpr int kIds[2] = {COLOR_BTNFACE, COLOR_BTNTEXT};
  static constexpr COLORREF kColors[2] = {RGB(230, 200, 170), RGB(120, 20, 140)};
  COLORREF saved_[2] = {};
};

class ExitButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The application's dialog colours, as the tool sets them at start-up.
    AfxGetApp()->SetDialogBkColor(kWhite, RGB(0, 0, 0));
    ASSERT_TRUE(dialog_.Create(IDD_VESKEL_DIALOG, nullptr));
    hwnd_ = dialog_.m_hWnd;
    button_ = ::GetDlgItem(hwnd_, IDCANCEL);
    ::SetForegroundWindow(hwnd_);
    ParkPointer();
    PumpMessages(200);
  }
  void TearDown() override {
    ParkPointer();
    dialog_.DestroyWindow();
  }
  // Puts the pointer on the dialog, away from the button.
  void ParkPointer() {
    RECT r;
    ::GetWindowRect(::GetDlgItem(hwnd_, IDC_MASK_DECIMAL), &r);
    MovePointerTo(POINT{r.left - 30, r.top - 40});
  }
  POINT ButtonCentre() const {
    RECT r;
    ::GetWindowRect(button_, &r);
    return apptest::Centre(r);
  }
  static void Press() {
    INPUT down = {};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    ::SendInput(1, &down, sizeof(INPUT));
    PumpMessages(100);
  }
  static void Release() {
    INPUT up = {};
    up.type = INPUT_MOUSE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &up, sizeof(INPUT));
    PumpMessages(100);
  }

  ExitProbeDialog dialog_;
  HWND hwnd_ = nullptr;
  HWND button_ = nullptr;
};

TEST_F(ExitButtonTest, IsTheStyledButtonBoundToIdCancel) {
  EXPECT_EQ(dialog_.m_exitButton.m_hWnd, button_);
  EXPECT_EQ(::GetWindowLongA(button_, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_TRUE(dialog_.m_exitButton.IsTransparent());
  EXPECT_FALSE(dialog_.m_exitButton.HasHoverFrame());
  EXPECT_TRUE(dialog_.m_exitButton.IsFlat());
  EXPECT_EQ(dialog_.m_exitButton.GetStateColor(StyledButton::TextNormal), kGreen);
  EXPECT_EQ(dialog_.m_exitButton.GetStateColor(StyledButton::TextHot), kLightGreen);
  // The hot face is the button face lightened by 30, at most to 255.
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  auto lighter = [](int v) { return v + 30 > 255 ? 255 : v + 30; };
  EXPECT_EQ(dialog_.m_exitButton.GetStateColor(StyledButton::FaceHot),
            RGB(lighter(GetRValue(face)), lighter(GetGValue(face)), lighter(GetBValue(face))));
}

TEST_F(ExitButtonTest, GreenCaptionOnTheDialogsWhiteWithoutFrameOrFocusRectangle) {
  const Picture normal = Capture(button_);
  EXPECT_GT(normal.Count(kGreen), 10);
  EXPECT_EQ(normal.Count(kLightGreen), 0);
  EXPECT_GT(normal.Count(kWhite), normal.width * normal.height / 2);
  EXPECT_EQ(normal.CountGreys(), 0);
  // Every edge pixel is the dialog's white: no frame.
  for (int x = 0; x < normal.width; ++x) {
    EXPECT_EQ(normal.At(x, 0), kWhite);
    EXPECT_EQ(normal.At(x, normal.height - 1), kWhite);
  }
  // With the focus the button still shows no focus rectangle.
  ::SetFocus(button_);
  ::InvalidateRect(button_, nullptr, TRUE);
  PumpMessages(50);
  ASSERT_EQ(::GetFocus(), button_);
  const Picture focused = Capture(button_);
  EXPECT_EQ(focused.CountGreys(), 0);
  EXPECT_GT(focused.Count(kGreen), 10);
}

TEST_F(ExitButtonTest, LighterUnderThePointerAndPushedInWhilePressed) {
  const RECT normalBounds = Capture(button_).Bounds(kGreen);
  MovePointerTo(ButtonCentre());
  ASSERT_TRUE(PumpUntil([&] { return dialog_.m_exitButton.IsHovered() != FALSE; }, 2000));
  const Picture hot = Capture(button_);
  EXPECT_GT(hot.Count(kLightGreen), 10);
  EXPECT_EQ(hot.Count(kGreen), 0);
  EXPECT_EQ(hot.CountGreys(), 0);  // still no frame while hovered
  EXPECT_EQ(hot.At(0, 0), kWhite);
  const RECT hotBounds = hot.Bounds(kLightGreen);
  EXPECT_TRUE(::EqualRect(&hotBounds, &normalBounds));

  Press();
  const Picture pressed = Capture(button_);
  const RECT pressedBounds = pressed.Bounds(kLightGreen);
  EXPECT_EQ(pressedBounds.left, hotBounds.left + 1);
  EXPECT_EQ(pressedBounds.top, hotBounds.top + 1);
  EXPECT_EQ(pressedBounds.right, hotBounds.right + 1);
  EXPECT_EQ(pressedBounds.bottom, hotBounds.bottom + 1);
  EXPECT_EQ(pressed.CountGreys(), 0);

  // Leaving while pressed and letting go elsewhere does not close the tool.
  ParkPointer();
  Release();
  EXPECT_TRUE(::IsWindowVisible(hwnd_));
  ASSERT_TRUE(PumpUntil([&] { return dialog_.m_exitButton.IsHovered() == FALSE; }, 2000));
  EXPECT_GT(Capture(button_).Count(kGreen), 10);
}

TEST_F(ExitButtonTest, RestingThePointerShowsTheTwoLineTooltip) {
  MovePointerTo(ButtonCentre());
  HWND tip = dialog_.m_exitButton.GetToolTip().m_hWnd;
  ASSERT_NE(tip, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(tip) != FALSE; }, 4000));

  char text[256] = {};
  TTTOOLINFOA tool = {};
  tool.cbSize = sizeof(tool);
  tool.lpszText = text;
  ASSERT_TRUE(::SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_STREQ(text, kTipText);

  // Two lines: the tip is at least two lines of its font high.
  HDC dc = ::GetDC(tip);
  HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(tip, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics = {};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(tip, dc);
  RECT r;
  ::GetClientRect(tip, &r);
  EXPECT_GE(r.bottom - r.top, 2 * metrics.tmHeight);
  EXPECT_LT(r.bottom - r.top, 3 * metrics.tmHeight + 12);
}

TEST_F(ExitButtonTest, AfterASystemColourChangeTheGreenIsGoneAndTheWhiteStays) {
  {
    SystemColorsOverride colours;
    PumpMessages(200);
    ::InvalidateRect(button_, nullptr, TRUE);
    PumpMessages(50);
    const Picture after = Capture(button_);
    const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    EXPECT_EQ(dialog_.m_exitButton.GetStateColor(StyledButton::TextNormal), text);
    EXPECT_EQ(after.Count(kGreen), 0);
    EXPECT_GT(after.Count(text), 10);
    // The dialog's white still shows behind the caption, not the new face.
    EXPECT_GT(after.Count(kWhite), after.width * after.height / 2);
    EXPECT_EQ(after.Count(::GetSysColor(COLOR_BTNFACE)), 0);
  }
  PumpMessages(100);
}

// A real click on Exit ends the modal dialog with IDCANCEL.
DriveMaskDialog* g_dialog = nullptr;

void CALLBACK ClickExit(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  HWND dialog = g_dialog->m_hWnd;
  ::SetForegroundWindow(dialog);
  RECT r;
  ::GetWindowRect(::GetDlgItem(dialog, IDCANCEL), &r);
  const POINT at = apptest::Centre(r);
  ::SetCursorPos(at.x, at.y);
  INPUT input[2] = {};
  input[0].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].type = INPUT_MOUSE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, input, sizeof(INPUT));
}

void CALLBACK EndStuckDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  g_dialog->EndDialog(-2);
}

TEST(ExitButtonModalTest, AClickClosesTheDialog) {
  AfxGetApp()->SetDialogBkColor(kWhite, RGB(0, 0, 0));
  DriveMaskDialog dialog;
  g_dialog = &dialog;
  const UINT_PTR click = ::SetTimer(nullptr, 0, 400, &ClickExit);
  const UINT_PTR stuck = ::SetTimer(nullptr, 0, 10000, &EndStuckDialog);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  ::KillTimer(nullptr, click);
  ::KillTimer(nullptr, stuck);
  g_dialog = nullptr;
}

}  // namespace
