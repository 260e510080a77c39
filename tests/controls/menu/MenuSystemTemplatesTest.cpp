// Real menu templates: every standard menu resource of the system's own
// programs and libraries, loaded by TrellMenu and by the platform's LoadMenu,
// must give the same items, ids, popups, states and texts.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "MenuTestSupport.h"
#include "controls/menu/MenuItemData.h"
#include "controls/menu/TrellMenu.h"
#include "framework/Afx.h"

namespace {

// Modules of the system that carry menu templates. Those missing on a system
// are passed over; the test insists only on a fair number of templates.
constexpr const char* kModules[] = {
    "user32.dll",  "comdlg32.dll", "shell32.dll",  "comctl32.dll", "notepad.exe",
    "regedit.exe", "wordpad.exe",  "winefile.exe", "taskmgr.exe",  "winhlp32.exe",
    "oleview.exe", "progman.exe",  "winmine.exe",  "clock.exe",    "view.exe",
    "write.exe",   "cmd.exe",      "explorer.exe", "iexplore.exe", "wineconsole.exe"};

// The text as a reader sees it: the accelerator column's padding (a tab, or
// the spaces that align it) counts as one space.
std::string Normalised(std::string text) {
  std::string out;
  for (char c : text) {
    if (c == '\t') c = ' ';
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

TrellMenu* OwnSubMenu(HMENU menu, int position) {
  CMenu* sub = CMenu::FromHandlePermanent(GetSubMenu(menu, position));
  return sub != nullptr && sub->IsKindOf(RUNTIME_CLASS(TrellMenu)) ? static_cast<TrellMenu*>(sub)
                                                                   : nullptr;
}

// Compares one level, then each sub-menu; every difference is reported with
// its path.
void ExpectSameMenu(HMENU platform, const TrellMenu& ours, const std::string& path) {
  const int count = GetMenuItemCount(platform);
  ASSERT_EQ(GetMenuItemCount(ours.m_hMenu), count) << path;
  ASSERT_EQ(ours.m_items.GetSize(), count) << path;
  constexpr UINT kCompared = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBREAK | MF_MENUBARBREAK |
                             MF_SEPARATOR | MF_POPUP;
  for (int i = 0; i < count; ++i) {
    const std::string at = path + "/" + std::to_string(i);
    const UINT theirs = GetMenuState(platform, i, MF_BYPOSITION);
    const UINT mine = GetMenuState(ours.m_hMenu, i, MF_BYPOSITION);
    EXPECT_EQ(mine & kCompared, theirs & kCompared) << at;
    const MenuItemData* record = menutest::Record(ours, i);
    char text[512] = {};
    GetMenuStringA(platform, i, text, sizeof text, MF_BYPOSITION);
    EXPECT_EQ(Normalised(record->GetTextAnsi().GetString()), Normalised(text)) << at;
    HMENU theirSub = GetSubMenu(platform, i);
    if (theirSub == nullptr) {
      EXPECT_EQ(GetMenuItemID(ours.m_hMenu, i), GetMenuItemID(platform, i)) << at;
      continue;
    }
    const TrellMenu* mySub = OwnSubMenu(ours.m_hMenu, i);
    ASSERT_NE(mySub, nullptr) << at;
    ExpectSameMenu(theirSub, *mySub, at);
  }
}

struct Found {
  std::vector<std::string> names;
};

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
  reinterpret_cast<Found*>(found)->names.push_back(
      IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<UINT_PTR>(name)) : name);
  return TRUE;
}

LPCSTR ResourceName(const std::string& name) {
  return name[0] == '#' ? MAKEINTRESOURCEA(std::stoi(name.substr(1))) : name.c_str();
}

// True for the extended template format (version word 1), which TrellMenu
// does not read.
bool IsExtendedTemplate(HMODULE module, LPCSTR name) {
  HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(4));
  const void* data = info != nullptr ? LockResource(LoadResource(module, info)) : nullptr;
  return data != nullptr && SizeofResource(module, info) >= 2 &&
         *static_cast<const WORD*>(data) == 1;
}

TEST(MenuSystemTemplatesTest, LoadLikeThePlatform) {
  char system[MAX_PATH] = {};
  ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
  int compared = 0;
  int extended = 0;
  for (const char* file : kModules) {
    const std::string path = std::string(system) + "\\" + file;
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) continue;
    Found found;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(4), &CollectName,
                       reinterpret_cast<LONG_PTR>(&found));
    for (const std::string& name : found.names) {
      SCOPED_TRACE(std::string(file) + " menu " + name);
      HINSTANCE previous = AfxGetResourceHandle();
      AfxSetResourceHandle(module);
      if (IsExtendedTemplate(module, ResourceName(name))) {
        // Not a format TrellMenu reads: refused, nothing created.
        TrellMenu refused;
        EXPECT_FALSE(refused.LoadMenu(ResourceName(name)));
        EXPECT_EQ(refused.m_hMenu, nullptr);
        AfxSetResourceHandle(previous);
        ++extended;
        continue;
      }
      HMENU platform = LoadMenuA(module, ResourceName(name));
      ASSERT_NE(platform, nullptr);
      TrellMenu ours;
      const BOOL loaded = ours.LoadMenu(ResourceName(name));
      AfxSetResourceHandle(previous);
      ASSERT_TRUE(loaded);
      ExpectSameMenu(platform, ours, "");
      DestroyMenu(platform);
      ++compared;
    }
    FreeLibrary(module);
  }
  // Wine's own programs and libraries carry about two dozen such templates.
  std::printf("standard menu templates compared: %d; extended templates refused: %d\n", compared,
              extended);
  EXPECT_GE(compared, 10);
}

}  // namespace
