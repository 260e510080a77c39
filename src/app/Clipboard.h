#pragma once

#include <windows.h>

// Puts text on the clipboard as one CF_TEXT block (the characters and their
// terminating zero byte, nothing else), with owner as the clipboard owner.
// Reports nothing. A clipboard held open elsewhere (clipboard managers and
// remote-desktop clients hold it for a few milliseconds at a time) is tried
// again for about 100 ms; when it stays busy, or the block cannot be made, the
// clipboard keeps what it had.
void CopyTextToClipboard(HWND owner, const char* text);

// The platform calls CopyTextToClipboard makes for the block, replaceable so
// that tests can make them fail. The defaults are the system's own.
struct ClipboardCalls {
  HGLOBAL(WINAPI* globalAlloc)(UINT flags, SIZE_T bytes);
  LPVOID(WINAPI* globalLock)(HGLOBAL block);
  HGLOBAL(WINAPI* globalFree)(HGLOBAL block);
  HANDLE(WINAPI* setClipboardData)(UINT format, HANDLE data);
  BOOL(WINAPI* openClipboard)(HWND owner);
};

// How often, and how far apart, CopyTextToClipboard tries to open a busy
// clipboard.
constexpr int kClipboardOpenAttempts = 10;
constexpr DWORD kClipboardRetryMs = 10;

// The system's own calls.
const ClipboardCalls& SystemClipboardCalls();

// Replaces the calls for as long as the object lives, then puts the previous
// ones back. For tests; one thread only.
class ScopedClipboardCalls {
 public:
  explicit ScopedClipboardCalls(const ClipboardCalls& calls);
  ~ScopedClipboardCalls();
  ScopedClipboardCalls(const ScopedClipboardCalls&) = delete;
  ScopedClipboardCalls& operator=(const ScopedClipboardCalls&) = delete;

 private:
  ClipboardCalls previous_;
};
