#include "framework/CImageList.h"

#include "framework/CBitmap.h"
#include "framework/CDC.h"

IMPLEMENT_DYNAMIC(CImageList, CObject)

std::size_t& CImageList::Live() {
  static std::size_t live = 0;
  return live;
}

std::size_t CImageList::LiveCount() { return Live(); }

CImageList::CImageList(CImageList&& other) noexcept : m_hImageList(other.m_hImageList) {
  other.m_hImageList = nullptr;
}

CImageList& CImageList::operator=(CImageList&& other) noexcept {
  if (this != &other) {
    DeleteImageList();
    m_hImageList = other.m_hImageList;
    other.m_hImageList = nullptr;
  }
  return *this;
}

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
  if (m_hImageList != nullptr) {
    return FALSE;
  }
  return Attach(ImageList_Create(cx, cy, flags, initial, grow));
}

BOOL CImageList::Attach(HIMAGELIST h) {
  if (h == nullptr || m_hImageList != nullptr) {
    return FALSE;
  }
  m_hImageList = h;
  ++Live();
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST h = m_hImageList;
  if (h != nullptr) {
    --Live();
  }
  m_hImageList = nullptr;
  return h;
}

BOOL CImageList::DeleteImageList() {
  if (m_hImageList == nullptr) {
    return FALSE;
  }
  return ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const {
  return m_hImageList == nullptr ? 0 : ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::GetIconSize(int* cx, int* cy) const {
  return m_hImageList != nullptr && ImageList_GetIconSize(m_hImageList, cx, cy);
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask) {
  return Add(bitmap == nullptr ? nullptr : static_cast<HBITMAP>(*bitmap), mask);
}

int CImageList::Add(HBITMAP bitmap, COLORREF mask) {
  if (m_hImageList == nullptr || bitmap == nullptr) {
    return -1;
  }
  return ImageList_AddMasked(m_hImageList, bitmap, mask);
}

int CImageList::Add(HICON icon) { return Replace(-1, icon); }

int CImageList::Replace(int index, HICON icon) {
  if (m_hImageList == nullptr || icon == nullptr) {
    return -1;
  }
  return ImageList_ReplaceIcon(m_hImageList, index, icon);
}

BOOL CImageList::Remove(int index) {
  return m_hImageList != nullptr && ImageList_Remove(m_hImageList, index);
}

HICON CImageList::ExtractIcon(int index) const {
  if (m_hImageList == nullptr || index < 0) {
    return nullptr;
  }
  return ImageList_GetIcon(m_hImageList, index, 0);
}

BOOL CImageList::Draw(CDC* dc, int index, POINT point, UINT style) const {
  return dc != nullptr && Draw(dc->GetSafeHdc(), index, point, style);
}

BOOL CImageList::Draw(HDC dc, int index, POINT point, UINT style) const {
  if (m_hImageList == nullptr || dc == nullptr) {
    return FALSE;
  }
  return ImageList_Draw(m_hImageList, index, dc, point.x, point.y, style);
}
