#pragma once

#include <windows.h>

#include "framework/CDC.h"

class CWnd;

// The client-area DC of a window (GetDC), released on destruction. A null
// window gives the DC of the whole screen.
class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* wnd);
  ~CClientDC() override;
  CClientDC(CClientDC&&) = delete;
  CClientDC& operator=(CClientDC&&) = delete;

 protected:
  HWND m_hWnd = nullptr;
};
