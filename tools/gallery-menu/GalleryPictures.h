#pragma once

#include <windows.h>

class CImageList;

// Small pictures for the gallery's sample menu, drawn with GDI so that the
// gallery needs no resources.
class GalleryPictures {
 public:
  enum Picture { New, Open, Save, Cut, StatusBar, Thumbnails, Count };

  // A new list of width x height pictures, one per Picture, in that order,
  // on a transparent ground.
  static CImageList* Make(int width, int height);
};
