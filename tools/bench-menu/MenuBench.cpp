// Microseconds per call of a TrellMenu item's measuring and drawing, for each
// look and kind of item, drawn into a memory DC compatible with the screen.
// The looks are run through their painters with the facts of a Windows XP
// system (flat) and a Windows 2000 system (classic); DrawItem itself, which
// adds the choice of look, is timed in the look of the running system.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PlatformMenuDrawing.h"
#include "controls/menu/ClassicItemPainter.h"
#include "controls/menu/FlatItemPainter.h"
#include "controls/menu/MenuDrawing.h"
#include "controls/menu/MenuItemData.h"
#include "controls/menu/MenuItemFacts.h"
#include "controls/menu/MenuItemMeasurer.h"
#include "controls/menu/MenuLookFacts.h"
#include "controls/menu/MenuPictures.h"
#include "controls/menu/SolidFills.h"
#include "controls/menu/TrellMenu.h"
#include "framework/CDC.h"
#include "framework/CImageList.h"

namespace {

constexpr int kWarmUp = 100;
constexpr int kBatches = 9;
constexpr int kCallsPerBatch = 400;

double BatchMicroseconds(const std::function<void()>& call) {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER start{};
  LARGE_INTEGER end{};
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kCallsPerBatch; ++i) {
    call();
  }
  QueryPerformanceCounter(&end);
  return 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart) / kCallsPerBatch;
}

// The mean time of a call of each contender in its fastest of several
// batches: the machine's other work only ever adds time. The contenders'
// batches take turns, so that a slow spell of the machine falls on all of
// them alike and their ratios hold.
std::vector<double> MicrosecondsPerCall(const std::vector<std::function<void()>>& calls) {
  for (const auto& call : calls) {
    for (int i = 0; i < kWarmUp; ++i) {
      call();
    }
  }
  std::vector<double> best(calls.size(), 0.0);
  for (int batch = 0; batch < kBatches; ++batch) {
    for (std::size_t c = 0; c < calls.size(); ++c) {
      const double mean = BatchMicroseconds(calls[c]);
      if (batch == 0 || mean < best[c]) {
        best[c] = mean;
      }
    }
  }
  return best;
}

// A 16 x 15 picture: a coloured block on a transparent ground.
std::unique_ptr<CImageList> MakePicture() {
  auto list = std::make_unique<CImageList>();
  list->Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 15);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 16, 15};
  HBRUSH ground = CreateSolidBrush(RGB(255, 0, 255));
  FillRect(dc, &all, ground);
  DeleteObject(ground);
  RECT block{2, 2, 14, 13};
  HBRUSH ink = CreateSolidBrush(RGB(40, 80, 170));
  FillRect(dc, &block, ink);
  DeleteObject(ink);
  SelectObject(dc, old);
  DeleteDC(dc);
  list->Add(bitmap, RGB(255, 0, 255));
  DeleteObject(bitmap);
  return list;
}

struct Kind {
  const char* name;
  MenuItemData* item;
  UINT id;
  UINT state;
  const char* const* texts;  // label and accelerator, for the platform
  // The platform drawing the same kind of item with its own calls.
  std::function<void(HDC, const RECT&)> platform;
};

// Milliseconds to align the accelerator column of a popup whose widest label
// is characters long, best of a few runs (the popup is made afresh each run).
double AlignMilliseconds(int characters) {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  std::wstring wide(static_cast<std::size_t>(characters), L'W');
  wide += L"\tF1";
  double best = 0;
  for (int run = 0; run < 5; ++run) {
    TrellMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(wide.c_str(), MF_STRING, 1);
    menu.AppendMenu(L"&Go\tF5", MF_STRING, 2);
    LARGE_INTEGER start{};
    LARGE_INTEGER end{};
    QueryPerformanceCounter(&start);
    menu.AlignTabColumns();
    QueryPerformanceCounter(&end);
    const double ms = 1e3 * static_cast<double>(end.QuadPart - start.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
    if (run == 0 || ms < best) {
      best = ms;
    }
  }
  return best;
}

}  // namespace

