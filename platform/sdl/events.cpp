// Native SDL events turned into the backend's input events, one for one.
#include <SDL.h>

#include "platform/sdl/backend.h"
#include "platform/sdl/key_map.h"

namespace platform::sdl {
namespace {

unsigned modifiersOf(Uint16 mod) {
  unsigned m = 0;
  if (mod & KMOD_SHIFT) m |= ModShift;
  if (mod & KMOD_CTRL) m |= ModControl;
  if (mod & KMOD_ALT) m |= ModAlt;
  if (mod & KMOD_CAPS) m |= ModCapsLock;
  if (mod & KMOD_NUM) m |= ModNumLock;
  return m;
}

int buttonOf(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return ButtonLeft;
    case SDL_BUTTON_MIDDLE: return ButtonMiddle;
    case SDL_BUTTON_RIGHT: return ButtonRight;
    default: return 0;
  }
}

// Fills `out` from `e`; false for native events that carry nothing for the layer.
bool translate(const SDL_Event& e, InputEvent* out) {
  InputEvent ev;
  ev.time = e.common.timestamp;
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      ev.kind = e.type == SDL_KEYDOWN ? EventKind::KeyDown : EventKind::KeyUp;
      ev.window = e.key.windowID;
      ev.modifiers = modifiersOf(e.key.keysym.mod);
      KeyCode k = translateKey(e.key.keysym.scancode, e.key.keysym.sym, (ev.modifiers & ModNumLock) != 0);
      if (k.virtualKey == 0) return false;
      ev.virtualKey = k.virtualKey;
      ev.scanCode = k.scanCode;
      ev.extended = k.extended;
      ev.repeat = e.key.repeat != 0;
      break;
    }
    case SDL_MOUSEMOTION:
      if (e.motion.which == SDL_TOUCH_MOUSEID) return false;
      ev.kind = EventKind::PointerMove;
      ev.window = e.motion.windowID;
      ev.x = e.motion.x;
      ev.y = e.motion.y;
      if (e.motion.state & SDL_BUTTON_LMASK) ev.buttonsHeld |= 1u << (ButtonLeft - 1);
      if (e.motion.state & SDL_BUTTON_MMASK) ev.buttonsHeld |= 1u << (ButtonMiddle - 1);
      if (e.motion.state & SDL_BUTTON_RMASK) ev.buttonsHeld |= 1u << (ButtonRight - 1);
      ev.modifiers = modifiersOf(static_cast<Uint16>(SDL_GetModState()));
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (e.button.which == SDL_TOUCH_MOUSEID) return false;
      ev.kind = e.type == SDL_MOUSEBUTTONDOWN ? EventKind::ButtonDown : EventKind::ButtonUp;
      ev.window = e.button.windowID;
      ev.button = buttonOf(e.button.button);
      if (ev.button == 0) return false;
      ev.x = e.button.x;
      ev.y = e.button.y;
      ev.modifiers = modifiersOf(static_cast<Uint16>(SDL_GetModState()));
      break;
    case SDL_MOUSEWHEEL: {
      ev.kind = EventKind::Wheel;
      ev.window = e.wheel.windowID;
      int steps = e.wheel.y;
      if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
      if (steps == 0) return false;
      ev.wheelSteps = steps;
      ev.modifiers = modifiersOf(static_cast<Uint16>(SDL_GetModState()));
      break;
    }
    case SDL_WINDOWEVENT:
      ev.window = e.window.windowID;
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: ev.kind = EventKind::CloseRequest; break;
        case SDL_WINDOWEVENT_EXPOSED: ev.kind = EventKind::Exposed; break;
        case SDL_WINDOWEVENT_MOVED:
          ev.kind = EventKind::Moved;
          ev.x = e.window.data1;
          ev.y = e.window.data2;
          break;
        case SDL_WINDOWEVENT_ENTER: ev.kind = EventKind::PointerEnter; break;
        default: return false;
      }
      break;
    default:
      return false;
  }
  *out = ev;
  return true;
}

}  // namespace

bool pollEvent(InputEvent* event) {
  if (!videoReady()) return false;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    if (translate(e, event)) return true;
  }
  return false;
}

void waitForEvent(int milliseconds) {
  if (videoReady()) SDL_WaitEventTimeout(nullptr, milliseconds);
}

}  // namespace platform::sdl
