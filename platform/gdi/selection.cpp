#include "platform/gdi/selection.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/palette_tables.h"

namespace platform::gdi {

HBITMAP defaultBitmap() {
  static HBITMAP handle = 0;
  if (!find<Bitmap>(handle)) {
    Bitmap b;
    b.width = 1;
    b.height = 1;
    b.bitsPerPixel = 1;
    b.stride = 4;
    b.colors = {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}};
    b.pixels.assign(4, 0);
    handle = addObject(std::move(b), true);
  }
  return handle;
}

HPALETTE defaultPalette() {
  static HPALETTE handle = 0;
  if (!find<Palette>(handle)) handle = addObject(Palette{systemColorEntries(), 0}, true);
  return handle;
}

void releaseBitmap(HDC dc, HBITMAP bitmap) {
  Bitmap* b = find<Bitmap>(bitmap);
  if (b && b->selectedInto == dc) b->selectedInto = 0;
}

// The palette records one holder; when that one lets go, another context still holding
// the palette (if any) becomes the recorded holder.
void releasePalette(HDC dc, HPALETTE palette) {
  Palette* p = find<Palette>(palette);
  if (!p || p->selectedInto != dc) return;
  p->selectedInto = 0;
  forEachDeviceContext([&](HDC other, DeviceContext& d) {
    if (other != dc && d.palette == palette && p->selectedInto == 0) p->selectedInto = other;
  });
}

}  // namespace platform::gdi
