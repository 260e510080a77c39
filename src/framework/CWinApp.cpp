#include "framework/CWinApp.h"

#include <cstring>

#include "framework/Afx.h"
#include "framework/CWnd.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

namespace {
CWinApp* g_app = nullptr;
HINSTANCE g_instance = nullptr;
HINSTANCE g_resources = nullptr;
}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName) {
  // One application object: a second one does not replace the first.
  if (g_app == nullptr) {
    g_app = this;
  }
  m_hInstance = AfxGetInstanceHandle();
  if (m_pszAppName == nullptr) {
    const DWORD n = ::GetModuleFileNameA(nullptr, m_moduleName, MAX_PATH);
    m_moduleName[n < MAX_PATH ? n : MAX_PATH - 1] = '\0';
    char* name = m_moduleName;
    for (char* p = m_moduleName; *p != '\0'; ++p) {
      if (*p == '\\' || *p == '/') {
        name = p + 1;
      }
    }
    std::memmove(m_moduleName, name, std::strlen(name) + 1);
    if (char* dot = std::strrchr(m_moduleName, '.')) {
      *dot = '\0';
    }
    m_pszAppName = m_moduleName;
  }
}

CWinApp::~CWinApp() {
  if (m_hDlgBkBrush != nullptr) {
    ::DeleteObject(m_hDlgBkBrush);
  }
  if (g_app == this) {
    g_app = nullptr;
  }
}

int CWinApp::ExitInstance() { return CWinThread::ExitInstance(); }

void CWinApp::SetDialogBkColor(COLORREF clrCtlBk, COLORREF clrCtlText) {
  HBRUSH brush = ::CreateSolidBrush(clrCtlBk);
  if (brush == nullptr) {
    return;
  }
  if (m_hDlgBkBrush != nullptr) {
    ::DeleteObject(m_hDlgBkBrush);
  }
  m_hDlgBkBrush = brush;
  m_crDlgBk = clrCtlBk;
  m_crDlgText = clrCtlText;
}

BOOL CWinApp::Enable3dControls() { return TRUE; }

HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const {
  return ::LoadIconA(
      AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */),
      lpszResourceName);
}

HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const {
  return ::LoadCursorA(nullptr, lpszCursorName);
}

HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const {
  return ::LoadIconA(nullptr, lpszIconName);
}

void CWinApp::OnHelp() {}

// ---- Global access -------------------------------------------------------------

CWinApp* AfxGetApp() { return g_app; }

CWinThread* AfxGetThread() { return g_app; }

HINSTANCE AfxGetInstanceHandle() {
  return g_instance != nullptr ? g_instance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
  return g_resources != nullptr ? g_resources : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource) { g_resources = hInstResource; }

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
  HINSTANCE resources = AfxGetResourceHandle();
  if (::FindResourceA(resources, lpszName, lpszType) != nullptr) {
    return resources;
  }
  return AfxGetInstanceHandle();
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
  g_instance = hInstance;
  CWinApp* app = AfxGetApp();
  if (app == nullptr) {
    return -1;
  }
  app->m_hInstance = hInstance;
  app->m_lpCmdLine = lpCmdLine;
  app->m_nCmdShow = nCmdShow;
  if (app->InitInstance()) {
    app->Run();
  }
  return app->ExitInstance();
}
