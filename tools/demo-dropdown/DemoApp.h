#pragma once

#include "framework/CWinApp.h"

// The demo's application object: runs the demo dialog modally and ends.
// "--shot FOLDER" on the command line runs it in picture mode (DemoDialog).
class DemoApp : public CWinApp {
 public:
  DemoApp();
  BOOL InitInstance() override;
};
