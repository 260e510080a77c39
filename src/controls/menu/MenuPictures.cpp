#include "controls/menu/MenuPictures.h"

#include <cstring>

#include "controls/menu/ColorBlend.h"
#include "controls/menu/MenuDrawing.h"
#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuScreenDC.h"
#include "framework/Afx.h"
#include "framework/AfxLoadSysColorBitmap.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CImageList.h"
#include "framework/CToolBar.h"
#include "framework/SelectionGuard.h"
#include "framework/UniqueHandle.h"

// Ready before any constructor runs (constant initialisation).
CImageList MenuPictures::s_sharedImages;
CDWordArray MenuPictures::s_imageCommandIds;

MenuPictures::MenuPictures(const MenuSettings& settings, const MenuLookFacts& look)
    : m_settings(settings), m_look(look) {}

int MenuPictures::AssignCommandPicture(UINT id, int toolbarId) const {
  int index = 0;
  // A command that its toolbar does not list has no picture there: it gets
  // none rather than some other button's.
  if (!FindToolbarImage(id, toolbarId, index)) {
    return -1;
  }
  CImageList pictures;
  if (!pictures.Create(m_settings.imageWidth, m_settings.imageHeight, ILC_COLORDDB | ILC_MASK, 1,
                       1)) {
    return -1;
  }
  if (!AddBitmapImages(&pictures, static_cast<UINT_PTR>(toolbarId))) {
    return -1;
  }
  return AddSharedImage(&pictures, index, id);
}

BOOL MenuPictures::FindToolbarImage(UINT id, int toolbarId, int& index) {
  CToolBar toolbar;
  if (!toolbar.LoadToolBar(MAKEINTRESOURCEA(toolbarId & 0xFFFF))) {
    return FALSE;
  }
  const int button = toolbar.CommandToIndex(id);
  if (button < 0) {
    return FALSE;
  }
  UINT buttonId = 0;
  UINT style = 0;
  int image = 0;
  toolbar.GetButtonInfo(button, buttonId, style, image);
  if (style & TBBS_SEPARATOR) {
    return FALSE;  // a separator is no command
  }
  if (image > 0) {
    index = image;
  }
  return TRUE;
}

