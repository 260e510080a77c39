#pragma once

class CWnd;

// The Generate command of the main dialog. In this order, which the user can
// see:
//  1. reads the 26 drive boxes (IsDlgButtonChecked, letter order, Z: from
//     its own id) and computes the drive mask;
//  2. writes the mask in decimal into the decimal field;
//  3. runs the dialog's data exchange in the saving direction;
//  4. only when that succeeded, reads the decimal field's text back through
//     decimalEdit and puts it on the clipboard, owned by the dialog;
//  5. writes the mask in hexadecimal into the hexadecimal field, in every case.
// Nothing is reported; a busy clipboard only skips the copy.
void PublishDriveMask(CWnd& dialog, CWnd& decimalEdit);
