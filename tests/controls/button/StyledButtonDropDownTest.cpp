// The drop-down menu of the styled button, on the shared display: a click
// tracks the first popup of the button's TrellMenu below the button. A timer
// of a hidden helper window acts inside the menu loop (looks at the popup,
// posts keys or ends the menu) the way a user would.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ButtonTestSupport.h"
#include "controls/menu/MenuItemData.h"

using button_test::MovePointer;
using button_test::ParentWindow;
using button_test::Pump;
using button_test::TestButton;

namespace {

constexpr UINT kOpen = 101;
constexpr UINT kSave = 102;
constexpr UINT kGrayed = 103;
constexpr UINT kNested = 104;
constexpr UINT kSecondPopupItem = 201;
constexpr UINT kNotifyMessage = WM_APP + 5;
constexpr LPARAM kNotifyParam = 77;
constexpr UINT kButtonId = 21;

std::vector<std::string> g_opened;

BOOL WINAPI RecordShellExecute(SHELLEXECUTEINFOA* info) {
  g_opened.push_back(info->lpFile != nullptr ? info->lpFile : "");
  return TRUE;
}

BOOL WINAPI SilentPlaySound(LPCSTR, HMODULE, DWORD) { return TRUE; }

BOOL CALLBACK FindShownPopup(HWND h, LPARAM found) {
  char name[16] = {};
  ::GetClassNameA(h, name, sizeof(name));
  if (std::string(name) == "#32768" && ::IsWindowVisible(h)) {
    *reinterpret_cast<HWND*>(found) = h;
    return FALSE;
  }
  return TRUE;
}

// The visible popup menu window, or null.
HWND FindPopupWindow() {
  HWND found = nullptr;
  ::EnumWindows(&FindShownPopup, reinterpret_cast<LPARAM>(&found));
  return found;
}

// A TrellMenu popup that notes which of its items the platform had it size.
class RecordingMenu : public TrellMenu {
 public:
  void MeasureItem(MEASUREITEMSTRUCT* measureItem) override {
    TrellMenu::MeasureItem(measureItem);
    measured[measureItem->itemData] = *measureItem;
  }
  std::map<ULONG_PTR, MEASUREITEMSTRUCT> measured;
};

// A hidden top-level window: the menu command target, the receiver of the
// notification sent before the menu opens, and the timer that acts inside
// the menu loop. The action runs once, at the first tick that finds the
// popup shown, with the popup's window; after a few seconds without a popup
// the menu is ended (and timedOut set).
class Helper : public CWnd {
 public:
  static constexpr UINT_PTR kTimer = 3;
  struct Command {
    WPARAM wParam;
    LPARAM lParam;
  };
  struct Notified {
    WPARAM wParam;
    LPARAM lParam;
    bool popupShown;
    BOOL menuOpen;
  };

  std::function<void(HWND popup)> onOpen;
  // Runs once, at the next tick that finds the popup still shown.
  std::function<void(HWND popup)> whileOpen;
  // Runs when the notification arrives, with the popup's menu object.
  std::function<void(CMenu* popup)> onNotify;
  std::vector<Command> commands;
  std::vector<Notified> notified;
  StyledButton* button = nullptr;
  bool opened = false;
  bool followedUp = false;
  bool timedOut = false;
  int ticks = 0;

  BOOL Create() {
    return CreateEx(0, nullptr, "drop-down helper", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
  }
  void Arm() {
    opened = false;
    followedUp = false;
    timedOut = false;
    ticks = 0;
    SetTimer(kTimer, 30);
  }
  void Disarm() { KillTimer(kTimer); }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND) {
      commands.push_back({wParam, lParam});
      return 0;
    }
    if (message == kNotifyMessage) {
      notified.push_back({wParam, lParam, FindPopupWindow() != nullptr,
                          button != nullptr ? button->IsMenuOpen() : FALSE});
      if (onNotify) {
        onNotify(reinterpret_cast<CMenu*>(wParam));
      }
      return 0;
    }
    if (message == WM_TIMER && wParam == kTimer) {
      Tick();
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }

