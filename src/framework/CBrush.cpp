#include "framework/CBrush.h"

#include "framework/CBitmap.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush(COLORREF color) { CreateSolidBrush(color); }

CBrush* CBrush::FromHandle(HBRUSH h) { return dynamic_cast<CBrush*>(CGdiObject::FromHandle(h)); }

BOOL CBrush::CreateSolidBrush(COLORREF color) { return AttachCreated(::CreateSolidBrush(color)); }

BOOL CBrush::CreateHatchBrush(int hatch, COLORREF color) {
  return AttachCreated(::CreateHatchBrush(hatch, color));
}

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
  if (bitmap == nullptr || bitmap->m_hObject == nullptr) {
    return FALSE;
  }
  return AttachCreated(::CreatePatternBrush(static_cast<HBITMAP>(bitmap->m_hObject)));
}

BOOL CBrush::CreateSysColorBrush(int colorIndex) {
  // System colour brushes belong to the system; deleting one does nothing, so
  // it is attached but not counted as created.
  return Attach(::GetSysColorBrush(colorIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* logBrush) const { return GetObject(sizeof(LOGBRUSH), logBrush); }
