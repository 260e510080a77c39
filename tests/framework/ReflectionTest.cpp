#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameworkTestSupport.h"
#include "framework/CButton.h"
#include "framework/CDC.h"
#include "framework/CWnd.h"

namespace {

std::vector<std::string> g_log;

// The log without the control-colour requests that painting makes.
std::vector<std::string> WithoutColours() {
  std::vector<std::string> rest;
  for (const std::string& entry : g_log) {
    if (entry.find("colour") == std::string::npos) rest.push_back(entry);
  }
  return rest;
}

// A button that answers reflected notifications itself.
class ReflectingButton : public CButton {
 public:
  using Base = CButton;
  BOOL clickedAnswer = FALSE;  // what the _EX handler answers
  HBRUSH ownBrush = nullptr;   // what the reflected colour handler answers
  COLORREF drawColor = RGB(10, 200, 30);

  BOOL OnClickedEx() {
    g_log.push_back("child clicked");
    return clickedAnswer;
  }
  void OnDoubleClicked() { g_log.push_back("child double"); }
  HBRUSH CtlColor(CDC* dc, UINT ctlColor) {
    g_log.push_back("child colour " + std::to_string(ctlColor));
    if (ownBrush != nullptr && dc != nullptr) {
      ::SetTextColor(dc->m_hDC, RGB(1, 2, 3));
    }
    return ownBrush;
  }
  void DrawItem(LPDRAWITEMSTRUCT item) override {
    g_log.push_back("child draw");
    HBRUSH brush = ::CreateSolidBrush(drawColor);
    ::FillRect(item->hDC, &item->rcItem, brush);
    ::DeleteObject(brush);
  }
  void MeasureItem(LPMEASUREITEMSTRUCT item) override {
    g_log.push_back("child measure");
    item->itemHeight = 42;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClickedEx)
ON_CONTROL_REFLECT(BN_DOUBLECLICKED, OnDoubleClicked)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class ParentWnd : public CWnd {
 public:
  using Base = CWnd;
  HBRUSH parentBrush = nullptr;
  void OnButton() { g_log.push_back("parent clicked"); }
  void OnButtonDouble() { g_log.push_back("parent double"); }
  HBRUSH OnCtlColor(CDC*, CWnd* wnd, UINT ctlColor) {
    g_log.push_back("parent colour " + std::to_string(ctlColor) +
                    (wnd != nullptr ? " for child" : ""));
    return parentBrush;
  }
  void OnDrawItem(int id, LPDRAWITEMSTRUCT item) {
    g_log.push_back("parent draw " + std::to_string(id));
    CWnd::OnDrawItem(id, item);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWnd, CWnd)
ON_BN_CLICKED(100, OnButton)
ON_BN_DOUBLECLICKED(100, OnButtonDouble)
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100,
                                nullptr, nullptr));
    ASSERT_TRUE(button.Create("b", WS_VISIBLE | BS_PUSHBUTTON, CRect(5, 5, 65, 35), &parent, 100));
    hBrush = ::CreateSolidBrush(RGB(9, 9, 9));
    pBrush = ::CreateSolidBrush(RGB(7, 7, 7));
  }
  void TearDown() override {
    parent.DestroyWindow();
    ::DeleteObject(hBrush);
    ::DeleteObject(pBrush);
    HandleMapBase::DeleteAllTemporaries();
  }
  LRESULT Notify(UINT code) {
    return parent.SendMessage(WM_COMMAND, MAKEWPARAM(100, code),
                              reinterpret_cast<LPARAM>(button.m_hWnd));
  }
  ParentWnd parent;
  ReflectingButton button;
  HBRUSH hBrush = nullptr;
  HBRUSH pBrush = nullptr;
};

TEST_F(ReflectionTest, ReflectExAnsweringFalseLetsTheParentHandleToo) {
  button.clickedAnswer = FALSE;
  Notify(BN_CLICKED);
  EXPECT_EQ(g_log, (std::vector<std::string>{"child clicked", "parent clicked"}));
}

TEST_F(ReflectionTest, ReflectExAnsweringTrueKeepsItFromTheParent) {
  button.clickedAnswer = TRUE;
  Notify(BN_CLICKED);
  EXPECT_EQ(g_log, (std::vector<std::string>{"child clicked"}));
}