 private:
  void Tick() {
    ++ticks;
    HWND popup = FindPopupWindow();
    if (popup != nullptr && !opened) {
      opened = true;
      if (onOpen) {
        onOpen(popup);
      }
    } else if (popup != nullptr && whileOpen && !followedUp) {
      followedUp = true;
      whileOpen(popup);
    } else if (popup == nullptr && ticks > 150) {
      timedOut = true;
      Disarm();
    }
    if (popup != nullptr && ticks > 150) {
      timedOut = true;
      ::EndMenu();
    }
  }
};

// A parent that also records the commands it receives from menus (WM_COMMAND
// with lParam 0), besides the BN_CLICKED count of ParentWindow.
class DropParent : public ParentWindow {
 public:
  std::vector<WPARAM> menuCommands;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND && lParam == 0) {
      menuCommands.push_back(wParam);
      return 0;
    }
    return ParentWindow::WindowProc(message, wParam, lParam);
  }
};

class DropDown : public ::testing::Test {
 protected:
  DropParent parent;
  TestButton button;
  Helper helper;
  RecordingMenu* first = nullptr;  // owned by the button's menu
  TrellMenu* nested = nullptr;     // owned by first
  TrellMenu* second = nullptr;     // owned by the button's menu
  POINT away = {5, 1000};

  void SetUp() override {
    g_opened.clear();
    StyledButton::s_shellExecute = &RecordShellExecute;
    StyledButton::s_playSound = &SilentPlaySound;
    MovePointer(away.x, away.y, 50);
    ASSERT_TRUE(parent.CreateParent(200, 200, 240, 120));
    ASSERT_TRUE(helper.Create());
    helper.button = &button;
  }
  void TearDown() override {
    helper.Disarm();
    if (button.m_hWnd != nullptr) {
      button.DestroyWindow();
    }
    parent.DestroyWindow();
    helper.DestroyWindow();
    StyledButton::s_shellExecute = ::ShellExecuteExA;
    StyledButton::s_playSound = ::PlaySoundA;
  }
  void Attach(DWORD type = BS_PUSHBUTTON) {
    HWND h =
        button_test::CreateButtonControl(parent, kButtonId, type, "&Tools", 20, 20, 100, 30, true);
    ASSERT_NE(nullptr, h);
    ASSERT_TRUE(button.SubclassWindow(h));
    ::SetForegroundWindow(parent.m_hWnd);
    Pump(100);
  }
  // The button's menu: a bar with two popups. The first holds two commands,
  // a separator, a grayed command and a nested popup; the second one item.
  void FillMenu() {
    TrellMenu& bar = button.GetDropMenu();
    ASSERT_TRUE(bar.CreateMenu());
    first = new RecordingMenu;
    ASSERT_TRUE(first->CreatePopupMenu());
    first->AppendMenu(L"&Open\tCtrl+O", MF_STRING, kOpen);
    first->AppendMenu(L"&Save", MF_STRING, kSave);
    first->AppendMenu(nullptr, MF_STRING, 0);
    first->AppendMenu(L"&Grayed", MF_STRING | MF_GRAYED, kGrayed);
    nested = TrellMenu::NewOwnedSubMenu();
    ASSERT_TRUE(nested->CreatePopupMenu());
    nested->AppendMenu(L"&Inner", MF_STRING, kNested);
    first->AppendMenu(L"&More", MF_POPUP, reinterpret_cast<UINT_PTR>(nested->m_hMenu));
    second = TrellMenu::NewOwnedSubMenu();
    ASSERT_TRUE(second->CreatePopupMenu());
    second->AppendMenu(L"&Later", MF_STRING, kSecondPopupItem);
    // The bar owns both popups from here on; the first is handed over the
    // same way as the ones the menu makes for itself.
    bar.AppendMenu(L"&File", MF_POPUP, reinterpret_cast<UINT_PTR>(first->m_hMenu));
    bar.AppendMenu(L"&Edit", MF_POPUP, reinterpret_cast<UINT_PTR>(second->m_hMenu));
  }
  // Clicks the button (the way the keyboard's space bar or BM_CLICK does);
  // returns when the menu, if any, has closed. The helper's timer runs
  // meanwhile.
  void Click() {
    helper.Arm();
    ::SendMessageA(button.m_hWnd, BM_CLICK, 0, 0);
    helper.Disarm();
    Pump(80);
  }
  // Whether the button shows its pressed face now: the flat look's sunken
  // frame has the shadow colour at the top-left corner.
  bool LooksPressed() {
    ::UpdateWindow(button.m_hWnd);
    HDC dc = ::GetDC(button.m_hWnd);
    const COLORREF corner = ::GetPixel(dc, 0, 0);
    ::ReleaseDC(button.m_hWnd, dc);
    return corner == ::GetSysColor(COLOR_BTNSHADOW);
  }
};

