// A framework program built the way the tool is: a global application
// object, no main of its own; WinMain comes from veskel_framework_entry.
// Exits 0 when the framework started it as it should: AfxGetApp answers the
// object, InitInstance runs with the module's instance, Run's loop ends with
// the WM_QUIT code, and ExitInstance runs after it.
#include <windows.h>

#include "framework/Afx.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

namespace {

class QuitWindow : public CWnd {
 public:
  using Base = CWnd;
  void OnTimer(UINT_PTR) {
    KillTimer(1);
    ::PostQuitMessage(7);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(QuitWindow, CWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

class EntryApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    initOk =
        AfxGetApp() == this && AfxGetThread() == this && m_hInstance == ::GetModuleHandleA(nullptr);
    if (!window.CreateEx(0, nullptr, "entry", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr)) {
      return FALSE;
    }
    window.SetTimer(1, 10);
    return TRUE;
  }
  int ExitInstance() override {
    const int code = CWinApp::ExitInstance();
    window.DestroyWindow();
    return initOk && code == 7 ? 0 : 1;
  }

 private:
  bool initOk = false;
  QuitWindow window;
};

EntryApp theApp;

}  // namespace
