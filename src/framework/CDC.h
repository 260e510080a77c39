#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/CObject.h"
#include "framework/CPoint.h"
#include "framework/CSize.h"
#include "framework/CString.h"

class CBitmap;
class CBrush;
class CFont;
class CGdiObject;
class CPen;
template <class T, class H>
class HandleMap;

// Wrapper of a device context.
//
// A CDC carries two handles: the output handle m_hDC, which receives all
// drawing, and the attribute handle m_hAttribDC, which answers queries (text
// metrics, device capabilities, current colours and origins). They are the
// same handle except where a derived class splits them (a print preview, or a
// surface that borrows a printer's handles). Calls that change the drawing
// state (colours, modes, origins, selections) are applied to both handles.
//
// A CDC that attached or created its handle owns it and deletes it when it is
// destroyed; FromHandle hands out temporary wrappers of foreign handles, which
// never own them and are freed by HandleMapBase::DeleteAllTemporaries.
//
// Every DC created through CreateCompatibleDC, CPaintDC, CClientDC or
// CWindowDC is counted until it is deleted or released (LiveDCCount).
class CDC : public CObject {
  DECLARE_DYNAMIC(CDC)

 public:
  HDC m_hDC = nullptr;
  HDC m_hAttribDC = nullptr;
  BOOL m_bPrinting = FALSE;

  CDC() = default;
  CDC(CDC&& other) noexcept;
  CDC& operator=(CDC&& other) noexcept;
  ~CDC() override;

