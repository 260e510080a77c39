// Times one paint of StyledButton against the system's own push button and
// against the floor: the same pixels made with the fewest platform calls.
//
//   bench_button.exe [paints]      (default 5000 per kind)
//
// Every kind paints a 100 x 30 button into a memory DC compatible with the
// screen, with the same font: the styled button through DrawItem (the flat
// transparent look of the tool's Exit button, and the 3-D look), the system
// button by painting itself on WM_PRINTCLIENT. Each look's floor is the block
// transfer of the parent copy or a fill, the edges as one-pixel PatBlt strips
// of the system colour brushes, the focus rectangle, and one DrawText of the
// caption at the place DrawItem centres it in, worked out beforehand; the
// bench checks that the floor paints exactly the pixels DrawItem paints.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "controls/button/StyledButton.h"
#include "framework/CWnd.h"
#include "framework/HandleMapBase.h"

namespace {

const int kWidth = 100;
const int kHeight = 30;

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// Microseconds per call of paint, after a warm-up.
double Time(int paints, const std::function<void()>& paint) {
  for (int i = 0; i < paints / 10 + 1; ++i) {
    paint();
  }
  ::GdiFlush();
  const double start = Now();
  for (int i = 0; i < paints; ++i) {
    paint();
  }
  ::GdiFlush();
  return (Now() - start) / paints;
}

void Pump(int ms) {
  const DWORD start = ::GetTickCount();
  while (static_cast<int>(::GetTickCount() - start) < ms) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    ::Sleep(5);
  }
}

// The pixels of a w x h area of dc, top-down, one 32-bit value each.
std::vector<DWORD> Pixels(HDC dc, HBITMAP bitmap, int w, int h) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> pixels(static_cast<size_t>(w) * h);
  ::GdiFlush();
  if (::GetDIBits(dc, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS) != h) {
    pixels.clear();  // unreadable: compares unequal to any picture
  }
  return pixels;
}

