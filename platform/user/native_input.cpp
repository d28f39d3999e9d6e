// Native input events become queued messages, one message per event.
#include <pixman.h>

#include <algorithm>

#include "platform/gdi/gdi_objects.h"
#include "platform/sdl/backend.h"
#include "platform/user/class_table.h"
#include "platform/user/cursor_table.h"
#include "platform/user/input_state.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_tree.h"

namespace platform::user {
namespace {

using sdl::EventKind;
using sdl::InputEvent;

unsigned gButtonsHeld = 0;  // bit (b - 1) for each sdl::PointerButton b held

LPARAM keyFlags(const InputEvent& e) {
  DWORD flags = 1;  // repeat count
  flags |= static_cast<DWORD>(e.scanCode & 0xFF) << 16;
  if (e.extended) flags |= 1u << 24;
  if (e.modifiers & sdl::ModAlt) flags |= 1u << 29;
  bool wasDown = e.kind == EventKind::KeyUp || e.repeat;
  if (wasDown) flags |= 1u << 30;
  if (e.kind == EventKind::KeyUp) flags |= 1u << 31;
  return static_cast<LPARAM>(flags);
}

void postKey(HWND window, const InputEvent& e) {
  bool alt = (e.modifiers & sdl::ModAlt) != 0;
  bool control = (e.modifiers & sdl::ModControl) != 0;
  // Alt combinations (not Ctrl+Alt, which types characters), Alt itself and F10 are system keys.
  bool system = (alt && !control) || (e.virtualKey == VK_MENU && !control) || e.virtualKey == VK_F1 + 9;
  UINT message = e.kind == EventKind::KeyDown ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN)
                                              : (system ? WM_SYSKEYUP : WM_KEYUP);
  postInputMessage(window, message, static_cast<WPARAM>(e.virtualKey), keyFlags(e), e.modifiers);
}

WPARAM pointerFlags(unsigned modifiers) {
  WPARAM mk = 0;
  if (gButtonsHeld & (1u << (sdl::ButtonLeft - 1))) mk |= MK_LBUTTON;
  if (gButtonsHeld & (1u << (sdl::ButtonRight - 1))) mk |= MK_RBUTTON;
  if (gButtonsHeld & (1u << (sdl::ButtonMiddle - 1))) mk |= MK_MBUTTON;
  if (modifiers & sdl::ModShift) mk |= MK_SHIFT;
  if (modifiers & sdl::ModControl) mk |= MK_CONTROL;
  return mk;
}

bool insideRegion(const Window& w, int windowX, int windowY) {
  if (!w.region) return true;
  auto* r = platform::gdi::find<platform::gdi::Region>(w.region);
  return !r || pixman_region32_contains_point(&r->rgn, windowX, windowY, nullptr);
}

// The deepest visible, enabled child of `parent` under a point in its client coordinates.
HWND childAt(HWND parent, POINT* p) {
  for (int depth = 0; depth < 64; ++depth) {
    Window* w = findWindow(parent);
    if (!w) return parent;
    HWND hit = 0;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
      Window* c = findWindow(*it);
      if (!c || !c->visible || (c->style & WS_DISABLED)) continue;
      if (p->x < c->rect.left || p->x >= c->rect.right || p->y < c->rect.top || p->y >= c->rect.bottom) continue;
      if (!insideRegion(*c, p->x - c->rect.left, p->y - c->rect.top)) continue;
      Frame f = frameFor(c->style);
      p->x -= c->rect.left + f.left;
      p->y -= c->rect.top + f.top;
      hit = *it;
      break;
    }
    if (!hit) return parent;
    parent = hit;
  }
  return parent;
}

void showClassCursor(HWND window, bool again = false) {
  Window* w = findWindow(window);
  const WindowClass* c = w ? findClass(w->className.c_str()) : nullptr;
  // A window whose class has no cursor keeps the shape it finds, as on the system.
  if (c && c->cursor) showCursor(c->cursor, again);
}