TEST_F(ReflectionTest, PlainReflectTakesTheNotificationAway) {
  Notify(BN_DOUBLECLICKED);
  EXPECT_EQ(g_log, (std::vector<std::string>{"child double"}));
}

TEST_F(ReflectionTest, ARealClickIsReflectedToo) {
  button.clickedAnswer = FALSE;
  button.SendMessage(BM_CLICK);
  EXPECT_EQ(WithoutColours(), (std::vector<std::string>{"child clicked", "parent clicked"}));
}

TEST_F(ReflectionTest, ReflectedBrushWinsOverTheParent) {
  parent.parentBrush = pBrush;
  button.ownBrush = hBrush;
  HDC dc = ::CreateCompatibleDC(nullptr);
  const LRESULT r = parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(button.m_hWnd));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(r), hBrush);
  EXPECT_EQ(::GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(g_log, (std::vector<std::string>{"child colour 3"}));
  ::DeleteDC(dc);
}

TEST_F(ReflectionTest, NullReflectedBrushLeavesTheColourToTheParent) {
  parent.parentBrush = pBrush;
  button.ownBrush = nullptr;
  HDC dc = ::CreateCompatibleDC(nullptr);
  const LRESULT r = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(button.m_hWnd));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(r), pBrush);
  EXPECT_EQ(g_log, (std::vector<std::string>{"child colour 6", "parent colour 6 for child"}));
  ::DeleteDC(dc);
}

TEST_F(ReflectionTest, OwnerDrawnButtonPaintsThroughReflectedDrawItem) {
  button.ModifyStyle(0x1F, BS_OWNERDRAW, SWP_FRAMECHANGED);
  button.Invalidate();
  button.UpdateWindow();
  EXPECT_EQ(WithoutColours(), (std::vector<std::string>{"child draw"}));
  // The pixels are the ones DrawItem painted.
  HDC dc = ::GetDC(button.m_hWnd);
  EXPECT_EQ(::GetPixel(dc, 10, 10), RGB(10, 200, 30));
  ::ReleaseDC(button.m_hWnd, dc);
}

TEST_F(ReflectionTest, MeasureItemIsReflectedByControlId) {
  MEASUREITEMSTRUCT item = {};
  item.CtlType = ODT_BUTTON;
  item.CtlID = 100;
  EXPECT_EQ(parent.SendMessage(WM_MEASUREITEM, 100, reinterpret_cast<LPARAM>(&item)), TRUE);
  EXPECT_EQ(item.itemHeight, 42u);
  EXPECT_EQ(g_log, (std::vector<std::string>{"child measure"}));
}

// Menu items are not reflected: the default handlers pass them to the menu
// support that CMenu plugs in.
struct MenuRoutingProbe {
  static int draws;
  static int measures;
  static BOOL Draw(CWnd*, LPDRAWITEMSTRUCT item) {
    ++draws;
    return item->itemID == 7;
  }
  static BOOL Measure(CWnd*, LPMEASUREITEMSTRUCT item) {
    ++measures;
    item->itemHeight = 19;
    return TRUE;
  }
};
int MenuRoutingProbe::draws = 0;
int MenuRoutingProbe::measures = 0;

TEST_F(ReflectionTest, MenuItemsGoToTheMenuRoutingHooks) {
  const CWnd::MenuRouting saved = CWnd::s_menuRouting;
  CWnd::s_menuRouting.drawItem = &MenuRoutingProbe::Draw;
  CWnd::s_menuRouting.measureItem = &MenuRoutingProbe::Measure;
  MenuRoutingProbe::draws = 0;
  MenuRoutingProbe::measures = 0;

  DRAWITEMSTRUCT draw = {};
  draw.CtlType = ODT_MENU;
  draw.itemID = 7;
  draw.hwndItem = reinterpret_cast<HWND>(button.m_hWnd);  // a menu handle in real life
  parent.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  MEASUREITEMSTRUCT measure = {};
  measure.CtlType = ODT_MENU;
  measure.CtlID = 100;  // the id of the button: still not reflected
  button.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
  CWnd::s_menuRouting = saved;

  EXPECT_EQ(MenuRoutingProbe::draws, 1);
  EXPECT_EQ(MenuRoutingProbe::measures, 1);
  EXPECT_EQ(measure.itemHeight, 19u);
  EXPECT_EQ(g_log, (std::vector<std::string>{"parent draw 0"}));
}

}  // namespace
