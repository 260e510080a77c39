#include "controls/menu/MenuMetrics.h"

#include "framework/SystemSettings.h"
#include "framework/UniqueHandle.h"

namespace {

struct Metrics {
  unsigned generation = 0;  // 0: not read
  UniqueFont font;
  int menuBarHeight = 0;
};

Metrics& Current() {
  static Metrics metrics;
  const unsigned now = AfxSystemSettingsGeneration();
  if (metrics.generation != now) {
    NONCLIENTMETRICSA read{};
    read.cbSize = sizeof(read);
    metrics.font.reset(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(read), &read, 0)
                           ? ::CreateFontIndirectA(&read.lfMenuFont)
                           : nullptr);
    metrics.menuBarHeight = ::GetSystemMetrics(SM_CYMENU);
    metrics.generation = now;
  }
  return metrics;
}

}  // namespace

HFONT MenuMetrics::Font() { return Current().font.get(); }

int MenuMetrics::MenuBarHeight() { return Current().menuBarHeight; }
