#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameworkTestSupport.h"
#include "framework/CWnd.h"
#include "framework/SystemSettings.h"

namespace {

constexpr UINT kBoth = WM_APP + 1;      // in the derived and the base table
constexpr UINT kBaseOnly = WM_APP + 2;  // only in the base table
constexpr UINT kNone = WM_APP + 3;      // in no table
constexpr UINT kDefault = WM_APP + 4;   // handler calls Default() around a nested send
constexpr UINT kInner = WM_APP + 5;

class BaseWnd : public CWnd {
 public:
  using Base = CWnd;
  std::vector<std::string> calls;
  LRESULT OnBoth(WPARAM, LPARAM) {
    calls.push_back("base both");
    return 1;
  }
  LRESULT OnBaseOnly(WPARAM w, LPARAM l) {
    calls.push_back("base only");
    return static_cast<LRESULT>(w + l);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
ON_MESSAGE(kBoth, OnBoth)
ON_MESSAGE(kBaseOnly, OnBaseOnly)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
 public:
  using Base = BaseWnd;
  int preSubclassCalls = 0;
  bool procWasOursInPreSubclass = false;
  int postNcDestroyCalls = 0;
  LRESULT innerDefault = 0;
  CPoint lastMouse;
  UINT lastMouseFlags = 0;

  LRESULT OnBothFirst(WPARAM, LPARAM) {
    calls.push_back("derived first");
    return 2;
  }
  LRESULT OnBothSecond(WPARAM, LPARAM) {
    calls.push_back("derived second");
    return 3;
  }
  LRESULT OnDefault(WPARAM, LPARAM) {
    innerDefault = SendMessage(kInner, 5, 6);
    return Default() + 1;
  }
  LRESULT OnInner(WPARAM, LPARAM) { return Default(); }
  void OnMouseMove(UINT flags, CPoint point) {
    lastMouseFlags = flags;
    lastMouse = point;
  }

 protected:
  void PreSubclassWindow() override {
    ++preSubclassCalls;
    procWasOursInPreSubclass =
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == &FrameworkWndProc;
  }
  void PostNcDestroy() override { ++postNcDestroyCalls; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_MESSAGE(kBoth, OnBothFirst)
ON_MESSAGE(kBoth, OnBothSecond)
ON_MESSAGE(kDefault, OnDefault)
ON_MESSAGE(kInner, OnInner)
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
 protected:
  void SetUp() override { RecordingClass::Seen().clear(); }
};

TEST_F(MessageMapTest, DerivedEntryWinsInOrderWrittenAndBaseServesTheRest) {
  DerivedWnd wnd;
  HWND h = RecordingClass::Create();
  ASSERT_TRUE(wnd.SubclassWindow(h));

  EXPECT_EQ(::SendMessageA(h, kBoth, 0, 0), 2);
  EXPECT_EQ(::SendMessageA(h, kBaseOnly, 3, 4), 7);
  EXPECT_EQ(wnd.calls, (std::vector<std::string>{"derived first", "base only"}));
  // Neither table: the original procedure answers.
  EXPECT_EQ(::SendMessageA(h, kNone, 0, 0), 1003);
  ASSERT_EQ(RecordingClass::Seen().size(), 1u);
  EXPECT_EQ(RecordingClass::Seen()[0].message, kNone);
  ::DestroyWindow(h);
}

TEST_F(MessageMapTest, DefaultSendsTheCurrentMessageToTheOriginalProcedureEvenWhenNested) {
  DerivedWnd wnd;
  HWND h = RecordingClass::Create();
  ASSERT_TRUE(wnd.SubclassWindow(h));

  EXPECT_EQ(::SendMessageA(h, kDefault, 11, 22), 1004 + 1);
  EXPECT_EQ(wnd.innerDefault, 1005);
  ASSERT_EQ(RecordingClass::Seen().size(), 2u);
  EXPECT_EQ(RecordingClass::Seen()[0].message, kInner);
  EXPECT_EQ(RecordingClass::Seen()[0].wParam, 5u);
  // After the nested send the outer message is current again.
  EXPECT_EQ(RecordingClass::Seen()[1].message, kDefault);
  EXPECT_EQ(RecordingClass::Seen()[1].wParam, 11u);
  EXPECT_EQ(RecordingClass::Seen()[1].lParam, 22);
  ::DestroyWindow(h);
}

TEST_F(MessageMapTest, MouseArgumentsAreUnpackedSigned) {
  DerivedWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "mouse", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr));
  wnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-5), 17));
  EXPECT_EQ(wnd.lastMouseFlags, static_cast<UINT>(MK_LBUTTON));
  EXPECT_EQ(wnd.lastMouse.x, -5);
  EXPECT_EQ(wnd.lastMouse.y, 17);
  wnd.DestroyWindow();
}

