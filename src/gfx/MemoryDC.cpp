#include "gfx/MemoryDC.h"

#include "gfx/OffscreenSurface.h"

namespace {

bool IsNull(const RECT& r) { return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0; }

}  // namespace

MemoryDC::MemoryDC(CDC* target) : MemoryDC(target, RECT{0, 0, 0, 0}) {}

MemoryDC::MemoryDC(CDC* target, const RECT& area) : m_target(target), m_area(area) {
  Begin(nullptr);
}

MemoryDC::MemoryDC(CDC* target, const RECT& area, OffscreenSurface& surface)
    : m_target(target), m_area(area) {
  Begin(&surface);
}

void MemoryDC::Begin(OffscreenSurface* surface) {
  if (m_target == nullptr) {
    return;  // nothing to draw on: every drawing call fails quietly
  }
  m_offScreen = !m_target->IsPrinting();
  if (!m_offScreen) {
    // Borrow the printer's handles directly (not through Attach, which would
    // take the target's place in the handle map).
    m_bPrinting = m_target->m_bPrinting;
    m_hDC = m_target->m_hDC;
    m_hAttribDC = m_target->m_hAttribDC;
    return;
  }
  if (IsNull(m_area)) {
    m_target->GetClipBox(&m_area);
  }
  const int width = m_area.right - m_area.left;
  const int height = m_area.bottom - m_area.top;
  if (surface != nullptr) {
    if (HDC lent = surface->Lend(m_target->m_hDC, width, height)) {
      // Borrowed like the printer's handles: the lender keeps them.
      m_lender = surface;
      m_hDC = lent;
      m_hAttribDC = lent;
      SetWindowOrg(m_area.left, m_area.top);
      return;
    }
  }
  CreateCompatibleDC(m_target);
  m_bitmap.CreateCompatibleBitmap(m_target, width, height);
  if (m_hDC != nullptr && m_bitmap.m_hObject != nullptr) {
    m_previousBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
  }
  // The caller's coordinates are the target's: the area's top-left corner is
  // pixel (0, 0) of the bitmap.
  SetWindowOrg(m_area.left, m_area.top);
}

MemoryDC::~MemoryDC() {
  if (m_lender != nullptr) {
    ::BitBlt(m_target->m_hDC, m_area.left, m_area.top, m_area.right - m_area.left,
             m_area.bottom - m_area.top, m_hDC, m_area.left, m_area.top, SRCCOPY);
    m_lender->Return();
    m_hDC = nullptr;
    m_hAttribDC = nullptr;
  } else if (m_offScreen) {
    const int width = m_area.right - m_area.left;
    const int height = m_area.bottom - m_area.top;
    if (m_hDC != nullptr && m_previousBitmap != nullptr) {
      ::BitBlt(m_target->m_hDC, m_area.left, m_area.top, width, height, m_hDC, m_area.left,
               m_area.top, SRCCOPY);
      ::SelectObject(m_hDC, m_previousBitmap);
    }
  } else {
    // The handles are the target's: keep CDC's destructor off them.
    m_hDC = nullptr;
    m_hAttribDC = nullptr;
  }
  m_bitmap.DeleteObject();
  // CDC's destructor deletes the memory DC.
}
