#include "framework/CDC.h"

#include <cstring>
#include <cwchar>
#include <set>
#include <utility>

#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/CGdiObject.h"
#include "framework/CPen.h"
#include "framework/HandleMap.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

// DCs created or obtained through the wrappers and not yet given back.
std::set<HDC>& CreatedDCs() {
  static auto* created = new std::set<HDC>;  // never destroyed, like the map
  return *created;
}

// Applies a state change to the output handle (when it is a separate one) and
// to the attribute handle; the result is the attribute handle's, or the output
// handle's when there is no attribute handle.
template <class F>
auto ApplyToBoth(HDC output, HDC attribute, F f) -> decltype(f(output)) {
  decltype(f(output)) result{};
  if (output != nullptr && output != attribute) {
    result = f(output);
  }
  if (attribute != nullptr) {
    result = f(attribute);
  }
  return result;
}

RECT Normalized(const RECT& r) {
  RECT n = r;
  if (n.left > n.right) {
    std::swap(n.left, n.right);
  }
  if (n.top > n.bottom) {
    std::swap(n.top, n.bottom);
  }
  return n;
}

}  // namespace

HandleMap<CDC, HDC>& CDC::Map() {
  // Never destroyed: wrappers with static storage may outlive any static map.
  static auto* map = new HandleMap<CDC, HDC>;
  return *map;
}

// ---- Handles ----------------------------------------------------------------

CDC::CDC(CDC&& other) noexcept { *this = std::move(other); }

CDC& CDC::operator=(CDC&& other) noexcept {
  if (this == &other) {
    return *this;
  }
  if (m_hDC != nullptr) {
    DeleteDC();
  }
  const bool permanent = other.m_hDC != nullptr && Map().LookupPermanent(other.m_hDC) == &other;
  m_hDC = other.m_hDC;
  m_hAttribDC = other.m_hAttribDC;
  m_bPrinting = other.m_bPrinting;
  other.m_hDC = nullptr;
  other.m_hAttribDC = nullptr;
  other.m_bPrinting = FALSE;
  if (permanent) {
    Map().SetPermanent(m_hDC, this);
  }
  return *this;
}

CDC::~CDC() {
  if (m_hDC != nullptr) {
    DeleteDC();
  }
}

CDC* CDC::FromHandle(HDC h) { return Map().FromHandle(h); }

CDC* CDC::FromHandlePermanent(HDC h) { return h == nullptr ? nullptr : Map().LookupPermanent(h); }

BOOL CDC::Attach(HDC h) {
  if (h == nullptr || m_hDC != nullptr) {
    return FALSE;
  }
  m_hDC = h;
  m_hAttribDC = h;
  Map().SetPermanent(h, this);
  return TRUE;
}

HDC CDC::Detach() {
  HDC h = m_hDC;
  if (h != nullptr && Map().LookupPermanent(h) == this) {
    Map().RemoveHandle(h);
  }
  m_hDC = nullptr;
  m_hAttribDC = nullptr;
  return h;
}

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) {
    return FALSE;
  }
  HDC h = Detach();
  if (!::DeleteDC(h)) {
    return FALSE;
  }
  CreatedDCs().erase(h);
  return TRUE;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
  return AttachCreated(::CreateCompatibleDC(dc == nullptr ? nullptr : dc->m_hDC));
}

BOOL CDC::AttachCreated(HDC h) {
  if (h == nullptr) {
    return FALSE;
  }
  if (!Attach(h)) {
    ::DeleteDC(h);
    return FALSE;
  }
  CreatedDCs().insert(h);
  return TRUE;
}

void CDC::NoteReleased(HDC h) { CreatedDCs().erase(h); }

std::size_t CDC::LiveDCCount() {
  std::set<HDC>& created = CreatedDCs();
  for (auto it = created.begin(); it != created.end();) {
    it = ::GetObjectType(*it) == 0 ? created.erase(it) : std::next(it);
  }
  return created.size();
}

