// Memory device contexts: CreateCompatibleDC and DeleteDC.
#include "platform/gdi/device_context.h"
#include "platform/gdi/selection.h"

using namespace platform::gdi;

// Every display this layer drives is 32-bit true colour, so a memory context is compatible
// with the screen (0) and with any live context alike. It starts, as on Windows, with the
// shared 1x1 monochrome bitmap selected, so drawing needs a real bitmap selected first.
HDC CreateCompatibleDC(HDC dc) {
  if (dc != 0 && !findDeviceContext(dc)) return 0;
  DeviceContext d;
  d.memory = true;
  d.bitmap = defaultBitmap();
  d.palette = defaultPalette();
  return addDeviceContext(std::move(d));
}

// Only memory contexts are deleted; a window's context is given back with ReleaseDC. The
// bitmap and palette it held become free again (they are not deleted).
BOOL DeleteDC(HDC dc) {
  DeviceContext* d = findDeviceContext(dc);
  if (!d || !d->memory) return FALSE;
  return destroyDeviceContext(dc) ? TRUE : FALSE;
}
