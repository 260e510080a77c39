// Shows dialog template 102 on white with black text, as the tool paints it,
// and saves a screenshot of the dialog window as a 24-bit BMP file.
//
//   res_dialog_shot [output.bmp]
//
// Exit code 0 when the dialog was shown and the picture saved.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "res/resource.h"

namespace {

const char* g_output = "dialog-102.bmp";
HBRUSH g_white = nullptr;
HICON g_icon = nullptr;

constexpr UINT_PTR kShotTimer = 1;
constexpr INT_PTR kSaved = 10;
constexpr INT_PTR kNotSaved = 11;

bool SaveWindowPicture(HWND window, const char* path) {
  RECT frame = {};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  if (width <= 0 || height <= 0) return false;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD imageSize = stride * static_cast<DWORD>(height);

  bool saved = false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory && picture && bits) {
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    GdiFlush();
    SelectObject(memory, previous);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + imageSize;
    if (FILE* out = std::fopen(path, "wb")) {
      saved = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
              std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out) == 1 &&
              std::fwrite(bits, imageSize, 1, out) == 1;
      saved = std::fclose(out) == 0 && saved;
    }
  }
  if (picture) DeleteObject(picture);
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

void CentreOnScreen(HWND dialog) {
  RECT frame = {};
  GetWindowRect(dialog, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK ShotDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CentreOnScreen(dialog);
      SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_icon));
      SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_icon));
      SetTimer(dialog, kShotTimer, 700, nullptr);
      return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<INT_PTR>(g_white);
    }
    case WM_TIMER:
      if (wParam == kShotTimer) {
        KillTimer(dialog, kShotTimer);
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        EndDialog(dialog, SaveWindowPicture(dialog, g_output) ? kSaved : kNotSaved);
        return TRUE;
      }
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
        EndDialog(dialog, kNotSaved);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc > 1) g_output = __argv[1];
  g_white = CreateSolidBrush(RGB(255, 255, 255));
  g_icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VESKEL));
  const INT_PTR result =
      DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_VESKEL_DIALOG), nullptr, ShotDialogProc, 0);
  DeleteObject(g_white);
  if (result == kSaved) {
    std::printf("dialog picture saved: %s\n", g_output);
    return 0;
  }
  std::fprintf(stderr, result == -1 ? "dialog template 102 could not be shown\n"
                                    : "the dialog picture could not be saved\n");
  return 1;
}
