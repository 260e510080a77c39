#pragma once

#include <windows.h>

#include <vector>

// Handles every message waiting in this thread's queue.
inline void PumpPending() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

// A window class whose own procedure records the application messages it
// receives (WM_APP and above) and answers them with 1000 + the offset, so
// that a test can see whether a message reached the original procedure.
struct RecordingClass {
  static std::vector<MSG>& Seen() {
    static std::vector<MSG> seen;
    return seen;
  }
  static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m >= WM_APP && m < 0xC000) {
      MSG msg = {};
      msg.hwnd = h;
      msg.message = m;
      msg.wParam = w;
      msg.lParam = l;
      Seen().push_back(msg);
      return 1000 + static_cast<LRESULT>(m - WM_APP);
    }
    return ::DefWindowProcA(h, m, w, l);
  }
  static const char* Name() {
    static const bool registered = [] {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = &Proc;
      wc.hInstance = ::GetModuleHandleA(nullptr);
      wc.lpszClassName = "FrameworkTestRecording";
      return ::RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    return "FrameworkTestRecording";
  }
  static HWND Create(HWND parent = nullptr) {
    return ::CreateWindowExA(0, Name(), "rec", parent != nullptr ? WS_CHILD : WS_POPUP, 0, 0, 50,
                             20, parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  }
};
