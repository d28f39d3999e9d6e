// Text drawn with SDL2_ttf into 32-bit surfaces: glyphs appear, and only inside the box.
#include "platform/sdl/text_drawing.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using platform::sdl::drawText;
using platform::sdl::PixelTarget;

struct WhiteSurface {
  int width, height;
  std::vector<std::uint8_t> pixels;
  WhiteSurface(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h * 4, 255) {}
  PixelTarget target() { return {pixels.data(), width, height, width * 4}; }
  // Pixels darker than mid-grey inside [x0, x1) x [y0, y1).
  int darkPixels(int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (pixels[(static_cast<std::size_t>(y) * width + x) * 4 + 1] < 128) ++n;
    return n;
  }
};

TEST(TextDrawing, DrawsReadableGlyphsOfTheRequestedHeight) {
  const int lineHeight = platform::sdl::textLineHeight(13);
  ASSERT_GT(lineHeight, 10);
  ASSERT_LT(lineHeight, 24);
  WhiteSurface s(200, 30);
  ASSERT_TRUE(drawText(s.target(), "Percorso file", 4, 4, 13, 0x000000, 0, 0, 200, 30));
  // A line of 13 letters leaves plenty of ink, all of it within the text's line.
  EXPECT_GT(s.darkPixels(0, 0, 200, 30), 100);
  EXPECT_EQ(s.darkPixels(0, 4 + lineHeight, 200, 30), 0);
  EXPECT_EQ(s.darkPixels(0, 0, 4, 30), 0);
}

TEST(TextDrawing, StaysInsideItsBoxAndTheSurface) {
  WhiteSurface s(60, 20);
  // Text far wider than the box, starting left of the surface.
  ASSERT_TRUE(drawText(s.target(), "Percorso file Percorso file", -10, -3, 13, 0x000000, 0, 0, 30, 20));
  EXPECT_GT(s.darkPixels(0, 0, 30, 20), 0);
  EXPECT_EQ(s.darkPixels(30, 0, 60, 20), 0);
}

TEST(TextDrawing, RefusesABrokenTarget) {
  std::vector<std::uint8_t> tiny(16);
  EXPECT_FALSE(drawText(PixelTarget{tiny.data(), 4, 1, 8}, "x", 0, 0, 13, 0, 0, 0, 4, 1));
  EXPECT_FALSE(drawText(PixelTarget{nullptr, 4, 1, 16}, "x", 0, 0, 13, 0, 0, 0, 4, 1));
}

}  // namespace