// Record i of a menu.
MenuItemData* Record(TrellMenu* menu, int i) {
  return static_cast<MenuItemData*>(menu->m_items.GetAt(i));
}

TEST_F(DropDown, ClickShowsTheFirstPopupBelowTheButtonPressedUntilItCloses) {
  Attach();
  FillMenu();
  RECT popupRect = {};
  HMENU shown = nullptr;
  bool openWhileShown = false;
  bool pressedWhileShown = false;
  BOOL drawnPressed = FALSE;
  helper.onOpen = [&](HWND popup) {
    ::GetWindowRect(popup, &popupRect);
    shown = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
    openWhileShown = button.IsMenuOpen() != FALSE;
    pressedWhileShown = LooksPressed();
    drawnPressed = button.LastPressed();
    ::EndMenu();
  };
  Click();
  ASSERT_TRUE(helper.opened);
  EXPECT_FALSE(helper.timedOut);

  RECT buttonRect;
  ::GetWindowRect(button.m_hWnd, &buttonRect);
  EXPECT_EQ(buttonRect.left, popupRect.left);
  EXPECT_EQ(buttonRect.bottom, popupRect.top);
  EXPECT_EQ(first->m_hMenu, shown);
  EXPECT_TRUE(openWhileShown);
  EXPECT_TRUE(pressedWhileShown);
  EXPECT_TRUE(drawnPressed);

  EXPECT_FALSE(button.IsMenuOpen());
  EXPECT_FALSE(LooksPressed());
  EXPECT_FALSE(button.LastPressed());
  // The parent still learns of the click.
  EXPECT_EQ(1, parent.log.clicked);
  EXPECT_EQ(::GetFocus(), button.m_hWnd);
}

TEST_F(DropDown, KeysPickACommandThatReachesTheTarget) {
  Attach();
  FillMenu();
  button.SetMenuCommandTarget(helper.m_hWnd);
  helper.onOpen = [](HWND popup) {
    ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
  };
  Click();
  ASSERT_TRUE(helper.opened);
  EXPECT_FALSE(helper.timedOut);
  ASSERT_EQ(1u, helper.commands.size());
  EXPECT_EQ(static_cast<WPARAM>(kSave), helper.commands[0].wParam);
  EXPECT_EQ(0, helper.commands[0].lParam);
  EXPECT_TRUE(parent.menuCommands.empty());
  EXPECT_EQ(1, parent.log.clicked);
}

TEST_F(DropDown, WithoutATargetTheCommandGoesToTheParent) {
  Attach();
  FillMenu();
  helper.onOpen = [](HWND popup) {
    ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
  };
  Click();
  ASSERT_TRUE(helper.opened);
  ASSERT_EQ(1u, parent.menuCommands.size());
  EXPECT_EQ(static_cast<WPARAM>(kOpen), parent.menuCommands[0]);
  EXPECT_TRUE(helper.commands.empty());
}

TEST_F(DropDown, DismissingPostsNothing) {
  Attach();
  FillMenu();
  button.SetMenuCommandTarget(helper.m_hWnd);
  const std::vector<std::pair<const char*, std::function<void(HWND)>>> ways = {
      {"Esc", [](HWND popup) { ::PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0); }},
      {"WM_CANCELMODE", [this](HWND) { ::SendMessageA(button.m_hWnd, WM_CANCELMODE, 0, 0); }},
      {"EndMenu", [](HWND) { ::EndMenu(); }},
  };
  int clicks = 0;
  for (const auto& way : ways) {
    helper.onOpen = [&](HWND popup) {
      // Highlight an item first: leaving must still choose nothing.
      ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    };
    helper.whileOpen = way.second;
    Click();
    ++clicks;
    EXPECT_TRUE(helper.opened) << way.first;
    EXPECT_FALSE(helper.timedOut) << way.first;
    EXPECT_EQ(nullptr, FindPopupWindow()) << way.first;
    EXPECT_FALSE(button.IsMenuOpen()) << way.first;
    EXPECT_EQ(clicks, parent.log.clicked) << way.first;
  }
  EXPECT_TRUE(helper.commands.empty());
  EXPECT_TRUE(parent.menuCommands.empty());
}

