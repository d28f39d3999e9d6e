// SelectObject: bitmaps into memory contexts, brushes, fonts, and clip regions.
#include <variant>

#include "platform/gdi/device_context.h"
#include "platform/gdi/region_ops.h"
#include "platform/gdi/selection.h"

using namespace platform::gdi;

namespace {

HGDIOBJ selectBitmap(HDC dc, DeviceContext& d, HBITMAP handle, Bitmap& b) {
  // Only a memory context draws on a bitmap, and a bitmap lives in one context at a time
  // (the shared default excepted).
  if (!d.memory) return 0;
  bool stock = isStockObject(handle);
  if (!stock && b.selectedInto != 0 && b.selectedInto != dc) return 0;
  HBITMAP previous = d.bitmap;
  if (previous != handle) releaseBitmap(dc, previous);
  if (!stock) b.selectedInto = dc;
  d.bitmap = handle;
  return previous;
}

}  // namespace

// Returns the object replaced, or 0 on failure. A region is not held by the context: the
// context keeps its own copy as its clip region and the result is the region's kind
// (NULLREGION, SIMPLEREGION, COMPLEXREGION), as on Windows. Palettes go through SelectPalette.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  DeviceContext* d = findDeviceContext(dc);
  GdiObject* o = findObject(object);
  if (!d || !o) return 0;
  if (auto* b = std::get_if<Bitmap>(o)) return selectBitmap(dc, *d, object, *b);
  if (auto* r = std::get_if<Region>(o)) {
    d->clip = *r;
    return static_cast<HGDIOBJ>(regionKind(r->rgn));
  }
  if (std::holds_alternative<Brush>(*o)) {
    HBRUSH previous = d->brush;
    d->brush = object;
    return previous;
  }
  if (std::holds_alternative<Font>(*o)) {
    HFONT previous = d->font;
    d->font = object;
    return previous;
  }
  return 0;
}
