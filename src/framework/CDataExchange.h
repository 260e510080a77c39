#pragma once

#include <windows.h>

class CWnd;

// The context of one data exchange between a dialog and its controls
// (CWnd::UpdateData -> DoDataExchange -> DDX_* calls). A failed exchange is
// recorded in m_bFailed and makes UpdateData return FALSE; nothing throws.
class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
      : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

  BOOL m_bSaveAndValidate;  // TRUE: controls -> members; FALSE: members -> controls
  CWnd* m_pDlgWnd;          // the dialog (or window) whose controls are exchanged
  BOOL m_bFailed = FALSE;
  HWND m_hWndLastControl = nullptr;

  // The control nIDC of the dialog (null, and the exchange failed, when
  // there is none).
  HWND PrepareCtrl(int nIDC);
  void Fail() { m_bFailed = TRUE; }
};

// Binds control nIDC to rControl by subclassing it, on the first exchange
// only: once rControl has a window, later exchanges change nothing.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Copies a control's text to or from value.
class CString;
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
