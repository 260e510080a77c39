// Holds the clipboard open, as a busy program does, for the clipboard tests.
//
//   clipboard_holder <ready-event> <release-event>
//
// Opens the clipboard, signals the ready event, and closes the clipboard
// when the release event is signalled (or after 60 seconds).
#include <windows.h>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
  HANDLE release = ::OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
  if (ready == nullptr || release == nullptr) return 3;
  // Opened for a window of its own: a clipboard opened without a window
  // would still let other window-less callers in.
  HWND window = ::CreateWindowExA(0, "STATIC", "clipboard holder", WS_POPUP, 0, 0, 1, 1, nullptr,
                                  nullptr, nullptr, nullptr);
  if (window == nullptr || !::OpenClipboard(window)) return 4;
  ::SetEvent(ready);
  ::WaitForSingleObject(release, 60000);
  ::CloseClipboard();
  ::DestroyWindow(window);
  return 0;
}
