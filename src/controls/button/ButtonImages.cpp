#include "controls/button/ButtonImages.h"

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "framework/SelectionGuard.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

// Width and height of a bitmap, zero for a null or invalid handle.
SIZE BitmapSize(HBITMAP bitmap) {
  SIZE size = {0, 0};
  BITMAP info;
  if (bitmap != nullptr && ::GetObjectA(bitmap, sizeof(info), &info) == sizeof(info)) {
    size.cx = info.bmWidth;
    size.cy = info.bmHeight;
  }
  return size;
}

// Width and height of an icon. The platform hands out copies of the icon's
// bitmaps with its information, which are deleted here.
SIZE IconSize(HICON icon) {
  SIZE size = {0, 0};
  ICONINFO info;
  if (icon == nullptr || !::GetIconInfo(icon, &info)) {
    return size;
  }
  const UniqueBitmap color(info.hbmColor);
  const UniqueBitmap mask(info.hbmMask);
  if (color) {
    size = BitmapSize(color.get());
  } else {
    // A monochrome icon keeps its AND and XOR masks one above the other.
    size = BitmapSize(mask.get());
    size.cy /= 2;
  }
  return size;
}

// A monochrome mask of width x height that marks every pixel opaque (black).
HBITMAP MakeOpaqueMask(int width, int height) {
  if (width <= 0 || height <= 0) {
    return nullptr;
  }
  // Counted like the wrappers' objects while the slot holds it.
  HBITMAP mask =
      static_cast<HBITMAP>(CGdiObject::CountCreated(::CreateBitmap(width, height, 1, 1, nullptr)));
  if (mask == nullptr) {
    return nullptr;
  }
  CDC dc;
  if (dc.CreateCompatibleDC(nullptr)) {
    SelectionGuard keep(dc, mask);
    dc.PatBlt(0, 0, width, height, BLACKNESS);
  }
  return mask;
}

}  // namespace

void ButtonImages::SetIcons(HICON hot, HICON normal) {
  HICON given[2] = {hot, normal};
  for (int i = 0; i < 2; ++i) {
    IconSlot& slot = m_icons[i];
    slot.icon.reset(given[i]);
    const SIZE size = IconSize(given[i]);
    slot.width = static_cast<int>(size.cx);
    slot.height = static_cast<int>(size.cy);
  }
}

void ButtonImages::SetBitmaps(HBITMAP hot, HBITMAP hotMask, HBITMAP normal, HBITMAP normalMask) {
  HBITMAP images[2] = {hot, normal};
  HBITMAP masks[2] = {hotMask, normalMask};
  for (int i = 0; i < 2; ++i) {
    BitmapSlot& slot = m_bitmaps[i];
    slot.image.reset(images[i]);
    slot.mask.reset(masks[i]);
    const SIZE size = BitmapSize(images[i]);
    if (images[i] == nullptr) {
      slot.mask.reset();  // owned, but useless without its image
    } else if (!slot.mask) {
      slot.mask.reset(MakeOpaqueMask(size.cx, size.cy));
    }
    slot.width = static_cast<int>(size.cx);
    slot.height = static_cast<int>(size.cy);
  }
}

void ButtonImages::Release(bool destroy) {
  for (IconSlot& slot : m_icons) {
    if (!destroy) {
      slot.icon.release();
    }
    slot = IconSlot{};
  }
  for (BitmapSlot& slot : m_bitmaps) {
    if (!destroy) {
      slot.image.release();
      slot.mask.release();
    }
    slot = BitmapSlot{};
  }
}

void ButtonImages::DrawIcon(CDC* dc, const IconSlot& slot, const RECT& rect, bool disabled) {
  ::DrawStateA(dc->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(slot.icon.get()), 0,
               rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               DST_ICON | (disabled ? DSS_DISABLED : 0));
}

void ButtonImages::DrawBitmap(CDC* dc, const BitmapSlot& slot, const RECT& rect, bool disabled,
                              bool grey) {
  const int width = slot.width;
  const int height = slot.height;
  CDC imageDC;
  CDC maskDC;
  if (!imageDC.CreateCompatibleDC(dc) || !maskDC.CreateCompatibleDC(nullptr)) {
    return;
  }
  SelectionGuard keepImage(imageDC, slot.image.get());
  SelectionGuard keepMask(maskDC, slot.mask.get());

  if (disabled && grey) {
    CBitmap picture;
    if (!picture.CreateCompatibleBitmap(dc, width, height)) {
      return;
    }
    {
      CDC pictureDC;
      if (!pictureDC.CreateCompatibleDC(dc)) {
        return;
      }
      SelectionGuard keepPicture(pictureDC, picture);
      pictureDC.FillSolidRect(0, 0, width, height, kWhite);
      const COLORREF oldBk = pictureDC.SetBkColor(kWhite);
      const COLORREF oldText = pictureDC.SetTextColor(kBlack);
      pictureDC.BitBlt(0, 0, width, height, &maskDC, 0, 0, SRCAND);
      pictureDC.BitBlt(0, 0, width, height, &imageDC, 0, 0, SRCPAINT);
      pictureDC.SetTextColor(oldText);
      pictureDC.SetBkColor(oldBk);
    }
    // The picture is no longer selected anywhere: the platform draws it
    // embossed in the disabled look.
    ::DrawStateA(dc->GetSafeHdc(), nullptr, nullptr,
                 reinterpret_cast<LPARAM>(static_cast<HBITMAP>(picture)), 0, rect.left, rect.top,
                 width, height, DST_BITMAP | DSS_DISABLED);
  } else {
    // The mask's black pixels are ANDed in as the text colour: keep that
    // black for the blit, whatever colour the caption left behind.
    const COLORREF oldText = dc->SetTextColor(kBlack);
    dc->BitBlt(rect.left, rect.top, width, height, &maskDC, 0, 0, SRCAND);
    dc->BitBlt(rect.left, rect.top, width, height, &imageDC, 0, 0, SRCPAINT);
    dc->SetTextColor(oldText);
  }
}