  // ---- Handles ----------------------------------------------------------
  static CDC* FromHandle(HDC h);
  static CDC* FromHandlePermanent(HDC h);
  // Takes ownership of h as both the output and the attribute handle (FALSE
  // when this object already holds a handle or h is null).
  BOOL Attach(HDC h);
  // Gives up both handles and returns the output handle.
  HDC Detach();
  // Deletes an owned DC made by CreateDC/CreateCompatibleDC.
  BOOL DeleteDC();
  // A memory DC compatible with dc's output handle (the screen when dc is null).
  BOOL CreateCompatibleDC(CDC* dc);
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }
  BOOL IsPrinting() const { return m_bPrinting; }

  // DCs created through the wrappers and not yet deleted or released.
  static std::size_t LiveDCCount();

  // ---- Selection ----------------------------------------------------------
  // Each selects into both handles and returns the object that was selected
  // before, as a temporary wrapper unless the program wraps it permanently
  // (null on failure).
  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  CBitmap* SelectObject(CBitmap* bitmap);
  CGdiObject* SelectObject(CGdiObject* object);
  CGdiObject* SelectStockObject(int index);
  // Selects h into the one DC hdc.
  static CGdiObject* SelectGdiObject(HDC hdc, HGDIOBJ h);
  // Selects h into both handles and returns the previous handle, without
  // making a wrapper for it (what SelectionGuard uses).
  HGDIOBJ SelectHandle(HGDIOBJ h);

  CBitmap* GetCurrentBitmap() const;
  CBrush* GetCurrentBrush() const;
  CPen* GetCurrentPen() const;
  CFont* GetCurrentFont() const;

  // ---- Drawing state ------------------------------------------------------
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const;
  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const;
  int SetBkMode(int mode);
  int GetBkMode() const;
  int SetROP2(int mode);
  int GetROP2() const;
  int SetMapMode(int mode);
  int GetMapMode() const;
  CPoint SetWindowOrg(int x, int y);
  CPoint SetWindowOrg(POINT point);
  CPoint GetWindowOrg() const;
  CPoint SetViewportOrg(int x, int y);
  CPoint GetViewportOrg() const;
  void LPtoDP(POINT* points, int count = 1) const;
  void LPtoDP(RECT* rect) const;
  void DPtoLP(POINT* points, int count = 1) const;
  void DPtoLP(RECT* rect) const;
  int SaveDC();
  BOOL RestoreDC(int savedDC);

  // ---- Queries --------------------------------------------------------
  int GetDeviceCaps(int index) const;
  int GetClipBox(RECT* rect) const;
  BOOL PtVisible(int x, int y) const;
  BOOL RectVisible(const RECT* rect) const;
  CSize GetTextExtent(const char* text, int length) const;
  CSize GetTextExtent(const CString& text) const;
  CSize GetTextExtentW(const wchar_t* text, int length) const;
  BOOL GetTextMetrics(TEXTMETRICA* metrics) const;
  COLORREF GetPixel(int x, int y) const;
  COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }

  // ---- Drawing --------------------------------------------------------
  void FillRect(const RECT* rect, CBrush* brush);
  void FrameRect(const RECT* rect, CBrush* brush);
  // Fills with a solid colour without needing a brush (an opaque, empty text
  // output). Unlike a plain ExtTextOut it leaves the background colour as it
  // was, so that later text and monochrome blits are not affected.
  void FillSolidRect(const RECT* rect, COLORREF color);
  void FillSolidRect(int x, int y, int width, int height, COLORREF color);
  // A one-pixel frame: top and left edges in topLeft, right and bottom edges
  // in bottomRight (the top-right and bottom-left corner pixels are
  // bottomRight's). An empty rectangle draws nothing.
  void Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight);
  void Draw3dRect(int x, int y, int width, int height, COLORREF topLeft, COLORREF bottomRight);
  void DrawFocusRect(const RECT* rect);
  BOOL DrawEdge(RECT* rect, UINT edge, UINT flags);

  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
  BOOL LineTo(int x, int y);
  BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
  // Lines through count points in the current pen, the last point not drawn;
  // neither uses nor moves the current position.
  BOOL Polyline(const POINT* points, int count);
  BOOL Rectangle(int left, int top, int right, int bottom);
  BOOL Rectangle(const RECT* rect);
  BOOL Ellipse(int left, int top, int right, int bottom);
  BOOL Ellipse(const RECT* rect);

  // length -1: zero-terminated.
  int DrawText(const char* text, int length, RECT* rect, UINT format);
  int DrawText(const CString& text, RECT* rect, UINT format);
  int DrawTextW(const wchar_t* text, int length, RECT* rect, UINT format);
  BOOL TextOut(int x, int y, const char* text, int length);
  BOOL TextOut(int x, int y, const CString& text);
  BOOL ExtTextOut(int x, int y, UINT options, const RECT* rect, const char* text, UINT length,
                  const INT* widths);

  BOOL DrawIcon(int x, int y, HICON icon);
  BOOL DrawIcon(POINT point, HICON icon) { return DrawIcon(point.x, point.y, icon); }
  // DrawStateA with no callback: flags carry the DSS_ state bits (the DST_
  // kind follows from the overload); brush is used only with DSS_MONO.
  BOOL DrawState(POINT point, SIZE size, HICON icon, UINT flags, HBRUSH brush = nullptr);
  BOOL DrawState(POINT point, SIZE size, HBITMAP bitmap, UINT flags, HBRUSH brush = nullptr);
  BOOL DrawState(POINT point, SIZE size, CBitmap* bitmap, UINT flags, CBrush* brush = nullptr);

  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
              DWORD rop);
  BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight, DWORD rop);
  BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
  COLORREF SetPixel(int x, int y, COLORREF color);
  COLORREF SetPixel(POINT point, COLORREF color) { return SetPixel(point.x, point.y, color); }

  // Used by the handle map.
  static CDC* NewTemporary(HDC h);
  static void DeleteTemporary(CDC* p);

 protected:
  // Attaches a DC the wrapper has just obtained and counts it.
  BOOL AttachCreated(HDC h);
  // Forgets the count of a DC that a derived class gave back itself
  // (EndPaint, ReleaseDC).
  static void NoteReleased(HDC h);

 private:
  static HandleMap<CDC, HDC>& Map();
};