TEST_F(DropDown, TypedMnemonicExecutesItsItem) {
  Attach();
  FillMenu();
  button.SetMenuCommandTarget(helper.m_hWnd);
  bool stillOpenAfterUnknownKey = false;
  helper.onOpen = [](HWND popup) {
    // No item has a 'z' mnemonic: the menu stays open.
    ::PostMessageA(popup, WM_CHAR, 'z', 0);
  };
  helper.whileOpen = [&](HWND popup) {
    if (!stillOpenAfterUnknownKey) {
      stillOpenAfterUnknownKey = true;
      ::PostMessageA(popup, WM_CHAR, 'S', 0);
    }
  };
  Click();
  ASSERT_TRUE(helper.opened);
  EXPECT_FALSE(helper.timedOut);
  EXPECT_TRUE(stillOpenAfterUnknownKey);
  ASSERT_EQ(1u, helper.commands.size());
  EXPECT_EQ(static_cast<WPARAM>(kSave), helper.commands[0].wParam);
}

TEST_F(DropDown, MenuCharOfAPopupNoTrellMenuOwnsGetsTheDefaultAnswer) {
  Attach();
  FillMenu();
  const WPARAM typed = MAKEWPARAM('s', MF_POPUP);
  // An owned popup: the menu class's answer, the item's position executed.
  EXPECT_EQ(MAKELRESULT(1, MNC_EXECUTE), ::SendMessageA(button.m_hWnd, WM_MENUCHAR, typed,
                                                        reinterpret_cast<LPARAM>(first->m_hMenu)));
  // A TrellMenu popup that was never appended to a menu would answer the
  // same through the menu class; the button leaves it to the default.
  TrellMenu loose;
  ASSERT_TRUE(loose.CreatePopupMenu());
  loose.AppendMenu(L"&Save", MF_STRING, kSave);
  ASSERT_EQ(MAKELRESULT(0, MNC_EXECUTE), TrellMenu::FindMnemonic('s', MF_POPUP, &loose));
  const LRESULT answer =
      ::SendMessageA(button.m_hWnd, WM_MENUCHAR, typed, reinterpret_cast<LPARAM>(loose.m_hMenu));
  EXPECT_NE(MNC_EXECUTE, HIWORD(answer));
  EXPECT_EQ(
      ::DefWindowProcA(button.m_hWnd, WM_MENUCHAR, typed, reinterpret_cast<LPARAM>(loose.m_hMenu)),
      answer);
}

TEST_F(DropDown, MeasureItemOfOwnedPopupsGoesToTheMenuOthersToTheDefault) {
  Attach();
  FillMenu();
  TrellMenu sizer;  // measures like the button's menu: both use the defaults

  // A popup item of the button's menu (its id is the sub-menu handle).
  MEASUREITEMSTRUCT popupItem = {};
  popupItem.CtlType = ODT_MENU;
  popupItem.itemID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(nested->m_hMenu));
  popupItem.itemData = reinterpret_cast<ULONG_PTR>(Record(first, 4));
  MEASUREITEMSTRUCT expected = popupItem;
  sizer.MeasureItem(&expected);
  ASSERT_GT(expected.itemWidth, 0u);
  ::SendMessageA(button.m_hWnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&popupItem));
  EXPECT_EQ(expected.itemWidth, popupItem.itemWidth);
  EXPECT_EQ(expected.itemHeight, popupItem.itemHeight);

  // A control, and a popup no TrellMenu owns: not the menu class's business.
  MEASUREITEMSTRUCT control = {};
  control.CtlType = ODT_BUTTON;
  control.CtlID = 5;
  control.itemData = popupItem.itemData;
  control.itemWidth = 1234;
  control.itemHeight = 56;
  ::SendMessageA(button.m_hWnd, WM_MEASUREITEM, 5, reinterpret_cast<LPARAM>(&control));
  EXPECT_EQ(1234u, control.itemWidth);
  EXPECT_EQ(56u, control.itemHeight);

  CMenu foreign;
  ASSERT_TRUE(foreign.CreatePopupMenu());
  MEASUREITEMSTRUCT foreignItem = popupItem;
  foreignItem.itemID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(foreign.m_hMenu));
  foreignItem.itemWidth = 1234;
  foreignItem.itemHeight = 56;
  ::SendMessageA(button.m_hWnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&foreignItem));
  EXPECT_EQ(1234u, foreignItem.itemWidth);
  EXPECT_EQ(56u, foreignItem.itemHeight);
}

