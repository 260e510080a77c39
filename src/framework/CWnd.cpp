#include "framework/CWnd.h"

#include "framework/CDC.h"
#include "framework/SystemSettings.h"

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
  if (AfxIsSystemSettingsMessage(message) && (GetStyle() & WS_CHILD) == 0) {
    AfxNoteSystemSettingsChange();
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

// ---- Default handlers ------------------------------------------------------------

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
