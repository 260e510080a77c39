#include "controls/button/ButtonParentCopy.h"

void ButtonParentCopy::Take(CDC& parentDC, int x, int y, int width, int height) {
  if (m_dc.CreateCompatibleDC(&parentDC)) {
    m_bitmap.CreateCompatibleBitmap(&parentDC, width, height);
    m_previousBitmap = static_cast<HBITMAP>(m_dc.SelectHandle(m_bitmap));
    m_dc.BitBlt(0, 0, width, height, &parentDC, x, y, SRCCOPY);
  }
}

void ButtonParentCopy::Paint(CDC* dc, int width, int height) {
  dc->BitBlt(0, 0, width, height, &m_dc, 0, 0, SRCCOPY);
}

void ButtonParentCopy::Discard() {
  if (m_dc.GetSafeHdc() != nullptr && m_previousBitmap != nullptr) {
    ::SelectObject(m_dc.GetSafeHdc(), m_previousBitmap);
  }
  m_previousBitmap = nullptr;
  m_bitmap.DeleteObject();
  m_dc.DeleteDC();
}
