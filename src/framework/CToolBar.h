#pragma once

#include <windows.h>

#include <vector>

#include "framework/CObject.h"

// Custom resource type of toolbar resources, as resource compilers write it.
#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCEA(241)
#endif

// Button style of a separator.
#ifndef TBBS_SEPARATOR
#define TBBS_SEPARATOR 0x0001
#endif

// The buttons of a toolbar resource: which command each button sends and
// which picture of the toolbar's bitmap it shows. This reads the resource
// only; it makes no window.
//
// A toolbar resource (type RT_TOOLBAR) holds, as 16-bit little-endian words:
// version (1), picture width, picture height, button count, then one command
// id per button, 0 for a separator. Pictures are numbered from 0 in button
// order, separators skipped. The bitmap resource of the same name holds the
// pictures side by side.
class CToolBar : public CObject {
  DECLARE_DYNAMIC(CToolBar)

 public:
  CToolBar() = default;

  // Reads toolbar resource name (from the module AfxFindResourceHandle names
  // for it). FALSE when the resource or its bitmap is missing or malformed;
  // the buttons read before are kept then.
  BOOL LoadToolBar(const char* resourceName);
  BOOL LoadToolBar(UINT resourceId);

  int GetCount() const { return static_cast<int>(m_buttons.size()); }
  // Index of the first button that sends command id, -1 when none does.
  int CommandToIndex(UINT id) const;
  // The command, style (TBBS_SEPARATOR or 0) and picture number of button
  // index; a separator's picture number is -1. All 0 for a bad index.
  void GetButtonInfo(int index, UINT& id, UINT& style, int& image) const;
  UINT GetItemID(int index) const;
  // Size of one picture as the resource states it.
  SIZE GetImageSize() const { return m_imageSize; }

 private:
  struct Button {
    UINT id;
    UINT style;
    int image;
  };
  std::vector<Button> m_buttons;
  SIZE m_imageSize = {0, 0};
};
