#include "controls/menu/MenuMetrics.h"

#include "framework/SystemSettings.h"
#include "framework/UniqueHandle.h"

namespace {

struct Metrics {
  unsigned generation = 0;  // 0: not read
  UniqueFont font;
  int menuBarHeight = 0;
  // Declared after the font, so that it goes first at exit (with the font
  // still selected, which deleting the DC releases).
  UniqueMemoryDC measuringDC;
  HGDIOBJ measuringDCFont = nullptr;  // the DC's own font, put back before the font goes
};

Metrics& Current() {
  static Metrics metrics;
  const unsigned now = AfxSystemSettingsGeneration();
  if (metrics.generation != now) {
    // The old font is selected out of the measuring DC before it is deleted:
    // a font still selected into a DC cannot be.
    if (metrics.measuringDC && metrics.measuringDCFont != nullptr) {
      ::SelectObject(metrics.measuringDC.get(), metrics.measuringDCFont);
      metrics.measuringDCFont = nullptr;
    }
    NONCLIENTMETRICSA read{};
    read.cbSize = sizeof(read);
    metrics.font.reset(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(read), &read, 0)
                           ? ::CreateFontIndirectA(&read.lfMenuFont)
                           : nullptr);
    if (!metrics.measuringDC) {
      metrics.measuringDC.reset(::CreateCompatibleDC(nullptr));
    }
    if (metrics.measuringDC && metrics.font) {
      metrics.measuringDCFont = ::SelectObject(metrics.measuringDC.get(), metrics.font.get());
    }
    metrics.menuBarHeight = ::GetSystemMetrics(SM_CYMENU);
    metrics.generation = now;
  }
  return metrics;
}

}  // namespace

HFONT MenuMetrics::Font() { return Current().font.get(); }

int MenuMetrics::MenuBarHeight() { return Current().menuBarHeight; }

HDC MenuMetrics::MeasuringDC() { return Current().measuringDC.get(); }
