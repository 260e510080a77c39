#include "framework/CWnd.h"

#include "framework/CDC.h"
#include "framework/CDataExchange.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

CWnd::MenuRouting CWnd::s_menuRouting = {nullptr, nullptr, nullptr};

namespace {

// Window property that keeps the original window procedure of a subclassed
// window, so that its messages still reach it if the object is gone while
// the framework's procedure is still installed (someone subclassed it after
// us and we could not unhook).
const char kSuperProcProp[] = "VeskelSuperProc";

// The message being handled on this thread; each window procedure call saves
// the outer one and puts it back, so nested sends see their own.
thread_local const MSG* t_currentMessage = nullptr;
const MSG kNoMessage = {};

// Window creation in progress on this thread (see HookWindowCreate).
thread_local CWnd* t_wndInit = nullptr;
thread_local HHOOK t_cbtHook = nullptr;

class CurrentMessageScope {
 public:
  explicit CurrentMessageScope(const MSG* msg) : m_saved(t_currentMessage) {
    t_currentMessage = msg;
  }
  ~CurrentMessageScope() { t_currentMessage = m_saved; }
  CurrentMessageScope(const CurrentMessageScope&) = delete;
  CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

 private:
  const MSG* m_saved;
};

bool IsCtlColorMessage(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

namespace framework_detail {
CWnd* WndFromHandle(HWND h) { return CWnd::FromHandle(h); }
CDC* DCFromHandle(HDC h) { return CDC::FromHandle(h); }
CMenu* MenuFromHandle(HMENU h) {
  return CWnd::s_menuRouting.fromHandle != nullptr ? CWnd::s_menuRouting.fromHandle(h) : nullptr;
}
}  // namespace framework_detail

// ---- Message map -----------------------------------------------------------

// The defaults that must run even when a derived class has no entry: the
// owner-drawn menu items go to their menu objects.
BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

// ---- Handle maps -------------------------------------------------------------

HandleMap<CWnd, HWND>& CWnd::Map() {
  // Never destroyed: window objects with static lifetime may still look
  // themselves up while the process exits.
  static HandleMap<CWnd, HWND>* const map = new HandleMap<CWnd, HWND>;
  return *map;
}

CWnd* CWnd::NewTemporary(HWND h) {
  CWnd* p = new CWnd;
  p->m_hWnd = h;
  return p;
}

void CWnd::DeleteTemporary(CWnd* p) {
  p->m_hWnd = nullptr;
  delete p;
}

CWnd* CWnd::FromHandle(HWND h) { return Map().FromHandle(h); }

CWnd* CWnd::FromHandlePermanent(HWND h) {
  return h != nullptr ? Map().LookupPermanent(h) : nullptr;
}

CWnd::~CWnd() {
  if (m_hWnd != nullptr && Map().LookupPermanent(m_hWnd) == this) {
    // The window outlives its object: give it back its own procedure.
    RestoreWndProc();
    Detach();
  }
}

BOOL CWnd::Attach(HWND h) {
  if (h == nullptr || m_hWnd != nullptr || FromHandlePermanent(h) != nullptr) {
    return FALSE;
  }
  m_hWnd = h;
  Map().SetPermanent(h, this);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND h = m_hWnd;
  if (h != nullptr && Map().LookupPermanent(h) == this) {
    Map().RemoveHandle(h);
  }
  m_hWnd = nullptr;
  return h;
}

BOOL CWnd::SubclassWindow(HWND h) {
  if (h == nullptr || !::IsWindow(h) || !Attach(h)) {
    return FALSE;
  }
  PreSubclassWindow();
  WNDPROC old = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWndProc)));
  if (old == nullptr) {
    Detach();
    return FALSE;
  }
  if (old != &FrameworkWndProc) {
    m_pfnSuper = old;
    ::SetPropA(h, kSuperProcProp, reinterpret_cast<HANDLE>(old));
  }
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  if (pParent == nullptr || pParent->m_hWnd == nullptr) {
    return FALSE;
  }
  return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

