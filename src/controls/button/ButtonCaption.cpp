#include "controls/button/ButtonCaption.h"

const char* ButtonCaption::Text(HWND button) {
  if (!m_textValid || button != m_textWindow) {
    const int length = button == nullptr ? 0 : ::GetWindowTextLengthA(button);
    m_text.assign(static_cast<size_t>(length < 0 ? 0 : length) + 1, '\0');
    const int read = length <= 0 ? 0 : ::GetWindowTextA(button, &m_text[0], length + 1);
    m_text.resize(static_cast<size_t>(read < 0 ? 0 : read));
    // A window without a handle has no text to keep: read it again next time.
    m_textValid = button != nullptr;
    m_textWindow = button;
  }
  return m_text.c_str();
}

void ButtonCaption::Measure(CDC& dc, const char* text, RECT* rect) {
  const LONG left = rect->left;
  const LONG top = rect->top;
  const LONG width = rect->right - left;
  const LONG height = rect->bottom - top;
  HGDIOBJ font = ::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT);
  if (m_extentValid && font == m_font && width == m_areaWidth && height == m_areaHeight &&
      m_measuredText == text) {
    rect->left = left + m_extent.left;
    rect->top = top + m_extent.top;
    rect->right = left + m_extent.right;
    rect->bottom = top + m_extent.bottom;
    return;
  }
  dc.DrawText(text, -1, rect, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
  m_measuredText = text;
  m_font = font;
  m_areaWidth = width;
  m_areaHeight = height;
  m_extent = {rect->left - left, rect->top - top, rect->right - left, rect->bottom - top};
  m_extentValid = true;
}
