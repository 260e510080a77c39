#pragma once

#include <windows.h>
// windows.h first
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <vector>

#include "framework/CBitmap.h"
#include "framework/UniqueHandle.h"

class CDC;

// Finished pictures of menu items, each kept as the patch it leaves on the
// item, so that drawing it again is one block transfer instead of turning the
// picture back into a bitmap and embossing it (a greyed picture) or drawing it
// twice through its mask (a lifted picture: a hovered picture over its
// shadow; a plain picture, drawn through its mask once). A patch is known by
// its kind, its picture (list and index, and the shadow's index), its size,
// the greying style and the background it was composed on; the system
// colours it was made with hold for the whole cache,
// which empties itself when they change. It holds at most kCapacity patches,
// dropping the oldest first.
class PicturePatchCache {
 public:
  static constexpr std::size_t kCapacity = 64;

  enum class Kind { Greyed, Lifted, Plain };
  struct Key {
    Kind kind = Kind::Greyed;
    HIMAGELIST list = nullptr;
    int index = -1;
    int shadowIndex = -1;  // a lifted picture's shadow
    int width = 0;         // of the picture
    int height = 0;
    bool dibStyle = false;
    COLORREF background = 0;
    bool operator==(const Key& other) const;
  };
  // Draws the picture with its patch's top left at (x, y) of dc: onto a patch
  // filled with the key's background at (0, 0), or, when no patch can be
  // made, straight onto the item.
  using Painter = std::function<void(CDC* dc, int x, int y)>;

  PicturePatchCache() = default;
  PicturePatchCache(const PicturePatchCache&) = delete;
  PicturePatchCache& operator=(const PicturePatchCache&) = delete;

  // Puts the patch of key at (x, y) on dc: width + 1 by height + 1 pixels for
  // a greyed picture (the embossing reaches one pixel right and down), width +
  // 2 by height + 2 for a lifted one (the picture one pixel up and left, its
  // shadow one pixel down and right), width by height for a plain one. Made
  // with paint when it is not cached; when no patch can be made, paint draws
  // straight onto dc.
  void Draw(CDC* dc, int x, int y, const Key& key, const Painter& paint);
  static SIZE PatchSize(const Key& key);
  // Forgets every patch (a shared picture was replaced or added).
  void Clear();
  // Patches held: each is one bitmap, counted by the leak checks as the
  // cache's own.
  std::size_t Size() const { return m_entries.size(); }

 private:
  struct Entry {
    Key key;
    CBitmap patch;
    // A 32-bit DIB, kept for targets of 24 or 32 bits per pixel, which it
    // copies to exactly; else a bitmap compatible with the target.
    bool dib = false;
  };

  // Empties the cache when the system colours the patches were made with
  // have changed since.
  void CheckColours();

  std::vector<Entry> m_entries;  // oldest first
  // The DC DIB patches are selected into, made on first need: making a DC
  // and selecting a bitmap compatible with the screen into it is slow on
  // some systems, and would be paid for every picture drawn.
  UniqueMemoryDC m_dibDC;
  static constexpr int kColours = 3;
  COLORREF m_colours[kColours] = {CLR_INVALID, CLR_INVALID, CLR_INVALID};
};
