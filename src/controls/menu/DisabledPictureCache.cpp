#include "controls/menu/DisabledPictureCache.h"

#include "framework/CDC.h"
#include "framework/SelectionGuard.h"

bool DisabledPictureCache::Key::operator==(const Key& other) const {
  return list == other.list && index == other.index && width == other.width &&
         height == other.height && dibStyle == other.dibStyle && background == other.background;
}

void DisabledPictureCache::CheckColours() {
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

void DisabledPictureCache::Clear() { m_entries.clear(); }

void DisabledPictureCache::Draw(CDC* dc, int x, int y, const Key& key, const Painter& paint) {
  if (dc == nullptr) {
    return;
  }
  CheckColours();
  const int width = key.width + 1;
  const int height = key.height + 1;
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
