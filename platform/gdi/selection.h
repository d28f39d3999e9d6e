// Who holds which bitmap and palette. A bitmap lives in at most one device context at a
// time; a palette may be selected into several, and stays undeletable while any holds it.
// The shared defaults (1x1 monochrome bitmap, 20-colour palette) that every new memory
// context starts with are stock objects: held by any number of contexts, never deleted.
#pragma once

#include "platform/win32.h"

namespace platform::gdi {

HBITMAP defaultBitmap();
HPALETTE defaultPalette();

// Marks `bitmap` (or `palette`) as no longer held by `dc`. Harmless for 0, stock and
// stale handles.
void releaseBitmap(HDC dc, HBITMAP bitmap);
void releasePalette(HDC dc, HPALETTE palette);

}  // namespace platform::gdi
