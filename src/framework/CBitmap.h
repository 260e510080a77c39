#pragma once

#include "framework/CGdiObject.h"

class CDC;

// A bitmap. Owning and move-only like every GDI wrapper.
class CBitmap : public CGdiObject {
  DECLARE_DYNAMIC(CBitmap)

 public:
  CBitmap() = default;
  CBitmap(CBitmap&&) noexcept = default;
  CBitmap& operator=(CBitmap&&) noexcept = default;

  static CBitmap* FromHandle(HBITMAP h);

  // A bitmap in the format of dc's output device. A width or height of 0
  // gives the platform's shared 1 x 1 monochrome bitmap, which is not counted
  // as created.
  BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
  BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
  BOOL CreateBitmapIndirect(const BITMAP* bitmap);
  // A device-independent bitmap described by info, for dc (see
  // CreateDIBSection); bits receives the address of its pixels.
  BOOL CreateDIBSection(CDC* dc, const BITMAPINFO* info, UINT usage, void** bits);
  // A bitmap resource, from the module AfxFindResourceHandle names.
  BOOL LoadBitmap(UINT resourceId);
  BOOL LoadBitmap(const char* resourceName);
  // One of the system's predefined bitmaps (OBM_...).
  BOOL LoadOEMBitmap(UINT bitmapId);

  int GetBitmap(BITMAP* bitmap) const;

  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};
