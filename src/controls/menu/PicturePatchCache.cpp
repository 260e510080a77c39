#include "controls/menu/PicturePatchCache.h"

#include "framework/CDC.h"
#include "framework/SelectionGuard.h"
#include "gfx/ColorDepth.h"

bool PicturePatchCache::Key::operator==(const Key& other) const {
  return kind == other.kind && list == other.list && index == other.index &&
         shadowIndex == other.shadowIndex && width == other.width && height == other.height &&
         dibStyle == other.dibStyle && background == other.background;
}

void PicturePatchCache::CheckColours() {
  // The colours greyed pictures are made from: the face a picture is drawn
  // on before it is greyed, and the two embossing colours.
  const COLORREF now[kColours] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT),
                                  GetSysColor(COLOR_BTNSHADOW)};
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

void PicturePatchCache::Draw(CDC* dc, int x, int y, const Key& key, const Painter& paint) {
  if (dc == nullptr) {
    return;
  }
  CheckColours();
  const SIZE size = PatchSize(key);
  // A 32-bit DIB holds every colour of a target of 24 or 32 bits exactly and
  // is drawn through the kept DC; for other targets the patch is a bitmap
  // compatible with the target, on a DC made for it.
  const bool dib = color_depth::ColorBits(dc->m_hDC) >= 24;
  CDC madeDC;  // the DC made for a patch compatible with the target
  CDC* patchDC = &madeDC;
  if (dib) {
    if (!m_dibDC) {
      m_dibDC.reset(::CreateCompatibleDC(nullptr));
    }
    patchDC = CDC::FromHandle(m_dibDC.get());  // a wrapper of the kept DC, which stays ours
  } else {
    madeDC.CreateCompatibleDC(dc);
  }

  const Entry* found = nullptr;
  for (const Entry& entry : m_entries) {
    if (entry.key == key && entry.dib == dib) {
      found = &entry;
      break;
    }
  }
  Entry made;
  if (found == nullptr && patchDC != nullptr && patchDC->m_hDC != nullptr) {
    made.key = key;
    made.dib = dib;
    if (dib) {
      BITMAPINFO info{};
      info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
      info.bmiHeader.biWidth = size.cx;
      info.bmiHeader.biHeight = -size.cy;  // top-down
      info.bmiHeader.biPlanes = 1;
      info.bmiHeader.biBitCount = 32;
      info.bmiHeader.biCompression = BI_RGB;
      void* bits = nullptr;
      made.patch.CreateDIBSection(patchDC, &info, DIB_RGB_COLORS, &bits);
    } else {
      made.patch.CreateCompatibleBitmap(dc, size.cx, size.cy);
    }
  }
  const CBitmap& patch = found != nullptr ? found->patch : made.patch;
  bool drawn = false;
  if (patch.m_hObject != nullptr && patchDC != nullptr) {
    SelectionGuard keepPatch(*patchDC, patch);
    if (keepPatch.Previous() != nullptr) {
      if (found == nullptr) {
        patchDC->FillSolidRect(0, 0, size.cx, size.cy, key.background);
        paint(patchDC, 0, 0);
      }
      dc->BitBlt(x, y, size.cx, size.cy, patchDC, 0, 0, SRCCOPY);
      drawn = true;
    }
  }
  if (!drawn) {
    paint(dc, x, y);  // no patch could be made: straight onto the item
    return;
  }
  if (found == nullptr) {
    if (m_entries.size() >= kCapacity) {
      m_entries.erase(m_entries.begin());
    }
    m_entries.push_back(std::move(made));
  }
}
