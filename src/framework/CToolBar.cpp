#include "framework/CToolBar.h"

#include "framework/Afx.h"

IMPLEMENT_DYNAMIC(CToolBar, CObject)

namespace {

WORD ReadWord(const BYTE* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

}  // namespace

BOOL CToolBar::LoadToolBar(UINT resourceId) {
  return LoadToolBar(MAKEINTRESOURCEA(resourceId & 0xFFFF));
}

BOOL CToolBar::LoadToolBar(const char* resourceName) {
  HINSTANCE module = AfxFindResourceHandle(resourceName, RT_TOOLBAR);
  HRSRC found = FindResourceA(module, resourceName, RT_TOOLBAR);
  if (found == nullptr) {
    return FALSE;
  }
  // The pictures come from the bitmap of the same name: without it the
  // toolbar is of no use.
  if (FindResourceA(AfxFindResourceHandle(resourceName, RT_BITMAP), resourceName, RT_BITMAP) ==
      nullptr) {
    return FALSE;
  }
  HGLOBAL loaded = LoadResource(module, found);
  const DWORD size = SizeofResource(module, found);
  const BYTE* data = loaded == nullptr ? nullptr : static_cast<const BYTE*>(LockResource(loaded));
  if (data == nullptr || size < 8 || ReadWord(data) != 1) {
    return FALSE;
  }
  const WORD count = ReadWord(data + 6);
  if (size < 8u + 2u * count) {
    return FALSE;
  }
  std::vector<Button> buttons;
  buttons.reserve(count);
  int image = 0;
  for (WORD i = 0; i < count; ++i) {
    const UINT id = ReadWord(data + 8 + 2 * i);
    if (id == 0) {
      buttons.push_back({0, TBBS_SEPARATOR, -1});
    } else {
      buttons.push_back({id, 0, image++});
    }
  }
  m_buttons.swap(buttons);
  m_imageSize.cx = ReadWord(data + 2);
  m_imageSize.cy = ReadWord(data + 4);
  return TRUE;
}

int CToolBar::CommandToIndex(UINT id) const {
  for (std::size_t i = 0; i < m_buttons.size(); ++i) {
    if (m_buttons[i].id == id) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void CToolBar::GetButtonInfo(int index, UINT& id, UINT& style, int& image) const {
  if (index < 0 || index >= GetCount()) {
    id = 0;
    style = 0;
    image = 0;
    return;
  }
  const Button& button = m_buttons[static_cast<std::size_t>(index)];
  id = button.id;
  style = button.style;
  image = button.image;
}

UINT CToolBar::GetItemID(int index) const {
  return index < 0 || index >= GetCount() ? 0 : m_buttons[static_cast<std::size_t>(index)].id;
}
