#include "framework/SystemSettings.h"

namespace {

unsigned s_generation = 1;

}  // namespace

unsigned AfxSystemSettingsGeneration() { return s_generation; }

void AfxNoteSystemSettingsChange() { ++s_generation; }

bool AfxIsSystemSettingsMessage(UINT message) {
  return message == WM_SETTINGCHANGE || message == WM_THEMECHANGED || message == WM_DISPLAYCHANGE;
}
