#include "platform/user/child_surfaces.h"

#include <map>

#include "platform/gdi/draw_surface.h"
#include "platform/user/window_tree.h"

namespace platform::user {
namespace {

std::map<HWND, gdi::Bitmap>& surfaces() {
  static std::map<HWND, gdi::Bitmap> s;
  return s;
}

// Windows larger than this on either side get no surface (nothing real is that large, and
// it keeps a hostile MoveWindow from asking for gigabytes).
constexpr int kMaxSide = 16384;

// A window context's (0, 0) is the client area's corner, which lies inside the window
// rectangle by the window's frame.
gdi::Bitmap* surfaceForContext(HWND window, POINT* origin) {
  gdi::Bitmap* surface = childSurface(window);
  if (surface && origin) {
    const Window* w = findWindow(window);
    const Frame f = frameFor(w->style);
    *origin = POINT{f.left, f.top};
  }
  return surface;
}

// GDI learns where window contexts draw as soon as this file is part of the program, which
// it is whenever windows can be destroyed.
const bool kFinderInstalled = (gdi::setWindowSurfaceFinder(surfaceForContext), true);

}  // namespace

gdi::Bitmap* childSurface(HWND window) {
  (void)kFinderInstalled;
  const Window* w = findWindow(window);
  if (!w || w->parent == 0) return nullptr;
  const int width = w->rect.right - w->rect.left;
  const int height = w->rect.bottom - w->rect.top;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
    surfaces().erase(window);
    return nullptr;
  }
  gdi::Bitmap& s = surfaces()[window];
  if (s.width != width || s.height != height || s.bitsPerPixel != 32) {
    s = gdi::Bitmap{};
    s.width = width;
    s.height = height;
    s.bitsPerPixel = 32;
    s.stride = width * 4;
    s.topDown = true;
    s.pixels.assign(static_cast<std::size_t>(s.stride) * height, 0);
  }
  return &s;
}

void releaseChildSurface(HWND window) { surfaces().erase(window); }

}  // namespace platform::user
