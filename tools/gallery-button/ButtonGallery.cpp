// The button gallery: paints StyledButton in its looks and states side by
// side and saves the picture as a 24-bit BMP.
//
//   gallery_button.exe [output.bmp]      (default: gallery-button.bmp)
//
// tools/gallery-button/make-gallery runs it under Wine and converts the
// picture to PNG.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/button/StyledButton.h"
#include "framework/CWnd.h"
#include "framework/HandleMapBase.h"

namespace {

const int kCellWidth = 150;
const int kCellHeight = 78;
const int kButtonWidth = 130;
const int kButtonHeight = 44;
const int kColumns = 6;
const int kLabelHeight = 24;
const COLORREF kPaper = RGB(255, 255, 255);

// A button that can be shown hovered without a pointer.
class GalleryButton : public StyledButton {
 public:
  void ShowHovered() { hover = TRUE; }
};

// The window behind the buttons: a light hatched background, so that the
// transparent look shows what it copies.
class GalleryParent : public CWnd {
 public:
  BOOL Make(int width, int height) {
    static const char kClass[] = "ButtonGalleryParent";
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = ::CreateHatchBrush(HS_DIAGCROSS, RGB(150, 190, 230));
    wc.lpszClassName = kClass;
    ::RegisterClassA(&wc);
    if (!CreateEx(0, kClass, "gallery", WS_POPUP, 0, 0, width, height, nullptr, nullptr)) {
      return FALSE;
    }
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ::UpdateWindow(m_hWnd);
    return TRUE;
  }
};

HBITMAP FilledBitmap(int w, int h, const std::function<COLORREF(int, int)>& pixel) {
  HDC screen = ::GetDC(nullptr);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, w, h);
  HDC dc = ::CreateCompatibleDC(screen);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      ::SetPixel(dc, x, y, pixel(x, y));
    }
  }
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  return bitmap;
}

HBITMAP FilledMask(int w, int h, const std::function<bool(int, int)>& transparent) {
  HBITMAP mask = ::CreateBitmap(w, h, 1, 1, nullptr);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, mask);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      ::SetPixel(dc, x, y, transparent(x, y) ? RGB(255, 255, 255) : RGB(0, 0, 0));
    }
  }
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  return mask;
}

bool InDisc(int x, int y, int size) {
  const int r = size / 2;
  const int dx = x - r;
  const int dy = y - r;
  return dx * dx + dy * dy < r * r;
}

// A round icon in the given colour with a white highlight.
HICON DiscIcon(COLORREF color) {
  const int n = 16;
  ICONINFO info = {};
  info.fIcon = TRUE;
  info.hbmColor = FilledBitmap(n, n, [&](int x, int y) {
    if (!InDisc(x, y, n)) return RGB(0, 0, 0);
    return (x - 5) * (x - 5) + (y - 5) * (y - 5) < 6 ? RGB(255, 255, 255) : color;
  });
  info.hbmMask = FilledMask(n, n, [&](int x, int y) { return !InDisc(x, y, n); });
  HICON icon = ::CreateIconIndirect(&info);
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  return icon;
}

// A diamond picture, black where transparent, with its mask.
void GiveDiamond(StyledButton& button) {
  const int n = 18;
  auto inside = [&](int x, int y) { return std::abs(x - n / 2) + std::abs(y - n / 2) < n / 2; };
  HBITMAP image = FilledBitmap(n, n, [&](int x, int y) {
    if (!inside(x, y)) return RGB(0, 0, 0);
    return y < n / 2 ? RGB(240, 160, 0) : RGB(180, 90, 0);
  });
  HBITMAP mask = FilledMask(n, n, [&](int x, int y) { return !inside(x, y); });
  button.SetBitmaps(image, mask, nullptr, nullptr, FALSE);
}

struct Cell {
  const char* label;
  DWORD type;
  const char* caption;
  UINT state;
  std::function<void(GalleryButton&)> configure;
};

void Flat(GalleryButton&) {}
void ThreeD(GalleryButton& b) { b.SetFlat(FALSE, FALSE); }
void Hovered(GalleryButton& b) { b.ShowHovered(); }
void ToolLook(GalleryButton& b) {
  // The tool's Exit button.
  b.ShadeStateColor(StyledButton::FaceHot, 30, FALSE);
  b.UseParentBackground(FALSE);
  b.SetHoverFrame(FALSE, FALSE);
  b.SetStateColor(StyledButton::TextHot, 0x00B200, FALSE);
  b.SetStateColor(StyledButton::TextNormal, 0x008000, FALSE);
}

