// GL contexts on SDL2.
#include <GL/gl.h>
#include <SDL.h>

#include <cstring>

#include "platform/sdl/backend.h"

namespace platform::sdl {

GlContext* createGlContext(NativeWindow window) {
  SDL_Window* w = window ? SDL_GetWindowFromID(window) : nullptr;
  if (!w || !(SDL_GetWindowFlags(w) & SDL_WINDOW_OPENGL)) return nullptr;
  // SDL makes a new context current; creating one must not change what is current.
  SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
  SDL_GLContext previous = SDL_GL_GetCurrentContext();
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
  SDL_GLContext context = SDL_GL_CreateContext(w);
  SDL_GL_MakeCurrent(previousWindow, previous);
  return reinterpret_cast<GlContext*>(context);
}

bool makeGlCurrent(NativeWindow window, GlContext* context) {
  if (!context) return SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), nullptr) == 0;
  SDL_Window* w = window ? SDL_GetWindowFromID(window) : nullptr;
  if (!w) return false;
  return SDL_GL_MakeCurrent(w, reinterpret_cast<SDL_GLContext>(context)) == 0;
}

void deleteGlContext(GlContext* context) {
  if (!context) return;
  if (SDL_GL_GetCurrentContext() == reinterpret_cast<SDL_GLContext>(context))
    SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), nullptr);
  SDL_GL_DeleteContext(reinterpret_cast<SDL_GLContext>(context));
}

bool glCurrentOn(NativeWindow window) {
  SDL_Window* current = SDL_GL_GetCurrentWindow();
  return window && current && SDL_GL_GetCurrentContext() && SDL_GetWindowID(current) == window;
}

void swapWindow(NativeWindow window) {
  SDL_Window* w = window ? SDL_GetWindowFromID(window) : nullptr;
  if (!w) return;
  SDL_GL_SwapWindow(w);
  // A display paces swaps; the offscreen driver's pbuffer swap returns at once, so a loop
  // that never waits would queue frames in the software renderer without bound. Finishing
  // each frame gives the same one-frame-at-a-time pace.
  static const bool offscreen = [] {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "offscreen") == 0;
  }();
  if (offscreen && glCurrentOn(window)) glFinish();
}

}  // namespace platform::sdl
