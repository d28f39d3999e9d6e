// Native windows, the screen, the clock and text conversion on SDL2.
#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/sdl/backend.h"

namespace platform::sdl {

bool videoReady() { return SDL_WasInit(SDL_INIT_VIDEO) != 0; }

bool initVideo() {
  if (videoReady()) return true;
  // Ctrl+C in a terminal should end the program as usual, not become a native quit event.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A screen-covering window must stay up when another window takes the focus.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // The first click on an inactive window is a click for the program, as on Windows.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    // Said once: later calls keep failing the same way.
    static bool told = false;
    if (!told) std::fprintf(stderr, "SDL video: %s\n", SDL_GetError());
    told = true;
    return false;
  }
  // Keep the GL library loaded for the whole run, so that the driver is not unloaded and
  // loaded again each time the last GL window goes away.
  SDL_GL_LoadLibrary(nullptr);
  return true;
}

std::string toUtf8(const char* text) {
  if (!text) return {};
  std::size_t length = std::strlen(text);
  char* converted = SDL_iconv_string("UTF-8", "WINDOWS-1252", text, length + 1);
  if (converted) {
    std::string result(converted);
    SDL_free(converted);
    return result;
  }
  // Without a converter, keep the plain ASCII and mark what cannot be shown.
  std::string result;
  for (std::size_t i = 0; i < length; ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    result.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  }
  return result;
}

namespace {

// Every native window can carry a GL context; the pixel-format request later picks the
// one format these attributes give (see platform/wgl/pixel_format.cpp).
void setWindowGlAttributes() {
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
}

SDL_Window* native(NativeWindow window) { return window ? SDL_GetWindowFromID(window) : nullptr; }

}  // namespace

NativeWindow createWindow(const NativeWindowSpec& wanted) {
  if (!initVideo()) return 0;
  setWindowGlAttributes();
  Uint32 flags = SDL_WINDOW_OPENGL | (wanted.visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN);
  int x = wanted.x, y = wanted.y, w = wanted.width < 1 ? 1 : wanted.width, h = wanted.height < 1 ? 1 : wanted.height;
  if (wanted.coverScreen) {
    flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP;
  } else if (!wanted.decorated) {
    flags |= SDL_WINDOW_BORDERLESS;
  }
  SDL_Window* window = SDL_CreateWindow(wanted.titleUtf8.c_str(), x, y, w, h, flags);
  if (!window) {
    // A window without GL still serves everything but a GL context.
    window = SDL_CreateWindow(wanted.titleUtf8.c_str(), x, y, w, h, flags & ~SDL_WINDOW_OPENGL);
  }
  if (!window) {
    std::fprintf(stderr, "SDL window: %s\n", SDL_GetError());
    return 0;
  }
  return SDL_GetWindowID(window);
}

void destroyWindow(NativeWindow window) {
  if (SDL_Window* w = native(window)) SDL_DestroyWindow(w);
}

void showWindow(NativeWindow window, bool visible) {
  if (SDL_Window* w = native(window)) {
    if (visible)
      SDL_ShowWindow(w);
    else
      SDL_HideWindow(w);
  }
}

void setWindowTitle(NativeWindow window, const std::string& title) {
  if (SDL_Window* w = native(window)) SDL_SetWindowTitle(w, title.c_str());
}

void setWindowGeometry(NativeWindow window, int x, int y, int width, int height) {
  SDL_Window* w = native(window);
  if (!w || (SDL_GetWindowFlags(w) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP) return;
  SDL_SetWindowPosition(w, x, y);
  SDL_SetWindowSize(w, width < 1 ? 1 : width, height < 1 ? 1 : height);
}

bool windowPosition(NativeWindow window, int* x, int* y) {
  SDL_Window* w = native(window);
  if (!w) return false;
  SDL_GetWindowPosition(w, x, y);
  return true;
}

void setWindowIcon(NativeWindow window, int width, int height, const std::vector<std::uint8_t>& rgba) {
  SDL_Window* w = native(window);
  if (!w || width <= 0 || height <= 0 || rgba.size() != static_cast<std::size_t>(width) * height * 4) return;
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(rgba.data()), width, height, 32,
                                                      width * 4, SDL_PIXELFORMAT_RGBA32);
  if (!s) return;
  SDL_SetWindowIcon(w, s);
  SDL_FreeSurface(s);
}

NativeWindow keyboardFocusWindow() {
  if (!videoReady()) return 0;
  SDL_Window* w = SDL_GetKeyboardFocus();
  return w ? SDL_GetWindowID(w) : 0;
}

bool screenSize(int* width, int* height) {
  if (!initVideo()) return false;
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return false;
  *width = mode.w;
  *height = mode.h;
  return true;
}

std::uint32_t ticks() { return static_cast<std::uint32_t>(SDL_GetTicks64()); }

}  // namespace platform::sdl
