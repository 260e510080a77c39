#pragma once

#include <windows.h>

#include "framework/CWnd.h"

// A button control. An owner-drawn button (BS_OWNERDRAW) draws itself: its
// parent reflects WM_DRAWITEM to DrawItem and WM_MEASUREITEM to MeasureItem.
class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  CButton() = default;

  BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCheck() const;
  void SetCheck(int nCheck);
  UINT GetState() const;
  void SetState(BOOL bHighlight);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
  HICON SetIcon(HICON hIcon);
  HICON GetIcon() const;
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;

  // Owner draw: paint the button described by lpDrawItemStruct.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  // Owner draw: size an item (buttons are sized by their window; nothing to do).
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

  // Reflected WM_DRAWITEM / WM_MEASUREITEM go to DrawItem / MeasureItem;
  // everything else to the reflected entries of the message map.
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
