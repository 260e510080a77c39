#pragma once

#include <windows.h>

#include "framework/CDC.h"

// The DC that menu labels are measured on and menu pictures are made for:
// that of the main window of the framework thread, else the screen's.
// Released (and no longer counted) when the object goes; GetSafeHdc() is
// null when the platform gave no DC.
class MenuScreenDC : public CDC {
 public:
  MenuScreenDC();
  MenuScreenDC(MenuScreenDC&&) = delete;
  MenuScreenDC& operator=(MenuScreenDC&&) = delete;
  ~MenuScreenDC() override;

 private:
  static HWND ScreenWindow();

  HWND m_window;
};
