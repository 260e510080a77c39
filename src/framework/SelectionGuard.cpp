#include "framework/SelectionGuard.h"

#include "framework/CDC.h"
#include "framework/CGdiObject.h"

SelectionGuard::SelectionGuard(CDC& dc, const CGdiObject& object)
    : SelectionGuard(dc, object.m_hObject) {}

SelectionGuard::SelectionGuard(CDC& dc, HGDIOBJ object)
    : m_output(dc.m_hDC), m_attribute(dc.m_hAttribDC), m_previous(dc.SelectHandle(object)) {}

SelectionGuard::SelectionGuard(HDC dc, HGDIOBJ object)
    : m_output(dc),
      m_attribute(dc),
      m_previous(dc == nullptr || object == nullptr ? nullptr : ::SelectObject(dc, object)) {}

void SelectionGuard::Restore() {
  if (m_previous == nullptr) {
    return;
  }
  if (m_output != nullptr && m_output != m_attribute) {
    ::SelectObject(m_output, m_previous);
  }
  if (m_attribute != nullptr) {
    ::SelectObject(m_attribute, m_previous);
  }
  m_previous = nullptr;
}
