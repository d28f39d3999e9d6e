#include "platform/sdl/test_events.h"

#include <SDL.h>

#include "platform/sdl/backend.h"

namespace platform::sdl::test {
namespace {

Uint16 sdlModifiers(unsigned m) {
  Uint16 mod = 0;
  if (m & ModShift) mod |= KMOD_LSHIFT;
  if (m & ModControl) mod |= KMOD_LCTRL;
  if (m & ModAlt) mod |= KMOD_LALT;
  if (m & ModCapsLock) mod |= KMOD_CAPS;
  if (m & ModNumLock) mod |= KMOD_NUM;
  return mod;
}

bool push(SDL_Event& e) {
  e.common.timestamp = SDL_GetTicks();
  return SDL_PushEvent(&e) == 1;
}

Uint8 sdlButton(int button) {
  switch (button) {
    case ButtonLeft: return SDL_BUTTON_LEFT;
    case ButtonMiddle: return SDL_BUTTON_MIDDLE;
    default: return SDL_BUTTON_RIGHT;
  }
}

}  // namespace

bool pushKey(std::uint32_t window, const char* key, bool down, unsigned modifiers, bool repeat) {
  if (!initVideo()) return false;
  SDL_Scancode sc = SDL_GetScancodeFromName(key);
  if (sc == SDL_SCANCODE_UNKNOWN) return false;
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.windowID = window;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.repeat = repeat ? 1 : 0;
  e.key.keysym.scancode = sc;
  e.key.keysym.sym = SDL_GetKeyFromScancode(sc);
  e.key.keysym.mod = sdlModifiers(modifiers);
  return push(e);
}

bool pushPointerMove(std::uint32_t window, int x, int y, unsigned buttonsHeld) {
  if (!initVideo()) return false;
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = window;
  e.motion.x = x;
  e.motion.y = y;
  if (buttonsHeld & (1u << (ButtonLeft - 1))) e.motion.state |= SDL_BUTTON_LMASK;
  if (buttonsHeld & (1u << (ButtonMiddle - 1))) e.motion.state |= SDL_BUTTON_MMASK;
  if (buttonsHeld & (1u << (ButtonRight - 1))) e.motion.state |= SDL_BUTTON_RMASK;
  return push(e);
}

bool pushButton(std::uint32_t window, int button, bool down, int x, int y) {
  if (!initVideo()) return false;
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.windowID = window;
  e.button.button = sdlButton(button);
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = 1;
  e.button.x = x;
  e.button.y = y;
  return push(e);
}

bool pushWheel(std::uint32_t window, int steps) {
  if (!initVideo()) return false;
  SDL_Event e{};
  e.type = SDL_MOUSEWHEEL;
  e.wheel.windowID = window;
  e.wheel.y = steps;
  e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
  return push(e);
}

bool pushCloseRequest(std::uint32_t window) {
  if (!initVideo()) return false;
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = window;
  e.window.event = SDL_WINDOWEVENT_CLOSE;
  return push(e);
}

}  // namespace platform::sdl::test
