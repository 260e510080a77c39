#include <gtest/gtest.h>

#include "framework/CClientDC.h"
#include "framework/CPaintDC.h"
#include "framework/CWindowDC.h"
#include "framework/CWnd.h"

namespace {

// A plain top-level window whose WM_PAINT builds a CPaintDC and records what
// it saw.
struct PaintProbe {
  static CWnd* wnd;
  static int paints;
  static bool hadDC;
  static std::size_t dcsWhilePainting;

  static LRESULT CALLBACK Proc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && wnd != nullptr) {
      ++paints;
      CPaintDC dc(wnd);
      hadDC = dc.m_hDC != nullptr && dc.m_hDC == dc.m_ps.hdc;
      dcsWhilePainting = CDC::LiveDCCount();
      dc.FillSolidRect(&dc.m_ps.rcPaint, RGB(0, 128, 0));
      return 0;
    }
    return ::DefWindowProcA(h, message, wParam, lParam);
  }

  static HWND Create() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VeskelPaintProbe";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, wc.lpszClassName, "probe", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40,
                             nullptr, nullptr, wc.hInstance, nullptr);
  }
};
CWnd* PaintProbe::wnd = nullptr;
int PaintProbe::paints = 0;
bool PaintProbe::hadDC = false;
std::size_t PaintProbe::dcsWhilePainting = 0;

}  // namespace

TEST(DcWindow, PaintDCValidatesTheUpdateRegionAndGivesItsDCBack) {
  HWND h = PaintProbe::Create();
  ASSERT_NE(h, nullptr);
  CWnd wnd;
  ASSERT_TRUE(wnd.Attach(h));
  PaintProbe::wnd = &wnd;
  const std::size_t before = CDC::LiveDCCount();

  ::InvalidateRect(h, nullptr, TRUE);
  PaintProbe::paints = 0;
  ::UpdateWindow(h);
  EXPECT_EQ(PaintProbe::paints, 1);
  EXPECT_TRUE(PaintProbe::hadDC);
  EXPECT_EQ(PaintProbe::dcsWhilePainting, before + 1);
  EXPECT_EQ(CDC::LiveDCCount(), before);
  RECT update{};
  EXPECT_FALSE(::GetUpdateRect(h, &update, FALSE));  // EndPaint ran

  {
    CClientDC client(&wnd);
    ASSERT_NE(client.m_hDC, nullptr);
    EXPECT_EQ(CDC::FromHandlePermanent(client.m_hDC), &client);
    EXPECT_EQ(CDC::LiveDCCount(), before + 1);
    RECT clip{};
    client.GetClipBox(&clip);
    EXPECT_LE(clip.right, 60);  // limited to the client area
    CWindowDC whole(&wnd);
    EXPECT_NE(whole.m_hDC, nullptr);
    EXPECT_EQ(CDC::LiveDCCount(), before + 2);
  }
  EXPECT_EQ(CDC::LiveDCCount(), before);
  {
    CClientDC screen(nullptr);
    EXPECT_GE(screen.GetDeviceCaps(HORZRES), 640);
  }
  EXPECT_EQ(CDC::LiveDCCount(), before);

  PaintProbe::wnd = nullptr;
  wnd.Detach();
  ::DestroyWindow(h);
}

TEST(DcWindow, PaintDCWithoutAWindowHoldsNothing) {
  const std::size_t before = CDC::LiveDCCount();
  {
    CPaintDC dc(nullptr);
    EXPECT_EQ(dc.m_hDC, nullptr);
    dc.FillSolidRect(0, 0, 4, 4, RGB(1, 2, 3));
  }
  EXPECT_EQ(CDC::LiveDCCount(), before);
}
