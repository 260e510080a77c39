#include "controls/menu/PicturePatchCache.h"

#include "controls/menu/SolidFills.h"
#include "framework/CDC.h"
#include "framework/SelectionGuard.h"

bool PicturePatchCache::Key::operator==(const Key& other) const {
  return kind == other.kind && list == other.list && index == other.index &&
         shadowIndex == other.shadowIndex && width == other.width && height == other.height &&
         dibStyle == other.dibStyle && background == other.background;
}

void PicturePatchCache::CheckColours() {
  // The colours patches are made from besides their backgrounds: the face a
  // picture is drawn on before it is greyed, the two embossing colours (also
  // a check cell's frame), and a check cell's mark.
  const COLORREF now[kColours] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT),
                                  GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_MENUTEXT)};
  bool same = true;
  for (int i = 0; i < kColours; ++i) {
    same = same && now[i] == m_colours[i];
  }
  if (!same) {
    Clear();
    for (int i = 0; i < kColours; ++i) {
      m_colours[i] = now[i];
    }
  }
}

SIZE PicturePatchCache::PatchSize(const Key& key) {
  const int margin = key.kind == Kind::Lifted ? 2 : key.kind == Kind::Greyed ? 1 : 0;
  return SIZE{key.width + margin, key.height + margin};
}

void PicturePatchCache::Clear() { m_entries.clear(); }

void PicturePatchCache::Keep(Entry&& made) {
  if (m_entries.size() >= kCapacity) {
    m_entries.erase(m_entries.begin());
  }
  m_entries.push_back(std::move(made));
}

void PicturePatchCache::Draw(CDC* dc, int x, int y, const Key& key, const Painter& paint) {
  if (dc == nullptr) {
    return;
  }
  CheckColours();
  if (SolidFills::ColorBits(dc->m_hDC) >= 24) {
    DrawDib(dc, x, y, key, paint);
    return;
  }
  const SIZE size = PatchSize(key);
  const int width = size.cx;
  const int height = size.cy;
  CDC patchDC;
  if (!patchDC.CreateCompatibleDC(dc)) {
    paint(dc, x, y);
    return;
  }
  for (Entry& entry : m_entries) {
    if (entry.key == key && !entry.dib) {
      SelectionGuard keepPatch(patchDC, entry.patch);
      dc->BitBlt(x, y, width, height, &patchDC, 0, 0, SRCCOPY);
      return;
    }
  }
  Entry made;
  made.key = key;
  if (!made.patch.CreateCompatibleBitmap(dc, width, height)) {
    paint(dc, x, y);
    return;
  }
  {
    SelectionGuard keepPatch(patchDC, made.patch);
    patchDC.FillSolidRect(0, 0, width, height, key.background);
    paint(&patchDC, 0, 0);
    dc->BitBlt(x, y, width, height, &patchDC, 0, 0, SRCCOPY);
  }
  Keep(std::move(made));
}

void PicturePatchCache::DrawDib(CDC* dc, int x, int y, const Key& key, const Painter& paint) {
  const SIZE size = PatchSize(key);
  if (!m_dibDC) {
    m_dibDC.reset(::CreateCompatibleDC(nullptr));
  }
  // Borrowed, not owned: the cache deletes the DC itself.
  CDC patchDC;
  patchDC.m_hDC = m_dibDC.get();
  patchDC.m_hAttribDC = m_dibDC.get();
  const Entry* found = nullptr;
  for (const Entry& entry : m_entries) {
    if (entry.key == key && entry.dib) {
      found = &entry;
      break;
    }
  }
  Entry made;
  if (found == nullptr && m_dibDC) {
    made.key = key;
    made.dib = true;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    made.patch.CreateDIBSection(&patchDC, &info, DIB_RGB_COLORS, &bits);
  }
  const CBitmap* patch = found != nullptr ? &found->patch : &made.patch;
  bool drawn = false;
  if (patch->m_hObject != nullptr) {
    SelectionGuard keepPatch(patchDC, *patch);
    if (keepPatch.Previous() != nullptr) {
      if (found == nullptr) {
        patchDC.FillSolidRect(0, 0, size.cx, size.cy, key.background);
        paint(&patchDC, 0, 0);
      }
      dc->BitBlt(x, y, size.cx, size.cy, &patchDC, 0, 0, SRCCOPY);
      drawn = true;
    }
  }
  patchDC.m_hDC = nullptr;
  patchDC.m_hAttribDC = nullptr;
  if (!drawn) {
    paint(dc, x, y);  // no patch could be made: straight onto the item
    return;
  }
  if (found == nullptr) {
    Keep(std::move(made));
  }
}
