#include "DemoApp.h"

#include <string>

#include "DemoDialog.h"

DemoApp::DemoApp() : CWinApp(nullptr) {}

BOOL DemoApp::InitInstance() {
  std::string line = m_lpCmdLine != nullptr ? m_lpCmdLine : "";
  const std::string option = "--shot ";
  std::string folder;
  if (line.compare(0, option.size(), option) == 0) {
    folder = line.substr(option.size());
    if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"') {
      folder = folder.substr(1, folder.size() - 2);
    }
  }
  {
    DemoDialog dialog;
    dialog.SetShotFolder(folder);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
  }
  return FALSE;
}

// The one application object.
DemoApp theApp;
