#pragma once

#include "framework/CGdiObject.h"

class CBitmap;

// A brush. Owning and move-only like every GDI wrapper.
class CBrush : public CGdiObject {
  DECLARE_DYNAMIC(CBrush)

 public:
  CBrush() = default;
  // A solid brush of the colour; empty when the platform cannot create it.
  explicit CBrush(COLORREF color);
  CBrush(CBrush&&) noexcept = default;
  CBrush& operator=(CBrush&&) noexcept = default;

  static CBrush* FromHandle(HBRUSH h);

  BOOL CreateSolidBrush(COLORREF color);
  BOOL CreateHatchBrush(int hatch, COLORREF color);
  // The brush does not keep the bitmap: the bitmap may be deleted afterwards.
  BOOL CreatePatternBrush(CBitmap* bitmap);
  // The system's own brush of a system colour: never deleted, never counted.
  BOOL CreateSysColorBrush(int colorIndex);
  int GetLogBrush(LOGBRUSH* logBrush) const;

  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};
