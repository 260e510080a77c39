#pragma once

#include <windows.h>
// windows.h first
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <vector>

#include "framework/CBitmap.h"

class CDC;

// The finished greyed pictures of disabled menu items, each kept as the patch
// it leaves on the item: a picture that is drawn disabled again is copied with
// one block transfer instead of being turned back into a bitmap and embossed.
// A patch is known by its picture (list and index), its size, the greying
// style and the background it was composed on; the system colours it was made
// with hold for the whole cache, which empties itself when they change. It
// holds at most kCapacity patches, dropping the oldest first.
class DisabledPictureCache {
 public:
  static constexpr std::size_t kCapacity = 64;

  struct Key {
    HIMAGELIST list = nullptr;
    int index = -1;
    int width = 0;
    int height = 0;
    bool dibStyle = false;
    COLORREF background = 0;
    bool operator==(const Key& other) const;
  };
  // Draws the greyed picture with its top left at (x, y) of dc: onto a patch
  // filled with the key's background at (0, 0), or, when no patch can be
  // made, straight onto the item.
  using Painter = std::function<void(CDC* dc, int x, int y)>;

  DisabledPictureCache() = default;
  DisabledPictureCache(const DisabledPictureCache&) = delete;
  DisabledPictureCache& operator=(const DisabledPictureCache&) = delete;

  // Puts the patch of key at (x, y) on dc: width + 1 by height + 1 pixels
  // (the embossing reaches one pixel right and down). Made with paint when it
  // is not cached; when no patch can be made, paint draws straight onto dc.
  void Draw(CDC* dc, int x, int y, const Key& key, const Painter& paint);
  // Forgets every patch (a shared picture was replaced or added).
  void Clear();
  // Patches held: each is one bitmap, counted by the leak checks as the
  // cache's own.
  std::size_t Size() const { return m_entries.size(); }

 private:
  struct Entry {
    Key key;
    CBitmap patch;
  };
  // Empties the cache when the system colours the patches were made with
  // have changed since.
  void CheckColours();

  std::vector<Entry> m_entries;  // oldest first
  COLORREF m_colours[3] = {CLR_INVALID, CLR_INVALID, CLR_INVALID};
};
