#include "PopupSnapshotOwner.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace {

constexpr UINT_PTR kSafetyTimer = 1;

}  // namespace

PopupSnapshotOwner::PopupSnapshotOwner(HMENU menu, int selectedPosition, std::string path)
    : m_menu(menu), m_selectedPosition(selectedPosition), m_path(std::move(path)) {}

LRESULT PopupSnapshotOwner::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
    const HWND popup = reinterpret_cast<HWND>(lParam);
    const bool selected =
        m_selectedPosition < 0 ||
        (::GetMenuState(m_menu, m_selectedPosition, MF_BYPOSITION) & MF_HILITE) != 0;
    if (!selected && m_keys < 40) {
      ++m_keys;
      ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    } else if (!m_saved) {
      m_saved = Save(popup);
      ::EndMenu();
    }
    return 0;
  }
  if (message == WM_TIMER && wParam == kSafetyTimer) {
    ::EndMenu();
    return 0;
  }
  if (message == WM_CREATE) {
    ::SetTimer(m_hWnd, kSafetyTimer, 10000, nullptr);
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

bool PopupSnapshotOwner::Save(HWND popup) const {
  RECT frame{};
  ::GetWindowRect(popup, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  if (width <= 0 || height <= 0) {
    return false;
  }
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as BMP files store it
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC windowDC = ::GetWindowDC(popup);
  HDC memoryDC = ::CreateCompatibleDC(windowDC);
  HBITMAP dib = ::CreateDIBSection(windowDC, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                   &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memoryDC, dib);
  ::BitBlt(memoryDC, 0, 0, width, height, windowDC, 0, 0, SRCCOPY);
  ::GdiFlush();
  ::SelectObject(memoryDC, old);
  ::DeleteDC(memoryDC);
  ::ReleaseDC(popup, windowDC);

  const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
  const DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + imageSize;
  bool ok = false;
  if (std::FILE* out = std::fopen(m_path.c_str(), "wb")) {
    ok = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
         std::fwrite(&header, sizeof(header), 1, out) == 1 &&
         std::fwrite(bits, imageSize, 1, out) == 1;
    ok = std::fclose(out) == 0 && ok;
  }
  ::DeleteObject(dib);
  return ok;
}
