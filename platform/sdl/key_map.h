// Native keys to Windows virtual-key codes and PC scan codes.
#pragma once

#include <SDL.h>

namespace platform::sdl {

struct KeyCode {
  int virtualKey = 0;  // 0: the key has no virtual-key code and makes no message
  int scanCode = 0;
  bool extended = false;
};

// `numLock` decides whether the keypad digits are digits or the navigation keys printed on
// them, as on a PC keyboard.
KeyCode translateKey(SDL_Scancode scancode, SDL_Keycode keycode, bool numLock);

}  // namespace platform::sdl
