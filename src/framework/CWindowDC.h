#pragma once

#include <windows.h>

#include "framework/CDC.h"

class CWnd;

// The DC of a whole window, non-client area included (GetWindowDC), released
// on destruction. A null window gives the DC of the whole screen.
class CWindowDC : public CDC {
 public:
  explicit CWindowDC(CWnd* wnd);
  ~CWindowDC() override;
  CWindowDC(CWindowDC&&) = delete;
  CWindowDC& operator=(CWindowDC&&) = delete;

 protected:
  HWND m_hWnd = nullptr;
};
