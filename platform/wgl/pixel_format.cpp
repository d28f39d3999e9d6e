// Pixel formats. Every native window is made with one GL format (RGBA 8-8-8-8, 24-bit
// depth, 8-bit stencil, double-buffered; see platform/sdl/video.cpp), so there is one
// format to choose: number 1. Requests it cannot meet get 0.
#include <cstring>

#include "platform/gdi/device_context.h"
#include "platform/user/window_tree.h"

namespace {

constexpr int kWindowFormat = 1;

PIXELFORMATDESCRIPTOR windowFormat() {
  PIXELFORMATDESCRIPTOR f{};
  f.nSize = sizeof f;
  f.nVersion = 1;
  f.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  f.iPixelType = PFD_TYPE_RGBA;
  f.cColorBits = 32;
  f.cRedBits = 8;
  f.cRedShift = 16;
  f.cGreenBits = 8;
  f.cGreenShift = 8;
  f.cBlueBits = 8;
  f.cBlueShift = 0;
  f.cAlphaBits = 8;
  f.cAlphaShift = 24;
  f.cDepthBits = 24;
  f.cStencilBits = 8;
  f.iLayerType = PFD_MAIN_PLANE;
  return f;
}

}  // namespace

int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* request) {
  if (!platform::gdi::findDeviceContext(dc) || !request) return 0;
  // Colour-index formats, formats without GL and formats for drawing into bitmaps do not
  // exist here. Stereo, and more bits or buffers than the format has, are wishes: the
  // nearest format is still the answer.
  if (request->iPixelType != PFD_TYPE_RGBA) return 0;
  if (!(request->dwFlags & PFD_SUPPORT_OPENGL)) return 0;
  if (request->dwFlags & PFD_DRAW_TO_BITMAP) return 0;
  return kWindowFormat;
}

int DescribePixelFormat(HDC dc, int format, UINT size, PIXELFORMATDESCRIPTOR* out) {
  if (!platform::gdi::findDeviceContext(dc)) return 0;
  if (out) {
    if (format != kWindowFormat || size < sizeof(PIXELFORMATDESCRIPTOR)) return 0;
    *out = windowFormat();
  }
  return kWindowFormat;  // the number of formats
}

// A window's format is set once; setting the same one again succeeds.
BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR*) {
  platform::gdi::DeviceContext* d = platform::gdi::findDeviceContext(dc);
  if (!d || d->memory || format != kWindowFormat) return FALSE;
  platform::user::Window* w = platform::user::findWindow(d->window);
  if (!w || !w->native) return FALSE;
  if (w->pixelFormat != 0 && w->pixelFormat != format) return FALSE;
  w->pixelFormat = format;
  d->pixelFormat = format;
  return TRUE;
}
