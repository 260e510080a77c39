#include "controls/menu/MenuItemMeasurer.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "controls/menu/MenuDrawing.h"
#include "controls/menu/MenuEnvironment.h"
#include "controls/menu/MenuItemData.h"
#include "controls/menu/MenuMetrics.h"
#include "controls/menu/MenuPictures.h"
#include "controls/menu/MenuScreenDC.h"
#include "framework/Afx.h"
#include "framework/CDC.h"

namespace {

// text in the ANSI code page, without its terminator.
std::string ToAnsi(const wchar_t* text) {
  const int count = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (count <= 1) {
    return std::string();
  }
  std::string result(static_cast<std::size_t>(count), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, &result[0], count, nullptr, nullptr);
  result.resize(static_cast<std::size_t>(count - 1));
  return result;
}

}  // namespace

MenuItemMeasurer::MenuItemMeasurer(const MenuSettings& settings, const MenuLookFacts& facts)
    : m_settings(settings), m_facts(facts) {}

int MenuItemMeasurer::ImageMargin() const {
  return m_facts.flatDrawing && MenuEnvironment::s_imageEffects ? 7 : 4;
}

void MenuItemMeasurer::Measure(MEASUREITEMSTRUCT* measureItem) const {
  if (measureItem == nullptr) {
    return;
  }
  const auto* item = reinterpret_cast<const MenuItemData*>(measureItem->itemData);
  if (item == nullptr) {
    return;  // not one of ours: leave the platform's values
  }
  const int margin = ImageMargin();
  const int menuBarHeight = MenuMetrics::MenuBarHeight();

  if (item->menuFlags & MF_SEPARATOR) {
    measureItem->itemWidth = 0;
    measureItem->itemHeight =
        static_cast<UINT>(std::max(menuBarHeight / 2, (m_settings.imageHeight + margin) / 2));
    return;
  }

  // In the menu font, on the DC kept for measuring; systems before Windows 95
  // measure on a screen DC in its own font.
  UINT textWidth = 0;
  if (m_facts.recognisedOs) {
    if (HDC kept = MenuMetrics::MeasuringDC()) {
      textWidth = TextWidth(kept, item->text);
    }
  } else {
    MenuScreenDC screen;
    if (screen.GetSafeHdc() != nullptr) {
      textWidth = TextWidth(screen.m_hDC, item->text);
    }
  }

  const int column =
      m_facts.flatDrawing ? m_settings.imageWidth + margin + 8 : 2 * m_settings.imageWidth + 1;
  measureItem->itemWidth = textWidth + static_cast<UINT>(column);
  measureItem->itemHeight =
      static_cast<UINT>(std::max(menuBarHeight, m_settings.imageHeight + margin));
}

UINT MenuItemMeasurer::TextWidth(HDC dc, const wchar_t* text) const {
  if (text == nullptr) {
    text = L"";
  }
  const std::size_t characters = std::wcslen(text);
  if (m_facts.osClass != OsWin32s) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(characters), &extent);
    return static_cast<UINT>(extent.cx);
  }
  // Win32s has no wide text output: estimate from the text in the ANSI code
  // page, widened by three pixels per average character.
  const std::string narrow = ToAnsi(text);
  RECT bounds{0, 0, 0, 0};
  DrawTextA(dc, narrow.c_str(), static_cast<int>(narrow.size()), &bounds,
            DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
  UINT width = static_cast<UINT>(bounds.right - bounds.left + 3);
  if (characters > 0) {
    width += 3 * (width / static_cast<UINT>(characters));
  }
  return width;
}
