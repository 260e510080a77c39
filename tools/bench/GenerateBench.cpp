// One Generate, in-process: a tick on a drive box until all three outputs
// (decimal field, clipboard, hexadecimal field) are written. The tool's
// dialog against the same platform calls made by a plain dialog procedure.
//
//   bench_generate [ticks]       (default 10000)
//
// Prints microseconds per tick for both and the ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "BareDialog.h"
#include "app/DriveMaskDialog.h"
#include "framework/CWnd.h"

namespace {

constexpr int kBoxC = 1002;
constexpr int kHex = 1030;

// Handles queued messages as the tool's modal loop does.
void PumpFramework() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    HWND root = msg.hwnd != nullptr ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && CWnd::WalkPreTranslateTree(root, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

// Handles queued messages as a plain dialog loop does.
void PumpBare(HWND dialog) {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (::IsDialogMessageA(dialog, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

double Now() {
  LARGE_INTEGER frequency, now;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Ticks box C: n times; returns microseconds per tick, or -1 when a tick did
// not reach the hexadecimal field.
template <class Pump>
double TimeTicks(HWND dialog, int n, Pump pump) {
  HWND box = ::GetDlgItem(dialog, kBoxC);
  const char* expected[2] = {"3fffffb", "3ffffff"};
  pump();
  const double start = Now();
  for (int i = 0; i < n; ++i) {
    ::SendMessageA(box, BM_CLICK, 0, 0);
    pump();
    // Check only now and then, so that the check costs next to nothing.
    if (i % 1000 == 0) {
      char hex[16] = {};
      ::GetDlgItemTextA(dialog, kHex, hex, sizeof hex);
      if (lstrcmpA(hex, expected[i % 2]) != 0) return -1;
    }
  }
  return (Now() - start) * 1e6 / n;
}

}  // namespace

int main(int argc, char** argv) {
  const int ticks = argc > 1 ? std::max(2, std::atoi(argv[1])) : 10000;

  DriveMaskDialog tool;
  if (!tool.Create(102, nullptr)) {
    std::fprintf(stderr, "bench_generate: the tool's dialog could not be created\n");
    return 1;
  }
  HWND bare = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(102), nullptr,
                                   &BareDialogProc, 0);
  if (bare == nullptr) {
    std::fprintf(stderr, "bench_generate: the plain dialog could not be created\n");
    return 1;
  }
  ::SetWindowLongPtrA(bare, DWLP_USER, 1);

  // The two take turns in blocks, so that a slow phase of the system (the
  // clipboard's hand-over to X, say) does not fall on one of them only.
  constexpr int kBlocks = 10;
  const int perBlock = std::max(2, ticks / kBlocks / 2 * 2);
  double toolUs = 0;
  double bareUs = 0;
  for (int block = 0; block < kBlocks; ++block) {
    const double t = TimeTicks(tool.m_hWnd, perBlock, [] { PumpFramework(); });
    const double b = TimeTicks(bare, perBlock, [bare] { PumpBare(bare); });
    if (t < 0 || b < 0) {
      std::fprintf(stderr, "bench_generate: a tick did not reach the outputs\n");
      return 1;
    }
    toolUs += t / kBlocks;
    bareUs += b / kBlocks;
  }
  tool.DestroyWindow();
  ::DestroyWindow(bare);

  std::printf("one Generate (tick to decimal, clipboard and hex), %d ticks each:\n",
              perBlock * kBlocks);
  std::printf("  veskel dialog      %8.1f us per tick\n", toolUs);
  std::printf("  plain Win32 calls  %8.1f us per tick\n", bareUs);
  std::printf("  ratio              %8.2f\n", toolUs / bareUs);
  return 0;
}
