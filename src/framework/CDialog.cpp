#include "framework/CDialog.h"

#include "framework/Afx.h"
#include "framework/CWinApp.h"
#include "framework/HandleMapBase.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// The dialog procedure of framework dialogs. Every message reaches the
// framework's window procedure first; what the message map leaves comes here
// through the dialog class's own procedure and gets its default processing.
INT_PTR CALLBACK FrameworkDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct TemplateHeader {
  DWORD style;
  short x;
  short y;
};

// Style and position of a DLGTEMPLATE or DLGTEMPLATEEX.
TemplateHeader ReadTemplateHeader(LPCDLGTEMPLATE t) {
  const auto* words = reinterpret_cast<const WORD*>(t);
  TemplateHeader h = {};
  if (words[0] == 1 && words[1] == 0xFFFF) {
    // DLGTEMPLATEEX: dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y
    const auto* bytes = reinterpret_cast<const BYTE*>(t);
    CopyMemory(&h.style, bytes + 12, sizeof(DWORD));
    CopyMemory(&h.x, bytes + 18, sizeof(short));
    CopyMemory(&h.y, bytes + 20, sizeof(short));
  } else {
    h.style = t->style;
    h.x = t->x;
    h.y = t->y;
  }
  return h;
}

// The owner a modal dialog disables: the top-level window of the parent,
// else the application's main window.
HWND ModalOwner(CWnd* parent, HWND self) {
  HWND owner = parent != nullptr ? parent->m_hWnd : nullptr;
  if (owner == nullptr) {
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr) {
      owner = app->m_pMainWnd->m_hWnd;
    }
  }
  while (owner != nullptr && (::GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD) != 0) {
    owner = ::GetParent(owner);
  }
  return owner != self ? owner : nullptr;
}

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)),
      m_pParentWnd(pParentWnd),
      m_nIDHelp(nIDTemplate) {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
  // A modeless dialog whose object goes first takes its window with it.
  if (m_hWnd != nullptr) {
    DestroyWindow();
  }
}

LPCDLGTEMPLATE CDialog::LoadTemplate(HINSTANCE* phInst) const {
  *phInst = AfxGetInstanceHandle();
  if (m_lpDialogTemplate != nullptr) {
    return m_lpDialogTemplate;
  }
  if (m_lpszTemplateName == nullptr) {
    return nullptr;
  }
  HINSTANCE inst = AfxFindResourceHandle(m_lpszTemplateName, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
  HRSRC resource = ::FindResourceA(inst, m_lpszTemplateName, MAKEINTRESOURCEA(5));
  HGLOBAL loaded = resource != nullptr ? ::LoadResource(inst, resource) : nullptr;
  *phInst = inst;
  return loaded != nullptr ? static_cast<LPCDLGTEMPLATE>(::LockResource(loaded)) : nullptr;
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, HWND hWndOwner, HINSTANCE hInst) {
  if (lpTemplate == nullptr || m_hWnd != nullptr) {
    return FALSE;
  }
  const TemplateHeader header = ReadTemplateHeader(lpTemplate);
  // A pop-up placed at (0, 0) without DS_CENTER is centred when it opens.
  m_bCenterOnInit = header.x == 0 && header.y == 0 && (header.style & WS_CHILD) == 0 &&
                    (header.style & DS_ABSALIGN) == 0;
  HookWindowCreate(this);
  HWND h = ::CreateDialogIndirectParamA(hInst, lpTemplate, hWndOwner, &FrameworkDlgProc, 0);
  UnhookWindowCreate();
  return FinishHookedCreate(h);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  m_lpDialogTemplate = lpDialogTemplate;
  m_lpszTemplateName = nullptr;
  if (pParentWnd != nullptr) {
    m_pParentWnd = pParentWnd;
  }
  return lpDialogTemplate != nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  m_lpDialogTemplate = nullptr;
  m_pParentWnd = pParentWnd;
  HINSTANCE inst = nullptr;
  LPCDLGTEMPLATE t = LoadTemplate(&inst);
  return CreateFromTemplate(t, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, inst);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  m_pParentWnd = pParentWnd;
  return CreateFromTemplate(lpDialogTemplate, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                            AfxGetInstanceHandle());
}

INT_PTR CDialog::DoModal() {
  HINSTANCE inst = nullptr;
  LPCDLGTEMPLATE t = LoadTemplate(&inst);
  if (t == nullptr || m_hWnd != nullptr) {
    return -1;
  }
  HWND owner = ModalOwner(m_pParentWnd, nullptr);
  const bool enableOwner = owner != nullptr && ::IsWindowEnabled(owner);
  if (enableOwner) {
    ::EnableWindow(owner, FALSE);
  }
  // Set before creation so that EndDialog inside OnInitDialog ends it at once.
  m_bContinueModal = TRUE;
  m_nModalResult = -1;
  if (CreateFromTemplate(t, owner, inst) && m_bContinueModal) {
    RunModalLoop();
  }
  m_bContinueModal = FALSE;
  if (m_hWnd != nullptr) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  if (enableOwner) {
    ::EnableWindow(owner, TRUE);
  }
  if (owner != nullptr && m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd) {
    ::SetActiveWindow(owner);
  }
  DestroyWindow();
  return m_nModalResult;
}

int CDialog::RunModalLoop() {
  m_bInModalLoop = TRUE;
  bool idle = true;
  bool shown = (GetStyle() & WS_VISIBLE) != 0;
  MSG msg = {};
  while (m_bContinueModal && m_hWnd != nullptr) {
    while (idle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!shown) {
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
        shown = true;
      }
      HandleMapBase::DeleteAllTemporaries();
      idle = false;
    }
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // WM_QUIT ends the dialog and is passed on to the outer loop.
      if (got == 0) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
      }
      m_nModalResult = -1;
      break;
    }
    if (!WalkPreTranslateTree(m_hWnd, &msg) &&
        (m_hWnd == nullptr || !::IsDialogMessageA(m_hWnd, &msg))) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    CWinThread* thread = AfxGetThread();
    if (thread == nullptr || thread->IsIdleMessage(&msg)) {
      idle = true;
    }
  }
  m_bInModalLoop = FALSE;
  m_bContinueModal = FALSE;
  return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  if (m_bContinueModal) {
    m_bContinueModal = FALSE;
    // Wake the modal loop if it is waiting for a message.
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
  } else if (m_hWnd != nullptr) {
    ShowWindow(SW_HIDE);
  }
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  const BOOL result = OnInitDialog();
  if (m_bCenterOnInit && m_hWnd != nullptr) {
    CenterWindow();
  }
  return result;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) {
    return;
  }
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (CWnd::OnWndMsg(message, wParam, lParam, pResult)) {
    return TRUE;
  }
  // Dialog colours of the application, when nothing (reflection, the map)
  // answered the control-colour request.
  if (message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN ||
      message == WM_CTLCOLORMSGBOX) {
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->GetDialogBkBrush() != nullptr) {
      HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetBkColor(dc, app->GetDialogBkColor());
      ::SetTextColor(dc, app->GetDialogTextColor());
      *pResult = reinterpret_cast<LRESULT>(app->GetDialogBkBrush());
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, MessageArgs& args) {
  if (CWnd::OnCmdMsg(nID, nCode, args)) {
    return TRUE;
  }
  // Commands the dialog does not handle go to the application.
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->OnCmdMsg(nID, nCode, args);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (m_bInModalLoop || m_hWnd == nullptr) {
    return FALSE;
  }
  if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) {
    return FALSE;
  }
  return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (pWndCtrl != nullptr) {
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
  }
}

void CDialog::SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }

DWORD CDialog::GetDefID() const {
  return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
