// Real native input events for tests: pushed onto SDL's event queue, so they travel the same
// road as events from a keyboard and a mouse (PeekMessageA takes them from there).
#pragma once

#include <cstdint>

#include "platform/sdl/backend.h"  // Modifier and PointerButton

namespace platform::sdl::test {

// `key` is SDL's name of the key ("A", "1", "Keypad 1", "Escape", "Left Alt", "F4", ...);
// `modifiers` are sdl::Modifier bits. False when the name is unknown or the push fails.
bool pushKey(std::uint32_t nativeWindow, const char* key, bool down, unsigned modifiers = 0, bool repeat = false);
// Pointer position relative to the native window; `buttonsHeld` as InputEvent::buttonsHeld.
bool pushPointerMove(std::uint32_t nativeWindow, int x, int y, unsigned buttonsHeld = 0);
// `button` is an sdl::PointerButton.
bool pushButton(std::uint32_t nativeWindow, int button, bool down, int x, int y);
bool pushWheel(std::uint32_t nativeWindow, int steps);
bool pushCloseRequest(std::uint32_t nativeWindow);

}  // namespace platform::sdl::test
