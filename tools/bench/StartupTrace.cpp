// Checkpoints of a dialog program's start-up, for the table of where start-up
// time goes: linked into traced copies of veskel.exe and of the bare program
// (never into a shipped one). Times are milliseconds since the process was
// created:
//
//   loaded   the first static initialiser runs (the loader has mapped and
//            initialised every DLL the program imports, the C run-time is up)
//   created  the dialog window is being created (the other static
//            initialisers, WinMain, InitInstance and the template loaded)
//   init     WM_INITDIALOG has returned (the controls made from the template;
//            in veskel.exe the binding and the Exit button's set-up)
//   shown    WM_SHOWWINDOW has returned: the dialog is visible
//
// When VESKEL_STARTUP_TRACE names a file, one line per run is appended to it
// at exit: the program's name and the four times.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using PreciseTimeFunction = VOID(WINAPI*)(LPFILETIME);

struct Trace {
  PreciseTimeFunction now = nullptr;
  ULONGLONG creation = 0;
  double loaded = -1, created = -1, init = -1, shown = -1;
  HWND dialog = nullptr;
  HHOOK cbtHook = nullptr, returnHook = nullptr;
};
Trace g_trace;

ULONGLONG Ticks(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

double Now() {
  FILETIME time;
  if (g_trace.now != nullptr) {
    g_trace.now(&time);
  } else {
    ::GetSystemTimeAsFileTime(&time);
  }
  return static_cast<double>(Ticks(time) - g_trace.creation) / 10000.0;
}

bool IsDialogClass(LPCSTR name) {
  if (IS_INTRESOURCE(name)) return reinterpret_cast<ULONG_PTR>(name) == 0x8002;
  return std::strcmp(name, "#32770") == 0;
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && g_trace.dialog == nullptr) {
    const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
    if (IsDialogClass(create->lpcs->lpszClass)) {
      g_trace.dialog = reinterpret_cast<HWND>(wParam);
      g_trace.created = Now();
    }
  }
  return ::CallNextHookEx(g_trace.cbtHook, code, wParam, lParam);
}

LRESULT CALLBACK OnReturn(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->hwnd == g_trace.dialog && g_trace.dialog != nullptr) {
    if (sent->message == WM_INITDIALOG && g_trace.init < 0) g_trace.init = Now();
    if (sent->message == WM_SHOWWINDOW && sent->wParam && g_trace.shown < 0) {
      g_trace.shown = Now();
    }
  }
  return ::CallNextHookEx(g_trace.returnHook, code, wParam, lParam);
}

void Report() {
  const char* file = std::getenv("VESKEL_STARTUP_TRACE");
  if (file == nullptr || *file == '\0') return;
  char name[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, name, MAX_PATH);
  const char* base = std::strrchr(name, '\\');
  if (FILE* out = std::fopen(file, "a")) {
    std::fprintf(out, "%s %.2f %.2f %.2f %.2f\n", base ? base + 1 : name, g_trace.loaded,
                 g_trace.created, g_trace.init, g_trace.shown);
    std::fclose(out);
  }
}

struct Start {
  Start() {
    g_trace.now = reinterpret_cast<PreciseTimeFunction>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    FILETIME creation, exit, kernel, user;
    ::GetProcessTimes(::GetCurrentProcess(), &creation, &exit, &kernel, &user);
    g_trace.creation = Ticks(creation);
    g_trace.loaded = Now();
    const DWORD thread = ::GetCurrentThreadId();
    g_trace.cbtHook = ::SetWindowsHookExA(WH_CBT, &OnCbt, nullptr, thread);
    g_trace.returnHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &OnReturn, nullptr, thread);
    std::atexit(&Report);
  }
};

// Before every other static initialiser of the program.
Start g_start __attribute__((init_priority(101)));

}  // namespace
