#pragma once

#include <windows.h>

class CDC;
class CGdiObject;

// Selects a GDI object into a device context for the length of a scope and
// selects the previous object back when the scope ends (or at Restore).
//
//   CPen pen(PS_SOLID, 0, color);
//   SelectionGuard keepPen(*dc, pen);
//   dc->MoveTo(...); dc->LineTo(...);
//
// With a CDC the object goes into both its output and attribute handles. A
// null object or a failed selection leaves nothing to restore.
class SelectionGuard {
 public:
  SelectionGuard(CDC& dc, const CGdiObject& object);
  SelectionGuard(CDC& dc, HGDIOBJ object);
  SelectionGuard(HDC dc, HGDIOBJ object);
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;
  ~SelectionGuard() { Restore(); }

  // Selects the previous object back now; later calls do nothing.
  void Restore();
  // The object that was selected before (null when nothing was selected).
  HGDIOBJ Previous() const { return m_previous; }

 private:
  HDC m_output = nullptr;
  HDC m_attribute = nullptr;
  HGDIOBJ m_previous = nullptr;
};
