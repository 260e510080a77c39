// The environment probes that choose the menu's look: the OS class and the
// desktop theme.
#include <memory>
#include <new>

#include "controls/menu/TrellMenu.h"

OsClass TrellMenu::DetectOsClass() {
  OsVersionFacts facts;
  facts.packedVersion = static_cast<std::uint32_t>(GetVersion());
  if (NeedsVersionDetails(facts.packedVersion)) {
    std::unique_ptr<OSVERSIONINFOA> info(new (std::nothrow) OSVERSIONINFOA);
    if (info) {
      ZeroMemory(info.get(), sizeof(OSVERSIONINFOA));
      info->dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
      // A failed query leaves the numbers 0, which classify as "other".
      GetVersionExA(info.get());
      facts.major = info->dwMajorVersion;
      facts.minor = info->dwMinorVersion;
    } else {
      facts.detailsAvailable = false;
    }
  }
  return ClassifyOsVersion(facts);
}

BOOL TrellMenu::IsRecognisedOs() { return CurrentOsClass() >= OsWin95; }

BOOL TrellMenu::IsClassicTheme() {
  if (s_themeProbed) {
    return s_classicTheme;
  }
  // Marked first: a probe that fails is not repeated.
  s_themeProbed = TRUE;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Plus!\\Themes\\Current", 0, KEY_READ,
                    &key) != ERROR_SUCCESS) {
    return s_classicTheme;
  }
  // One byte more than the platform may fill, so that the value is always
  // terminated even when it was stored without its terminator.
  char value[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH;
  DWORD type = REG_SZ;
  if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
      ERROR_SUCCESS) {
    static const char reference[] = "Windows Classic.theme";
    const int referenceLength = static_cast<int>(sizeof(reference) - 1);
    const int length = lstrlenA(value);
    if (length >= referenceLength && lstrcmpiA(value + length - referenceLength, reference) == 0) {
      s_classicTheme = TRUE;
    }
  }
  RegCloseKey(key);
  return s_classicTheme;
}

void TrellMenu::ForgetThemeProbe() {
  s_themeProbed = FALSE;
  s_classicTheme = FALSE;
}

BOOL TrellMenu::IsXpLook() {
  // The theme is probed first, on every system: the first call of either
  // predicate reads the registry, and nothing later does.
  const BOOL classic = IsClassicTheme();
  return CurrentOsClass() == OsWinXp && !classic;
}

BOOL TrellMenu::IsFlatDrawing() {
  return (IsXpLook() ? s_drawModeXp : s_drawModeOther) == DrawModeFlat;
}
