// Pointer capture, the pointer's screen position, the foreground window and the clock,
// with the test seams that stand in for the screen.
#include "platform/sdl/backend.h"
#include "platform/test_seams.h"
#include "platform/user/input_state.h"
#include "platform/user/window_tree.h"

namespace platform::user {
namespace {
HWND gCapture = 0;
bool gPointerOverridden = false;
POINT gPointer{0, 0};
HWND gForeground = 0;

bool within(HWND ancestor, HWND window) {
  for (Window* w = findWindow(window); w; w = findWindow(w->parent)) {
    if (w->handle == ancestor) return true;
    if (w->parent == 0) break;
  }
  return false;
}
}  // namespace

void dropCaptureWithin(HWND window) {
  if (gCapture && (gCapture == window || within(window, gCapture))) {
    gCapture = 0;
    sdl::capturePointer(false);
  }
}

bool pointerOverride(POINT* screen) {
  if (gPointerOverridden && screen) *screen = gPointer;
  return gPointerOverridden;
}

HWND foregroundOverride() { return gForeground; }

}  // namespace platform::user

namespace platform::seams {
void setPointerScreenPosition(int x, int y) {
  platform::user::gPointerOverridden = true;
  platform::user::gPointer = {x, y};
}
void resetPointer() {
  platform::user::gPointerOverridden = false;
  platform::user::gForeground = 0;
}
void setForegroundWindowOverride(HWND window) { platform::user::gForeground = window; }
}  // namespace platform::seams

using namespace platform::user;

// One capture for the program. The window losing it hears WM_CAPTURECHANGED.
HWND SetCapture(HWND window) {
  HWND previous = gCapture;
  if (!findWindow(window)) return previous;
  gCapture = window;
  platform::sdl::capturePointer(true);
  if (previous && previous != window) SendMessageA(previous, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(window));
  return previous;
}

BOOL ReleaseCapture() {
  HWND previous = gCapture;
  gCapture = 0;
  platform::sdl::capturePointer(false);
  if (previous) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() { return findWindow(gCapture) ? gCapture : 0; }

BOOL GetCursorPos(POINT* point) {
  if (!point) return FALSE;
  if (pointerOverride(point)) return TRUE;
  int x = 0, y = 0;
  if (!platform::sdl::globalPointer(&x, &y)) return FALSE;
  *point = {x, y};
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  if (gPointerOverridden) {
    gPointer = {x, y};
    return TRUE;
  }
  return platform::sdl::warpPointer(x, y) ? TRUE : FALSE;
}

HWND GetForegroundWindow() {
  if (gForeground) return gForeground;
  return windowForNative(platform::sdl::keyboardFocusWindow());
}

DWORD GetTickCount() { return platform::sdl::ticks(); }
