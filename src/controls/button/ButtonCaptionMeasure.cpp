#include "controls/button/ButtonCaptionMeasure.h"

void ButtonCaptionMeasure::Measure(CDC& dc, const char* text, RECT* rect) {
  const LONG left = rect->left;
  const LONG top = rect->top;
  const LONG width = rect->right - left;
  const LONG height = rect->bottom - top;
  HGDIOBJ font = ::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT);
  if (m_valid && font == m_font && width == m_areaWidth && height == m_areaHeight &&
      m_text == text) {
    rect->left = left + m_extent.left;
    rect->top = top + m_extent.top;
    rect->right = left + m_extent.right;
    rect->bottom = top + m_extent.bottom;
    return;
  }
  dc.DrawText(text, -1, rect, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
  m_text = text;
  m_font = font;
  m_areaWidth = width;
  m_areaHeight = height;
  m_extent = {rect->left - left, rect->top - top, rect->right - left, rect->bottom - top};
  m_valid = true;
}
