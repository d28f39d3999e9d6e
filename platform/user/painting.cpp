// Update regions, painting and window device contexts.
#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/user/window_tree.h"

namespace platform::user {
namespace {

HDC newWindowDc(HWND window) {
  platform::gdi::DeviceContext dc;
  dc.window = window;
  Window* w = findWindow(window);
  if (w) dc.pixelFormat = w->pixelFormat;
  HDC h = platform::gdi::addDeviceContext(dc);
  if (h && w) w->deviceContexts.push_back(h);
  return h;
}

bool releaseWindowDc(HWND window, HDC dc) {
  platform::gdi::DeviceContext* d = platform::gdi::findDeviceContext(dc);
  if (!d || d->memory || d->window != window) return false;
  if (Window* w = findWindow(window)) {
    auto& list = w->deviceContexts;
    list.erase(std::remove(list.begin(), list.end(), dc), list.end());
  }
  return platform::gdi::destroyDeviceContext(dc);
}

}  // namespace
}  // namespace platform::user

using namespace platform::user;

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  Window* w = findWindow(window);
  if (!w) return FALSE;
  RECT client{0, 0, clientWidth(*w), clientHeight(*w)};
  RECT r = rect ? *rect : client;
  r.left = std::max(r.left, client.left);
  r.top = std::max(r.top, client.top);
  r.right = std::min(r.right, client.right);
  r.bottom = std::min(r.bottom, client.bottom);
  if (r.left >= r.right || r.top >= r.bottom) return TRUE;
  if (w->needsPaint) {
    // The update area is kept as one bounding rectangle.
    r.left = std::min(r.left, w->updateRect.left);
    r.top = std::min(r.top, w->updateRect.top);
    r.right = std::max(r.right, w->updateRect.right);
    r.bottom = std::max(r.bottom, w->updateRect.bottom);
  }
  w->updateRect = r;
  w->needsPaint = true;
  w->eraseBackground = w->eraseBackground || erase;
  return TRUE;
}

// The background is not erased by a message; fErase tells the painter that it should be.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
  Window* w = findWindow(window);
  if (!w || !paint) return 0;
  *paint = PAINTSTRUCT{};
  paint->fErase = w->eraseBackground ? TRUE : FALSE;
  paint->rcPaint = w->needsPaint ? w->updateRect : RECT{0, 0, 0, 0};
  w->needsPaint = false;
  w->eraseBackground = false;
  w->updateRect = RECT{0, 0, 0, 0};
  paint->hdc = newWindowDc(window);
  return paint->hdc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
  if (!findWindow(window) || !paint) return FALSE;
  releaseWindowDc(window, paint->hdc);
  return TRUE;
}

// GetDC of no window gives a screen context (for making memory contexts).
HDC GetDC(HWND window) {
  if (window != 0 && !findWindow(window)) return 0;
  return newWindowDc(window);
}

int ReleaseDC(HWND window, HDC dc) { return releaseWindowDc(window, dc) ? 1 : 0; }
