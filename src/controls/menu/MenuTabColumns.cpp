#include "controls/menu/MenuTabColumns.h"

#include <windows.h>

#include "controls/menu/MenuItemData.h"
#include "controls/menu/MenuMetrics.h"
#include "controls/menu/MenuScreenDC.h"
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

// The fewest spaces that bring label to at least widest on dc: the label is
// measured a handful of times, not once per space, so a long label pads in
// time linear in its length. spaceWidth is the width of one space alone; the
// estimate it gives is corrected against the label's real width (kerning and
// rounding), one space at a time. A space that adds no width pads with one.
int PaddingSpaces(HDC dc, const CString& label, int widest, int spaceWidth) {
  const int width = TextWidth(dc, label);
  if (width >= widest) {
    return 0;
  }
  if (spaceWidth <= 0) {
    return 1;
  }
  const auto padded = [&](int spaces) { return TextWidth(dc, label + CString(' ', spaces)); };
  int spaces = (widest - width + spaceWidth - 1) / spaceWidth;
  while (spaces > 1 && padded(spaces - 1) >= widest) {
    --spaces;
  }
  for (int reached = padded(spaces); reached < widest; ++spaces) {
    const int wider = padded(spaces + 1);
    if (wider <= reached) {
      return spaces + 1;  // a space that adds no width would pad for ever
    }
    reached = wider;
  }
  return spaces;
}

}  // namespace

void MenuTabColumns::Align(const std::vector<MenuItemData*>& records) {
  MenuScreenDC screen;
  if (screen.GetSafeHdc() == nullptr) {
    return;
  }
  // Without a menu font the DC's own font measures.
  SelectionGuard keepFont(screen.GetSafeHdc(), MenuMetrics::Font());

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

  const int spaceWidth = TextWidth(screen.GetSafeHdc(), CString(' '));
  for (MenuItemData* record : records) {
    const CString s = record->GetTextAnsi();
    const int tab = s.Find('\t');
    if (tab < 0) {
      continue;
    }
    CString label = s.Left(tab);
    label += CString(' ', PaddingSpaces(screen.GetSafeHdc(), label, widest, spaceWidth));
    label += s.Mid(tab);
    record->SetTextAnsi(label.GetString());
  }
}
