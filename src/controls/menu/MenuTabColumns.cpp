#include "controls/menu/MenuTabColumns.h"

#include <windows.h>

#include "controls/menu/MenuItemData.h"
#include "controls/menu/MenuScreenDC.h"
#include "framework/CFont.h"
#include "framework/CString.h"
#include "framework/SelectionGuard.h"

namespace {

int TextWidth(HDC dc, const CString& text) {
  SIZE size = {0, 0};
  if (!::GetTextExtentPoint32A(dc, text.GetString(), text.GetLength(), &size)) {
    return 0;
  }
  return size.cx;
}

}  // namespace

void MenuTabColumns::Align(const std::vector<MenuItemData*>& records) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof(metrics);
  CFont font;
  if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    font.CreateFontIndirect(&metrics.lfMenuFont);
  }
  MenuScreenDC screen;
  if (screen.GetSafeHdc() == nullptr) {
    return;
  }
  // Without a menu font the DC's own font measures.
  SelectionGuard keepFont(screen.GetSafeHdc(), font.GetSafeHandle());

  int widest = -1;
  for (const MenuItemData* record : records) {
    const CString s = record->GetTextAnsi();
    const int tab = s.Find('\t');
    CString label = tab < 0 ? s : s.Left(tab);
    label += " ";
    const int width = TextWidth(screen.GetSafeHdc(), label);
    if (width > widest) {
      widest = width;
    }
  }

  for (MenuItemData* record : records) {
    const CString s = record->GetTextAnsi();
    const int tab = s.Find('\t');
    if (tab < 0) {
      continue;
    }
    CString label = s.Left(tab);
    int width = TextWidth(screen.GetSafeHdc(), label);
    while (width < widest) {
      label += ' ';
      const int wider = TextWidth(screen.GetSafeHdc(), label);
      if (wider <= width) {
        break;  // a space that adds no width would pad for ever
      }
      width = wider;
    }
    label += s.Mid(tab);
    record->SetTextAnsi(label.GetString());
  }
}
