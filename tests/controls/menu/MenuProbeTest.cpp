// The OS class and the theme probe as the running system reports them. The
// program runs once per Wine version setting (VESKEL_WINE_VERSION).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "controls/menu/TrellMenu.h"

namespace {

std::string WineVersionSetting() {
  const char* v = std::getenv("VESKEL_WINE_VERSION");
  return v != nullptr ? v : "";
}

// Deletes a key with everything below it.
void DeleteKeyTree(HKEY parent, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
    return;
  }
  char name[256];
  DWORD length = sizeof(name);
  while (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS) {
    DeleteKeyTree(key, name);
    length = sizeof(name);
  }
  RegCloseKey(key);
  RegDeleteKeyA(parent, path.c_str());
}

// Maps HKEY_CURRENT_USER of this process to a private key for the length of
// a test, so that the theme value written here is seen by no other program.
class PrivateCurrentUser {
 public:
  PrivateCurrentUser() {
    const std::string path =
        "Software\\VeskelTests\\ThemeProbe" + std::to_string(GetCurrentProcessId());
    m_path = path;
    RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &m_root, nullptr);
    m_overridden =
        m_root != nullptr && RegOverridePredefKey(HKEY_CURRENT_USER, m_root) == ERROR_SUCCESS;
    TrellMenu::ForgetThemeProbe();
  }
  ~PrivateCurrentUser() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (m_root != nullptr) {
      RegCloseKey(m_root);
      DeleteKeyTree(HKEY_CURRENT_USER, m_path);
    }
    TrellMenu::ForgetThemeProbe();
  }
  bool Ready() const { return m_overridden; }

  // Writes the default value of the theme key (in the private tree).
  void SetTheme(const char* value) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Plus!\\Themes\\Current", 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                             static_cast<DWORD>(lstrlenA(value) + 1)));
    RegCloseKey(key);
  }

 private:
  std::string m_path;
  HKEY m_root = nullptr;
  bool m_overridden = false;
};

}  // namespace

TEST(OsClassProbe, MatchesTheVersionWineReports) {
  const std::string setting = WineVersionSetting();
  const OsClass detected = TrellMenu::DetectOsClass();
  EXPECT_EQ(detected, TrellMenu::CurrentOsClass());  // computed at start, the same
  if (setting == "win98") {
    EXPECT_EQ(OsWin98, detected);
  } else if (setting == "nt40") {
    EXPECT_EQ(OsNt4, detected);
  } else if (setting == "win2k") {
    EXPECT_EQ(OsWin2000, detected);
  } else if (setting == "winxp") {
    EXPECT_EQ(OsWinXp, detected);
  } else if (setting == "winxp64" || setting == "default") {
    EXPECT_EQ(OsNtOther, detected);  // NT 5.2 and NT 6 or later
  } else {
    // Not run through a version setting: check against the system's numbers.
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    ASSERT_TRUE(GetVersionExA(&info));
    OsVersionFacts facts;
    facts.packedVersion = GetVersion();
    facts.major = info.dwMajorVersion;
    facts.minor = info.dwMinorVersion;
    EXPECT_EQ(ClassifyOsVersion(facts), detected);
  }
}

TEST(OsClassProbe, PredicatesFollowTheClass) {
  PrivateCurrentUser user;  // no theme value: not the classic theme
  ASSERT_TRUE(user.Ready());
  const OsClass os = TrellMenu::CurrentOsClass();
  EXPECT_EQ(os >= OsWin95, !!TrellMenu::IsRecognisedOs());
  EXPECT_EQ(os == OsWinXp, !!TrellMenu::IsXpLook());
  EXPECT_EQ(!!TrellMenu::IsXpLook(), !!TrellMenu::IsFlatDrawing());
  const std::string setting = WineVersionSetting();
  if (setting == "winxp64" || setting == "default") {
    EXPECT_FALSE(TrellMenu::IsRecognisedOs());
    EXPECT_FALSE(TrellMenu::IsFlatDrawing());
  }
}

TEST(ThemeProbe, ClassicOnlyWhenTheValueEndsWithTheReference) {
  struct Case {
    const char* value;
    bool classic;
  } cases[] = {
      {"C:\\Windows\\Resources\\Themes\\Windows Classic.theme", true},
      {"C:\\THEMES\\WINDOWS CLASSIC.THEME", true},
      {"windows classic.Theme", true},
      {"Windows Classic.theme.bak", false},
      {"C:\\Windows Classic.theme\\Luna.theme", false},
      {"Classic.theme", false},
      {"", false},
  };
  for (const Case& c : cases) {
    PrivateCurrentUser user;
    ASSERT_TRUE(user.Ready());
    user.SetTheme(c.value);
    EXPECT_EQ(c.classic, !!TrellMenu::IsClassicTheme()) << c.value;
    if (TrellMenu::CurrentOsClass() == OsWinXp) {
      EXPECT_EQ(!c.classic, !!TrellMenu::IsXpLook()) << c.value;
      EXPECT_EQ(!c.classic, !!TrellMenu::IsFlatDrawing()) << c.value;
    } else {
      EXPECT_FALSE(TrellMenu::IsXpLook()) << c.value;
    }
  }
}

TEST(ThemeProbe, MissingKeyIsNotClassicAndIsNotProbedTwice) {
  PrivateCurrentUser user;
  ASSERT_TRUE(user.Ready());
  EXPECT_FALSE(TrellMenu::IsClassicTheme());
  // The answer is kept for the rest of the run, even when the theme changes.
  user.SetTheme("Windows Classic.theme");
  EXPECT_FALSE(TrellMenu::IsClassicTheme());
  EXPECT_FALSE(TrellMenu::IsClassicTheme());
}

TEST(ThemeProbe, TheLookPredicateProbesTheThemeOnEverySystem) {
  PrivateCurrentUser user;
  ASSERT_TRUE(user.Ready());
  TrellMenu::IsXpLook();
  // Probed by that first call, whatever the system: a later change is not seen.
  user.SetTheme("Windows Classic.theme");
  EXPECT_FALSE(TrellMenu::IsClassicTheme());
}

TEST(ThemeProbe, ClassicAnswerIsCachedToo) {
  PrivateCurrentUser user;
  ASSERT_TRUE(user.Ready());
  user.SetTheme("Windows Classic.theme");
  EXPECT_TRUE(TrellMenu::IsClassicTheme());
  user.SetTheme("Luna.theme");
  EXPECT_TRUE(TrellMenu::IsClassicTheme());
}

TEST(ThemeProbe, OverlongValueIsNotClassic) {
  PrivateCurrentUser user;
  ASSERT_TRUE(user.Ready());
  std::string value(400, 'x');
  value += "Windows Classic.theme";
  user.SetTheme(value.c_str());
  EXPECT_FALSE(TrellMenu::IsClassicTheme());
}