CDC* CDC::NewTemporary(HDC h) {
  CDC* p = new CDC;
  p->m_hDC = h;  // not in the permanent map, not owned
  p->m_hAttribDC = h;
  return p;
}

void CDC::DeleteTemporary(CDC* p) {
  p->m_hDC = nullptr;
  p->m_hAttribDC = nullptr;
  delete p;
}

// ---- Selection ----------------------------------------------------------------

HGDIOBJ CDC::SelectHandle(HGDIOBJ h) {
  if (h == nullptr) {
    return nullptr;
  }
  return ApplyToBoth(m_hDC, m_hAttribDC, [h](HDC dc) { return ::SelectObject(dc, h); });
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
  return object == nullptr ? nullptr : CGdiObject::FromHandle(SelectHandle(object->m_hObject));
}

CPen* CDC::SelectObject(CPen* pen) {
  return pen == nullptr ? nullptr
                        : CPen::FromHandle(static_cast<HPEN>(SelectHandle(pen->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* brush) {
  return brush == nullptr ? nullptr
                          : CBrush::FromHandle(static_cast<HBRUSH>(SelectHandle(brush->m_hObject)));
}

CFont* CDC::SelectObject(CFont* font) {
  return font == nullptr ? nullptr
                         : CFont::FromHandle(static_cast<HFONT>(SelectHandle(font->m_hObject)));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  return bitmap == nullptr
             ? nullptr
             : CBitmap::FromHandle(static_cast<HBITMAP>(SelectHandle(bitmap->m_hObject)));
}

CGdiObject* CDC::SelectStockObject(int index) {
  return CGdiObject::FromHandle(SelectHandle(::GetStockObject(index)));
}

CGdiObject* CDC::SelectGdiObject(HDC hdc, HGDIOBJ h) {
  if (hdc == nullptr || h == nullptr) {
    return nullptr;
  }
  return CGdiObject::FromHandle(::SelectObject(hdc, h));
}

CBitmap* CDC::GetCurrentBitmap() const {
  return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CBrush* CDC::GetCurrentBrush() const {
  return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

CPen* CDC::GetCurrentPen() const {
  return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}

CFont* CDC::GetCurrentFont() const {
  return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

// ---- Drawing state ------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF color) {
  return ApplyToBoth(m_hDC, m_hAttribDC, [color](HDC dc) { return ::SetTextColor(dc, color); });
}

COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }

COLORREF CDC::SetBkColor(COLORREF color) {
  return ApplyToBoth(m_hDC, m_hAttribDC, [color](HDC dc) { return ::SetBkColor(dc, color); });
}

COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }

int CDC::SetBkMode(int mode) {
  return ApplyToBoth(m_hDC, m_hAttribDC, [mode](HDC dc) { return ::SetBkMode(dc, mode); });
}

int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }

int CDC::SetROP2(int mode) {
  return ApplyToBoth(m_hDC, m_hAttribDC, [mode](HDC dc) { return ::SetROP2(dc, mode); });
}

int CDC::GetROP2() const { return ::GetROP2(m_hAttribDC); }

int CDC::SetMapMode(int mode) {
  return ApplyToBoth(m_hDC, m_hAttribDC, [mode](HDC dc) { return ::SetMapMode(dc, mode); });
}

int CDC::GetMapMode() const { return ::GetMapMode(m_hAttribDC); }

CPoint CDC::SetWindowOrg(int x, int y) {
  return ApplyToBoth(m_hDC, m_hAttribDC, [x, y](HDC dc) {
    POINT old{};
    ::SetWindowOrgEx(dc, x, y, &old);
    return old;
  });
}

CPoint CDC::SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }

CPoint CDC::GetWindowOrg() const {
  CPoint p;
  ::GetWindowOrgEx(m_hAttribDC, &p);
  return p;
}

CPoint CDC::SetViewportOrg(int x, int y) {
  return ApplyToBoth(m_hDC, m_hAttribDC, [x, y](HDC dc) {
    POINT old{};
    ::SetViewportOrgEx(dc, x, y, &old);
    return old;
  });
}

CPoint CDC::GetViewportOrg() const {
  CPoint p;
  ::GetViewportOrgEx(m_hAttribDC, &p);
  return p;
}

void CDC::LPtoDP(POINT* points, int count) const { ::LPtoDP(m_hAttribDC, points, count); }

void CDC::LPtoDP(RECT* rect) const { ::LPtoDP(m_hAttribDC, reinterpret_cast<POINT*>(rect), 2); }

void CDC::DPtoLP(POINT* points, int count) const { ::DPtoLP(m_hAttribDC, points, count); }

void CDC::DPtoLP(RECT* rect) const { ::DPtoLP(m_hAttribDC, reinterpret_cast<POINT*>(rect), 2); }

int CDC::SaveDC() {
  return ApplyToBoth(m_hDC, m_hAttribDC, [](HDC dc) { return ::SaveDC(dc); });
}

BOOL CDC::RestoreDC(int savedDC) {
  BOOL ok = TRUE;
  if (m_hDC != nullptr && m_hDC != m_hAttribDC) {
    ok = ::RestoreDC(m_hDC, savedDC) && ok;
  }
  if (m_hAttribDC != nullptr) {
    ok = ::RestoreDC(m_hAttribDC, savedDC) && ok;
  }
  return m_hDC == nullptr && m_hAttribDC == nullptr ? FALSE : ok;
}

// ---- Queries --------------------------------------------------------------------

int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hAttribDC, index); }