// The platform calls an item's drawing is made of, one at a time, so that
// what a kind of item costs can be told apart (bench_menu.exe --pieces).
DRAWITEMSTRUCT ItemStruct(const TrellMenu& menu, HDC dc, const RECT& rect, MenuItemData* item,
                          UINT id, UINT state) {
  DRAWITEMSTRUCT d{};
  d.CtlType = ODT_MENU;
  d.itemID = id;
  d.itemAction = ODA_DRAWENTIRE;
  d.itemState = state;
  d.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
  d.hDC = dc;
  d.rcItem = rect;
  d.itemData = reinterpret_cast<ULONG_PTR>(item);
  return d;
}

void PrintPieces(HDC dc, const RECT& rect, TrellMenu& menu,
                 const std::function<MenuItemData*(int)>& record,
                 const PlatformMenuDrawing& platform) {
  MenuItemData* item = record(1);
  const MenuLookFacts xp = MenuEnvironment::LookFor(OsWinXp, false);
  const MenuLookFacts w2k = MenuEnvironment::LookFor(OsWin2000, false);
  const RECT bar{rect.left, rect.top, rect.right, rect.top + 1};
  const HFONT font =
      CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  HDC screenDC = GetDC(nullptr);
  // A 16 x 15 patch as a bitmap compatible with dc and as a 32-bit DIB.
  HDC patchDC = CreateCompatibleDC(dc);
  HBITMAP patch = CreateCompatibleBitmap(dc, 16, 15);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = 16;
  info.bmiHeader.biHeight = 15;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const struct {
    const char* name;
    std::function<void()> call;
  } pieces[] = {
      {"GetSysColor", [] { GetSysColor(COLOR_HIGHLIGHT); }},
      {"CreateSolidBrush+DeleteObject", [] { DeleteObject(CreateSolidBrush(RGB(1, 2, 3))); }},
      {"CreatePen+select+DeleteObject",
       [&] {
         HPEN pen = CreatePen(PS_SOLID, 0, RGB(1, 2, 3));
         HGDIOBJ old = SelectObject(dc, pen);
         SelectObject(dc, old);
         DeleteObject(pen);
       }},
      {"FillRect, system brush, item", [&] { FillRect(dc, &rect, GetSysColorBrush(COLOR_MENU)); }},
      {"FillRect, system brush, 1 line", [&] { FillRect(dc, &bar, GetSysColorBrush(COLOR_MENU)); }},
      {"FillRect, blended colour, item",
       [&] {
         HBRUSH brush = CreateSolidBrush(RGB(193, 210, 238));
         FillRect(dc, &rect, brush);
         DeleteObject(brush);
       }},
      {"SolidFills::FramedFill item",
       [&] {
         SolidFills fills(*CDC::FromHandle(dc));
         fills.FramedFill(rect, RGB(49, 106, 197), RGB(193, 210, 238));
       }},
      {"ImageList_Draw transparent",
       [&] {
         ImageList_Draw(MenuPictures::s_sharedImages.m_hImageList, 0, dc, 4, 4, ILD_TRANSPARENT);
       }},
      {"MenuPictures::PaintPicture, kept patch",
       [&] {
         MenuPictures(menu.Settings(), MenuEnvironment::CurrentLook())
             .PaintPicture(CDC::FromHandle(dc), 4, 4, &MenuPictures::s_sharedImages, 0,
                           RGB(200, 200, 200), rect, true);
       }},
      {"select a compatible bitmap, BitBlt",
       [&] {
         HGDIOBJ old = SelectObject(patchDC, patch);
         BitBlt(dc, 4, 4, 16, 15, patchDC, 0, 0, SRCCOPY);
         SelectObject(patchDC, old);
       }},
      {"select a DIB section, BitBlt",
       [&] {
         HGDIOBJ old = SelectObject(patchDC, dib);
         BitBlt(dc, 4, 4, 16, 15, patchDC, 0, 0, SRCCOPY);
         SelectObject(patchDC, old);
       }},
      {"kept patch, then ImageList_Draw",
       [&] {
         MenuPictures(menu.Settings(), MenuEnvironment::CurrentLook())
             .PaintPicture(CDC::FromHandle(dc), 4, 4, &MenuPictures::s_sharedImages, 0,
                           RGB(200, 200, 200), rect, true);
         ImageList_Draw(MenuPictures::s_sharedImages.m_hImageList, 0, dc, 4, 4, ILD_TRANSPARENT);
       }},
      {"CreateCompatibleDC+DeleteDC", [&] { DeleteDC(CreateCompatibleDC(dc)); }},
      {"ExtTextOut opaque, item",
       [&] { ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr); }},
      {"ExtTextOut opaque, 1 line",
       [&] { ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &bar, nullptr, 0, nullptr); }},
      {"PatBlt, 1 line", [&] { PatBlt(dc, bar.left, bar.top, 200, 1, PATCOPY); }},
      {"SetBkColor", [&] { SetBkColor(dc, RGB(1, 2, 3)); }},
      {"DrawEdge etched top",
       [&] {
         RECT line = rect;
         DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
       }},
      {"DrawTextA label, dc font",
       [&] {
         RECT r = rect;
         DrawTextA(dc, "&Open...", 8, &r, DT_SINGLELINE | DT_VCENTER);
       }},
      {"DrawTextA label, Tahoma",
       [&] {
         HGDIOBJ old = SelectObject(dc, font);
         RECT r = rect;
         DrawTextA(dc, "&Open...", 8, &r, DT_SINGLELINE | DT_VCENTER);
         SelectObject(dc, old);
       }},
      {"DrawFrameControl menu check",
       [&] {
         RECT mark{3, 3, 19, 19};
         DrawFrameControl(dc, &mark, DFC_MENU, DFCS_MENUCHECK);
       }},
      {"PaintClassicCheckCell",
       [&] {
         menu_drawing::PaintClassicCheckCell(CDC::FromHandle(dc), RECT{1, 3, 17, 18}, false, false,
                                             MenuEnvironment::LookFor(OsWin2000, false));
       }},
      {"PaintFlatCheckCell",
       [&] {
         menu_drawing::PaintFlatCheckCell(CDC::FromHandle(dc), RECT{3, 3, 19, 19}, false,
                                          RGB(49, 106, 197));
       }},
      {"PaintCheckTick",
       [&] { menu_drawing::PaintCheckTick(CDC::FromHandle(dc), 4, 4, RGB(0, 0, 0)); }},
      {"DrawEdge sunken outer, check cell",
       [&] {
         RECT cell{1, 3, 17, 18};
         DrawEdge(dc, &cell, BDR_SUNKENOUTER, BF_RECT);
       }},
      {"FlatItemPainter, plain item",
       [&] {
         DRAWITEMSTRUCT d = ItemStruct(menu, dc, rect, record(0), 300, 0);
         FlatItemPainter(menu.Settings(), xp).Paint(&d);
       }},
      {"FlatItemPainter, plain item without text",
       [&] {
         DRAWITEMSTRUCT d = ItemStruct(menu, dc, rect, record(3), 302, 0);
         FlatItemPainter(menu.Settings(), xp).Paint(&d);
       }},
      {"ClassicItemPainter, plain item without text",
       [&] {
         DRAWITEMSTRUCT d = ItemStruct(menu, dc, rect, record(3), 302, 0);
         ClassicItemPainter(menu.Settings(), w2k).Paint(&d);
       }},
      {"platform: fill and text", [&] { platform.Plain(dc, rect, false); }},
      {"GetMenuItemInfoA checkmarks",
       [&] {
         DRAWITEMSTRUCT d{};
         d.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
         d.itemID = 300;
         MenuItemFacts::HasOwnCheckBitmap(d);
       }},
      {"MenuItemFacts::Read", [&] { MenuItemFacts::Read(menu.Settings(), *item, 0, true); }},
      {"CDC::FromHandle", [&] { CDC::FromHandle(dc); }},
      {"GetDeviceCaps RASTERCAPS", [&] { GetDeviceCaps(dc, RASTERCAPS); }},
      {"GetDeviceCaps BITSPIXEL", [&] { GetDeviceCaps(dc, BITSPIXEL); }},
      {"GetDeviceCaps BITSPIXEL, screen DC", [&] { GetDeviceCaps(screenDC, BITSPIXEL); }},
      {"GetObjectType, screen DC", [&] { GetObjectType(screenDC); }},
      {"GetDeviceCaps TECHNOLOGY, screen DC", [&] { GetDeviceCaps(screenDC, TECHNOLOGY); }},
      {"WindowFromDC, screen DC", [&] { WindowFromDC(screenDC); }},
      {"SelectObject brush twice",
       [&] { SelectObject(dc, SelectObject(dc, GetSysColorBrush(COLOR_MENU))); }},
      {"PatBlt, item", [&] { PatBlt(dc, 0, 0, rect.right, rect.bottom, PATCOPY); }},
      {"tick, 7 MoveTo/LineTo",
       [&] {
         for (int i = 0; i < 7; ++i) {
           MoveToEx(dc, 4 + i, 4, nullptr);
           LineTo(dc, 4 + i, 7);
         }
       }},
      {"tick, PolyPolyline",
       [&] {
         POINT p[14];
         DWORD n[7];
         for (int i = 0; i < 7; ++i) {
           p[2 * i] = POINT{4 + i, 4};
           p[2 * i + 1] = POINT{4 + i, 7};
           n[i] = 2;
         }
         PolyPolyline(dc, p, n, 7);
       }},
      {"GetTextExtentPoint32W, dc font",
       [&] {
         SIZE size;
         GetTextExtentPoint32W(dc, L"Properties\tAlt+Enter", 21, &size);
       }},
  };
  std::printf("Pieces, microseconds per call (best of %d batches of %d)\n", kBatches,
              kCallsPerBatch);
  for (const auto& piece : pieces) {
    const std::vector<double> t = MicrosecondsPerCall({piece.call});
    std::printf("  %-40s %8.2f\n", piece.name, t[0]);
  }
  ReleaseDC(nullptr, screenDC);
  DeleteDC(patchDC);
  DeleteObject(patch);
  DeleteObject(dib);
  DeleteObject(font);
}

