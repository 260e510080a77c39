#include "framework/CClientDC.h"

#include "framework/CWnd.h"

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd == nullptr ? nullptr : wnd->m_hWnd) {
  AttachCreated(::GetDC(m_hWnd));
}

CClientDC::~CClientDC() {
  if (HDC h = Detach()) {
    ::ReleaseDC(m_hWnd, h);
    NoteReleased(h);
  }
}
