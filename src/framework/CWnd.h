#pragma once

#include <windows.h>

#include "framework/CCmdTarget.h"
#include "framework/CPoint.h"
#include "framework/CRect.h"
#include "framework/CSize.h"
#include "framework/CString.h"
#include "framework/HandleMap.h"
#include "framework/MessageMap.h"

class CDataExchange;
class CDC;
class CMenu;

// A window object: the framework's wrapper of an HWND.
//
// Windows are attached to objects in two ways: permanently (Attach,
// SubclassWindow, CreateEx, dialogs), or as temporary wrappers that
// FromHandle makes for foreign handles and that the message loop frees when
// it goes idle. A permanent window's messages run through the framework's one
// window procedure: WindowProc -> OnWndMsg (reflection, then the message map)
// -> DefWindowProc, which calls the window's original procedure.
//
// The object and its window may part at either end: destroying the object
// unsubclasses and detaches a live window; destroying the window
// (WM_NCDESTROY) detaches the object and calls PostNcDestroy.
class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)
 public:
  using Base = CCmdTarget;
  HWND m_hWnd = nullptr;

  CWnd() = default;
  ~CWnd() override;

  // ---- Handle maps ---------------------------------------------------------
  // The permanent object of h, else a temporary wrapper (freed at idle); null
  // for a null handle.
  static CWnd* FromHandle(HWND h);
  // The permanent object of h, else null.
  static CWnd* FromHandlePermanent(HWND h);
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }
  // Makes this the permanent object of h (no subclassing). FALSE when this
  // object already has a window, h is null or h has a permanent object.
  BOOL Attach(HWND h);
  // Forgets the window without touching it; returns it.
  HWND Detach();
  // Attaches h and routes its messages through the framework's window
  // procedure: PreSubclassWindow runs first, then the window procedure is
  // replaced; the original one is kept for DefWindowProc and Default.
  BOOL SubclassWindow(HWND h);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  // Puts the original window procedure back and detaches; returns the window.
  HWND UnsubclassWindow();

  // Used by HandleMap for temporary wrappers.
  static CWnd* NewTemporary(HWND h);
  static void DeleteTemporary(CWnd* p);
  static HandleMap<CWnd, HWND>& Map();

  // ---- Creation ------------------------------------------------------------
  // A window of the given class (the framework's own plain class when null),
  // attached and routed through the message map from its first message on.
  virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                        LPVOID lpParam = nullptr);
  virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                      CWnd* pParentWnd, UINT nID);
  virtual BOOL DestroyWindow();
  // Name of the framework's plain window class (registered on first use).
  static LPCSTR DefaultClassName();

  // ---- Routing ---------------------------------------------------------------
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Reflection, then the message map; TRUE when something handled it.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // WM_COMMAND: reflection to the control, then OnCmdMsg.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // WM_NOTIFY: reflection to the control, then the map.
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // The original window procedure of the window (or ::DefWindowProc).
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Sends the message being handled (the innermost one on this thread) to
  // the original window procedure of this window.
  LRESULT Default();
  // The message being handled on this thread (zeroes outside a handler).
  static const MSG* GetCurrentMessage();
  // Offered each message that the message loop routes through this window
  // before it is dispatched; TRUE = eaten. Default FALSE.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Offers pMsg to PreTranslateMessage of each permanent window from its
  // target up to hWndStop (included); TRUE when one ate it.
  static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

  // Reflection: a parent offers a child's notification to the child's object
  // first. TRUE = handled here, the parent does nothing more.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Runs the child's *_REFLECT map entries for the message.
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Offers the message being handled to the permanent object of hWndChild.
  static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);

  // ---- Data exchange -------------------------------------------------------
  // Runs DoDataExchange; FALSE when an exchange failed.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* pDX);

  // ---- Operations ----------------------------------------------------------
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                BOOL bDeep = TRUE) const;

  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  // Removes and adds style bits; with nFlags, SetWindowPos(nFlags) so that a
  // frame change takes effect. FALSE when the style stayed the same.
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

  void SetWindowText(LPCSTR lpszString);
  int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;
  void SetFont(HFONT hFont, BOOL bRedraw = TRUE);
  HFONT GetFont() const;

  CWnd* GetDlgItem(int nID) const;
  void GetDlgItem(int nID, HWND* phWnd) const;
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);
  void SetDlgItemText(int nID, LPCSTR lpszString);
  int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
  int GetDlgItemText(int nID, CString& rString) const;
  void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
  UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
  UINT IsDlgButtonChecked(int nIDButton) const;
  void CheckDlgButton(int nIDButton, UINT nCheck);
  LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void ValidateRect(LPCRECT lpRect);
  void UpdateWindow();
  BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

  void GetClientRect(LPRECT lpRect) const;
  void GetWindowRect(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void ClientToScreen(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  // Centres the window over pAlternateOwner, its owner, or the work area.
  void CenterWindow(CWnd* pAlternateOwner = nullptr);

  CWnd* SetFocus();
  static CWnd* GetFocus();
  static CWnd* GetActiveWindow();
  CWnd* SetActiveWindow();
  CWnd* GetParent() const;
  CWnd* GetOwner() const;
  CWnd* GetTopLevelParent() const;
  CWnd* GetWindow(UINT nCmd) const;
  static CWnd* GetDesktopWindow();
  static CWnd* WindowFromPoint(POINT point);
  BOOL IsChild(const CWnd* pWnd) const;
  BOOL IsIconic() const;
  BOOL IsZoomed() const;
  BOOL IsWindowVisible() const;
  BOOL IsWindowEnabled() const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL ShowWindow(int nCmdShow);
  HMENU GetMenu() const;
  BOOL SetMenu(HMENU hMenu);
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
  BOOL KillTimer(UINT_PTR nIDEvent);
  CWnd* SetCapture();
  HICON SetIcon(HICON hIcon, BOOL bBigIcon);
  CDC* GetDC();
  int ReleaseDC(CDC* pDC);

  // ---- Menu support plugged in by CMenu --------------------------------------
  // CMenu lives above CWnd; CMenu.cpp fills these at start-up so that CWnd's
  // default handlers can reach menu objects without depending on CMenu.
  struct MenuRouting {
    // CMenu::FromHandle: the permanent CMenu of h, else a temporary one.
    CMenu* (*fromHandle)(HMENU h);
    // Default WM_DRAWITEM for an ODT_MENU item: DrawItem of the permanent
    // CMenu whose handle is item->hwndItem. TRUE when a menu drew it.
    BOOL (*drawItem)(CWnd* owner, LPDRAWITEMSTRUCT item);
    // Default WM_MEASUREITEM for an ODT_MENU item: MeasureItem of the
    // permanent CMenu that holds item->itemID, searching the popup that
    // CMenu::TrackPopupMenu is tracking for owner, else owner's own menu.
    // TRUE when a menu measured it.
    BOOL (*measureItem)(CWnd* owner, LPMEASUREITEMSTRUCT item);
  };
  static MenuRouting s_menuRouting;  // all null until CMenu is linked in

  // ---- Default handlers (the window's own processing unless noted) ----------
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnDestroy();
  void OnClose();
  void OnSize(UINT nType, int cx, int cy);
  void OnTimer(UINT_PTR nIDEvent);
  BOOL OnEraseBkgnd(CDC* pDC);
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  void OnSetFocus(CWnd* pOldWnd);
  void OnKillFocus(CWnd* pNewWnd);
  void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  void OnEnable(BOOL bEnable);
  void OnCancelMode();
  UINT OnGetDlgCode();
  void OnSysColorChange();
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnMouseLeave();
  LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
  void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  // Menu items go to the menu object (MenuRouting); others to Default.
  void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

 protected:
  // Runs before SubclassWindow replaces the window procedure, and for
  // windows created through CreateEx, as soon as the window exists.
  virtual void PreSubclassWindow();
  // Runs after WM_NCDESTROY, when the object has been detached.
  virtual void PostNcDestroy();

  WNDPROC m_pfnSuper = nullptr;  // the original window procedure

  // Creation: the next window created on this thread is attached to pWnd
  // (and subclassed) as soon as it exists, before its first message.
  static void HookWindowCreate(CWnd* pWnd);
  static bool UnhookWindowCreate();  // false when no window was caught
  // Ends a hooked creation that returned h: TRUE when this object is now
  // attached to h; on failure forgets a handle the hook may have attached.
  BOOL FinishHookedCreate(HWND h);

  DECLARE_MESSAGE_MAP()

 private:
  friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK FrameworkCbtHook(int, WPARAM, LPARAM);
  friend LRESULT CallFrameworkWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
  // Puts the window procedure back when it is still ours.
  void RestoreWndProc();
  void OnFinalNcDestroy();
  // The child that a message of this window is about, for reflection.
  HWND ChildOfNotification(UINT message, WPARAM wParam, LPARAM lParam) const;
};

// The framework's window procedure (every permanent window runs through it).
LRESULT CALLBACK FrameworkWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// ---- One-line operations ---------------------------------------------------
// Each forwards to the platform call of the same name on m_hWnd.

inline LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

inline BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

inline DWORD CWnd::GetStyle() const {
  return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

inline DWORD CWnd::GetExStyle() const {
  return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
}

inline void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }

inline void CWnd::GetWindowText(CString& rString) const {
  const int length = ::GetWindowTextLengthA(m_hWnd);
  char* buffer = rString.GetBufferSetLength(length);
  const int n = ::GetWindowTextA(m_hWnd, buffer, length + 1);
  rString.ReleaseBuffer(n < 0 ? 0 : n);
}

inline int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
  return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

inline int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }

