#include "framework/CPen.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen::CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

CPen* CPen::FromHandle(HPEN h) { return dynamic_cast<CPen*>(CGdiObject::FromHandle(h)); }

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  return AttachCreated(::CreatePen(style, width, color));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* logPen) {
  return AttachCreated(::CreatePenIndirect(logPen));
}

int CPen::GetLogPen(LOGPEN* logPen) const { return GetObject(sizeof(LOGPEN), logPen); }
