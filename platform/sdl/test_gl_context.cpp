#include "platform/sdl/test_gl_context.h"

#include <SDL.h>

#include <cstdio>

namespace platform::sdl {
namespace {
SDL_Window* gWindow = nullptr;
SDL_GLContext gContext = nullptr;
}  // namespace

bool makeTestGlContext(int width, int height) {
  if (gContext) return SDL_GL_MakeCurrent(gWindow, gContext) == 0;
  if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "SDL video: %s\n", SDL_GetError());
    return false;
  }
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
  gWindow = SDL_CreateWindow("test", 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (!gWindow) {
    std::fprintf(stderr, "SDL window: %s\n", SDL_GetError());
    return false;
  }
  gContext = SDL_GL_CreateContext(gWindow);
  if (!gContext) {
    std::fprintf(stderr, "SDL GL context: %s\n", SDL_GetError());
    return false;
  }
  return true;
}

void swapTestGlContext() {
  if (gWindow) SDL_GL_SwapWindow(gWindow);
}

}  // namespace platform::sdl
