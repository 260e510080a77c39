#pragma once

#include <windows.h>

#include <string>

#include "framework/CDC.h"

// The extent of a StyledButton's caption, as DrawText measures it for the
// caption's layout (DT_CALCRECT | DT_WORDBREAK | DT_CENTER), kept from one
// paint to the next. Measuring costs about a third of drawing the text, and
// the answer changes only with the text, the font and the width the text is
// wrapped to, so it is measured again only when one of them (or the height of
// the area) differs from the last measurement. Only numbers are kept: no
// drawing object outlives a paint.
class ButtonCaptionMeasure {
 public:
  // Sets rect's right and bottom to the extent of text (zero-terminated)
  // wrapped to rect's width in the font selected into dc, exactly as DrawText
  // with DT_CALCRECT | DT_WORDBREAK | DT_CENTER does.
  void Measure(CDC& dc, const char* text, RECT* rect);
  // Forgets the last measurement.
  void Forget() { m_valid = false; }

 private:
  bool m_valid = false;
  std::string m_text;
  HGDIOBJ m_font = nullptr;
  LONG m_areaWidth = 0;
  LONG m_areaHeight = 0;
  // The measured rectangle, relative to the top-left corner of the area.
  RECT m_extent = {};
};
