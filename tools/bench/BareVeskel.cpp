// The tool's dialog shown with DialogBoxParam and a plain dialog procedure:
// the start-up yardstick for veskel.exe.
#include <windows.h>

#include "BareDialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  ::DialogBoxParamA(instance, MAKEINTRESOURCEA(102), nullptr, &BareDialogProc, 0);
  return 0;
}
