// A real popup: a TrellMenu tracked with TrackPopupMenu is measured and drawn
// by the menu class through the framework's default routing. The owner
// window has no drawing code; it only leaves the menu loop once the popup is
// idle, after copying the popup's pixels. Runs in both looks.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "MenuPaintFixture.h"
#include "controls/menu/ClassicItemPainter.h"
#include "controls/menu/FlatItemPainter.h"
#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuLookFacts.h"
#include "framework/CWnd.h"

namespace {

using menutest::Canvas;

// A TrellMenu that notes what the platform asked of it.
class RecordingMenu : public TrellMenu {
 public:
  void MeasureItem(MEASUREITEMSTRUCT* measureItem) override {
    TrellMenu::MeasureItem(measureItem);
    measured[measureItem->itemData] = *measureItem;
  }
  void DrawItem(DRAWITEMSTRUCT* drawItem) override {
    const DRAWITEMSTRUCT asked = *drawItem;
    TrellMenu::DrawItem(drawItem);
    drawn[asked.itemData] = asked;
    ++drawCalls;
  }

  std::map<ULONG_PTR, MEASUREITEMSTRUCT> measured;
  std::map<ULONG_PTR, DRAWITEMSTRUCT> drawn;
  int drawCalls = 0;
};

// The owner of the popup: it moves the selection to the first item once the
// menu loop is idle, copies the popup's client area at the next idle moment,
// and ends the loop. A timer ends it too should the loop never go idle.
class PopupOwner : public CWnd {
 public:
  static constexpr UINT_PTR kSafetyTimer = 7;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
      const HWND popup = reinterpret_cast<HWND>(lParam);
      ++idleCount;
      if (idleCount == 1) {
        ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
      } else if (!shot) {
        Capture(popup);
        ::EndMenu();
      }
      return 0;
    }
    if (message == WM_TIMER && wParam == kSafetyTimer) {
      timedOut = true;
      ::EndMenu();
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }

  void Capture(HWND popup) {
    popupWindow = popup;
    RECT client{};
    ::GetClientRect(popup, &client);
    shot = std::make_unique<Canvas>(client.right, client.bottom);
    HDC dc = ::GetDC(popup);
    ::BitBlt(shot->dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::ReleaseDC(popup, dc);
  }

  int idleCount = 0;
  bool timedOut = false;
  HWND popupWindow = nullptr;
  std::unique_ptr<Canvas> shot;
};

TEST(MenuPopup, TrackedPopupIsMeasuredAndDrawnByTheMenuClass) {
  const MenuLookFacts facts = MenuEnvironment::CurrentLook();
  RecordingMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(L"&Open", MF_STRING, 201);
  menu.AppendMenu(L"Save &as\tCtrl+Shift+S", MF_STRING, 202);
  menu.AppendMenu(nullptr, MF_STRING, 0);
  menu.AppendMenu(L"Word &wrap", MF_STRING | MF_CHECKED, 203);
  menu.AppendMenu(L"Undo\tCtrl+Z", MF_STRING | MF_GRAYED, 204);
  menu.AppendMenu(L"Print", MF_STRING, 205);
  menutest::TestMenu::GivePicture(static_cast<MenuItemData*>(menu.m_items.GetAt(5)), true);
  const int count = static_cast<int>(menu.m_items.GetSize());

  PopupOwner owner;
  ASSERT_TRUE(owner.CreateEx(0, nullptr, "popup owner", WS_POPUP | WS_VISIBLE, 40, 40, 120, 60,
                             nullptr, nullptr));
  ::SetForegroundWindow(owner.m_hWnd);
  owner.SetTimer(PopupOwner::kSafetyTimer, 10000);
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, 60, 60, &owner);
  owner.KillTimer(PopupOwner::kSafetyTimer);
  EXPECT_FALSE(owner.timedOut);
  ASSERT_TRUE(owner.shot) << "the menu loop never went idle twice";

  // Every item was measured, at the sizes of this system's look, and drawn.
  const UINT textHeight =
      std::max<UINT>(GetSystemMetrics(SM_CYMENU), facts.flatDrawing ? 22u : 19u);
  const UINT separatorHeight =
      std::max<UINT>(GetSystemMetrics(SM_CYMENU) / 2, facts.flatDrawing ? 11u : 9u);
  for (int i = 0; i < count; ++i) {
    const auto key = reinterpret_cast<ULONG_PTR>(menu.m_items.GetAt(i));
    ASSERT_TRUE(menu.measured.count(key)) << "item " << i << " not measured";
    ASSERT_TRUE(menu.drawn.count(key)) << "item " << i << " not drawn";
    const DRAWITEMSTRUCT& d = menu.drawn[key];
    EXPECT_EQ(i == 2 ? separatorHeight : textHeight, menu.measured[key].itemHeight) << i;
    EXPECT_EQ(static_cast<LONG>(menu.measured[key].itemHeight), d.rcItem.bottom - d.rcItem.top)
        << i;
    EXPECT_EQ(reinterpret_cast<HWND>(menu.m_hMenu), d.hwndItem);
  }
  const DRAWITEMSTRUCT& first = menu.drawn[reinterpret_cast<ULONG_PTR>(menu.m_items.GetAt(0))];
  EXPECT_NE(0u, first.itemState & ODS_SELECTED);
  EXPECT_NE(0u,
            menu.drawn[reinterpret_cast<ULONG_PTR>(menu.m_items.GetAt(3))].itemState & ODS_CHECKED);

  // The popup shows, item by item, exactly what the look's painter draws for
  // the last state the platform asked for.
  for (int i = 0; i < count; ++i) {
    DRAWITEMSTRUCT d = menu.drawn[reinterpret_cast<ULONG_PTR>(menu.m_items.GetAt(i))];
    Canvas expected(owner.shot->width(), owner.shot->height());
    expected.UseMenuFont();
    d.hDC = expected.dc();
    if (facts.flatDrawing) {
      FlatItemPainter(menu.Settings(), facts).Paint(&d);
    } else {
      ClassicItemPainter(menu.Settings(), facts).Paint(&d);
    }
    int differences = 0;
    for (LONG y = d.rcItem.top; y < d.rcItem.bottom; ++y) {
      for (LONG x = d.rcItem.left; x < d.rcItem.right; ++x) {
        differences += owner.shot->At(x, y) != expected.At(x, y) ? 1 : 0;
      }
    }
    EXPECT_EQ(0, differences) << "item " << i;
  }
  // In the flat look the gutter runs down the whole popup.
  if (facts.flatDrawing) {
    const COLORREF gutter = GetSysColor(COLOR_BTNFACE);
    for (int i = 1; i < count; ++i) {
      const RECT& r = menu.drawn[reinterpret_cast<ULONG_PTR>(menu.m_items.GetAt(i))].rcItem;
      EXPECT_EQ(gutter, owner.shot->At(r.left, (r.top + r.bottom) / 2)) << i;
    }
  }
  owner.DestroyWindow();
}

}  // namespace
