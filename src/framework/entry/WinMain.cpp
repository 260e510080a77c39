// The program entry of a framework application. Linked into the program
// itself (target veskel_framework_entry), not taken from the static library,
// so that the linker sees it before the C run-time asks for WinMain.
#include <windows.h>

#include "framework/Afx.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
