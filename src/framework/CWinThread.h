#pragma once

#include <windows.h>

#include "framework/CCmdTarget.h"
#include "framework/MessageMap.h"

class CWnd;

// A thread with a message loop. The framework runs on one thread, whose
// object is the application (CWinApp).
class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)
 public:
  using Base = CCmdTarget;
  CWinThread() = default;

  CWnd* m_pMainWnd = nullptr;  // the main window, the end of every PreTranslate walk
  MSG m_msgCur = {};           // the message the loop handles now (WM_QUIT's at the end)

  // Start-up; FALSE skips Run. Default TRUE.
  virtual BOOL InitInstance();
  // The message loop: each message is offered to PreTranslateMessage, then
  // translated and dispatched; temporary objects are freed whenever the
  // queue runs empty. Returns the WM_QUIT exit code.
  virtual int Run();
  // Clean-up after Run (or after InitInstance returned FALSE); the result is
  // the process exit code: the WM_QUIT code, 0 when there was none.
  virtual int ExitInstance();
  // Offers the message to each permanent window from its target up to the
  // main window; TRUE = eaten.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Gets and handles one message; FALSE on WM_QUIT.
  virtual BOOL PumpMessage();
  // Idle work; lCount counts the calls since the last message. TRUE asks for
  // more idle calls. Default: frees the temporary objects, returns FALSE.
  virtual BOOL OnIdle(LONG lCount);
  // Whether the queue running empty after pMsg is a new idle period: FALSE
  // only for a mouse move that did not move.
  virtual BOOL IsIdleMessage(MSG* pMsg);

  CWnd* GetMainWnd() const { return m_pMainWnd; }

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  POINT m_lastMousePos = {-1, -1};
  UINT m_lastMouseMsg = 0;
};
