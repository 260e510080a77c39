#include "app/DriveMaskApp.h"

#include "app/DriveMaskDialog.h"

// clang-format off
BEGIN_MESSAGE_MAP(DriveMaskApp, CWinApp)
  // void CWinApp::OnHelp()
  ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()
// clang-format on

DriveMaskApp::DriveMaskApp() : CWinApp(nullptr) {}

DriveMaskApp::~DriveMaskApp() = default;

BOOL DriveMaskApp::InitInstance() {
  Enable3dControls();
  SetDialogBkColor(RGB(255, 255, 255), RGB(0, 0, 0));
  {
    DriveMaskDialog dialog;
    m_pMainWnd = &dialog;
    // How the dialog ended makes no difference: the tool ends either way.
    dialog.DoModal();
    // The dialog object goes now; the main window pointer must not outlive it.
    m_pMainWnd = nullptr;
  }
  return FALSE;
}

// The one application object, constructed before the program entry runs.
DriveMaskApp theApp;
