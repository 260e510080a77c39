#include "controls/menu/SolidFills.h"

#include "framework/CDC.h"
#include "framework/UniqueHandle.h"
#include "gfx/ColorDepth.h"

namespace {

bool HasArea(const RECT& r) { return r.right > r.left && r.bottom > r.top; }

RECT Inset(const RECT& r) { return RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}; }

}  // namespace

SolidFills::SolidFills(CDC& dc) : m_cdc(dc), m_dc(dc.m_hDC) {}

bool SolidFills::FewColors() {
  if (m_fewColors < 0) {
    m_fewColors = color_depth::ColorBits(m_dc) <= 8 ? 1 : 0;
  }
  return m_fewColors != 0;
}

void SolidFills::Fill(const RECT& rect, COLORREF color) {
  if (m_dc != nullptr) {
    const UniqueBrush brush(CreateSolidBrush(color));
    FillRect(m_dc, &rect, brush.get());
  }
}

void SolidFills::FillSystem(const RECT& rect, int colorIndex) {
  if (m_dc != nullptr) {
    FillRect(m_dc, &rect, GetSysColorBrush(colorIndex));
  }
}

void SolidFills::FramedFill(const RECT& rect, COLORREF frame, COLORREF inner) {
  Framed(rect, frame, frame, rect, inner);
}

void SolidFills::Box(const RECT& box, COLORREF topLeft, COLORREF bottomRight, COLORREF inner) {
  Framed(box, topLeft, bottomRight, Inset(box), inner);
}

void SolidFills::Framed(const RECT& box, COLORREF topLeft, COLORREF bottomRight, const RECT& filled,
                        COLORREF inner) {
  if (m_dc == nullptr) {
    return;
  }
  const bool invertedFill = filled.right < filled.left || filled.bottom < filled.top;
  if (!HasArea(box) || invertedFill || FewColors()) {
    // The fill and the frame as they are named: an empty box has no frame,
    // and what a fill of an inverted rectangle paints is the platform's.
    Fill(filled, inner);
    m_cdc.Draw3dRect(&box, topLeft, bottomRight);
    return;
  }
  // The frame's colours first, each as one fill: the whole box in the
  // bottom-right colour, then all of it but the last column and row in the
  // top-left one, which leaves exactly Draw3dRect's top and left edges.
  Fill(box, bottomRight);
  if (topLeft != bottomRight) {
    Fill(RECT{box.left, box.top, box.right - 1, box.bottom - 1}, topLeft);
  }
  // Then what lies inside the frame; the frame covers every other pixel the
  // fill would have reached.
  const RECT inside = Inset(box);
  if (HasArea(inside) && (inner != topLeft || inner != bottomRight)) {
    Fill(inside, inner);
  }
}
