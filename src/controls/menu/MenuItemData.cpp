#include "controls/menu/MenuItemData.h"

#include <cwchar>
#include <memory>
#include <new>

#include "framework/CImageList.h"

namespace {

std::size_t g_liveRecords = 0;

}  // namespace

MenuItemData::MenuItemData() { ++g_liveRecords; }

MenuItemData::~MenuItemData() {
  delete ownImages;
  delete[] text;
  --g_liveRecords;
}

std::size_t MenuItemData::LiveCount() { return g_liveRecords; }

void MenuItemData::SetTextWide(const wchar_t* s) {
  // Copy before freeing, so that a record may be given its own text back.
  wchar_t* copy = nullptr;
  if (s != nullptr) {
    const std::size_t length = std::wcslen(s) + 1;
    copy = new (std::nothrow) wchar_t[length];
    if (copy != nullptr) {
      std::wmemcpy(copy, s, length);
    }
  }
  delete[] text;
  text = copy;
}

void MenuItemData::SetTextAnsi(const char* s) {
  if (s == nullptr) {
    SetTextWide(nullptr);
    return;
  }
  const int count = lstrlenA(s) + 1;  // the terminator is converted too
  const int wideCount = MultiByteToWideChar(CP_ACP, 0, s, count, nullptr, 0);
  if (wideCount <= 0) {
    SetTextWide(L"");
    return;
  }
  std::unique_ptr<wchar_t[]> wide(new (std::nothrow) wchar_t[wideCount]);
  if (!wide) {
    SetTextWide(nullptr);
    return;
  }
  MultiByteToWideChar(CP_ACP, 0, s, count, wide.get(), wideCount);
  wide[wideCount - 1] = L'\0';
  SetTextWide(wide.get());
}

CString MenuItemData::GetTextAnsi() const {
  if (text == nullptr) {
    return CString();
  }
  const int count = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (count <= 1) {
    return CString();
  }
  CString result;
  char* buffer = result.GetBuffer(count);
  WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, count, nullptr, nullptr);
  result.ReleaseBuffer(count - 1);
  return result;
}