void CWnd::RestoreWndProc() {
  if (m_hWnd == nullptr || m_pfnSuper == nullptr) {
    return;
  }
  if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == &FrameworkWndProc) {
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropA(m_hWnd, kSuperProcProp);
  }
  m_pfnSuper = nullptr;
}

HWND CWnd::UnsubclassWindow() {
  RestoreWndProc();
  return Detach();
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

void CWnd::OnFinalNcDestroy() {
  RestoreWndProc();
  if (m_hWnd != nullptr) {
    ::RemovePropA(m_hWnd, kSuperProcProp);
  }
  Detach();
  PostNcDestroy();
}

// ---- Window procedure ----------------------------------------------------------

LRESULT CallFrameworkWndProc(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG current = {};
  current.hwnd = hwnd;
  current.message = message;
  current.wParam = wParam;
  current.lParam = lParam;
  CurrentMessageScope scope(&current);
  const LRESULT result = wnd->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hwnd) == wnd) {
    wnd->OnFinalNcDestroy();
  }
  return result;
}

LRESULT CALLBACK FrameworkWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
  if (wnd == nullptr) {
    WNDPROC super = reinterpret_cast<WNDPROC>(::GetPropA(hwnd, kSuperProcProp));
    if (message == WM_NCDESTROY) {
      ::RemovePropA(hwnd, kSuperProcProp);
    }
    return super != nullptr ? ::CallWindowProcA(super, hwnd, message, wParam, lParam)
                            : ::DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return CallFrameworkWndProc(wnd, hwnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) {
    result = DefWindowProc(message, wParam, lParam);
  }
  return result;
}

HWND CWnd::ChildOfNotification(UINT message, WPARAM wParam, LPARAM lParam) const {
  HWND child = nullptr;
  if (message == WM_DRAWITEM) {
    auto* item = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
    if (item != nullptr && item->CtlType != ODT_MENU) {
      child = item->hwndItem;
    }
  } else if (message == WM_MEASUREITEM) {
    auto* item = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
    if (item != nullptr && item->CtlType != ODT_MENU) {
      child = ::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID));
    }
  } else if (IsCtlColorMessage(message)) {
    child = reinterpret_cast<HWND>(lParam);
  } else if (message == WM_COMPAREITEM || message == WM_DELETEITEM) {
    child = ::GetDlgItem(m_hWnd, static_cast<int>(wParam));
  }
  return child != m_hWnd ? child : nullptr;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    if (OnCommand(wParam, lParam)) {
      *pResult = 0;
      return TRUE;
    }
    return FALSE;
  }
  if (message == WM_NOTIFY) {
    LRESULT result = 0;
    if (OnNotify(wParam, lParam, &result)) {
      *pResult = result;
      return TRUE;
    }
    return FALSE;
  }
  if (message == WM_SYSCOLORCHANGE && (GetStyle() & WS_CHILD) == 0) {
    // The system tells only top-level windows that its colours changed:
    // pass the news on to every control inside, which may cache colours.
    SendMessageToDescendants(message, wParam, lParam, TRUE);
  }
  if (HWND child = ChildOfNotification(message, wParam, lParam)) {
    CWnd* childWnd = FromHandlePermanent(child);
    LRESULT result = 0;
    if (childWnd != nullptr && childWnd->OnChildNotify(message, wParam, lParam, &result)) {
      *pResult = result;
      return TRUE;
    }
  }
  MessageArgs args = {message, wParam, lParam, 0};
  if (DispatchToMessageMap(message, 0, 0, args)) {
    *pResult = args.result;
    return TRUE;
  }
  return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  int code = HIWORD(wParam);
  if (control != nullptr) {
    if (control != m_hWnd) {
      CWnd* child = FromHandlePermanent(control);
      LRESULT ignored = 0;
      if (child != nullptr && child->OnChildNotify(WM_COMMAND, wParam, lParam, &ignored)) {
        return TRUE;
      }
    }
  } else {
    code = 0;  // menu item or accelerator: both are plain commands
  }
  MessageArgs args = {WM_COMMAND, wParam, lParam, 0};
  return OnCmdMsg(id, code, args);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header == nullptr) {
    return FALSE;
  }
  if (header->hwndFrom != nullptr && header->hwndFrom != m_hWnd) {
    CWnd* child = FromHandlePermanent(header->hwndFrom);
    if (child != nullptr && child->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult)) {
      return TRUE;
    }
  }
  MessageArgs args = {WM_NOTIFY, wParam, lParam, 0};
  if (DispatchToMessageMap(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom), args)) {
    *pResult = args.result;
    return TRUE;
  }
  return FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  MessageArgs args = {message, wParam, lParam, 0};
  // A reflected message runs as this window's current message, so that
  // Default() in a reflected handler goes to this window's own procedure
  // (which ignores the reflected message number) and not to the parent's.
  MSG reflected = {};
  reflected.hwnd = m_hWnd;
  reflected.message = WM_REFLECT_BASE + message;
  reflected.wParam = wParam;
  reflected.lParam = lParam;
  CurrentMessageScope scope(&reflected);
  BOOL handled = FALSE;
  if (message == WM_COMMAND) {
    handled = DispatchToMessageMap(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0, args);
  } else if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    handled = header != nullptr &&
              DispatchToMessageMap(WM_REFLECT_BASE + WM_NOTIFY, header->code, 0, args);
  } else {
    handled = DispatchToMessageMap(WM_REFLECT_BASE + message, 0, 0, args);
  }
  if (handled && pResult != nullptr) {
    *pResult = args.result;
  }
  return handled;
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
  CWnd* child = FromHandlePermanent(hWndChild);
  const MSG* msg = GetCurrentMessage();
  if (child == nullptr || msg->message == 0) {
    return FALSE;
  }
  LRESULT ignored = 0;
  return child->OnChildNotify(msg->message, msg->wParam, msg->lParam,
                              pResult != nullptr ? pResult : &ignored);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) {
    return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  }
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage() {
  return t_currentMessage != nullptr ? t_currentMessage : &kNoMessage;
}