TEST_F(DropDown, TrackedPopupIsSizedThroughTheButton) {
  Attach();
  FillMenu();
  // A popup item whose sub-menu no TrellMenu owns, put in by other code: the
  // default handling finds the tracked popup that holds it.
  CMenu foreign;
  ASSERT_TRUE(foreign.CreatePopupMenu());
  foreign.AppendMenu(MF_STRING, 301, "foreign");
  MenuItemData foreignRecord;
  foreignRecord.SetTextWide(L"Foreign");
  foreignRecord.menuFlags = MF_POPUP | MF_OWNERDRAW;
  ASSERT_TRUE(first->CMenu::AppendMenu(MF_POPUP | MF_OWNERDRAW,
                                       reinterpret_cast<UINT_PTR>(foreign.m_hMenu),
                                       static_cast<const void*>(&foreignRecord)));
  RECT nestedItem = {};
  RECT saveItem = {};
  helper.onOpen = [&](HWND) {
    ::GetMenuItemRect(button.m_hWnd, first->m_hMenu, 4, &nestedItem);
    ::GetMenuItemRect(button.m_hWnd, first->m_hMenu, 1, &saveItem);
    ::EndMenu();
  };
  Click();
  ASSERT_TRUE(helper.opened);

  // Command items, the separator and the foreign popup item reach the popup's
  // own object through the default handling.
  for (int i : {0, 1, 2, 3}) {
    EXPECT_EQ(1u, first->measured.count(reinterpret_cast<ULONG_PTR>(Record(first, i)))) << i;
  }
  EXPECT_EQ(1u, first->measured.count(reinterpret_cast<ULONG_PTR>(&foreignRecord)));
  // The owned nested popup's item is sized by the button's menu instead, to
  // the same height as its neighbours.
  EXPECT_EQ(0u, first->measured.count(reinterpret_cast<ULONG_PTR>(Record(first, 4))));
  EXPECT_GT(nestedItem.bottom - nestedItem.top, 0);
  EXPECT_EQ(saveItem.bottom - saveItem.top, nestedItem.bottom - nestedItem.top);
  first->CMenu::RemoveMenu(5, MF_BYPOSITION);  // the record is this test's
}

TEST_F(DropDown, MenuNotifyIsSentBeforeThePopupOpens) {
  Attach();
  FillMenu();
  button.SetMenuNotify(helper.m_hWnd, kNotifyMessage, kNotifyParam);
  size_t notifiedWhenShown = 0;
  helper.onOpen = [&](HWND) {
    notifiedWhenShown = helper.notified.size();
    ::EndMenu();
  };
  Click();
  ASSERT_TRUE(helper.opened);
  ASSERT_EQ(1u, helper.notified.size());
  EXPECT_EQ(1u, notifiedWhenShown);
  const Helper::Notified& n = helper.notified[0];
  EXPECT_FALSE(n.popupShown);
  EXPECT_TRUE(n.menuOpen);
  EXPECT_EQ(kNotifyParam, n.lParam);
  // wParam is the popup's menu object, ready to be adjusted.
  EXPECT_EQ(static_cast<CMenu*>(first), reinterpret_cast<CMenu*>(n.wParam));
}

TEST_F(DropDown, NotifiedReceiverCanAdjustThePopup) {
  Attach();
  FillMenu();
  button.SetMenuCommandTarget(helper.m_hWnd);
  button.SetMenuNotify(helper.m_hWnd, kNotifyMessage, 0);
  constexpr UINT kAdded = 105;
  helper.onNotify = [&](CMenu* popup) {
    ASSERT_TRUE(popup->IsKindOf(RUNTIME_CLASS(TrellMenu)));
    static_cast<TrellMenu*>(popup)->AppendMenu(L"&Added", MF_STRING, kAdded);
  };
  helper.onOpen = [](HWND popup) { ::PostMessageA(popup, WM_CHAR, 'a', 0); };
  Click();
  ASSERT_TRUE(helper.opened);
  EXPECT_EQ(6u, first->GetMenuItemCount());
  ASSERT_EQ(1u, helper.commands.size());
  EXPECT_EQ(static_cast<WPARAM>(kAdded), helper.commands[0].wParam);
}

