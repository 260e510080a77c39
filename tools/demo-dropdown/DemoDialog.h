#pragma once

#include <windows.h>

#include <string>

#include "controls/button/StyledButton.h"
#include "framework/CDialog.h"

// The demo's dialog: a Tools button that drops down the demo menu, a line
// that names the last command picked, and a Close button.
//
// In picture mode (SetShotFolder) the dialog opens its own menu shortly after
// it appears, highlights an item, writes the screen rectangle of dialog and
// menu into the file "ready" of the folder, and closes once a file "done"
// appears there (or after half a minute).
class DemoDialog : public CDialog {
 public:
  using Base = CDialog;
  DemoDialog();
  ~DemoDialog() override;

  void SetShotFolder(const std::string& folder) { m_shotFolder = folder; }

 protected:
  StyledButton m_tools;
  bool m_statusBar = true;
  std::string m_shotFolder;
  int m_shotTicks = 0;   // ticks of the picture timer
  int m_shownTicks = 0;  // of them, ticks with the menu on the screen

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  // Commands of the Tools menu, which the button posts to this dialog.
  void OnMenuCommand(UINT id);
  // Sent by the button just before the menu opens: wParam is the popup.
  LRESULT OnMenuOpening(WPARAM wParam, LPARAM lParam);
  void OnTimer(UINT_PTR id);

  DECLARE_MESSAGE_MAP()

 private:
  void StepShot();
};
