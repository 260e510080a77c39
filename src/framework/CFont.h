#pragma once

#include "framework/CGdiObject.h"

// A font. Owning and move-only like every GDI wrapper.
class CFont : public CGdiObject {
  DECLARE_DYNAMIC(CFont)

 public:
  CFont() = default;
  CFont(CFont&&) noexcept = default;
  CFont& operator=(CFont&&) noexcept = default;

  static CFont* FromHandle(HFONT h);

  BOOL CreateFontIndirect(const LOGFONTA* logFont);
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                  BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                  BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const char* faceName);
  int GetLogFont(LOGFONTA* logFont) const;

  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};
