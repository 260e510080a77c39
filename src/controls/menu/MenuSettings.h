#pragma once

#include <windows.h>

class CImageList;

// The settings of one TrellMenu that measuring, drawing and making pictures
// read, copied from its members (TrellMenu::Settings): a small value, so that
// the measurer, the painters and the pictures take what they need and not the
// menu.
struct MenuSettings {
  int imageWidth = 0;
  int imageHeight = 0;
  COLORREF maskColor = 0;
  BOOL useMaskColor = FALSE;
  BOOL disabledStyle = FALSE;
  CImageList* checkImages = nullptr;
  int selectedCheckBitmapId = 0;
  int checkBitmapId = 0;
  BOOL imagesAreIcons = FALSE;
};
