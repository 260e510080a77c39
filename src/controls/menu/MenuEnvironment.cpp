#include "controls/menu/MenuEnvironment.h"

#include <memory>
#include <new>

#include "framework/CDC.h"

// The OS class is computed during static initialisation, or earlier on first
// use; the theme probe waits for its first caller.
int MenuEnvironment::s_osClass = -1;
BOOL MenuEnvironment::s_themeProbed = FALSE;
BOOL MenuEnvironment::s_classicTheme = FALSE;

struct MenuEnvironmentStartup {
  MenuEnvironmentStartup() { MenuEnvironment::CurrentOsClass(); }
};

namespace {

const MenuEnvironmentStartup computeOsClassAtStart;

}  // namespace

OsClass MenuEnvironment::CurrentOsClass() {
  if (s_osClass < 0) {
    s_osClass = DetectOsClass();
  }
  return static_cast<OsClass>(s_osClass);
}

OsClass MenuEnvironment::DetectOsClass() {
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

BOOL MenuEnvironment::IsClassicTheme() {
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

void MenuEnvironment::ForgetThemeProbe() {
  s_themeProbed = FALSE;
  s_classicTheme = FALSE;
}

MenuLookFacts MenuEnvironment::LookFor(OsClass osClass, bool classicTheme) {
  MenuLookFacts facts;
  facts.osClass = osClass;
  facts.recognisedOs = osClass >= OsWin95;
  facts.xpLook = osClass == OsWinXp && !classicTheme;
  facts.flatDrawing = (facts.xpLook ? s_drawModeXp : s_drawModeOther) == DrawModeFlat;
  return facts;
}

MenuLookFacts MenuEnvironment::CurrentLook() {
  // The theme is probed first, on every system: the first look asked for
  // reads the registry, and nothing later does.
  const bool classicTheme = IsClassicTheme() != FALSE;
  return LookFor(CurrentOsClass(), classicTheme);
}

DrawMode MenuEnvironment::ChooseDrawMode(HDC dc, const MenuLookFacts& look) {
  CDC* wrapper = CDC::FromHandle(dc);
  if (wrapper != nullptr && (wrapper->GetDeviceCaps(RASTERCAPS) & RC_PALETTE)) {
    return DrawModeClassic;
  }
  return look.flatDrawing ? DrawModeFlat : DrawModeClassic;
}
