#include <gtest/gtest.h>

#include <set>

#include "AppTestSupport.h"
#include "app/DriveMaskApp.h"
#include "app/DriveMaskDialog.h"
#include "framework/Afx.h"
#include "res/resource.h"

namespace {

// Gives the desktop other colours for as long as it lives.
class SystemColorsOverride {
 public:
  SystemColorsOverride() {
    for (int i = 0; i < kCount; ++i) saved_[i] = ::GetSysColor(kIds[i]);
    ::SetSysColors(kCount, kIds, kColors);
  }
  ~SystemColorsOverride() { ::SetSysColors(kCount, kIds, saved_); }
  static constexpr int kCount = 5;
  static constexpr int kIds[kCount] = {COLOR_BTNFACE, COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNTEXT,
                                       COLOR_3DLIGHT};
  static constexpr COLORREF kColors[kCount] = {RGB(160, 32, 32), RGB(32, 32, 160), RGB(32, 160, 32),
                                               RGB(200, 200, 0), RGB(0, 200, 200)};

 private:
  COLORREF saved_[kCount] = {};
};

// What the check that runs inside InitInstance's dialog found.
struct Seen {
  bool ran = false;
  HWND dialog = nullptr;
  bool mainWndIsTheDialog = false;
  bool visible = false;
  std::set<COLORREF> background;  // corners of the client area
  std::set<COLORREF> textPixels;  // pixels of the "Nodrive =" text
  COLORREF staticBrush = CLR_INVALID;
  COLORREF staticText = CLR_INVALID;
  COLORREF dialogBrush = CLR_INVALID;
} g_seen;

COLORREF BrushColor(LRESULT brush) {
  LOGBRUSH lb = {};
  if (brush == 0 || ::GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb) == 0) {
    return CLR_INVALID;
  }
  return lb.lbColor;
}

HWND NodriveLabel(HWND dialog) {
  for (HWND c = ::GetWindow(dialog, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
    char text[32] = {};
    ::GetWindowTextA(c, text, sizeof text);
    if (std::string(text) == "Nodrive =") return c;
  }
  return nullptr;
}

void CALLBACK LookAtTheDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  g_seen.ran = true;
  CWnd* main = AfxGetApp()->m_pMainWnd;
  if (main == nullptr || main->m_hWnd == nullptr) return;
  HWND dialog = main->m_hWnd;
  g_seen.dialog = dialog;
  g_seen.mainWndIsTheDialog = dynamic_cast<DriveMaskDialog*>(main) != nullptr;
  g_seen.visible = ::IsWindowVisible(dialog) != FALSE;
  ::RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);

  HDC dc = ::GetDC(dialog);
  RECT client;
  ::GetClientRect(dialog, &client);
  g_seen.background = {::GetPixel(dc, 1, 1), ::GetPixel(dc, client.right - 2, 1),
                       ::GetPixel(dc, 1, client.bottom - 2),
                       ::GetPixel(dc, client.right - 2, client.bottom - 2)};
  if (HWND label = NodriveLabel(dialog)) {
    RECT r;
    ::GetWindowRect(label, &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) g_seen.textPixels.insert(::GetPixel(dc, x, y));
    }
    HDC probe = ::CreateCompatibleDC(dc);
    g_seen.staticBrush =
        BrushColor(::SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(probe),
                                  reinterpret_cast<LPARAM>(label)));
    g_seen.staticText = ::GetTextColor(probe);
    g_seen.dialogBrush = BrushColor(::SendMessageA(
        dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(probe), reinterpret_cast<LPARAM>(dialog)));
    ::DeleteDC(probe);
  }
  ::ReleaseDC(dialog, dc);
  ::PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
}

DriveMaskApp& App() { return *dynamic_cast<DriveMaskApp*>(AfxGetApp()); }

TEST(DriveMaskAppTest, IsTheOneApplicationObject) {
  ASSERT_NE(AfxGetApp(), nullptr);
  EXPECT_NE(dynamic_cast<DriveMaskApp*>(AfxGetApp()), nullptr);
  EXPECT_EQ(AfxGetThread(), AfxGetApp());
}

TEST(DriveMaskAppTest, RoutesHelpToTheFramework) {
  MessageArgs args = {WM_COMMAND, ID_HELP, 0, 0};
  EXPECT_TRUE(App().OnCmdMsg(ID_HELP, 0, args));
  EXPECT_EQ(ID_HELP, 57670);
}

TEST(DriveMaskAppTest, RunsTheDialogWhiteOnBlackWhateverTheSystemColoursAndReturnsFalse) {
  g_seen = Seen{};
  BOOL result = TRUE;
  {
    SystemColorsOverride colours;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 500, &LookAtTheDialog);
    result = App().InitInstance();
    ::KillTimer(nullptr, timer);
  }
  EXPECT_FALSE(result);
  ASSERT_TRUE(g_seen.ran);
  ASSERT_NE(g_seen.dialog, nullptr);
  EXPECT_TRUE(g_seen.mainWndIsTheDialog);
  EXPECT_TRUE(g_seen.visible);

  EXPECT_EQ(g_seen.background, std::set<COLORREF>{RGB(255, 255, 255)});
  EXPECT_EQ(g_seen.staticBrush, RGB(255, 255, 255));
  EXPECT_EQ(g_seen.dialogBrush, RGB(255, 255, 255));
  EXPECT_EQ(g_seen.staticText, RGB(0, 0, 0));
  // The label is black text on white: black, white and the greys that
  // smooth the glyph edges, nothing of the desktop's colours.
  EXPECT_TRUE(g_seen.textPixels.count(RGB(0, 0, 0)));
  EXPECT_TRUE(g_seen.textPixels.count(RGB(255, 255, 255)));
  for (COLORREF c : g_seen.textPixels) {
    EXPECT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c))
        << std::hex << "colour 0x" << c;
  }

  // The dialog has ended and the main window no longer points at it.
  EXPECT_FALSE(::IsWindow(g_seen.dialog));
  EXPECT_EQ(App().m_pMainWnd, nullptr);
}

}  // namespace
