// GL rendering contexts and the buffer swap.
#include "platform/core/handle_table.h"
#include "platform/gdi/device_context.h"
#include "platform/sdl/backend.h"
#include "platform/user/window_tree.h"
#include "platform/wgl/child_compositor.h"

namespace {

platform::HandleTable<platform::sdl::GlContext*>& contexts() {
  static platform::HandleTable<platform::sdl::GlContext*> t(platform::HandleTag::GlContext);
  return t;
}

HGLRC gCurrent = 0;

// The live top-level window a window DC draws on, once it has its pixel format.
platform::user::Window* glWindowOf(HDC dc) {
  platform::gdi::DeviceContext* d = platform::gdi::findDeviceContext(dc);
  if (!d || d->memory) return nullptr;
  platform::user::Window* w = platform::user::findWindow(d->window);
  return w && w->native && w->pixelFormat != 0 ? w : nullptr;
}

}  // namespace

// A compatibility-profile context for the DC's window; the one current stays current.
HGLRC wglCreateContext(HDC dc) {
  platform::user::Window* w = glWindowOf(dc);
  if (!w) return 0;
  platform::sdl::GlContext* c = platform::sdl::createGlContext(w->native);
  if (!c) return 0;
  HGLRC h = contexts().add(c);
  if (!h) platform::sdl::deleteGlContext(c);
  return h;
}

// A null context detaches whatever is current, whatever the DC.
BOOL wglMakeCurrent(HDC dc, HGLRC context) {
  if (context == 0) {
    platform::sdl::makeGlCurrent(0, nullptr);
    gCurrent = 0;
    return TRUE;
  }
  platform::sdl::GlContext** c = contexts().find(context);
  platform::user::Window* w = glWindowOf(dc);
  if (!c || !w || !platform::sdl::makeGlCurrent(w->native, *c)) return FALSE;
  gCurrent = context;
  return TRUE;
}

BOOL wglDeleteContext(HGLRC context) {
  platform::sdl::GlContext** c = contexts().find(context);
  if (!c) return FALSE;
  platform::sdl::deleteGlContext(*c);
  contexts().remove(context);
  if (gCurrent == context) gCurrent = 0;
  return TRUE;
}

HGLRC wglGetCurrentContext() { return contexts().find(gCurrent) ? gCurrent : 0; }

BOOL SwapBuffers(HDC dc) {
  platform::user::Window* w = glWindowOf(dc);
  if (!w) return FALSE;
  HWND window = w->handle;
  platform::sdl::NativeWindow native = w->native;
  // The child windows are drawn with GL, so only while a context is current on this window.
  if (platform::sdl::glCurrentOn(native)) platform::wgl::compositeChildWindows(window);
  platform::sdl::swapWindow(native);
  return TRUE;
}