int CDC::GetClipBox(RECT* rect) const { return ::GetClipBox(m_hDC, rect); }

BOOL CDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }

BOOL CDC::RectVisible(const RECT* rect) const { return ::RectVisible(m_hDC, rect); }

CSize CDC::GetTextExtent(const char* text, int length) const {
  CSize size;
  if (text != nullptr) {
    if (length < 0) {
      length = static_cast<int>(std::strlen(text));
    }
    ::GetTextExtentPoint32A(m_hAttribDC, text, length, &size);
  }
  return size;
}

CSize CDC::GetTextExtentW(const wchar_t* text, int length) const {
  CSize size;
  if (text != nullptr) {
    if (length < 0) {
      length = static_cast<int>(std::wcslen(text));
    }
    ::GetTextExtentPoint32W(m_hAttribDC, text, length, &size);
  }
  return size;
}

CSize CDC::GetTextExtent(const CString& text) const {
  return GetTextExtent(text.GetString(), text.GetLength());
}

BOOL CDC::GetTextMetrics(TEXTMETRICA* metrics) const {
  return ::GetTextMetricsA(m_hAttribDC, metrics);
}

COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

// ---- Drawing ------------------------------------------------------------------

void CDC::FillRect(const RECT* rect, CBrush* brush) {
  ::FillRect(m_hDC, rect, brush == nullptr ? nullptr : static_cast<HBRUSH>(brush->m_hObject));
}

void CDC::FrameRect(const RECT* rect, CBrush* brush) {
  ::FrameRect(m_hDC, rect, brush == nullptr ? nullptr : static_cast<HBRUSH>(brush->m_hObject));
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
  if (rect == nullptr || m_hDC == nullptr) {
    return;
  }
  const RECT r = Normalized(*rect);
  const COLORREF previous = ::SetBkColor(m_hDC, color);
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  if (previous != CLR_INVALID) {
    ::SetBkColor(m_hDC, previous);
  }
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) {
  const RECT r{x, y, x + width, y + height};
  FillSolidRect(&r, color);
}

void CDC::Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight) {
  if (rect != nullptr) {
    Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft,
               bottomRight);
  }
}

void CDC::Draw3dRect(int x, int y, int width, int height, COLORREF topLeft, COLORREF bottomRight) {
  if (width <= 0 || height <= 0) {
    return;  // an empty frame: nothing, rather than pixels outside it
  }
  FillSolidRect(x, y, width - 1, 1, topLeft);               // top, without its last pixel
  FillSolidRect(x, y, 1, height - 1, topLeft);              // left, without its last pixel
  FillSolidRect(x + width - 1, y, 1, height, bottomRight);  // right, full height
  FillSolidRect(x, y + height - 1, width, 1, bottomRight);  // bottom, full width
}

