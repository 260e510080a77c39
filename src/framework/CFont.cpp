#include "framework/CFont.h"

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont* CFont::FromHandle(HFONT h) { return dynamic_cast<CFont*>(CGdiObject::FromHandle(h)); }

BOOL CFont::CreateFontIndirect(const LOGFONTA* logFont) {
  return logFont == nullptr ? FALSE : AttachCreated(::CreateFontIndirectA(logFont));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       const char* faceName) {
  return AttachCreated(::CreateFontA(height, width, escapement, orientation, weight, italic,
                                     underline, strikeOut, charSet, outPrecision, clipPrecision,
                                     quality, pitchAndFamily, faceName));
}

int CFont::GetLogFont(LOGFONTA* logFont) const { return GetObject(sizeof(LOGFONTA), logFont); }