UINT MenuPictures::BitmapColorCount(const BITMAPINFOHEADER* header) {
  if (header == nullptr) {
    return 0;
  }
  if (header->biClrUsed != 0) {
    return header->biClrUsed;
  }
  switch (header->biBitCount) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

HBITMAP MenuPictures::LoadSysColorToolbarBitmap(UINT id) {
  const char* name = MAKEINTRESOURCEA(id & 0xFFFF);
  HINSTANCE module = AfxFindResourceHandle(name, RT_BITMAP);
  HRSRC resource = FindResourceA(module, name, RT_BITMAP);
  if (resource == nullptr) {
    module = nullptr;
    resource = FindResourceA(nullptr, name, RT_BITMAP);
    if (resource == nullptr) {
      return nullptr;
    }
  }
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded == nullptr ? nullptr : LockResource(loaded);
  if (data == nullptr || SizeofResource(module, resource) < sizeof(BITMAPINFOHEADER)) {
    return nullptr;
  }
  BITMAPINFOHEADER header;
  std::memcpy(&header, data, sizeof(header));
  if ((BitmapColorCount(&header) & 0xFFFF) != 16) {
    return nullptr;
  }
  return AfxLoadSysColorBitmap(module, resource, FALSE);
}

BOOL MenuPictures::AddBitmapImages(CImageList* list, UINT_PTR id) const {
  if (list == nullptr) {
    return FALSE;
  }
  if (m_settings.imagesAreIcons) {
    list->Replace(-1, reinterpret_cast<HICON>(id));
    return TRUE;
  }
  const COLORREF transparent =
      m_settings.useMaskColor ? m_settings.maskColor : GetSysColor(COLOR_BTNFACE);
  int added = -1;
  if (UniqueBitmap mapped{LoadSysColorToolbarBitmap(static_cast<UINT>(id))}) {
    added = list->Add(mapped.get(), transparent);
  } else {
    const char* name = MAKEINTRESOURCEA(id & 0xFFFF);
    if (UniqueBitmap plain{LoadBitmapA(AfxFindResourceHandle(name, RT_BITMAP), name)}) {
      added = list->Add(plain.get(), transparent);
    }
  }
  return added >= 0;
}

int MenuPictures::AddSharedImage(CImageList* list, int index, UINT id) const {
  if (list == nullptr || list->GetSafeHandle() == nullptr) {
    return -1;
  }
  if (s_sharedImages.GetSafeHandle() == nullptr &&
      !s_sharedImages.Create(m_settings.imageWidth, m_settings.imageHeight, ILC_COLORDDB | ILC_MASK,
                             1, 1)) {
    return -1;
  }
  UniqueIcon icon(list->ExtractIcon(index));
  if (icon.get() == nullptr) {
    return -1;
  }
  // Slots change from here on: pictures kept from them are stale.
  PicturePatches().Clear();

  const bool variants = m_look.flatDrawing && MenuEnvironment::s_imageEffects;
  CBitmap faded;
  CBitmap shadow;
  if (variants) {
    MenuScreenDC screen;
    CDC* dc = screen.GetSafeHdc() != nullptr ? &screen : nullptr;
    IconToBitmap(dc, list, index, &faded);
    MakeFadedBitmap(&faded);
    IconToBitmap(dc, list, index, &shadow);
    MakeShadowBitmap(&shadow);
  }
  const COLORREF face = GetSysColor(COLOR_BTNFACE);

  const int k = FindSharedImage(id);
  if (k >= 0) {
    s_sharedImages.Replace(k, icon.get());
    if (variants && HasImageVariants(k)) {
      CImageList derived;
      if (derived.Create(m_settings.imageWidth, m_settings.imageHeight, ILC_COLORDDB | ILC_MASK, 2,
                         1) &&
          derived.Add(&faded, face) >= 0 && derived.Add(&shadow, face) >= 0) {
        UniqueIcon fadedIcon(derived.ExtractIcon(0));
        UniqueIcon shadowIcon(derived.ExtractIcon(1));
        s_sharedImages.Replace(k + 1, fadedIcon.get());
        s_sharedImages.Replace(k + 2, shadowIcon.get());
      }
    }
    return k;
  }

  // A new command: its picture, and in the flat look its two variants, are
  // appended together with their command ids, so that the list and the ids
  // always stay the same length.
  const int n = static_cast<int>(s_imageCommandIds.GetSize());
  if (s_sharedImages.Replace(-1, icon.get()) < 0) {
    return -1;
  }
  if (s_imageCommandIds.Add(id) < 0) {
    s_sharedImages.Remove(n);
    return -1;
  }
  if (variants) {
    const int first = s_sharedImages.GetImageCount();
    const bool pictures =
        s_sharedImages.Add(&faded, face) >= 0 && s_sharedImages.Add(&shadow, face) >= 0;
    if (!pictures || !s_imageCommandIds.InsertAt(s_imageCommandIds.GetSize(), id, 2)) {
      while (s_sharedImages.GetImageCount() > first) {
        s_sharedImages.Remove(s_sharedImages.GetImageCount() - 1);
      }
    }
  }
  return n;
}

int MenuPictures::FindSharedImage(UINT id) {
  for (std::ptrdiff_t k = 0; k < s_imageCommandIds.GetSize(); ++k) {
    if (s_imageCommandIds.GetAt(k) == id) {
      return static_cast<int>(k);
    }
  }
  return -1;
}

BOOL MenuPictures::HasImageVariants(int k) {
  const std::ptrdiff_t slots = s_imageCommandIds.GetSize();
  if (k < 0 || k + 2 >= slots) {
    return FALSE;
  }
  const DWORD id = s_imageCommandIds.GetAt(k);
  return s_imageCommandIds.GetAt(k + 1) == id && s_imageCommandIds.GetAt(k + 2) == id;
}

PicturePatchCache& MenuPictures::PicturePatches() {
  static PicturePatchCache cache;
  return cache;
}

void MenuPictures::PaintDisabledPicture(CDC* dc, int x, int y, CImageList* list, int index,
                                        COLORREF background) const {
  const int width = m_settings.imageWidth;
  const int height = m_settings.imageHeight;
  const auto paint = [&](CDC* target, int left, int top) {
    CBitmap bitmap;
    IconToBitmap(target, list, index, &bitmap);
    if (m_settings.disabledStyle) {
      menu_drawing::PaintDisabledDib(target->m_hDC, left, top, width, height, bitmap, 0, 0,
                                     background);
    } else {
      menu_drawing::PaintDisabledMasked(target, left, top, width, height, &bitmap, 0, 0,
                                        background);
    }
  };
  if (list == nullptr || list->m_hImageList != s_sharedImages.m_hImageList) {
    paint(dc, x, y);
    return;
  }
  PicturePatchCache::Key key;
  key.list = list->m_hImageList;
  key.index = index;
  key.width = width;
  key.height = height;
  key.dibStyle = m_settings.disabledStyle != FALSE;
  key.background = background;
  PicturePatches().Draw(dc, x, y, key, paint);
}

void MenuPictures::PaintPicture(CDC* dc, int x, int y, CImageList* list, int index,
                                COLORREF background, const RECT& filled,
                                bool exactBackground) const {
  PaintFromPatch(dc, x, y, list, index, -1, background, filled, exactBackground);
}

void MenuPictures::PaintLiftedPicture(CDC* dc, int x, int y, CImageList* list, int index,
                                      int shadowIndex, COLORREF background,
                                      const RECT& filled) const {
  PaintFromPatch(dc, x, y, list, index, shadowIndex, background, filled, true);
}

void MenuPictures::PaintFromPatch(CDC* dc, int x, int y, CImageList* list, int index,
                                  int shadowIndex, COLORREF background, const RECT& filled,
                                  bool exactBackground) const {
  if (list == nullptr) {
    return;
  }
  PicturePatchCache::Key key;
  key.list = list->m_hImageList;
  key.index = index;
  key.background = background;
  bool cached = list->m_hImageList == s_sharedImages.m_hImageList;
  // The patch's corner: a lifted picture's is one pixel up and left of
  // (x, y), where the picture goes, its shadow one pixel down and right.
  const bool lifted = shadowIndex >= 0;
  int left = x;
  int top = y;
  if (lifted) {
    key.kind = PicturePatchCache::Kind::Lifted;
    key.shadowIndex = shadowIndex;
    key.width = m_settings.imageWidth;
    key.height = m_settings.imageHeight;
    left = x - 1;
    top = y - 1;
  } else {
    key.kind = PicturePatchCache::Kind::Plain;
    cached = cached && exactBackground &&
             ImageList_GetIconSize(list->m_hImageList, &key.width, &key.height);
  }
  const auto paint = [&](CDC* target, int cornerX, int cornerY) {
    if (lifted) {
      list->Draw(target, shadowIndex, POINT{cornerX + 2, cornerY + 2}, ILD_TRANSPARENT);
    }
    list->Draw(target, index, POINT{cornerX, cornerY}, ILD_TRANSPARENT);
  };
  const SIZE size = PicturePatchCache::PatchSize(key);
  if (!cached || left < filled.left || top < filled.top || left + size.cx > filled.right ||
      top + size.cy > filled.bottom) {
    paint(dc, left, top);
    return;
  }
  PicturePatches().Draw(dc, left, top, key, paint);
}

BOOL MenuPictures::IconToBitmap(CDC* dc, CImageList* list, int index, CBitmap* bitmap) const {
  if (dc == nullptr || list == nullptr || bitmap == nullptr) {
    return TRUE;
  }
  UniqueIcon icon(list->ExtractIcon(index));
  CDC memory;
  memory.CreateCompatibleDC(dc);
  bitmap->CreateCompatibleBitmap(dc, m_settings.imageWidth, m_settings.imageHeight);
  {
    SelectionGuard keepBitmap(memory, *bitmap);
    CBrush face(GetSysColor(COLOR_BTNFACE));
    DrawIconEx(memory.m_hDC, 0, 0, icon.get(), m_settings.imageWidth, m_settings.imageHeight, 0,
               static_cast<HBRUSH>(face), DI_NORMAL);
  }
  return TRUE;
}

namespace {

enum class Derivation { Faded, Shadow };

// Recolours every pixel of bitmap that differs from the button face colour
// (as the bitmap's format stores it): faded pixels are blended 30 % toward
// white, shadow pixels all take shadowColor.
void DeriveBitmap(CBitmap* bitmap, Derivation derivation, COLORREF shadowColor) {
  if (bitmap == nullptr || bitmap->GetSafeHandle() == nullptr) {
    return;
  }
  BITMAP info = {};
  if (GetObjectA(bitmap->GetSafeHandle(), sizeof(info), &info) == 0) {
    return;
  }
  const int width = info.bmWidth;
  const int height = info.bmHeight;
  CDC pixels;
  pixels.CreateCompatibleDC(nullptr);
  SelectionGuard keepBitmap(pixels, *bitmap);

  // The face colour as this format stores it: fill a scratch bitmap of the
  // same format and read it back.
  COLORREF background = CLR_INVALID;
  {
    CDC scratchDC;
    scratchDC.CreateCompatibleDC(&pixels);
    CBitmap scratch;
    scratch.CreateCompatibleBitmap(&pixels, width, height);
    SelectionGuard keepScratch(scratchDC, scratch);
    CBrush face(GetSysColor(COLOR_BTNFACE));
    RECT all = {0, 0, width, height};
    scratchDC.FillRect(&all, &face);
    background = scratchDC.GetPixel(0, 0);
  }

  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      const COLORREF p = pixels.GetPixel(x, y);
      if (p == background) {
        continue;
      }
      pixels.SetPixel(x, y, derivation == Derivation::Faded ? BlendToWhite(p, 0.3) : shadowColor);
    }
  }
}

}  // namespace

void MenuPictures::MakeFadedBitmap(CBitmap* bitmap) { DeriveBitmap(bitmap, Derivation::Faded, 0); }

void MenuPictures::MakeShadowBitmap(CBitmap* bitmap) const {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  DeriveBitmap(bitmap, Derivation::Shadow, m_look.xpLook ? shadow : BlendToWhite(shadow, 0.49));
}
