#include "platform/gdi/draw_surface.h"

#include "platform/gdi/device_context.h"

namespace platform::gdi {
namespace {
WindowSurfaceFinder windowSurfaceFinder = nullptr;
}

void setWindowSurfaceFinder(WindowSurfaceFinder finder) { windowSurfaceFinder = finder; }

std::optional<DrawSurface> surfaceOf(HDC dc) {
  DeviceContext* d = findDeviceContext(dc);
  if (!d) return std::nullopt;
  DrawSurface s;
  s.clip = d->clip ? &d->clip->rgn : nullptr;
  if (d->memory) {
    s.bitmap = find<Bitmap>(d->bitmap);
  } else if (d->window && windowSurfaceFinder) {
    POINT origin{0, 0};
    s.bitmap = windowSurfaceFinder(d->window, &origin);
    s.originX = origin.x;
    s.originY = origin.y;
  }
  if (!s.bitmap) return std::nullopt;
  return s;
}

}  // namespace platform::gdi
