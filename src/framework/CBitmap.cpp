#include "framework/CBitmap.h"

#include "framework/Afx.h"
#include "framework/CDC.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CBitmap* CBitmap::FromHandle(HBITMAP h) {
  return dynamic_cast<CBitmap*>(CGdiObject::FromHandle(h));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  HDC hdc = dc == nullptr ? nullptr : dc->m_hDC;
  if (hdc == nullptr) {
    return FALSE;
  }
  HBITMAP h = ::CreateCompatibleBitmap(hdc, width, height);
  if (width == 0 || height == 0) {
    return Attach(h);  // the shared stock bitmap: deleting it does nothing
  }
  return AttachCreated(h);
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                           const void* bits) {
  return AttachCreated(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateBitmapIndirect(const BITMAP* bitmap) {
  return bitmap == nullptr ? FALSE : AttachCreated(::CreateBitmapIndirect(bitmap));
}

BOOL CBitmap::CreateDIBSection(CDC* dc, const BITMAPINFO* info, UINT usage, void** bits) {
  if (info == nullptr) {
    return FALSE;
  }
  return AttachCreated(
      ::CreateDIBSection(dc == nullptr ? nullptr : dc->m_hDC, info, usage, bits, nullptr, 0));
}

BOOL CBitmap::LoadBitmap(UINT resourceId) { return LoadBitmap(MAKEINTRESOURCEA(resourceId)); }

BOOL CBitmap::LoadBitmap(const char* resourceName) {
  return AttachCreated(::LoadBitmapA(AfxFindResourceHandle(resourceName, RT_BITMAP), resourceName));
}

BOOL CBitmap::LoadOEMBitmap(UINT bitmapId) {
  return AttachCreated(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(bitmapId)));
}

int CBitmap::GetBitmap(BITMAP* bitmap) const { return GetObject(sizeof(BITMAP), bitmap); }
