#include "platform/sdl/text_drawing.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace platform::sdl {
namespace {

constexpr const char* kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// One opened font per size, kept for the whole run.
TTF_Font* fontOfSize(int pixelSize) {
  static std::map<int, TTF_Font*> fonts;
  static bool failed = false;
  if (failed || pixelSize <= 0 || pixelSize > 512) return nullptr;
  auto it = fonts.find(pixelSize);
  if (it != fonts.end()) return it->second;
  if (!TTF_WasInit() && TTF_Init() != 0) {
    std::fprintf(stderr, "SDL_ttf: %s\n", TTF_GetError());
    failed = true;
    return nullptr;
  }
  TTF_Font* font = TTF_OpenFont(kFontFile, pixelSize);
  if (!font) {
    std::fprintf(stderr, "SDL_ttf: %s\n", TTF_GetError());
    failed = true;
    return nullptr;
  }
  fonts.emplace(pixelSize, font);
  return font;
}

}  // namespace

int textLineHeight(int pixelSize) {
  TTF_Font* font = fontOfSize(pixelSize);
  return font ? TTF_FontHeight(font) : 0;
}

bool drawText(const PixelTarget& target, const std::string& utf8, int x, int y, int pixelSize,
              std::uint32_t rgb, int clipLeft, int clipTop, int clipRight, int clipBottom) {
  if (!target.pixels || target.width <= 0 || target.height <= 0 || target.stride < target.width * 4) {
    return false;
  }
  TTF_Font* font = fontOfSize(pixelSize);
  if (!font) return false;
  if (utf8.empty()) return true;
  const SDL_Color colour{static_cast<Uint8>(rgb >> 16), static_cast<Uint8>(rgb >> 8), static_cast<Uint8>(rgb), 255};
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, utf8.c_str(), colour);
  if (!rendered) return false;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (!argb) return false;

  const int left = std::max({clipLeft, 0, x});
  const int top = std::max({clipTop, 0, y});
  const int right = std::min({clipRight, target.width, x + argb->w});
  const int bottom = std::min({clipBottom, target.height, y + argb->h});
  SDL_LockSurface(argb);
  for (int ty = top; ty < bottom; ++ty) {
    const auto* src = static_cast<const std::uint8_t*>(argb->pixels) + static_cast<std::size_t>(ty - y) * argb->pitch;
    std::uint8_t* dst = target.pixels + static_cast<std::size_t>(ty) * target.stride;
    for (int tx = left; tx < right; ++tx) {
      // ARGB8888 is blue, green, red, alpha in memory on little-endian machines, like the
      // target; blend each channel by the glyph's coverage.
      const std::uint8_t* s = src + static_cast<std::size_t>(tx - x) * 4;
      std::uint8_t* d = dst + static_cast<std::size_t>(tx) * 4;
      const unsigned a = s[3];
      for (int c = 0; c < 3; ++c) d[c] = static_cast<std::uint8_t>((s[c] * a + d[c] * (255 - a) + 127) / 255);
    }
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  return true;
}

}  // namespace platform::sdl
