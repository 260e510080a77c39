#pragma once

#include <windows.h>

class CDC;

// Solid fills and one-pixel frames on one DC, for the menu painters: the
// pixels of FillRect with a solid brush (fills) and of CDC::Draw3dRect
// (frames, drawn there as opaque text backgrounds), in fewer and cheaper
// calls.
//
// Where the DC has more than 256 colours a brush and a text background of
// the same colour paint the same pixels, so a frame is drawn with brush
// fills: a framed area is one fill of the frame colour and one of the inner
// colour over it, rather than a fill and four text-background fills. With
// 256 colours or fewer (palette, 16-colour and monochrome devices) a brush
// of a colour the device lacks is dithered while a text background takes the
// nearest colour, so frames are drawn there exactly as Draw3dRect draws them;
// so they are on a metafile, which records calls rather than pixels.
//
// It lives for one drawing call; every brush it makes is deleted after its
// fill, and the DC's selections are left as they were.
class SolidFills {
 public:
  explicit SolidFills(CDC& dc);
  SolidFills(const SolidFills&) = delete;
  SolidFills& operator=(const SolidFills&) = delete;

  // Whether the DC has 256 colours or fewer (or is a metafile): a brush fill
  // there need not paint the colour a frame or a text background of the same
  // colour paints.
  bool FewColors();

  // FillRect of rect with a solid brush of color.
  void Fill(const RECT& rect, COLORREF color);
  // The same in the system colour colorIndex, with the system's own brush.
  void FillSystem(const RECT& rect, int colorIndex);
  // Fill(rect, inner), then Draw3dRect(rect, frame, frame).
  void FramedFill(const RECT& rect, COLORREF frame, COLORREF inner);
  // Fill of box less its outermost pixels with inner, then
  // Draw3dRect(box, topLeft, bottomRight).
  void Box(const RECT& box, COLORREF topLeft, COLORREF bottomRight, COLORREF inner);

 private:
  // Fill of filled with inner, then Draw3dRect(box, topLeft, bottomRight).
  void Framed(const RECT& box, COLORREF topLeft, COLORREF bottomRight, const RECT& filled,
              COLORREF inner);

  CDC& m_cdc;
  HDC m_dc;
  // 1 with 256 colours or fewer (frames drawn as Draw3dRect draws them), 0
  // with more, -1 until asked.
  int m_fewColors = -1;
};
