// System and image cursors, and the pointer, on SDL2.
#include <SDL.h>

#include "platform/sdl/backend.h"

namespace platform::sdl {

NativeCursor* createSystemCursor(SystemCursor which) {
  if (!initVideo()) return nullptr;
  static const SDL_SystemCursor kinds[] = {
      SDL_SYSTEM_CURSOR_ARROW,    SDL_SYSTEM_CURSOR_IBEAM,    SDL_SYSTEM_CURSOR_WAIT,
      SDL_SYSTEM_CURSOR_CROSSHAIR, SDL_SYSTEM_CURSOR_WAITARROW, SDL_SYSTEM_CURSOR_SIZENWSE,
      SDL_SYSTEM_CURSOR_SIZENESW, SDL_SYSTEM_CURSOR_SIZEWE,   SDL_SYSTEM_CURSOR_SIZENS,
      SDL_SYSTEM_CURSOR_SIZEALL,  SDL_SYSTEM_CURSOR_NO,       SDL_SYSTEM_CURSOR_HAND,
  };
  return reinterpret_cast<NativeCursor*>(SDL_CreateSystemCursor(kinds[static_cast<int>(which)]));
}

NativeCursor* createImageCursor(int width, int height, const std::vector<std::uint8_t>& rgba, int hotX, int hotY) {
  if (!initVideo() || width <= 0 || height <= 0 ||
      rgba.size() != static_cast<std::size_t>(width) * height * 4)
    return nullptr;
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(rgba.data()), width, height, 32,
                                                      width * 4, SDL_PIXELFORMAT_RGBA32);
  if (!s) return nullptr;
  SDL_Cursor* c = SDL_CreateColorCursor(s, hotX, hotY);
  SDL_FreeSurface(s);
  return reinterpret_cast<NativeCursor*>(c);
}

void setCursor(NativeCursor* cursor) {
  if (cursor && videoReady()) SDL_SetCursor(reinterpret_cast<SDL_Cursor*>(cursor));
}

// Without video running there is no pointer to ask about (and none is started for it).
bool globalPointer(int* x, int* y) {
  if (!videoReady()) return false;
  SDL_GetGlobalMouseState(x, y);
  return true;
}

bool warpPointer(int x, int y) { return initVideo() && SDL_WarpMouseGlobal(x, y) == 0; }

void capturePointer(bool on) {
  // Fails quietly when the window has no focus; events inside it still arrive.
  if (videoReady()) SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE);
}

}  // namespace platform::sdl
