// Looks at a running Veskel from another process, for the end-to-end test
// that drives the tool with real pointer input from the X side.
//
//   veskel_probe rect <id>    screen rectangle of control id: left top right bottom
//   veskel_probe text <id>    text of control id
//   veskel_probe check <id>   check state of box id
//   veskel_probe count        number of visible Veskel dialogs
//
// Exit code 0 when the dialog (for count: the answer) was found, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "res/resource.h"

namespace {

struct Search {
  HWND found = nullptr;
  int count = 0;
};

BOOL CALLBACK FindVeskel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char title[64] = {};
  ::GetWindowTextA(window, title, sizeof title);
  if (::IsWindowVisible(window) && std::strncmp(title, "Veskel", 6) == 0 &&
      ::GetDlgItem(window, IDC_MASK_DECIMAL) != nullptr) {
    if (search->found == nullptr) search->found = window;
    ++search->count;
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  Search search;
  ::EnumWindows(&FindVeskel, reinterpret_cast<LPARAM>(&search));
  const char* command = argv[1];
  if (std::strcmp(command, "count") == 0) {
    std::printf("%d\n", search.count);
    return 0;
  }
  if (argc < 3 || search.found == nullptr) return 1;
  HWND control = ::GetDlgItem(search.found, std::atoi(argv[2]));
  if (control == nullptr) return 1;
  if (std::strcmp(command, "rect") == 0) {
    RECT r;
    ::GetWindowRect(control, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  } else if (std::strcmp(command, "text") == 0) {
    // GetWindowText does not ask a window of another process for its text.
    char text[128] = {};
    DWORD_PTR length = 0;
    ::SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 5000, &length);
    std::printf("%s\n", text);
  } else if (std::strcmp(command, "check") == 0) {
    std::printf("%d\n", static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0)));
  } else {
    return 2;
  }
  return 0;
}
