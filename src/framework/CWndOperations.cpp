// CWnd: the operations that take more than one platform call. The one-line
// forwarders are inline in CWnd.h; the window procedure, reflection and the
// creation hook are in CWnd.cpp.
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CWnd.h"

// ---- Creation and destruction ------------------------------------------------

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top,
                  pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == nullptr) {
    return FALSE;
  }
  HWND h = m_hWnd;
  const BOOL ok = ::DestroyWindow(h);
  // A window whose messages did not run through us (attached only) is not
  // detached by WM_NCDESTROY: forget it here.
  if (ok && m_hWnd == h) {
    Detach();
  }
  return ok;
}

// ---- Data exchange ---------------------------------------------------------------

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return !dx.m_bFailed;
}

void CWnd::DoDataExchange(CDataExchange*) {}

// ---- Operations ------------------------------------------------------------------

namespace {
BOOL ModifyWindowLong(HWND h, int index, DWORD remove, DWORD add, UINT flags) {
  const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(h, index));
  const DWORD changed = (style & ~remove) | add;
  if (style == changed) {
    return FALSE;
  }
  ::SetWindowLongPtrA(h, index, static_cast<LONG_PTR>(static_cast<LONG>(changed)));
  if (flags != 0) {
    ::SetWindowPos(h, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
  }
  return TRUE;
}
}  // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyWindowLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  HWND over = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : nullptr;
  if (over == nullptr) {
    over = (GetStyle() & WS_CHILD) != 0 ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
  }
  RECT area = {};
  RECT work = {};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  if (over != nullptr && ::IsWindowVisible(over) && !::IsIconic(over)) {
    ::GetWindowRect(over, &area);
  } else {
    area = work;
  }
  RECT self = {};
  ::GetWindowRect(m_hWnd, &self);
  const int width = self.right - self.left;
  const int height = self.bottom - self.top;
  int x = (area.left + area.right - width) / 2;
  int y = (area.top + area.bottom - height) / 2;
  if ((GetStyle() & WS_CHILD) == 0) {
    // Keep a top-level window on the work area.
    if (x + width > work.right) x = work.right - width;
    if (x < work.left) x = work.left;
    if (y + height > work.bottom) y = work.bottom - height;
    if (y < work.top) y = work.top;
  } else {
    POINT p = {x, y};
    ::ScreenToClient(::GetParent(m_hWnd), &p);
    x = p.x;
    y = p.y;
  }
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CWnd* CWnd::GetTopLevelParent() const {
  HWND h = m_hWnd;
  while (h != nullptr && (::GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD) != 0) {
    h = ::GetParent(h);
  }
  return FromHandle(h);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }

int CWnd::ReleaseDC(CDC* pDC) { return pDC != nullptr ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0; }
