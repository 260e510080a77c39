#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FrameworkTestIds.h"
#include "FrameworkTestSupport.h"
#include "framework/Afx.h"
#include "framework/CButton.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CWinApp.h"

namespace {

constexpr UINT kProbe = WM_APP + 7;  // seen by the walk, then dispatched
constexpr UINT kEaten = WM_APP + 8;  // eaten by the edit's PreTranslateMessage
constexpr UINT_PTR kActionTimer = 1;
constexpr UINT_PTR kSafetyTimer = 2;

std::vector<std::string> g_log;

class WatchingEdit : public CEdit {
 public:
  using Base = CEdit;
  int preSubclassCalls = 0;
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == kProbe) g_log.push_back("edit pretranslate");
    if (msg->message == kEaten) {
      g_log.push_back("edit eats");
      return TRUE;
    }
    return CEdit::PreTranslateMessage(msg);
  }
  LRESULT OnProbe(WPARAM, LPARAM) {
    g_log.push_back("edit dispatched");
    return 0;
  }
  LRESULT OnEaten(WPARAM, LPARAM) {
    g_log.push_back("eaten message dispatched");
    return 0;
  }

 protected:
  void PreSubclassWindow() override { ++preSubclassCalls; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(WatchingEdit, CEdit)
ON_MESSAGE(kProbe, OnProbe)
ON_MESSAGE(kEaten, OnEaten)
END_MESSAGE_MAP()

class ColourButton : public CButton {
 public:
  using Base = CButton;
  HBRUSH brush = nullptr;
  HBRUSH CtlColor(CDC*, UINT) { return brush; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ColourButton, CButton)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class TestDialog : public CDialog {
 public:
  using Base = CDialog;
  explicit TestDialog(UINT id = IDD_FRAMEWORK_TEST, CWnd* parent = nullptr) : CDialog(id, parent) {}

  WatchingEdit edit;
  ColourButton go;
  bool bindMissing = false;
  int exchanges = 0;
  int saves = 0;
  int okCalls = 0;
  int cancelCalls = 0;
  std::function<void(TestDialog&)> onInit;
  std::function<void(TestDialog&)> onTimer;

  void DoDataExchange(CDataExchange* dx) override {
    ++exchanges;
    if (dx->m_bSaveAndValidate) ++saves;
    DDX_Control(dx, IDC_TEST_EDIT, edit);
    if (m_lpszTemplateName == MAKEINTRESOURCEA(IDD_FRAMEWORK_TEST)) {
      DDX_Control(dx, IDC_TEST_GO, go);
    }
    if (bindMissing) {
      CWnd missing;
      DDX_Control(dx, IDC_TEST_MISSING, missing);
    }
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    SetTimer(kSafetyTimer, 5000);
    if (onTimer) SetTimer(kActionTimer, 20);
    if (onInit) onInit(*this);
    return TRUE;
  }
  void OnOK() override {
    ++okCalls;
    CDialog::OnOK();
  }
  void OnCancel() override {
    ++cancelCalls;
    CDialog::OnCancel();
  }
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == kProbe || msg->message == kEaten) g_log.push_back("dialog pretranslate");
    return CDialog::PreTranslateMessage(msg);
  }
  void OnTimer(UINT_PTR id) {
    if (id == kSafetyTimer) {
      KillTimer(kSafetyTimer);
      EndDialog(-2);  // the test's own action never ended the dialog
      return;
    }
    KillTimer(kActionTimer);
    if (onTimer) onTimer(*this);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
ON_WM_TIMER()
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { g_log.clear(); }
  void TearDown() override {
    PumpPending();
    HandleMapBase::DeleteAllTemporaries();
  }
};

TEST_F(DialogTest, DoModalReturnsTheEndDialogCode) {
  TestDialog dlg;
  HWND seen = nullptr;
  dlg.onTimer = [&](TestDialog& d) {
    seen = d.m_hWnd;
    d.EndDialog(42);
  };
  EXPECT_EQ(dlg.DoModal(), 42);
  EXPECT_NE(seen, nullptr);
  EXPECT_FALSE(::IsWindow(seen));
  EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, EndDialogDuringInitialisationEndsAtOnce) {
  TestDialog dlg;
  dlg.onInit = [](TestDialog& d) { d.EndDialog(7); };
  EXPECT_EQ(dlg.DoModal(), 7);
}

TEST_F(DialogTest, MissingTemplateFailsWithMinusOne) {
  TestDialog dlg(4711);
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_EQ(dlg.exchanges, 0);
}

TEST_F(DialogTest, EscapeReachesOnCancel) {
  TestDialog dlg;
  dlg.onTimer = [](TestDialog& d) { d.edit.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001); };
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.cancelCalls, 1);
  EXPECT_EQ(dlg.okCalls, 0);
}

