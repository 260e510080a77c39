#include "PlatformMenuDrawing.h"

#include <commctrl.h>

namespace {

constexpr int kGutter = 22;

}  // namespace

PlatformMenuDrawing::PlatformMenuDrawing(HIMAGELIST pictures, const char* label,
                                         const char* accelerator)
    : pictures_(pictures), icon_(ImageList_GetIcon(pictures, 0, ILD_NORMAL)) {
  SetTexts(label, accelerator);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    font_.reset(CreateFontIndirectA(&metrics.lfMenuFont));
  }
}

void PlatformMenuDrawing::Text(HDC dc, const RECT& rect, COLORREF color, int offset) const {
  const HGDIOBJ oldFont = SelectObject(dc, font_.get());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(dc, color);
  RECT text{rect.left + kGutter + offset, rect.top + offset, rect.right - 8 + offset,
            rect.bottom + offset};
  DrawTextA(dc, label_.c_str(), static_cast<int>(label_.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  DrawTextA(dc, accelerator_.c_str(), static_cast<int>(accelerator_.size()), &text,
            DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

void PlatformMenuDrawing::Embossed(HDC dc, const RECT& rect) const {
  FillRect(dc, &rect, GetSysColorBrush(COLOR_MENU));
  Text(dc, rect, GetSysColor(COLOR_3DHILIGHT), 1);
  Text(dc, rect, GetSysColor(COLOR_3DSHADOW), 0);
}

void PlatformMenuDrawing::Plain(HDC dc, const RECT& rect, bool selected) const {
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  Text(dc, rect, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT), 0);
}

void PlatformMenuDrawing::Picture(HDC dc, const RECT& rect, bool selected) const {
  Plain(dc, rect, selected);
  ImageList_Draw(pictures_, 0, dc, rect.left + 3, rect.top + 3, ILD_TRANSPARENT);
}

void PlatformMenuDrawing::Checked(HDC dc, const RECT& rect) const {
  Plain(dc, rect, false);
  RECT mark{rect.left + 3, rect.top + 3, rect.left + 19, rect.top + 19};
  DrawFrameControl(dc, &mark, DFC_MENU, DFCS_MENUCHECK);
}

void PlatformMenuDrawing::DisabledPicture(HDC dc, const RECT& rect) const {
  Embossed(dc, rect);
  DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon_.get()), 0, rect.left + 3,
             rect.top + 3, 16, 15, DST_ICON | DSS_DISABLED);
}

void PlatformMenuDrawing::DisabledPlain(HDC dc, const RECT& rect) const { Embossed(dc, rect); }

void PlatformMenuDrawing::Separator(HDC dc, const RECT& rect) const {
  FillRect(dc, &rect, GetSysColorBrush(COLOR_MENU));
  RECT line{rect.left, (rect.top + rect.bottom) / 2 - 1, rect.right, rect.bottom};
  DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

SIZE PlatformMenuDrawing::Measure() const {
  SIZE size{};
  HDC screen = GetDC(nullptr);
  const HGDIOBJ oldFont = SelectObject(screen, font_.get());
  GetTextExtentPoint32A(screen, measured_.c_str(), static_cast<int>(measured_.size()), &size);
  SelectObject(screen, oldFont);
  ReleaseDC(nullptr, screen);
  return size;
}

void PlatformMenuDrawing::SetTexts(const char* label, const char* accelerator) {
  label_ = label;
  accelerator_ = accelerator;
  measured_ = label_ + "\t" + accelerator_;
}