LRESULT CWnd::Default() {
  const MSG* msg = GetCurrentMessage();
  return DefWindowProc(msg->message, msg->wParam, msg->lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND h = pMsg->hwnd; h != nullptr; h = ::GetParent(h)) {
    CWnd* wnd = FromHandlePermanent(h);
    if (wnd != nullptr && wnd->PreTranslateMessage(pMsg)) {
      return TRUE;
    }
    if (h == hWndStop) {
      break;
    }
  }
  return FALSE;
}

// ---- Creation ----------------------------------------------------------------

LRESULT CALLBACK FrameworkCbtHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && t_wndInit != nullptr) {
    CWnd* wnd = t_wndInit;
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    if (wnd->Attach(hwnd)) {
      t_wndInit = nullptr;
      wnd->PreSubclassWindow();
      WNDPROC old = reinterpret_cast<WNDPROC>(
          ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWndProc)));
      if (old != nullptr && old != &FrameworkWndProc) {
        wnd->m_pfnSuper = old;
        ::SetPropA(hwnd, kSuperProcProp, reinterpret_cast<HANDLE>(old));
      }
    }
  }
  return ::CallNextHookEx(t_cbtHook, code, wParam, lParam);
}

void CWnd::HookWindowCreate(CWnd* pWnd) {
  if (t_cbtHook == nullptr) {
    t_cbtHook = ::SetWindowsHookExA(WH_CBT, &FrameworkCbtHook, nullptr, ::GetCurrentThreadId());
  }
  t_wndInit = pWnd;
}

bool CWnd::UnhookWindowCreate() {
  if (t_cbtHook != nullptr) {
    ::UnhookWindowsHookEx(t_cbtHook);
    t_cbtHook = nullptr;
  }
  const bool caught = t_wndInit == nullptr;
  t_wndInit = nullptr;
  return caught;
}

