#pragma once

#include "framework/CGdiObject.h"

// A pen. Owning and move-only like every GDI wrapper.
class CPen : public CGdiObject {
  DECLARE_DYNAMIC(CPen)

 public:
  CPen() = default;
  // A pen of the given style (PS_SOLID, ...), width and colour; empty when the
  // platform cannot create it.
  CPen(int style, int width, COLORREF color);
  CPen(CPen&&) noexcept = default;
  CPen& operator=(CPen&&) noexcept = default;

  static CPen* FromHandle(HPEN h);

  BOOL CreatePen(int style, int width, COLORREF color);
  BOOL CreatePenIndirect(const LOGPEN* logPen);
  int GetLogPen(LOGPEN* logPen) const;

  operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};
