#include "BareDialog.h"

#include <cstdio>
#include <cstring>

namespace {

const int kBoxIds[26] = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008,
                         1009, 1010, 1011, 1012, 1013, 1014, 1015, 1016, 1017,
                         1018, 1019, 1020, 1021, 1022, 1023, 1024, 1028};
constexpr int kDecimal = 1027;
constexpr int kHex = 1030;
constexpr int kGenerate = 1029;

HBRUSH WhiteBrush() {
  static HBRUSH brush = ::CreateSolidBrush(RGB(255, 255, 255));
  return brush;
}

void Generate(HWND dialog) {
  unsigned mask = 0;
  for (int bit = 0; bit < 26; ++bit) {
    if (::IsDlgButtonChecked(dialog, kBoxIds[bit]) == BST_UNCHECKED) mask |= 1u << bit;
  }
  char text[16];
  std::sprintf(text, "%d", static_cast<int>(mask));
  ::SetDlgItemTextA(dialog, kDecimal, text);
  char shown[16] = {};
  ::GetDlgItemTextA(dialog, kDecimal, shown, sizeof shown);
  if (::OpenClipboard(dialog)) {
    ::EmptyClipboard();
    const SIZE_T bytes = std::strlen(shown) + 1;
    if (HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes)) {
      if (void* data = ::GlobalLock(block)) {
        std::memcpy(data, shown, bytes);
        ::GlobalUnlock(block);
        if (::SetClipboardData(CF_TEXT, block) == nullptr) ::GlobalFree(block);
      } else {
        ::GlobalFree(block);
      }
    }
    ::CloseClipboard();
  }
  std::sprintf(text, "%x", mask);
  ::SetDlgItemTextA(dialog, kHex, text);
}

}  // namespace

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(129));
      ::SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
      ::SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
      return TRUE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORMSGBOX: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetTextColor(dc, RGB(0, 0, 0));
      ::SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<INT_PTR>(WhiteBrush());
    }
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      if (id == IDOK || id == IDCANCEL) {
        if (::GetWindowLongPtrA(dialog, DWLP_USER) == 1) {
          ::DestroyWindow(dialog);
        } else {
          ::EndDialog(dialog, id);
        }
        return TRUE;
      }
      if (id == kGenerate) {
        Generate(dialog);
        return TRUE;
      }
      for (int box : kBoxIds) {
        if (id == box) {
          ::PostMessageA(::GetDlgItem(dialog, kGenerate), BM_CLICK, 0, 0);
          return TRUE;
        }
      }
      return FALSE;
    }
  }
  (void)lParam;
  return FALSE;
}
