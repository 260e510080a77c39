#include "controls/menu/PicturePatchCache.h"

#include "framework/CDC.h"
#include "framework/SelectionGuard.h"

bool PicturePatchCache::Key::operator==(const Key& other) const {
  return kind == other.kind && list == other.list && index == other.index &&
         shadowIndex == other.shadowIndex && width == other.width && height == other.height &&
         dibStyle == other.dibStyle && background == other.background;
}

void PicturePatchCache::CheckColours() {
  // The colours greyed pictures are made from: the face a picture is drawn
  // on before it is greyed, and the two embossing colours.
  const COLORREF now[3] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT),
                           GetSysColor(COLOR_BTNSHADOW)};
  if (now[0] != m_colours[0] || now[1] != m_colours[1] || now[2] != m_colours[2]) {
    Clear();
    for (int i = 0; i < 3; ++i) {
      m_colours[i] = now[i];
    }
  }
}

SIZE PicturePatchCache::PatchSize(const Key& key) {
  const int margin = key.kind == Kind::Lifted ? 2 : key.kind == Kind::Greyed ? 1 : 0;
  return SIZE{key.width + margin, key.height + margin};
}

void PicturePatchCache::Clear() { m_entries.clear(); }

void PicturePatchCache::Draw(CDC* dc, int x, int y, const Key& key, const Painter& paint) {
  if (dc == nullptr) {
    return;
  }
  CheckColours();
  const SIZE size = PatchSize(key);
  const int width = size.cx;
  const int height = size.cy;
  CDC patchDC;
  if (!patchDC.CreateCompatibleDC(dc)) {
    paint(dc, x, y);
    return;
  }
  for (Entry& entry : m_entries) {
    if (entry.key == key) {
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
  if (m_entries.size() >= kCapacity) {
    m_entries.erase(m_entries.begin());
  }
  m_entries.push_back(std::move(made));
}
