#pragma once

#include <windows.h>

#include <string>

#include "framework/CWnd.h"

// The owner window of the gallery's popup. It draws nothing itself: the
// popup's items are measured and drawn by the menu class through the
// framework's default routing. While the menu loop is idle it moves the
// selection down to one item, then saves the whole popup window (frame
// included) as a 24-bit BMP file and ends the loop.
class PopupSnapshotOwner : public CWnd {
 public:
  PopupSnapshotOwner(HMENU menu, int selectedPosition, std::string path);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  bool saved() const { return m_saved; }

 private:
  bool Save(HWND popup) const;

  HMENU m_menu;
  int m_selectedPosition;
  std::string m_path;
  int m_keys = 0;
  bool m_saved = false;
};
