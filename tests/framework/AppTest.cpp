#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameworkTestIds.h"
#include "FrameworkTestSupport.h"
#include "framework/Afx.h"
#include "framework/CDialog.h"
#include "framework/CWinApp.h"

namespace {

std::vector<std::string> g_steps;

class TickWindow : public CWnd {
 public:
  using Base = CWnd;
  size_t temporariesAtTick = 99;
  void OnTimer(UINT_PTR) {
    KillTimer(1);
    temporariesAtTick = CWnd::Map().TemporaryCount();
    ::PostQuitMessage(5);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TickWindow, CWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

class StepApp : public CWinApp {
 public:
  using Base = CWinApp;
  BOOL runLoop = FALSE;
  int helpCalls = 0;
  TickWindow window;

  BOOL InitInstance() override {
    g_steps.push_back("init");
    if (runLoop) {
      window.CreateEx(0, nullptr, "tick", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
      m_pMainWnd = &window;
      CWnd::FromHandle(::GetDesktopWindow());  // a temporary, freed at idle
      window.SetTimer(1, 20);
    }
    return runLoop;
  }
  int Run() override {
    g_steps.push_back("run");
    return CWinApp::Run();
  }
  int ExitInstance() override {
    g_steps.push_back("exit");
    window.DestroyWindow();
    return CWinApp::ExitInstance() + 100;
  }
  void OnHelpCommand() {
    ++helpCalls;
    CWinApp::OnHelp();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(StepApp, CWinApp)
ON_COMMAND(ID_HELP, OnHelpCommand)
END_MESSAGE_MAP()

TEST(WinApp, ConstructorRegistersTheOneApplication) {
  EXPECT_EQ(AfxGetApp(), nullptr);
  {
    StepApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxGetThread(), &app);
    StepApp second;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_TRUE(app.Enable3dControls());
    EXPECT_NE(app.m_pszAppName, nullptr);
  }
  EXPECT_EQ(AfxGetApp(), nullptr);
}

TEST(WinApp, InitInstanceFalseSkipsRunAndReturnsExitInstance) {
  g_steps.clear();
  StepApp app;
  EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOW), 100);
  EXPECT_EQ(g_steps, (std::vector<std::string>{"init", "exit"}));
}

TEST(WinApp, RunLoopsUntilQuitFreesTemporariesWhenIdleAndExitInstanceGetsTheCode) {
  g_steps.clear();
  StepApp app;
  app.runLoop = TRUE;
  EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOW), 105);
  EXPECT_EQ(g_steps, (std::vector<std::string>{"init", "run", "exit"}));
  EXPECT_EQ(app.window.temporariesAtTick, 0u);
  EXPECT_EQ(app.m_hInstance, ::GetModuleHandleA(nullptr));
}

TEST(WinApp, CommandsADialogLeavesGoToTheApplication) {
  StepApp app;
  CDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_FRAMEWORK_TEST));
  dlg.SendMessage(WM_COMMAND, ID_HELP);
  EXPECT_EQ(app.helpCalls, 1);
  dlg.DestroyWindow();
}

TEST(WinApp, FindResourceHandleFindsTheTemplatesOfThisProgram) {
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_FRAMEWORK_TEST), RT_DIALOG), module);
  EXPECT_EQ(AfxGetResourceHandle(), module);
  EXPECT_EQ(AfxGetInstanceHandle(), module);
}

}  // namespace
