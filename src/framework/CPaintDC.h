#pragma once

#include <windows.h>

#include "framework/CDC.h"

class CWnd;

// The DC of one WM_PAINT: BeginPaint on construction, EndPaint on
// destruction. Without a window (or when BeginPaint fails) it holds no DC and
// drawing through it does nothing.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;
  CPaintDC(CPaintDC&&) = delete;
  CPaintDC& operator=(CPaintDC&&) = delete;

  PAINTSTRUCT m_ps{};

 protected:
  HWND m_hWnd = nullptr;
};