TEST_F(DropDown, CheckBoxModeOnlyToggles) {
  Attach(BS_AUTOCHECKBOX);
  FillMenu();
  button.SetLinkTarget("https://example.invalid/");
  button.SetMenuCommandTarget(helper.m_hWnd);
  helper.onOpen = [](HWND) { ::EndMenu(); };
  Click();
  EXPECT_FALSE(helper.opened);
  EXPECT_EQ(1, button.GetCheckState());
  Click();
  EXPECT_EQ(0, button.GetCheckState());
  EXPECT_FALSE(helper.opened);
  EXPECT_TRUE(g_opened.empty());
  EXPECT_EQ(2, parent.log.clicked);
}

TEST_F(DropDown, AButtonWithAMenuNeverOpensItsLinkTarget) {
  Attach();
  FillMenu();
  button.SetLinkTarget("https://example.invalid/");
  button.SetMenuCommandTarget(helper.m_hWnd);
  helper.onOpen = [](HWND) { ::EndMenu(); };
  Click();
  EXPECT_TRUE(helper.opened);
  helper.onOpen = [](HWND popup) {
    ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
  };
  Click();
  EXPECT_EQ(1u, helper.commands.size());
  EXPECT_TRUE(g_opened.empty());

  // Once the menu is gone, the link opens again.
  button.GetDropMenu().DestroyMenu();
  Click();
  ASSERT_EQ(1u, g_opened.size());
  EXPECT_EQ("https://example.invalid/", g_opened[0]);
}

TEST_F(DropDown, AMenuWithoutAPopupFirstOnlyFinishesTheClick) {
  Attach();
  button.SetLinkTarget("https://example.invalid/");
  button.SetMenuCommandTarget(helper.m_hWnd);
  button.SetMenuNotify(helper.m_hWnd, kNotifyMessage, 0);
  TrellMenu& bar = button.GetDropMenu();
  ASSERT_TRUE(bar.CreateMenu());
  Click();  // a menu with no items at all
  bar.AppendMenu(L"Plain", MF_STRING, 300);
  Click();  // a command where the popup should be
  EXPECT_FALSE(helper.opened);
  EXPECT_FALSE(button.IsMenuOpen());
  EXPECT_FALSE(LooksPressed());
  EXPECT_TRUE(helper.notified.empty());
  EXPECT_TRUE(helper.commands.empty());
  EXPECT_TRUE(g_opened.empty());
  EXPECT_EQ(2, parent.log.clicked);
}

TEST_F(DropDown, TheMenuGoesWithTheButton) {
  const std::size_t menusBefore = TrellMenu::LiveCount();
  const std::size_t recordsBefore = MenuItemData::LiveCount();
  HMENU firstHandle = nullptr;
  {
    TestButton doomed;
    HWND h = button_test::CreateButtonControl(parent, 22, BS_PUSHBUTTON, "x", 0, 0, 40, 20, true);
    ASSERT_TRUE(doomed.SubclassWindow(h));
    TrellMenu& bar = doomed.GetDropMenu();
    ASSERT_TRUE(bar.CreateMenu());
    TrellMenu* popup = TrellMenu::NewOwnedSubMenu();
    ASSERT_TRUE(popup->CreatePopupMenu());
    popup->AppendMenu(L"&One", MF_STRING, 1);
    popup->AppendMenu(L"&Two", MF_STRING, 2);
    firstHandle = popup->m_hMenu;
    bar.AppendMenu(L"Popup", MF_POPUP, reinterpret_cast<UINT_PTR>(firstHandle));
    EXPECT_TRUE(TrellMenu::IsOwnedSubMenu(firstHandle));
    EXPECT_EQ(menusBefore + 2, TrellMenu::LiveCount());
    doomed.DestroyWindow();
  }
  EXPECT_EQ(menusBefore, TrellMenu::LiveCount());
  EXPECT_EQ(recordsBefore, MenuItemData::LiveCount());
  EXPECT_FALSE(TrellMenu::IsOwnedSubMenu(firstHandle));
  EXPECT_FALSE(::IsMenu(firstHandle));
}

}  // namespace
