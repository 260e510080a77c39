// Times one paint of StyledButton against the system's own push button.
//
//   bench_button.exe [paints]      (default 5000 per kind)
//
// Every kind paints a 100 x 30 button into a memory DC compatible with the
// screen, with the same font: the styled button through DrawItem (the flat
// transparent look of the tool's Exit button, and the 3-D look), the system
// button by painting itself on WM_PRINTCLIENT.

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
    std::fprintf(stderr, "bench: the system button did not paint on WM_PRINTCLIENT\n");
  }

  // The kinds take turns in short rounds, and each reports its median round,
  // so that a busy machine slows them all alike.
  struct Kind {
    const char* name;
    std::function<void()> paint;
    std::vector<double> rounds;
  };
  std::vector<Kind> kinds = {
      {"system push button (WM_PRINTCLIENT)",
       [&] { ::SendMessageA(system, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); },
       {}},
      {"StyledButton flat transparent", [&] { drawItem(flat, 0); }, {}},
      {"StyledButton flat transparent, pressed",
       [&] { drawItem(flat, ODS_SELECTED | ODS_FOCUS); },
       {}},
      {"StyledButton 3-D", [&] { drawItem(raised, 0); }, {}},
      {"StyledButton 3-D, focused", [&] { drawItem(raised, ODS_FOCUS); }, {}},
  };
  const int kRounds = 11;
  const int perRound = std::max(1, paints / kRounds);
  for (int round = 0; round < kRounds; ++round) {
    for (Kind& kind : kinds) {
      kind.rounds.push_back(Time(perRound, kind.paint));
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
    std::printf("  %-40s %8.1f   %5.2f x system\n", kind.name, us, us / systemUs);
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
