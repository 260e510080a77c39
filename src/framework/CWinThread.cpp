#include "framework/CWinThread.h"

#include "framework/CWnd.h"
#include "framework/HandleMapBase.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinThread, CCmdTarget)
END_MESSAGE_MAP()

BOOL CWinThread::InitInstance() { return TRUE; }

int CWinThread::Run() {
  BOOL idle = TRUE;
  LONG idleCount = 0;
  for (;;) {
    while (idle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) {
        idle = FALSE;
      }
    }
    do {
      if (!PumpMessage()) {
        return static_cast<int>(m_msgCur.wParam);
      }
      if (IsIdleMessage(&m_msgCur)) {
        idle = TRUE;
        idleCount = 0;
      }
    } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
  }
}

BOOL CWinThread::PumpMessage() {
  const BOOL got = ::GetMessageA(&m_msgCur, nullptr, 0, 0);
  if (got == 0) {
    return FALSE;  // WM_QUIT
  }
  if (got == -1) {
    m_msgCur.message = WM_QUIT;
    m_msgCur.wParam = static_cast<WPARAM>(-1);
    return FALSE;
  }
  if (!PreTranslateMessage(&m_msgCur)) {
    ::TranslateMessage(&m_msgCur);
    ::DispatchMessageA(&m_msgCur);
  }
  return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  HWND stop = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
  return CWnd::WalkPreTranslateTree(stop, pMsg);
}

BOOL CWinThread::OnIdle(LONG) {
  HandleMapBase::DeleteAllTemporaries();
  return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
  // A mouse move to where the pointer already was (the system repeats them)
  // does not start another idle period; every other message does.
  if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
    const bool same = pMsg->message == m_lastMouseMsg && pMsg->pt.x == m_lastMousePos.x &&
                      pMsg->pt.y == m_lastMousePos.y;
    m_lastMouseMsg = pMsg->message;
    m_lastMousePos = pMsg->pt;
    return !same;
  }
  return TRUE;
}

int CWinThread::ExitInstance() {
  return m_msgCur.message == WM_QUIT ? static_cast<int>(m_msgCur.wParam) : 0;
}
