#pragma once

#include <windows.h>

#include "framework/CWinApp.h"

// The tool's application object: sets the dialog colours, runs the main
// dialog modally and lets the process end when it closes. The framework's own
// message loop never runs.
class DriveMaskApp : public CWinApp {
 public:
  using Base = CWinApp;
  DriveMaskApp();
  ~DriveMaskApp() override;

  // White dialogs with black text, then the main dialog until it ends.
  // Always FALSE: there is nothing left to run once the dialog has closed.
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};
