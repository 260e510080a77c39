#include "controls/menu/MenuScreenDC.h"

#include "framework/Afx.h"
#include "framework/CWinThread.h"
#include "framework/CWnd.h"

MenuScreenDC::MenuScreenDC() : m_window(ScreenWindow()) { AttachCreated(::GetDC(m_window)); }

MenuScreenDC::~MenuScreenDC() {
  if (HDC h = Detach()) {
    ::ReleaseDC(m_window, h);
    NoteReleased(h);
  }
}

HWND MenuScreenDC::ScreenWindow() {
  CWinThread* thread = AfxGetThread();
  CWnd* main = thread != nullptr ? thread->GetMainWnd() : nullptr;
  if (main != nullptr && main->m_hWnd != nullptr) {
    return main->m_hWnd;
  }
  // The screen's DC, which is the desktop window's: asked for without a
  // window, as some systems answer that much faster.
  return nullptr;
}