std::vector<Cell> Cells() {
  const UINT sel = ODS_SELECTED;
  const UINT foc = ODS_FOCUS;
  const UINT dis = ODS_DISABLED;
  return {
      // Flat look.
      {"flat", BS_PUSHBUTTON, "&Exit", 0, Flat},
      {"flat focused", BS_PUSHBUTTON, "&Exit", foc, Flat},
      {"flat hot", BS_PUSHBUTTON, "&Exit", 0, Hovered},
      {"flat pressed", BS_PUSHBUTTON, "&Exit", sel | foc, Flat},
      {"flat disabled", BS_PUSHBUTTON, "&Exit", dis, Flat},
      {"flat focus rect", BS_PUSHBUTTON, "&Exit", foc,
       [](GalleryButton& b) { b.SetFocusWhenFlat(TRUE, FALSE); }},
      // 3-D look.
      {"3-D", BS_PUSHBUTTON, "&Exit", 0, ThreeD},
      {"3-D focused", BS_PUSHBUTTON, "&Exit", foc, ThreeD},
      {"3-D default", BS_DEFPUSHBUTTON, "&Exit", 0, ThreeD},
      {"3-D pressed", BS_DEFPUSHBUTTON, "&Exit", sel | foc, ThreeD},
      {"3-D disabled", BS_PUSHBUTTON, "&Exit", dis, ThreeD},
      {"3-D pressed, plain", BS_PUSHBUTTON, "&Exit", sel, ThreeD},
      // Transparent look and state colours.
      {"tool's Exit", BS_PUSHBUTTON, "&Exit", 0, ToolLook},
      {"tool's Exit hot", BS_PUSHBUTTON, "&Exit", 0,
       [](GalleryButton& b) {
         ToolLook(b);
         b.ShowHovered();
       }},
      {"tool's Exit pressed", BS_PUSHBUTTON, "&Exit", sel | foc, ToolLook},
      {"transparent 3-D", BS_DEFPUSHBUTTON, "&Exit", foc,
       [](GalleryButton& b) {
         b.SetFlat(FALSE, FALSE);
         b.UseParentBackground(FALSE);
       }},
      {"colours, hot", BS_PUSHBUTTON, "&Exit", 0,
       [](GalleryButton& b) {
         b.SetStateColor(StyledButton::FaceHot, RGB(40, 70, 140), FALSE);
         b.SetStateColor(StyledButton::TextHot, RGB(255, 230, 120), FALSE);
         b.ShowHovered();
       }},
      {"two lines", BS_PUSHBUTTON, "Close the application and go", 0, Flat},
      // Images.
      {"icon left", BS_PUSHBUTTON, "&Exit", 0,
       [](GalleryButton& b) { b.SetIcons(DiscIcon(RGB(200, 30, 30)), nullptr, FALSE); }},
      {"icon top", BS_PUSHBUTTON, "&Exit", 0,
       [](GalleryButton& b) {
         b.SetIcons(DiscIcon(RGB(30, 140, 30)), nullptr, FALSE);
         b.SetImageAlign(StyledButton::ImageTop, FALSE);
       }},
      {"icon right, hot", BS_PUSHBUTTON, "&Exit", 0,
       [](GalleryButton& b) {
         b.SetIcons(DiscIcon(RGB(200, 30, 30)), DiscIcon(RGB(30, 30, 200)), FALSE);
         b.SetImageAlign(StyledButton::ImageRight, FALSE);
         b.ShowHovered();
       }},
      {"icon, disabled", BS_PUSHBUTTON, "&Exit", dis,
       [](GalleryButton& b) { b.SetIcons(DiscIcon(RGB(200, 30, 30)), nullptr, FALSE); }},
      {"bitmap, 3-D", BS_PUSHBUTTON, "&Exit", 0,
       [](GalleryButton& b) {
         b.SetFlat(FALSE, FALSE);
         GiveDiamond(b);
       }},
      {"bitmap, disabled", BS_PUSHBUTTON, "&Exit", dis,
       [](GalleryButton& b) {
         b.SetFlat(FALSE, FALSE);
         GiveDiamond(b);
       }},
      // Check-box mode.
      {"check box, off", BS_AUTOCHECKBOX, "&Option", 0, Flat},
      {"check box, on", BS_AUTOCHECKBOX, "&Option", 0,
       [](GalleryButton& b) { b.SetCheckState(TRUE, FALSE); }},
      {"check box on, 3-D", BS_AUTOCHECKBOX, "&Option", 0,
       [](GalleryButton& b) {
         b.SetFlat(FALSE, FALSE);
         b.SetCheckState(TRUE, FALSE);
       }},
      {"image only", BS_PUSHBUTTON, "", 0,
       [](GalleryButton& b) { b.SetIcons(DiscIcon(RGB(120, 30, 160)), nullptr, FALSE); }},
      {"image only, pressed", BS_PUSHBUTTON, "", sel,
       [](GalleryButton& b) { b.SetIcons(DiscIcon(RGB(120, 30, 160)), nullptr, FALSE); }},
      {"push offset down", BS_PUSHBUTTON, "&Exit", sel,
       [](GalleryButton& b) { b.SetPushOffsetStyle(StyledButton::PushOffsetDown, FALSE); }},
  };
}

