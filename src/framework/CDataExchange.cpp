#include "framework/CDataExchange.h"

#include "framework/CString.h"
#include "framework/CWnd.h"

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND control = m_pDlgWnd != nullptr ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
  if (control == nullptr) {
    Fail();
  }
  m_hWndLastControl = control;
  return control;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) {
    return;  // bound by an earlier exchange
  }
  HWND control = pDX->PrepareCtrl(nIDC);
  if (control == nullptr || !rControl.SubclassWindow(control)) {
    pDX->Fail();
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND control = pDX->PrepareCtrl(nIDC);
  if (control == nullptr) {
    return;
  }
  if (pDX->m_bSaveAndValidate) {
    const int length = ::GetWindowTextLengthA(control);
    char* buffer = value.GetBufferSetLength(length);
    const int n = ::GetWindowTextA(control, buffer, length + 1);
    value.ReleaseBuffer(n < 0 ? 0 : n);
  } else {
    ::SetWindowTextA(control, value);
  }
}
