#pragma once

#include <windows.h>

// A count that goes up each time the system tells the program that its
// settings changed (fonts and metrics, theme, display): what is derived from
// those settings and kept between drawing calls is read again when the count
// it was read under is no longer the current one.
//
// The system tells top-level windows; a framework window that is not a child
// notes the change when it hears WM_SETTINGCHANGE, WM_THEMECHANGED or
// WM_DISPLAYCHANGE.
unsigned AfxSystemSettingsGeneration();
void AfxNoteSystemSettingsChange();
// Whether message is one of the messages that bring such news.
bool AfxIsSystemSettingsMessage(UINT message);
