#include "framework/CToolTipCtrl.h"

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

// The tool record in the size that the control of every system version
// accepts: the record grew a trailing field for the newer controls, and the
// older ones refuse a record that carries it.
#ifdef TTTOOLINFOA_V2_SIZE
const UINT kToolInfoSize = TTTOOLINFOA_V2_SIZE;
#else
const UINT kToolInfoSize = sizeof(TTTOOLINFOA);
#endif

// Longest tip text GetText asks for. The control copies without a limit, so
// the buffer is made larger than any text this program hands it.
const std::size_t kMaxTipText = 4096;

}  // namespace

CToolTipCtrl::~CToolTipCtrl() {
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
    DestroyWindow();
  }
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&init);
  HWND parent = pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr;
  return CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr);
}

void CToolTipCtrl::FillToolInfo(TTTOOLINFOA& info, CWnd* pWnd, UINT_PTR nIDTool) const {
  std::memset(&info, 0, sizeof(info));
  info.cbSize = kToolInfoSize;
  info.hwnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
  if (nIDTool == 0) {
    info.uFlags = TTF_IDISHWND;
    info.uId = reinterpret_cast<UINT_PTR>(info.hwnd);
  } else {
    info.uId = nIDTool;
  }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  if (m_hWnd == nullptr || pWnd == nullptr) {
    return FALSE;
  }
  TTTOOLINFOA info;
  FillToolInfo(info, pWnd, nIDTool);
  if (lpRectTool != nullptr) {
    info.rect = *lpRectTool;
  } else if (nIDTool != 0) {
    pWnd->GetClientRect(&info.rect);
  }
  info.lpszText = const_cast<LPSTR>(lpszText != nullptr ? lpszText : "");
  return static_cast<BOOL>(
      ::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  if (m_hWnd == nullptr) {
    return;
  }
  TTTOOLINFOA info;
  FillToolInfo(info, pWnd, nIDTool);
  ::SendMessageA(m_hWnd, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
  if (m_hWnd == nullptr) {
    return;
  }
  TTTOOLINFOA info;
  FillToolInfo(info, pWnd, nIDTool);
  info.lpszText = const_cast<LPSTR>(lpszText != nullptr ? lpszText : "");
  ::SendMessageA(m_hWnd, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
  str = "";
  if (m_hWnd == nullptr) {
    return;
  }
  std::vector<char> buffer(kMaxTipText + 1, '\0');
  TTTOOLINFOA info;
  FillToolInfo(info, pWnd, nIDTool);
  info.lpszText = buffer.data();
  ::SendMessageA(m_hWnd, TTM_GETTEXTA, static_cast<WPARAM>(kMaxTipText),
                 reinterpret_cast<LPARAM>(&info));
  buffer[kMaxTipText] = '\0';
  str = buffer.data();
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) {
  if (m_hWnd != nullptr) {
    ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
  }
}

void CToolTipCtrl::Activate(BOOL bActivate) {
  if (m_hWnd != nullptr) {
    ::SendMessageA(m_hWnd, TTM_ACTIVATE, static_cast<WPARAM>(bActivate), 0);
  }
}

int CToolTipCtrl::SetMaxTipWidth(int iWidth) {
  if (m_hWnd == nullptr) {
    return 0;
  }
  return static_cast<int>(::SendMessageA(m_hWnd, TTM_SETMAXTIPWIDTH, 0, iWidth));
}

int CToolTipCtrl::GetToolCount() const {
  if (m_hWnd == nullptr) {
    return 0;
  }
  return static_cast<int>(::SendMessageA(m_hWnd, TTM_GETTOOLCOUNT, 0, 0));
}
