#pragma once

#include <windows.h>

#include "framework/CWinThread.h"

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

// The application object. Exactly one exists at a time (usually a global);
// its constructor registers it, AfxGetApp answers it, and the program entry
// (AfxWinMain) runs it.
class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
 public:
  using Base = CWinThread;
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  ~CWinApp() override;

  LPCSTR m_pszAppName = nullptr;  // the given name, else the module's file name
  HINSTANCE m_hInstance = nullptr;
  LPSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;

  int ExitInstance() override;

  // Every dialog answers WM_CTLCOLORDLG, ...STATIC, ...BTN and ...MSGBOX with
  // a brush of clrCtlBk and text colour clrCtlText (after its controls'
  // reflected colour handlers had their say).
  void SetDialogBkColor(COLORREF clrCtlBk = RGB(192, 192, 192), COLORREF clrCtlText = RGB(0, 0, 0));
  // The dialog colours, if set: brush (null when none), background and text.
  HBRUSH GetDialogBkBrush() const { return m_hDlgBkBrush; }
  COLORREF GetDialogBkColor() const { return m_crDlgBk; }
  COLORREF GetDialogTextColor() const { return m_crDlgText; }

  // The 3-D look of the controls. Every Windows version this program runs on
  // draws its dialogs and controls in 3-D by itself, so there is nothing to
  // do: always TRUE.
  BOOL Enable3dControls();

  // Icon resource nIDResource from the resource module (AfxFindResourceHandle).
  HICON LoadIcon(UINT nIDResource) const;
  HICON LoadIcon(LPCSTR lpszResourceName) const;
  HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;
  HICON LoadStandardIcon(LPCSTR lpszIconName) const;

  // ID_HELP: the program has no help file; nothing to show.
  void OnHelp();

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  HBRUSH m_hDlgBkBrush = nullptr;  // owned
  COLORREF m_crDlgBk = 0;
  COLORREF m_crDlgText = 0;
  char m_moduleName[MAX_PATH] = {};
};
