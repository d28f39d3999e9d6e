// What a device context draws on: for a memory context, the bitmap selected into it; for a
// window's context, the pixel surface the window layer keeps for that window.
#pragma once

#include <optional>

#include "platform/gdi/gdi_objects.h"

namespace platform::gdi {

struct DrawSurface {
  Bitmap* bitmap = nullptr;
  int originX = 0;  // where the context's (0, 0) lies in the bitmap
  int originY = 0;
  const pixman_region32_t* clip = nullptr;  // the context's clip region in its own coordinates, or none
};

std::optional<DrawSurface> surfaceOf(HDC dc);

// The window layer tells GDI where a window's pixels are: the finder returns the bitmap
// (normally 32-bit) that the window paints into, and sets `origin` to where the context's
// (0, 0) lies in it; null when the window has no surface. Until one is set, window
// contexts have nothing to draw on and BitBlt to or from them fails.
using WindowSurfaceFinder = Bitmap* (*)(HWND window, POINT* origin);
void setWindowSurfaceFinder(WindowSurfaceFinder finder);

}  // namespace platform::gdi
