// Logical palettes: creation, selection into device contexts, realisation, reading back.
#include "platform/gdi/device_context.h"
#include "platform/gdi/palette_tables.h"
#include "platform/gdi/selection.h"

using namespace platform::gdi;

namespace {
constexpr WORD kPaletteVersion = 0x300;
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
  if (!palette || palette->palVersion != kPaletteVersion || palette->palNumEntries == 0) return 0;
  Palette p;
  p.entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
  return addObject(std::move(p));
}

// The halftone palette does not depend on the device here: every display is true colour.
HPALETTE CreateHalftonePalette(HDC dc) {
  if (dc != 0 && !findDeviceContext(dc)) return 0;
  return addObject(Palette{halftonePaletteEntries(), 0});
}

// Returns the palette replaced, or 0 on failure. A true-colour display has no background
// palette to fall back on, so the force-background flag changes nothing.
HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL /*forceBackground*/) {
  DeviceContext* d = findDeviceContext(dc);
  Palette* p = find<Palette>(palette);
  if (!d || !p) return 0;
  HPALETTE previous = d->palette;
  d->palette = palette;
  if (previous != palette) releasePalette(dc, previous);
  if (!isStockObject(palette) && p->selectedInto == 0) p->selectedInto = dc;
  return previous;
}

// Realising maps the palette's entries onto the device. With no hardware palette to
// change, every entry maps straight onto its own colour; the result counts them.
UINT RealizePalette(HDC dc) {
  DeviceContext* d = findDeviceContext(dc);
  if (!d) return GDI_ERROR;
  Palette* p = find<Palette>(d->palette);
  return p ? static_cast<UINT>(p->entries.size()) : 0;
}

// With no buffer, tells how many entries the palette has; otherwise copies up to `count`
// entries from `start` and returns how many were copied.
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
  Palette* p = find<Palette>(palette);
  if (!p) return 0;
  UINT size = static_cast<UINT>(p->entries.size());
  if (!entries) return size;
  if (start >= size) return 0;
  UINT n = count < size - start ? count : size - start;
  for (UINT i = 0; i < n; ++i) entries[i] = p->entries[start + i];
  return n;
}