inline void CWnd::SetFont(HFONT hFont, BOOL bRedraw) {
  ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
}

inline HFONT CWnd::GetFont() const {
  return reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
}

inline CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

inline void CWnd::GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ::GetDlgItem(m_hWnd, nID); }

inline int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

inline int CWnd::SetDlgCtrlID(int nID) {
  return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, nID));
}

inline void CWnd::SetDlgItemText(int nID, LPCSTR lpszString) {
  ::SetDlgItemTextA(m_hWnd, nID, lpszString);
}

inline int CWnd::GetDlgItemText(int nID, CString& rString) const {
  HWND item = ::GetDlgItem(m_hWnd, nID);
  if (item == nullptr) {
    rString.Empty();
    return 0;
  }
  CWnd temp;
  temp.m_hWnd = item;
  temp.GetWindowText(rString);
  temp.m_hWnd = nullptr;
  return rString.GetLength();
}

inline int CWnd::GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const {
  return static_cast<int>(::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount));
}

inline void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) {
  ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

inline UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
  return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

inline UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
  return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

inline void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
  ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

inline LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

inline void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }

inline void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) {
  ::InvalidateRect(m_hWnd, lpRect, bErase);
}

inline void CWnd::ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }

inline void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

inline BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags) {
  return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
}

inline void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }

