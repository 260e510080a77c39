#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cstddef>

#include "framework/CObject.h"

class CBitmap;
class CDC;

// Owner of one platform image list. Move-only; the list is destroyed with the
// object. The default constructor is constexpr, so that an image list with
// static storage is usable whatever the order of static initialisation.
//
// Every list made through Create or taken over by Attach is counted until it
// is destroyed (LiveCount), so that tests can detect leaks.
class CImageList : public CObject {
  DECLARE_DYNAMIC(CImageList)

 public:
  HIMAGELIST m_hImageList = nullptr;

  constexpr CImageList() noexcept = default;
  CImageList(CImageList&& other) noexcept;
  CImageList& operator=(CImageList&& other) noexcept;
  ~CImageList() override;

  // A new list of pictures cx x cy (ILC_ flags); FALSE when this object
  // already holds a list or the platform refuses.
  BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
  // Takes ownership of h (FALSE when a list is held already or h is null).
  BOOL Attach(HIMAGELIST h);
  // Gives up ownership and returns the list.
  HIMAGELIST Detach();
  BOOL DeleteImageList();

  HIMAGELIST GetSafeHandle() const { return m_hImageList; }
  operator HIMAGELIST() const { return m_hImageList; }

  int GetImageCount() const;
  BOOL GetIconSize(int* cx, int* cy) const;
  // Appends the bitmap's pictures (one per picture width) with mask colour
  // as the transparent colour; index of the first, -1 on failure.
  int Add(CBitmap* bitmap, COLORREF mask);
  int Add(HBITMAP bitmap, COLORREF mask);
  // Appends an icon; index, -1 on failure.
  int Add(HICON icon);
  // Replaces picture index with an icon (index -1 appends); index, -1 on failure.
  int Replace(int index, HICON icon);
  BOOL Remove(int index);
  // A new icon of picture index (the caller destroys it), null on failure.
  HICON ExtractIcon(int index) const;
  BOOL Draw(CDC* dc, int index, POINT point, UINT style) const;
  BOOL Draw(HDC dc, int index, POINT point, UINT style) const;

  // Lists created or attached through this class and not yet destroyed.
  static std::size_t LiveCount();

 private:
  static std::size_t& Live();
};