// The raised two-pixel bevel inside r, as one-pixel strips of the system
// colour brushes (later strips cover the corners of earlier ones).
void FloorBevel(HDC dc, const RECT& r) {
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  HGDIOBJ old = ::SelectObject(dc, ::GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  ::PatBlt(dc, r.left, r.top, w, 1, PATCOPY);
  ::PatBlt(dc, r.left, r.top, 1, h, PATCOPY);
  ::SelectObject(dc, ::GetSysColorBrush(COLOR_3DLIGHT));
  ::PatBlt(dc, r.left + 1, r.top + 1, w - 1, 1, PATCOPY);
  ::PatBlt(dc, r.left + 1, r.top + 1, 1, h - 1, PATCOPY);
  ::SelectObject(dc, ::GetSysColorBrush(COLOR_3DDKSHADOW));
  ::PatBlt(dc, r.left, r.bottom - 1, w - 1, 1, PATCOPY);
  ::PatBlt(dc, r.right - 1, r.top, 1, h, PATCOPY);
  ::SelectObject(dc, ::GetSysColorBrush(COLOR_BTNSHADOW));
  ::PatBlt(dc, r.left + 1, r.bottom - 2, w - 3, 1, PATCOPY);
  ::PatBlt(dc, r.right - 2, r.top + 1, 1, h - 2, PATCOPY);
  ::SelectObject(dc, old);
}

HWND MakeButton(CWnd& parent, UINT id, DWORD type, HFONT font) {
  HWND h = ::CreateWindowExA(
      0, "BUTTON", "&Exit", WS_CHILD | type, 10, 10 + 40 * (id - 1), kWidth, kHeight, parent.m_hWnd,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return h;
}

}  // namespace

int main(int argc, char** argv) {
  const int paints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5000;

  CWnd parent;
  if (!parent.CreateEx(0, nullptr, "bench", WS_POPUP, 0, 0, 200, 160, nullptr, nullptr)) {
    std::fprintf(stderr, "bench: no window\n");
    return 1;
  }
  ::ShowWindow(parent.m_hWnd, SW_SHOWNOACTIVATE);
  ::UpdateWindow(parent.m_hWnd);
  Pump(200);

  HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  StyledButton flat;
  flat.SubclassWindow(MakeButton(parent, 1, BS_PUSHBUTTON, font));
  // The tool's Exit button.
  flat.ShadeStateColor(StyledButton::FaceHot, 30, FALSE);
  flat.UseParentBackground(FALSE);
  flat.SetHoverFrame(FALSE, FALSE);
  flat.SetStateColor(StyledButton::TextHot, 0x00B200, FALSE);
  flat.SetStateColor(StyledButton::TextNormal, 0x008000, FALSE);
  StyledButton raised;
  raised.SubclassWindow(MakeButton(parent, 2, BS_PUSHBUTTON, font));
  raised.SetFlat(FALSE, FALSE);
  HWND system = MakeButton(parent, 3, BS_PUSHBUTTON, font);

  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, kWidth, kHeight);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
  HGDIOBJ oldFont = ::SelectObject(dc, font);

  auto drawItem = [&](StyledButton& button, UINT state) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = button.m_hWnd;
    item.hDC = dc;
    item.rcItem = RECT{0, 0, kWidth, kHeight};
    button.DrawItem(&item);
  };

  // The system button must really paint into the memory DC.
  ::PatBlt(dc, 0, 0, kWidth, kHeight, BLACKNESS);
  ::SendMessageA(system, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  if (::GetPixel(dc, kWidth / 2, 3) == RGB(0, 0, 0)) {
    // Said on the standard output, with the figures it spoils.
    std::printf("bench: the system button did not paint on WM_PRINTCLIENT\n");
  }

  // Where DrawItem puts the caption: centred in the item (moved by the push
  // offset when pressed) by its measured extent.
  auto captionPlace = [&](int shift) {
    RECT area = {shift, shift, kWidth + shift, kHeight + shift};
    RECT text = area;
    ::DrawTextA(dc, "&Exit", -1, &text, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    ::OffsetRect(&text, ((area.right - area.left) - (text.right - text.left)) / 2,
                 ((area.bottom - area.top) - (text.bottom - text.top)) / 2);
    return text;
  };
  const RECT captionAt = captionPlace(0);
  const RECT pressedCaptionAt = captionPlace(1);
  drawItem(flat, 0);  // takes the parent copy
  HDC parentCopy = flat.GetParentCopyDC();
  auto floorText = [&](RECT place, COLORREF color) {
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, color);
    ::DrawTextA(dc, "&Exit", -1, &place, DT_WORDBREAK | DT_CENTER);
  };
  auto floorRaised = [&](bool focused) {
    RECT r = {0, 0, kWidth, kHeight};
    if (focused) {
      ::FrameRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
      ::InflateRect(&r, -1, -1);
    }
    ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_BTNFACE));
    FloorBevel(dc, r);
    floorText(captionAt, raised.GetStateColor(StyledButton::TextNormal));
    if (focused) {
      ::InflateRect(&r, -3, -3);
      ::DrawFocusRect(dc, &r);
    }
  };

  // The kinds take turns in short rounds, and each reports its median round,
  // so that a busy machine slows them all alike. A kind with a floor is timed
  // against it too.
  struct Kind {
    const char* name;
    std::function<void()> paint;
    std::function<void()> floor;
    std::vector<double> rounds;
    std::vector<double> floorRounds;
    size_t floorDiffers = 0;  // pixels the floor paints otherwise than DrawItem
  };
  std::vector<Kind> kinds = {
      {"system push button (WM_PRINTCLIENT)",
       [&] { ::SendMessageA(system, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); },
       nullptr,
       {},
       {}},
      {"StyledButton flat transparent",
       [&] { drawItem(flat, 0); },
       [&] {
         ::BitBlt(dc, 0, 0, kWidth, kHeight, parentCopy, 0, 0, SRCCOPY);
         floorText(captionAt, flat.GetStateColor(StyledButton::TextNormal));
       },
       {},
       {}},
      {"StyledButton flat transparent, pressed",
       [&] { drawItem(flat, ODS_SELECTED | ODS_FOCUS); },
       [&] {
         ::BitBlt(dc, 0, 0, kWidth, kHeight, parentCopy, 0, 0, SRCCOPY);
         floorText(pressedCaptionAt, flat.GetStateColor(StyledButton::TextHot));
       },
       {},
       {}},
      {"StyledButton 3-D", [&] { drawItem(raised, 0); }, [&] { floorRaised(false); }, {}, {}},
      {"StyledButton 3-D, focused",
       [&] { drawItem(raised, ODS_FOCUS); },
       [&] { floorRaised(true); },
       {},
       {}},
  };

  // A floor that paints other pixels than DrawItem would be no yardstick.
  for (Kind& kind : kinds) {
    if (!kind.floor) {
      continue;
    }
    ::PatBlt(dc, 0, 0, kWidth, kHeight, BLACKNESS);
    kind.paint();
    const std::vector<DWORD> ours = Pixels(dc, bitmap, kWidth, kHeight);
    ::PatBlt(dc, 0, 0, kWidth, kHeight, BLACKNESS);
    kind.floor();
    const std::vector<DWORD> floor = Pixels(dc, bitmap, kWidth, kHeight);
    if (ours.empty() || floor.size() != ours.size()) {
      kind.floorDiffers = static_cast<size_t>(kWidth) * kHeight;  // unreadable: every pixel
      continue;
    }
    for (size_t i = 0; i < ours.size(); ++i) {
      kind.floorDiffers += ours[i] != floor[i] ? 1 : 0;
    }
  }
  const int kRounds = 11;
  const int perRound = std::max(1, paints / kRounds);
  for (int round = 0; round < kRounds; ++round) {
    for (Kind& kind : kinds) {
      kind.rounds.push_back(Time(perRound, kind.paint));
      if (kind.floor) {
        kind.floorRounds.push_back(Time(perRound, kind.floor));
      }
    }
  }
  auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  HandleMapBase::DeleteAllTemporaries();

  std::printf(
      "button paint, %d x %d pixels, %d paints each (microseconds per paint, median of "
      "%d rounds)\n",
      kWidth, kHeight, perRound * kRounds, kRounds);
  const double systemUs = median(kinds[0].rounds);
  for (const Kind& kind : kinds) {
    const double us = median(kind.rounds);
    std::printf("  %-40s %8.1f   %5.2f x system", kind.name, us, us / systemUs);
    if (kind.floor) {
      const double floorUs = median(kind.floorRounds);
      std::printf("   floor %6.1f: %5.2f x floor", floorUs, us / floorUs);
      if (kind.floorDiffers != 0) {
        std::printf("  (NOT A YARDSTICK: the floor paints %zu pixels otherwise)",
                    kind.floorDiffers);
      }
    }
    std::printf("\n");
  }

  ::SelectObject(dc, oldFont);
  ::SelectObject(dc, oldBitmap);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  flat.DestroyWindow();
  raised.DestroyWindow();
  parent.DestroyWindow();
  return 0;
}