void CDC::DrawFocusRect(const RECT* rect) { ::DrawFocusRect(m_hDC, rect); }

BOOL CDC::DrawEdge(RECT* rect, UINT edge, UINT flags) {
  return ::DrawEdge(m_hDC, rect, edge, flags);
}

CPoint CDC::MoveTo(int x, int y) {
  return ApplyToBoth(m_hDC, m_hAttribDC, [x, y](HDC dc) {
    POINT old{};
    ::MoveToEx(dc, x, y, &old);
    return old;
  });
}

BOOL CDC::LineTo(int x, int y) {
  // Keep the attribute handle's current position in step with the output's.
  if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC) {
    ::MoveToEx(m_hAttribDC, x, y, nullptr);
  }
  return ::LineTo(m_hDC, x, y);
}

BOOL CDC::Polyline(const POINT* points, int count) {
  return points == nullptr ? FALSE : ::Polyline(m_hDC, points, count);
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
  return ::Rectangle(m_hDC, left, top, right, bottom);
}

BOOL CDC::Rectangle(const RECT* rect) {
  return rect != nullptr && Rectangle(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
  return ::Ellipse(m_hDC, left, top, right, bottom);
}

BOOL CDC::Ellipse(const RECT* rect) {
  return rect != nullptr && Ellipse(rect->left, rect->top, rect->right, rect->bottom);
}

int CDC::DrawText(const char* text, int length, RECT* rect, UINT format) {
  return text == nullptr ? 0 : ::DrawTextA(m_hDC, text, length, rect, format);
}

int CDC::DrawText(const CString& text, RECT* rect, UINT format) {
  return ::DrawTextA(m_hDC, text.GetString(), text.GetLength(), rect, format);
}

int CDC::DrawTextW(const wchar_t* text, int length, RECT* rect, UINT format) {
  return text == nullptr ? 0 : ::DrawTextW(m_hDC, text, length, rect, format);
}

BOOL CDC::TextOut(int x, int y, const char* text, int length) {
  if (text == nullptr) {
    return FALSE;
  }
  if (length < 0) {
    length = static_cast<int>(std::strlen(text));
  }
  return ::TextOutA(m_hDC, x, y, text, length);
}

BOOL CDC::TextOut(int x, int y, const CString& text) {
  return ::TextOutA(m_hDC, x, y, text.GetString(), text.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, const RECT* rect, const char* text, UINT length,
                     const INT* widths) {
  return ::ExtTextOutA(m_hDC, x, y, options, rect, text, length, widths);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

BOOL CDC::DrawState(POINT point, SIZE size, HICON icon, UINT flags, HBRUSH brush) {
  return ::DrawStateA(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(icon), 0, point.x, point.y,
                      size.cx, size.cy, (flags & ~0xFu) | DST_ICON);
}

BOOL CDC::DrawState(POINT point, SIZE size, HBITMAP bitmap, UINT flags, HBRUSH brush) {
  return ::DrawStateA(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, point.x, point.y,
                      size.cx, size.cy, (flags & ~0xFu) | DST_BITMAP);
}

BOOL CDC::DrawState(POINT point, SIZE size, CBitmap* bitmap, UINT flags, CBrush* brush) {
  return DrawState(point, size,
                   bitmap == nullptr ? nullptr : static_cast<HBITMAP>(bitmap->m_hObject), flags,
                   brush == nullptr ? nullptr : static_cast<HBRUSH>(brush->m_hObject));
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                 DWORD rop) {
  return ::BitBlt(m_hDC, x, y, width, height, source == nullptr ? nullptr : source->m_hDC, sourceX,
                  sourceY, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight, DWORD rop) {
  return ::StretchBlt(m_hDC, x, y, width, height, source == nullptr ? nullptr : source->m_hDC,
                      sourceX, sourceY, sourceWidth, sourceHeight, rop);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
  return ::PatBlt(m_hDC, x, y, width, height, rop);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
