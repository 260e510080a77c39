#include "gfx/ColorDepth.h"

#include "framework/SystemSettings.h"

namespace {

int DeviceColorBits(HDC dc) { return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES); }

// The display's bits per pixel, asked of a display DC and kept until the
// system says its settings (the display's among them) changed: asking is
// slow on some systems, and every item drawn would ask.
int DisplayColorBits(HDC display) {
  static unsigned generation = 0;  // 0: not asked
  static int bits = 0;
  const unsigned now = AfxSystemSettingsGeneration();
  if (generation != now) {
    bits = DeviceColorBits(display);
    generation = now;
  }
  return bits;
}

}  // namespace

int color_depth::ColorBits(HDC dc) {
  switch (GetObjectType(dc)) {
    case OBJ_MEMDC: {
      // The bitmap drawn on: asked directly, which on some systems is much
      // faster than asking the device.
      BITMAP bitmap{};
      if (GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof(bitmap), &bitmap) == 0) {
        return 0;
      }
      return bitmap.bmBitsPixel * bitmap.bmPlanes;
    }
    case OBJ_DC:
      // A window's or the screen's DC (a menu's), or a printer's.
      return GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY ? DisplayColorBits(dc)
                                                            : DeviceColorBits(dc);
    default:
      return 0;  // a metafile, or not a DC
  }
}
