#pragma once

#include <windows.h>

#include <string>

#include "framework/CDC.h"

// A StyledButton's caption as painting needs it, kept from one paint to the
// next: the window text, and its extent as DrawText measures it for the
// caption's layout (DT_CALCRECT | DT_WORDBREAK | DT_CENTER). Reading the text
// is a message to the button and measuring it costs about a third of drawing
// it; both answers change only when the text, the font or the area change.
// The text is read again after the button was told of a new one (Forget,
// from WM_SETTEXT); the extent is measured again whenever the text, the font
// selected into the DC, or the size of the area differs from the last
// measurement. Only text and numbers are kept: no drawing object outlives a
// paint.
class ButtonCaption {
 public:
  // The window text of button, zero-terminated; read once, then kept until
  // Forget or until asked for another window's text. The pointer stays
  // valid until the next call.
  const char* Text(HWND button);
  // The text has changed (or may have): the next Text reads it again.
  void Forget() { m_textValid = false; }

  // Sets rect's right and bottom to the extent of text (zero-terminated)
  // wrapped to rect's width in the font selected into dc, exactly as DrawText
  // with DT_CALCRECT | DT_WORDBREAK | DT_CENTER does.
  void Measure(CDC& dc, const char* text, RECT* rect);

 private:
  bool m_textValid = false;
  HWND m_textWindow = nullptr;
  std::string m_text;

  bool m_extentValid = false;
  std::string m_measuredText;
  HGDIOBJ m_font = nullptr;
  LONG m_areaWidth = 0;
  LONG m_areaHeight = 0;
  // The measured rectangle, relative to the top-left corner of the area.
  RECT m_extent = {};
};