int main(int argc, char** argv) {
  TrellMenu menu;
  menu.CreatePopupMenu();
  std::unique_ptr<CImageList> picture = MakePicture();
  menu.AddSharedImage(picture.get(), 0, 301);
  menu.AppendMenu(L"Properties\tAlt+Enter", MF_STRING, 300);
  menu.AppendMenu(L"&Open...\tCtrl+O", MF_STRING, 301);
  menu.AppendMenu(nullptr, MF_STRING, 0);
  auto record = [&menu](int i) { return static_cast<MenuItemData*>(menu.m_items.GetAt(i)); };

  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 240, 30);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  const RECT rect{0, 0, 240, 22};

  auto drawStruct = [&](const Kind& kind) {
    DRAWITEMSTRUCT d{};
    d.CtlType = ODT_MENU;
    d.itemID = kind.id;
    d.itemAction = ODA_DRAWENTIRE;
    d.itemState = kind.state;
    d.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
    d.hDC = dc;
    d.rcItem = rect;
    d.itemData = reinterpret_cast<ULONG_PTR>(kind.item);
    return d;
  };

  PlatformMenuDrawing platform(picture->m_hImageList, "", "");
  // The texts of the two records, which the platform draws and measures too.
  const char* const properties[2] = {"Properties", "Alt+Enter"};
  const char* const open[2] = {"&Open...", "Ctrl+O"};
  const char* const none[2] = {"", ""};
  const PlatformMenuDrawing& p = platform;
  if (argc > 1 && std::string(argv[1]) == "--pieces") {
    menu.AppendMenu(L"", MF_STRING, 302);
    platform.SetTexts(properties[0], properties[1]);
    PrintPieces(dc, rect, menu, record, platform);
    return 0;
  }
  const Kind kinds[] = {
      {"plain", record(0), 300, 0, properties,
       [&p](HDC dc, const RECT& r) { p.Plain(dc, r, false); }},
      {"plain, selected", record(0), 300, ODS_SELECTED, properties,
       [&p](HDC dc, const RECT& r) { p.Plain(dc, r, true); }},
      {"picture", record(1), 301, 0, open,
       [&p](HDC dc, const RECT& r) { p.Picture(dc, r, false); }},
      {"picture, selected", record(1), 301, ODS_SELECTED, open,
       [&p](HDC dc, const RECT& r) { p.Picture(dc, r, true); }},
      {"checked, no picture", record(0), 300, ODS_CHECKED, properties,
       [&p](HDC dc, const RECT& r) { p.Checked(dc, r); }},
      {"disabled, picture", record(1), 301, ODS_GRAYED, open,
       [&p](HDC dc, const RECT& r) { p.DisabledPicture(dc, r); }},
      {"disabled, plain", record(0), 300, ODS_GRAYED, properties,
       [&p](HDC dc, const RECT& r) { p.DisabledPlain(dc, r); }},
      {"separator", record(2), 0, 0, none, [&p](HDC dc, const RECT& r) { p.Separator(dc, r); }},
  };
  const MenuLookFacts flat = MenuEnvironment::LookFor(OsWinXp, false);
  const MenuLookFacts classic = MenuEnvironment::LookFor(OsWin2000, false);
  const MenuLookFacts current = MenuEnvironment::CurrentLook();

  std::printf(
      "TrellMenu item drawing, microseconds per call (best of %d batches of %d, taking turns)\n",
      kBatches, kCallsPerBatch);
  std::printf("%-22s %10s %10s %10s %10s %8s %8s\n", "item", "flat", "classic", "DrawItem",
              "platform", "flat/pf", "clas/pf");
  for (const Kind& kind : kinds) {
    platform.SetTexts(kind.texts[0], kind.texts[1]);
    const std::vector<double> t = MicrosecondsPerCall({
        [&] {
          DRAWITEMSTRUCT d = drawStruct(kind);
          FlatItemPainter(menu.Settings(), flat).Paint(&d);
        },
        [&] {
          DRAWITEMSTRUCT d = drawStruct(kind);
          ClassicItemPainter(menu.Settings(), classic).Paint(&d);
        },
        [&] {
          DRAWITEMSTRUCT d = drawStruct(kind);
          menu.DrawItem(&d);
        },
        [&] { kind.platform(dc, rect); },
    });
    std::printf("%-22s %10.2f %10.2f %10.2f %10.2f %7.2fx %7.2fx\n", kind.name, t[0], t[1], t[2],
                t[3], t[0] / t[3], t[1] / t[3]);
  }
  std::printf(
      "(DrawItem draws in this system's look: %s; disabled items in the flat look are\n"
      " composed in a MemoryDC. platform: the same item drawn with the system's own calls\n"
      " into the same DC: menu font and DrawText of the same label and accelerator,\n"
      " ImageList_Draw, DrawState with DSS_DISABLED, embossed text, DrawFrameControl,\n"
      " DrawEdge)\n",
      current.flatDrawing ? "flat" : "classic");

  // The bare call that answers a measurement: GetTextExtentPoint32 on a
  // memory DC that already holds the menu font.
  HDC bare = CreateCompatibleDC(nullptr);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT menuFont = CreateFontIndirectA(&metrics.lfMenuFont);
  HGDIOBJ bareFont = SelectObject(bare, menuFont);

  std::printf("\nTrellMenu item measuring, microseconds per call\n");
  std::printf("%-11s %8s %8s %11s %8s %8s %8s %8s %9s %9s\n", "item", "flat", "classic",
              "MeasureItem", "platform", "bare", "flat/pf", "clas/pf", "flat/bare", "clas/bare");
  const struct {
    const char* name;
    MenuItemData* item;
  } measured[] = {{"text", record(0)}, {"separator", record(2)}};
  platform.SetTexts(properties[0], properties[1]);
  for (const auto& m : measured) {
    MEASUREITEMSTRUCT s{};
    s.CtlType = ODT_MENU;
    s.itemData = reinterpret_cast<ULONG_PTR>(m.item);
    const wchar_t* text = m.item->text != nullptr ? m.item->text : L"";
    const int length = static_cast<int>(wcslen(text));
    const std::vector<double> t = MicrosecondsPerCall({
        [&] { MenuItemMeasurer(menu.Settings(), flat).Measure(&s); },
        [&] { MenuItemMeasurer(menu.Settings(), classic).Measure(&s); },
        [&] { menu.MeasureItem(&s); },
        [&] { platform.Measure(); },
        [&] {
          SIZE size{};
          GetTextExtentPoint32W(bare, text, length, &size);
        },
    });
    std::printf("%-11s %8.2f %8.2f %11.2f %8.2f %8.2f %7.2fx %7.2fx %8.2fx %8.2fx\n", m.name, t[0],
                t[1], t[2], t[3], t[4], t[0] / t[3], t[1] / t[3], t[0] / t[4], t[1] / t[4]);
  }
  std::printf(
      "(platform: GetDC, the menu font, GetTextExtentPoint32, ReleaseDC; bare:\n"
      " GetTextExtentPoint32 alone, on a memory DC that already holds the menu font;\n"
      " a separator measures no text)\n");
  SelectObject(bare, bareFont);
  DeleteObject(menuFont);
  DeleteDC(bare);

  std::printf("\nAligning the accelerator column while loading, milliseconds\n");
  for (int characters : {30, 3000, 12000}) {
    std::printf("  widest label of %5d characters: %8.2f ms\n", characters,
                AlignMilliseconds(characters));
  }

  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return 0;
}
