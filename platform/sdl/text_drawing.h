// Text drawn into the layer's own 32-bit pixel surfaces (the status window's text), with
// SDL2_ttf and the DejaVu Sans font. No SDL type appears here.
#pragma once

#include <cstdint>
#include <string>

namespace platform::sdl {

// A 32-bit surface: blue, green, red, unused per pixel, rows top-down, `stride` bytes apart.
struct PixelTarget {
  std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
};

// Draws UTF-8 text with its top-left corner at (x, y), `pixelSize` pixels high, in the
// colour 0xRRGGBB, blended over what is there, and only inside the box
// [clipLeft, clipRight) x [clipTop, clipBottom) of the target. False when the font or the
// rendering is not available (nothing is drawn then).
bool drawText(const PixelTarget& target, const std::string& utf8, int x, int y, int pixelSize,
              std::uint32_t rgb, int clipLeft, int clipTop, int clipRight, int clipBottom);

// Height of a line of text at that size (0 when the font is not available).
int textLineHeight(int pixelSize);

}  // namespace platform::sdl