inline void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }

inline void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }

inline void CWnd::ClientToScreen(LPRECT lpRect) const {
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

inline void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }

inline void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

inline void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

inline void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
  ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

inline BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy,
                               UINT nFlags) {
  return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x,
                        y, cx, cy, nFlags);
}

inline CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

inline CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

inline CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }

inline CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }

inline CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

inline CWnd* CWnd::GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }

inline CWnd* CWnd::GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }

inline CWnd* CWnd::GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }

inline CWnd* CWnd::WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }

inline BOOL CWnd::IsChild(const CWnd* pWnd) const {
  return pWnd != nullptr && ::IsChild(m_hWnd, pWnd->m_hWnd);
}

inline BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }

inline BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }

inline BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

inline BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

inline BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }

inline BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }

inline HMENU CWnd::GetMenu() const { return ::GetMenu(m_hWnd); }

inline BOOL CWnd::SetMenu(HMENU hMenu) { return ::SetMenu(m_hWnd, hMenu); }

inline UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
  return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

inline BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

inline CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }

inline HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
  return reinterpret_cast<HICON>(::SendMessageA(
      m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

// ---- Default handlers ------------------------------------------------------
// Each passes the message on to the original window procedure.

inline void CWnd::OnPaint() { Default(); }
inline HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
inline int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
inline void CWnd::OnDestroy() { Default(); }
inline void CWnd::OnClose() { Default(); }
inline void CWnd::OnSize(UINT, int, int) { Default(); }
inline void CWnd::OnTimer(UINT_PTR) { Default(); }
inline BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
inline BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
inline void CWnd::OnSetFocus(CWnd*) { Default(); }
inline void CWnd::OnKillFocus(CWnd*) { Default(); }
inline void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
inline void CWnd::OnEnable(BOOL) { Default(); }
inline void CWnd::OnCancelMode() { Default(); }
inline UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
inline void CWnd::OnSysColorChange() { Default(); }
inline void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
inline void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
inline void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
inline void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
inline void CWnd::OnMouseLeave() { Default(); }
inline LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
inline void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
inline HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