bool SaveBmp(HDC dc, HBITMAP bitmap, int width, int height, const char* path) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as every reader expects
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<unsigned char> pixels(static_cast<size_t>(stride) * height);
  if (!::GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS)) {
    return false;
  }
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(path, "wb"), &std::fclose);
  if (!out) {
    return false;
  }
  return std::fwrite(&file, sizeof(file), 1, out.get()) == 1 &&
         std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out.get()) == 1 &&
         std::fwrite(pixels.data(), pixels.size(), 1, out.get()) == 1;
}

void Pump(int ms) {
  const DWORD start = ::GetTickCount();
  while (static_cast<int>(::GetTickCount() - start) < ms) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    ::Sleep(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "gallery-button.bmp";
  const std::vector<Cell> cells = Cells();
  const int rows = static_cast<int>((cells.size() + kColumns - 1) / kColumns);
  const int width = kColumns * kCellWidth;
  const int height = rows * kCellHeight;

  GalleryParent parent;
  if (!parent.Make(width, height)) {
    std::fprintf(stderr, "gallery: no window\n");
    return 1;
  }
  Pump(200);

  HDC screen = ::GetDC(nullptr);
  HDC canvas = ::CreateCompatibleDC(screen);
  HBITMAP picture = ::CreateCompatibleBitmap(screen, width, height);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ oldPicture = ::SelectObject(canvas, picture);
  RECT all = {0, 0, width, height};
  HBRUSH paper = ::CreateSolidBrush(kPaper);
  ::FillRect(canvas, &all, paper);
  ::DeleteObject(paper);

  HFONT font =
      ::CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
  HFONT labelFont =
      ::CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cell& cell = cells[i];
    const int cx = static_cast<int>(i % kColumns) * kCellWidth + (kCellWidth - kButtonWidth) / 2;
    const int cy = static_cast<int>(i / kColumns) * kCellHeight + 6;
    HWND control = ::CreateWindowExA(0, "BUTTON", cell.caption, WS_CHILD | cell.type, cx, cy,
                                     kButtonWidth, kButtonHeight, parent.m_hWnd,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(100 + i)),
                                     ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    GalleryButton button;
    button.SubclassWindow(control);
    cell.configure(button);

    // Each button paints into a surface of its own size, as the platform's
    // request would, which is then placed on the gallery.
    HDC item = ::CreateCompatibleDC(canvas);
    HBITMAP itemBitmap = ::CreateCompatibleBitmap(canvas, kButtonWidth, kButtonHeight);
    HGDIOBJ oldItem = ::SelectObject(item, itemBitmap);
    ::BitBlt(item, 0, 0, kButtonWidth, kButtonHeight, nullptr, 0, 0, WHITENESS);
    HGDIOBJ oldFont = ::SelectObject(item, font);
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_BUTTON;
    draw.CtlID = static_cast<UINT>(100 + i);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = cell.state;
    draw.hwndItem = control;
    draw.hDC = item;
    draw.rcItem = RECT{0, 0, kButtonWidth, kButtonHeight};
    button.DrawItem(&draw);
    ::SelectObject(item, oldFont);
    // The parent's own pixels around the button, then the button.
    HDC parentDC = ::GetDC(parent.m_hWnd);
    ::BitBlt(canvas, cx - 4, cy - 4, kButtonWidth + 8, kButtonHeight + 8, parentDC, cx - 4, cy - 4,
             SRCCOPY);
    ::ReleaseDC(parent.m_hWnd, parentDC);
    ::BitBlt(canvas, cx, cy, kButtonWidth, kButtonHeight, item, 0, 0, SRCCOPY);
    ::SelectObject(item, oldItem);
    ::DeleteObject(itemBitmap);
    ::DeleteDC(item);

    RECT label = {cx - 8, cy + kButtonHeight + 6, cx + kButtonWidth + 8,
                  cy + kButtonHeight + 6 + kLabelHeight};
    HGDIOBJ oldLabelFont = ::SelectObject(canvas, labelFont);
    ::SetBkMode(canvas, TRANSPARENT);
    ::SetTextColor(canvas, RGB(60, 60, 60));
    ::DrawTextA(canvas, cell.label, -1, &label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(canvas, oldLabelFont);

    button.DestroyWindow();
    HandleMapBase::DeleteAllTemporaries();
  }

  // The picture is read back once it is no longer selected.
  ::SelectObject(canvas, oldPicture);
  const bool saved = SaveBmp(canvas, picture, width, height, path);
  ::DeleteObject(picture);
  ::DeleteDC(canvas);
  ::DeleteObject(font);
  ::DeleteObject(labelFont);
  parent.DestroyWindow();
  if (!saved) {
    std::fprintf(stderr, "gallery: could not write %s\n", path);
    return 1;
  }
  std::printf("gallery: %s (%d x %d, %d buttons)\n", path, width, height,
              static_cast<int>(cells.size()));
  return 0;
}