LPCSTR CWnd::DefaultClassName() {
  static const char kName[] = "VeskelWnd";
  static const bool registered = [] {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = kName;
    return ::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return kName;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
  if (m_hWnd != nullptr) {
    return FALSE;
  }
  HookWindowCreate(this);
  HWND h = ::CreateWindowExA(
      dwExStyle, lpszClassName != nullptr ? lpszClassName : DefaultClassName(), lpszWindowName,
      dwStyle, x, y, nWidth, nHeight, hWndParent, nIDorHMenu, ::GetModuleHandleA(nullptr), lpParam);
  UnhookWindowCreate();
  return FinishHookedCreate(h);
}

BOOL CWnd::FinishHookedCreate(HWND h) {
  if (h == nullptr) {
    // Creation failed after the hook attached the object: forget the handle.
    if (m_hWnd != nullptr) {
      Detach();
      m_pfnSuper = nullptr;
    }
    return FALSE;
  }
  return m_hWnd == h;
}

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

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) const {
  for (HWND child = ::GetTopWindow(m_hWnd); child != nullptr;
       child = ::GetNextWindow(child, GW_HWNDNEXT)) {
    ::SendMessageA(child, message, wParam, lParam);
    if (bDeep && ::GetTopWindow(child) != nullptr) {
      CWnd temp;
      temp.m_hWnd = child;
      temp.SendMessageToDescendants(message, wParam, lParam, bDeep);
      temp.m_hWnd = nullptr;
    }
  }
}

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }

DWORD CWnd::GetExStyle() const {
  return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
}

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

void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
  return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
  const int length = ::GetWindowTextLengthA(m_hWnd);
  char* buffer = rString.GetBufferSetLength(length);
  const int n = ::GetWindowTextA(m_hWnd, buffer, length + 1);
  rString.ReleaseBuffer(n < 0 ? 0 : n);
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }

void CWnd::SetFont(HFONT hFont, BOOL bRedraw) {
  ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
}

HFONT CWnd::GetFont() const {
  return reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

void CWnd::GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ::GetDlgItem(m_hWnd, nID); }

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

int CWnd::SetDlgCtrlID(int nID) {
  return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, nID));
}

void CWnd::SetDlgItemText(int nID, LPCSTR lpszString) {
  ::SetDlgItemTextA(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const {
  return static_cast<int>(::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
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

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) {
  ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
  return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
  return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
  ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }

void CWnd::ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }

void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags) {
  return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
}

void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }

void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }

void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }

void CWnd::ClientToScreen(LPRECT lpRect) const {
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }

void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
  ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x,
                        y, cx, cy, nFlags);
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

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }

CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }

CWnd* CWnd::GetTopLevelParent() const {
  HWND h = m_hWnd;
  while (h != nullptr && (::GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD) != 0) {
    h = ::GetParent(h);
  }
  return FromHandle(h);
}

CWnd* CWnd::GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }

CWnd* CWnd::GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }

CWnd* CWnd::WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }

BOOL CWnd::IsChild(const CWnd* pWnd) const {
  return pWnd != nullptr && ::IsChild(m_hWnd, pWnd->m_hWnd);
}

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }

BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }

HMENU CWnd::GetMenu() const { return ::GetMenu(m_hWnd); }

BOOL CWnd::SetMenu(HMENU hMenu) { return ::SetMenu(m_hWnd, hMenu); }

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
  return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
  return reinterpret_cast<HICON>(::SendMessageA(
      m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }

int CWnd::ReleaseDC(CDC* pDC) { return pDC != nullptr ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0; }

// ---- Default handlers ------------------------------------------------------------

void CWnd::OnPaint() { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnCancelMode() { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (lpMeasureItemStruct != nullptr && lpMeasureItemStruct->CtlType == ODT_MENU &&
      s_menuRouting.measureItem != nullptr &&
      s_menuRouting.measureItem(this, lpMeasureItemStruct)) {
    return;
  }
  Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct != nullptr && lpDrawItemStruct->CtlType == ODT_MENU &&
      s_menuRouting.drawItem != nullptr && s_menuRouting.drawItem(this, lpDrawItemStruct)) {
    return;
  }
  Default();
}