TEST_F(DialogTest, EnterReachesOnOkWhichSavesTheDataFirst) {
  TestDialog dlg;
  dlg.onTimer = [](TestDialog& d) { d.edit.PostMessage(WM_KEYDOWN, VK_RETURN, 0x001C0001); };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.okCalls, 1);
  EXPECT_EQ(dlg.cancelCalls, 0);
  EXPECT_EQ(dlg.saves, 1);
}

TEST_F(DialogTest, FailedExchangeKeepsOnOkFromClosing) {
  TestDialog dlg;
  int okResults = 0;
  dlg.onTimer = [&](TestDialog& d) {
    d.bindMissing = true;
    d.OnOK();  // the exchange fails: the dialog stays open
    okResults += d.ContinueModal() ? 1 : 0;
    d.EndDialog(5);
  };
  EXPECT_EQ(dlg.DoModal(), 5);
  EXPECT_EQ(okResults, 1);
}

TEST_F(DialogTest, PreTranslateWalksFromTheTargetUpToTheDialog) {
  TestDialog dlg;
  dlg.onTimer = [](TestDialog& d) {
    d.edit.PostMessage(kEaten);
    d.edit.PostMessage(kProbe);
    d.PostMessage(WM_COMMAND, IDCANCEL);
  };
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(g_log, (std::vector<std::string>{"edit eats", "edit pretranslate",
                                             "dialog pretranslate", "edit dispatched"}));
}

TEST_F(DialogTest, DdxControlBindsOnTheFirstExchangeOnly) {
  TestDialog dlg;
  BOOL again = FALSE;
  HWND editWindow = nullptr;
  dlg.onTimer = [&](TestDialog& d) {
    editWindow = ::GetDlgItem(d.m_hWnd, IDC_TEST_EDIT);
    again = d.UpdateData(TRUE) && d.UpdateData(FALSE);
    d.EndDialog(IDOK);
  };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_TRUE(again);
  EXPECT_EQ(dlg.exchanges, 3);
  EXPECT_EQ(dlg.edit.preSubclassCalls, 1);
  // Bound to the template's control while the dialog lived; detached since.
  EXPECT_NE(editWindow, nullptr);
  EXPECT_EQ(dlg.edit.m_hWnd, nullptr);
}

TEST_F(DialogTest, ExchangeWithAMissingControlFails) {
  TestDialog dlg;
  BOOL result = TRUE;
  dlg.onTimer = [&](TestDialog& d) {
    d.bindMissing = true;
    result = d.UpdateData(FALSE);
    d.EndDialog(IDOK);
  };
  dlg.DoModal();
  EXPECT_FALSE(result);
}

TEST_F(DialogTest, TemporaryObjectsAreFreedWhenTheLoopGoesIdle) {
  TestDialog dlg;
  size_t atInit = 0;
  size_t atTimer = 99;
  dlg.onInit = [&](TestDialog& d) {
    d.GetDlgItem(IDC_TEST_LABEL);  // not bound: a temporary wrapper
    atInit = CWnd::Map().TemporaryCount();
  };
  int ticks = 0;
  dlg.onTimer = [&](TestDialog& d) {
    // The queue may not have run empty yet (painting on a busy machine):
    // look again later; without the idle clean-up nothing frees them.
    atTimer = CWnd::Map().TemporaryCount();
    if (atTimer != 0 && ++ticks < 50) {
      d.SetTimer(kActionTimer, 20);
      return;
    }
    d.EndDialog(IDOK);
  };
  dlg.DoModal();
  EXPECT_GE(atInit, 1u);
  EXPECT_EQ(atTimer, 0u);
}

TEST_F(DialogTest, OwnerIsDisabledWhileTheDialogRunsAndEnabledAfter) {
  CWnd owner;
  ASSERT_TRUE(
      owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr));
  TestDialog dlg(IDD_FRAMEWORK_TEST, &owner);
  BOOL enabledDuring = TRUE;
  HWND ownerOfDialog = nullptr;
  dlg.onTimer = [&](TestDialog& d) {
    enabledDuring = owner.IsWindowEnabled();
    ownerOfDialog = ::GetWindow(d.m_hWnd, GW_OWNER);
    d.EndDialog(IDOK);
  };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_FALSE(enabledDuring);
  EXPECT_EQ(ownerOfDialog, owner.m_hWnd);
  EXPECT_TRUE(owner.IsWindowEnabled());
  owner.DestroyWindow();
}

