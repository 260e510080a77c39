#include "framework/CWindowDC.h"

#include "framework/CWnd.h"

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd == nullptr ? nullptr : wnd->m_hWnd) {
  AttachCreated(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC() {
  if (HDC h = Detach()) {
    ::ReleaseDC(m_hWnd, h);
    NoteReleased(h);
  }
}
