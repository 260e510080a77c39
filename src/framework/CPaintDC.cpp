#include "framework/CPaintDC.h"

#include "framework/CWnd.h"

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd == nullptr ? nullptr : wnd->m_hWnd) {
  if (m_hWnd != nullptr) {
    AttachCreated(::BeginPaint(m_hWnd, &m_ps));
  }
}

CPaintDC::~CPaintDC() {
  if (m_hWnd != nullptr) {
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
    NoteReleased(m_ps.hdc);
  }
}
