#include "AppTestSupport.h"

#include <cstdio>

#include "framework/CWnd.h"

namespace apptest {

void PumpMessages(DWORD minimumMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      HWND root = msg.hwnd != nullptr ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
      if (root != nullptr && CWnd::WalkPreTranslateTree(root, &msg)) continue;
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    const DWORD spent = ::GetTickCount() - start;
    if (spent >= minimumMs) return;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, minimumMs - spent, QS_ALLINPUT);
  }
}

ClipboardContent ReadClipboard() {
  ClipboardContent content;
  // Another program may hold it for a moment: try a few times.
  for (int attempt = 0; attempt < 50 && !content.opened; ++attempt) {
    content.opened = ::OpenClipboard(nullptr) != FALSE;
    if (!content.opened) ::Sleep(20);
  }
  if (!content.opened) return content;
  content.owner = ::GetClipboardOwner();
  for (UINT f = ::EnumClipboardFormats(0); f != 0; f = ::EnumClipboardFormats(f)) {
    content.formats.push_back(f);
  }
  if (HANDLE block = ::GetClipboardData(CF_TEXT)) {
    const SIZE_T size = ::GlobalSize(block);
    if (const char* data = static_cast<const char*>(::GlobalLock(block))) {
      content.hasText = true;
      content.bytes.assign(data, size);
      content.text.assign(data, strnlen(data, size));
      ::GlobalUnlock(block);
    }
  }
  ::CloseClipboard();
  return content;
}

bool PutClipboardText(HWND owner, const std::string& text) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (block == nullptr) return false;
  if (char* data = static_cast<char*>(::GlobalLock(block))) {
    memcpy(data, text.c_str(), text.size() + 1);
    ::GlobalUnlock(block);
  }
  bool opened = false;
  for (int attempt = 0; attempt < 50 && !opened; ++attempt) {
    opened = ::OpenClipboard(owner) != FALSE;
    if (!opened) ::Sleep(20);
  }
  if (!opened) {
    ::GlobalFree(block);
    return false;
  }
  ::EmptyClipboard();
  const bool set = ::SetClipboardData(CF_TEXT, block) != nullptr;
  if (!set) ::GlobalFree(block);
  ::CloseClipboard();
  return set;
}

std::string WindowsPath(const std::string& unixPath) {
  if (unixPath.empty() || unixPath[0] != '/') return unixPath;
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

void MovePointerTo(POINT screen) {
  ::SetCursorPos(screen.x, screen.y);
  INPUT move = {};
  move.type = INPUT_MOUSE;
  move.mi.dx = screen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  move.mi.dy = screen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &move, sizeof(INPUT));
  PumpMessages(30);
}

void ClickAt(POINT screen) {
  MovePointerTo(screen);
  INPUT click[2] = {};
  click[0].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].type = INPUT_MOUSE;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(1, &click[0], sizeof(INPUT));
  PumpMessages(30);
  ::SendInput(1, &click[1], sizeof(INPUT));
  PumpMessages(30);
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

ChildProcess::~ChildProcess() {
  if (info_.hProcess != nullptr) {
    if (IsRunning()) {
      ::TerminateProcess(info_.hProcess, 99);
      ::WaitForSingleObject(info_.hProcess, 5000);
    }
    ::CloseHandle(info_.hProcess);
    ::CloseHandle(info_.hThread);
  }
}

bool ChildProcess::Start(const std::string& program, const std::string& arguments) {
  std::string commandLine = "\"" + program + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  return ::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &info_) != FALSE;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (info_.hProcess == nullptr) return false;
  if (::WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode != nullptr) ::GetExitCodeProcess(info_.hProcess, exitCode);
  return true;
}

bool ChildProcess::IsRunning() const {
  return info_.hProcess != nullptr && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

ClipboardHolder::ClipboardHolder() {
  char ready[64];
  char release[64];
  std::snprintf(ready, sizeof ready, "veskel-clip-ready-%lu",
                static_cast<unsigned long>(::GetCurrentProcessId()));
  std::snprintf(release, sizeof release, "veskel-clip-release-%lu",
                static_cast<unsigned long>(::GetCurrentProcessId()));
  ready_ = ::CreateEventA(nullptr, TRUE, FALSE, ready);
  release_ = ::CreateEventA(nullptr, TRUE, FALSE, release);
  if (ready_ == nullptr || release_ == nullptr) return;
  if (!process_.Start(WindowsPath(VESKEL_CLIPBOARD_HOLDER), std::string(ready) + " " + release)) {
    return;
  }
  holding_ = ::WaitForSingleObject(ready_, 20000) == WAIT_OBJECT_0;
}

ClipboardHolder::~ClipboardHolder() {
  if (release_ != nullptr) ::SetEvent(release_);
  process_.WaitForExit(10000);
  if (ready_ != nullptr) ::CloseHandle(ready_);
  if (release_ != nullptr) ::CloseHandle(release_);
}

namespace {
struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};
BOOL CALLBACK CollectVisible(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && ::IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}
}  // namespace

std::vector<HWND> VisibleTopLevelWindows(DWORD processId) {
  WindowSearch search{processId, {}};
  ::EnumWindows(&CollectVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace apptest