TEST_F(DialogTest, DialogAtOriginIsCentredAndAPlacedOneIsShownWhenIdle) {
  TestDialog centred;
  CRect rect;
  centred.onTimer = [&](TestDialog& d) {
    d.GetWindowRect(&rect);
    d.EndDialog(IDOK);
  };
  centred.DoModal();
  RECT work;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR(rect.CenterPoint().x, (work.left + work.right) / 2, 1);
  EXPECT_NEAR(rect.CenterPoint().y, (work.top + work.bottom) / 2, 1);

  TestDialog placed(IDD_FRAMEWORK_PLACED);
  BOOL visible = FALSE;
  CRect placedRect;
  placed.onTimer = [&](TestDialog& d) {
    visible = d.IsWindowVisible();
    d.GetWindowRect(&placedRect);
    d.EndDialog(IDOK);
  };
  placed.DoModal();
  EXPECT_TRUE(visible);
  EXPECT_NE(placedRect.CenterPoint().x, (work.left + work.right) / 2);
}

TEST_F(DialogTest, QuitMessageEndsTheModalLoopAndIsPassedOn) {
  TestDialog dlg;
  dlg.onTimer = [](TestDialog&) { ::PostQuitMessage(3); };
  EXPECT_EQ(dlg.DoModal(), -1);
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(DialogTest, ModelessCreateAndEndDialogHides) {
  TestDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_FRAMEWORK_TEST));
  EXPECT_EQ(dlg.exchanges, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT)), &dlg.edit);
  EXPECT_TRUE(dlg.IsWindowVisible());
  dlg.EndDialog(IDCANCEL);
  EXPECT_FALSE(dlg.IsWindowVisible());
  dlg.DestroyWindow();
  EXPECT_EQ(dlg.m_hWnd, nullptr);
}

// ---- Dialog colours ------------------------------------------------------------

class DialogColourTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.SetDialogBkColor(RGB(250, 240, 230), RGB(20, 30, 40));
    ASSERT_TRUE(dlg.Create(IDD_FRAMEWORK_TEST));
    dc = ::CreateCompatibleDC(nullptr);
  }
  void TearDown() override {
    ::DeleteDC(dc);
    dlg.DestroyWindow();
    HandleMapBase::DeleteAllTemporaries();
  }
  HBRUSH Ask(UINT message, int id) {
    HWND target = id != 0 ? ::GetDlgItem(dlg.m_hWnd, id) : dlg.m_hWnd;
    return reinterpret_cast<HBRUSH>(
        dlg.SendMessage(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(target)));
  }
  CWinApp app;
  TestDialog dlg;
  HDC dc = nullptr;
};

TEST_F(DialogColourTest, DialogStaticButtonAndMessageBoxTakeTheApplicationColours) {
  ASSERT_EQ(AfxGetApp(), &app);
  for (UINT message : {WM_CTLCOLORDLG, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLORMSGBOX}) {
    ::SetTextColor(dc, RGB(0, 0, 0));
    const int id = message == WM_CTLCOLORDLG ? 0 : IDC_TEST_LABEL;
    EXPECT_EQ(Ask(message, id), app.GetDialogBkBrush()) << message;
    EXPECT_EQ(::GetTextColor(dc), RGB(20, 30, 40)) << message;
    EXPECT_EQ(::GetBkColor(dc), RGB(250, 240, 230)) << message;
  }
  // Edit fields keep the system's colours.
  EXPECT_NE(Ask(WM_CTLCOLOREDIT, IDC_TEST_EDIT), app.GetDialogBkBrush());
}

TEST_F(DialogColourTest, ReflectedBrushWinsOverTheDialogColours) {
  HBRUSH own = ::CreateSolidBrush(RGB(1, 1, 1));
  dlg.go.brush = own;
  EXPECT_EQ(Ask(WM_CTLCOLORBTN, IDC_TEST_GO), own);
  dlg.go.brush = nullptr;
  EXPECT_EQ(Ask(WM_CTLCOLORBTN, IDC_TEST_GO), app.GetDialogBkBrush());
  ::DeleteObject(own);
}

TEST_F(DialogColourTest, BackgroundIsPaintedInTheDialogColour) {
  HDC screen = ::GetDC(nullptr);
  HBITMAP colour = ::CreateCompatibleBitmap(screen, 20, 20);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ old = ::SelectObject(dc, colour);
  dlg.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
  EXPECT_EQ(::GetPixel(dc, 5, 5), RGB(250, 240, 230));
  ::SelectObject(dc, old);
  ::DeleteObject(colour);
}

}  // namespace
