#pragma once

// The tool written against the platform alone: dialog template 102 run by a
// plain dialog procedure that makes the same calls the tool makes (white
// dialog, black text, a tick posts a click to the hidden Generate button,
// Generate writes the decimal field, reads it back, puts it on the clipboard
// and writes the hexadecimal field). The yardstick of the benchmarks.

#include <windows.h>

// The dialog procedure. A modeless dialog is destroyed on IDOK/IDCANCEL when
// its DWLP_USER value is 1; a modal one is ended.
INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