TEST_F(MessageMapTest, SubclassRunsPreSubclassFirstAndUnsubclassRestores) {
  DerivedWnd wnd;
  HWND h = RecordingClass::Create();
  const LONG_PTR original = ::GetWindowLongPtrA(h, GWLP_WNDPROC);
  ASSERT_TRUE(wnd.SubclassWindow(h));
  EXPECT_EQ(wnd.preSubclassCalls, 1);
  EXPECT_FALSE(wnd.procWasOursInPreSubclass);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), &wnd);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(h, GWLP_WNDPROC)), &FrameworkWndProc);

  // A second object cannot take a window that already has one.
  DerivedWnd other;
  EXPECT_FALSE(other.SubclassWindow(h));

  EXPECT_EQ(wnd.UnsubclassWindow(), h);
  EXPECT_EQ(::GetWindowLongPtrA(h, GWLP_WNDPROC), original);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
  EXPECT_EQ(::SendMessageA(h, kBoth, 0, 0), 1001);
  EXPECT_TRUE(wnd.calls.empty());
  ::DestroyWindow(h);
}

TEST_F(MessageMapTest, ObjectDestroyedBeforeItsWindowLeavesTheWindowWorking) {
  HWND h = RecordingClass::Create();
  {
    DerivedWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(h));
  }
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
  EXPECT_EQ(::SendMessageA(h, kBoth, 0, 0), 1001);
  ::DestroyWindow(h);
}

TEST_F(MessageMapTest, DestroyingTheWindowDetachesAndCallsPostNcDestroy) {
  DerivedWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  HWND h = wnd.m_hWnd;
  EXPECT_EQ(wnd.preSubclassCalls, 1);
  ASSERT_TRUE(::DestroyWindow(h));
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_EQ(wnd.postNcDestroyCalls, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
}

TEST_F(MessageMapTest, TemporaryWrappersAreSharedUntilIdleCleanUp) {
  HWND h = RecordingClass::Create();
  CWnd* temp = CWnd::FromHandle(h);
  ASSERT_NE(temp, nullptr);
  EXPECT_EQ(temp->m_hWnd, h);
  EXPECT_EQ(CWnd::FromHandle(h), temp);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
  EXPECT_GE(CWnd::Map().TemporaryCount(), 1u);
  HandleMapBase::DeleteAllTemporaries();
  EXPECT_EQ(CWnd::Map().TemporaryCount(), 0u);
  // The window is untouched by the clean-up.
  EXPECT_TRUE(::IsWindow(h));
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
  ::DestroyWindow(h);
  HandleMapBase::DeleteAllTemporaries();
}

TEST_F(MessageMapTest, ModifyStyleChangesBitsAndReportsWhetherAnythingChanged) {
  CWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, "BUTTON", "b", WS_POPUP | BS_PUSHBUTTON, 0, 0, 40, 20, nullptr, nullptr));
  EXPECT_TRUE(wnd.ModifyStyle(0x1F, BS_OWNERDRAW, SWP_FRAMECHANGED));
  EXPECT_EQ(wnd.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
  EXPECT_FALSE(wnd.ModifyStyle(0, BS_OWNERDRAW));
  CString text;
  wnd.SetWindowText("caption");
  wnd.GetWindowText(text);
  EXPECT_EQ(text, "caption");
  char buffer[4];
  EXPECT_EQ(wnd.GetWindowText(buffer, 4), 3);
  EXPECT_STREQ(buffer, "cap");
  wnd.DestroyWindow();
}

}  // namespace

TEST_F(MessageMapTest, OnlyATopLevelWindowNotesThatTheSystemSettingsChanged) {
  DerivedWnd top;
  ASSERT_TRUE(top.CreateEx(0, nullptr, "top", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr));
  DerivedWnd child;
  ASSERT_TRUE(child.CreateEx(0, nullptr, "child", WS_CHILD, 0, 0, 10, 10, top.m_hWnd, nullptr));
  const struct {
    CWnd* window;
    UINT message;
    unsigned added;
  } cases[] = {{&top, WM_SETTINGCHANGE, 1},
               {&top, WM_THEMECHANGED, 1},
               {&top, WM_DISPLAYCHANGE, 1},
               {&top, WM_SYSCOLORCHANGE, 0},
               {&child, WM_SETTINGCHANGE, 0}};
  for (const auto& c : cases) {
    const unsigned before = AfxSystemSettingsGeneration();
    c.window->SendMessage(c.message, 0, 0);
    EXPECT_EQ(before + c.added, AfxSystemSettingsGeneration()) << std::hex << c.message;
  }
  top.DestroyWindow();
}