// Where a pointer event goes and with which client coordinates: the capture window gets
// everything, even outside; otherwise the window under the pointer, and nothing outside.
bool pointerTarget(HWND top, const InputEvent& e, HWND* target, POINT* client) {
  Window* w = findWindow(top);
  if (!w) return false;
  POINT p{e.x + w->nativeOrigin.x, e.y + w->nativeOrigin.y};  // client coordinates of `top`
  HWND capture = GetCapture();
  if (capture) {
    POINT topOrigin = clientOriginOnScreen(top);
    POINT captureOrigin = clientOriginOnScreen(capture);
    *target = capture;
    *client = {p.x + topOrigin.x - captureOrigin.x, p.y + topOrigin.y - captureOrigin.y};
    return true;
  }
  if (p.x < 0 || p.y < 0 || p.x >= clientWidth(*w) || p.y >= clientHeight(*w)) return false;
  *client = p;
  *target = childAt(top, client);
  return true;
}

LPARAM packPoint(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

void postPointerMove(HWND top, const InputEvent& e) {
  gButtonsHeld = e.buttonsHeld;
  HWND target = 0;
  POINT client{};
  if (!pointerTarget(top, e, &target, &client)) return;
  showClassCursor(target);
  postInputMessage(target, WM_MOUSEMOVE, pointerFlags(e.modifiers), packPoint(client), e.modifiers);
}

void postPointerButton(HWND top, const InputEvent& e) {
  unsigned bit = 1u << (e.button - 1);
  bool down = e.kind == EventKind::ButtonDown;
  if (down)
    gButtonsHeld |= bit;
  else
    gButtonsHeld &= ~bit;
  HWND target = 0;
  POINT client{};
  if (!pointerTarget(top, e, &target, &client)) return;
  UINT message = 0;
  switch (e.button) {
    case sdl::ButtonLeft: message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP; break;
    case sdl::ButtonRight: message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP; break;
    default: message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP; break;
  }
  postInputMessage(target, message, pointerFlags(e.modifiers), packPoint(client), e.modifiers);
}

// The wheel goes to the focused window, with the distance in the high word (120 a step,
// as a signed 16-bit number) and the pointer's screen position.
void postWheel(HWND top, const InputEvent& e) {
  int steps = std::clamp(e.wheelSteps, -273, 273);
  auto delta = static_cast<WORD>(static_cast<SHORT>(steps * 120));
  WPARAM wParam = pointerFlags(e.modifiers) | (static_cast<WPARAM>(delta) << 16);
  POINT screen{};
  GetCursorPos(&screen);
  postInputMessage(top, WM_MOUSEWHEEL, wParam, packPoint(screen), e.modifiers);
}

// The desktop placed the native window (the client area); the frame follows it.
void followNativeMove(HWND top, const InputEvent& e) {
  Window* w = findWindow(top);
  if (!w || w->nativeOrigin.x != 0 || w->nativeOrigin.y != 0) return;
  Frame f = frameFor(w->style);
  w->rect = windowRect(e.x - f.left, e.y - f.top, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top);
}

void handle(const InputEvent& e) {
  HWND top = windowForNative(e.window);
  if (!top) return;
  switch (e.kind) {
    case EventKind::KeyDown:
    case EventKind::KeyUp: postKey(top, e); break;
    case EventKind::PointerMove: postPointerMove(top, e); break;
    case EventKind::ButtonDown:
    case EventKind::ButtonUp: postPointerButton(top, e); break;
    case EventKind::Wheel: postWheel(top, e); break;
    case EventKind::CloseRequest: postInputMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0, e.modifiers); break;
    case EventKind::Exposed: InvalidateRect(top, nullptr, FALSE); break;
    case EventKind::Moved: followNativeMove(top, e); break;
    case EventKind::PointerEnter: showClassCursor(top, true); break;
    case EventKind::None: break;
  }
}

}  // namespace

void pumpNativeEvents() {
  InputEvent e;
  while (sdl::pollEvent(&e)) handle(e);
}

}  // namespace platform::user
