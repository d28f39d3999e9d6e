// BITMAPTOREGION on small pictures: which pixels the region covers, where, and in what
// rectangles, through every colour depth and past the 2000-rectangle pieces.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "platform/gdi/device_context.h"
#include "platform/test_seams.h"
#include "tests/framework/button/bmp_pictures.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/region_rects.h"

namespace {

constexpr std::uint32_t M = 0xFF00FF;  // magenta, the image button's transparent colour
constexpr std::uint32_t O = 0x204060;  // an opaque colour
constexpr COLORREF kMagenta = 0x00FF00FF;

std::vector<RECT> rectsOf(HRGN region) { return fixtures::regionRects(region); }

std::string describe(const std::vector<RECT>& rects) {
  std::string s;
  for (const RECT& r : rects)
    s += "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
  return s;
}

// Every pixel of the picture is inside the region exactly when it is opaque.
void expectCovers(HRGN region, int width, int height, const std::vector<bool>& opaque) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      ASSERT_EQ(PtInRegion(region, x, y) != FALSE, opaque[static_cast<std::size_t>(y * width + x)]) << x << "," << y;
  EXPECT_FALSE(PtInRegion(region, width, 0));
  EXPECT_FALSE(PtInRegion(region, 0, height));
}

int liveDeviceContexts() {
  int n = 0;
  platform::gdi::forEachDeviceContext([&](HDC, platform::gdi::DeviceContext&) { ++n; });
  return n;
}

}  // namespace

TEST(BitmapToRegion, AllTransparentGivesAnEmptyRegionNotZero) {
  std::string file = pictures::writeTrueColour("clear.bmp", 24, 3, 2, {M, M, M, M, M, M});
  HRGN r = BITMAPTOREGION(file, kMagenta, 1);
  ASSERT_NE(r, 0u);
  EXPECT_TRUE(rectsOf(r).empty());
  DeleteObject(r);
}

TEST(BitmapToRegion, SmallPicturesGiveTheirRuns) {
  struct Case {
    const char* name;
    int width, height;
    std::vector<std::uint32_t> pixels;
    std::string rects;  // the region's rectangles, in pixman's y-x band order
  };
  const Case cases[] = {
      {"one opaque pixel", 1, 1, {O}, "(0,0,1,1)"},
      {"four-pixel row", 4, 1, {O, O, M, O}, "(0,0,2,1)(3,0,4,1)"},
      {"the row lower down", 4, 3, {M, M, M, M, O, O, M, O, M, M, M, M}, "(0,1,2,2)(3,1,4,2)"},
      // With no transparent pixel every row is one full-width run; the region joins them.
      {"no transparent pixel", 3, 4, std::vector<std::uint32_t>(12, O), "(0,0,3,4)"},
      {"top row first", 2, 2, {O, M, M, O}, "(0,0,1,1)(1,1,2,2)"},
      {"run at the right edge", 5, 1, {M, M, M, O, O}, "(3,0,5,1)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool topDownFile : {false, true}) {
      std::string file = pictures::writeTrueColour("small.bmp", 24, c.width, c.height, c.pixels, topDownFile);
      HRGN r = BITMAPTOREGION(file, kMagenta, 1);
      ASSERT_NE(r, 0u);
      EXPECT_EQ(describe(rectsOf(r)), c.rects) << (topDownFile ? "top-down file" : "bottom-up file");
      DeleteObject(r);
    }
  }
}

TEST(BitmapToRegion, TheBandReachesUpwardsFromTheColourAndStopsAt255) {
  struct Case {
    COLORREF transparent;
    BYTE tolerance;
    std::uint32_t pixel;  // 0xRRGGBB
    bool opaque;
  };
  const Case cases[] = {
      {RGB(250, 20, 30), 0, 0xFA141E, false},   // the exact colour
      {RGB(250, 20, 30), 0, 0xFB141E, true},    // one step off with no tolerance
      {RGB(250, 20, 30), 10, 0xFA141E, false},
      {RGB(250, 20, 30), 10, 0xFF1E28, false},  // red capped at 255, green 30, blue 40: all inside
      {RGB(250, 20, 30), 10, 0xF9141E, true},   // red one below the colour
      {RGB(250, 20, 30), 10, 0xFF1F1E, true},   // green 31 is past 20 + 10
      {RGB(250, 20, 30), 10, 0xFA1329, true},   // green one below
      {RGB(250, 20, 30), 10, 0xFA1429, true},   // blue 41 is past 30 + 10
      {kMagenta, 1, 0xFF00FF, false},
      {kMagenta, 1, 0xFF01FF, false},
      {kMagenta, 1, 0xFF02FF, true},
      {kMagenta, 1, 0xFE00FF, true},
      {kMagenta, 1, 0xFF00FE, true},
      {RGB(0, 0, 0), 255, 0xFFFFFF, false},     // everything is transparent
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << "colour " << c.transparent << " pixel " << c.pixel << std::dec
                                    << " tolerance " << int{c.tolerance});
    std::string file = pictures::writeTrueColour("band.bmp", 24, 1, 1, {c.pixel});
    HRGN r = BITMAPTOREGION(file, c.transparent, c.tolerance);
    ASSERT_NE(r, 0u);
    EXPECT_EQ(PtInRegion(r, 0, 0) != FALSE, c.opaque);
    DeleteObject(r);
  }
}

// Indexed pictures are read through their colour table.
TEST(BitmapToRegion, EveryDepthIsReadByColour) {
  const std::vector<int> indexes = {0, 1, 1, 0, 1, 0};  // 3 x 2, index 1 is magenta
  const std::vector<bool> opaque = {true, false, false, true, false, true};
  for (int bits : {1, 4, 8}) {
    SCOPED_TRACE(bits);
    std::string file = pictures::writeIndexed("indexed.bmp", bits, 3, 2, indexes, {0x102030, M});
    HRGN r = BITMAPTOREGION(file, kMagenta, 1);
    ASSERT_NE(r, 0u);
    expectCovers(r, 3, 2, opaque);
    DeleteObject(r);
  }
  std::vector<std::uint32_t> colours;
  for (int i : indexes) colours.push_back(i ? M : O);
  std::string file = pictures::writeTrueColour("deep32.bmp", 32, 3, 2, colours);
  HRGN r = BITMAPTOREGION(file, kMagenta, 1);
  ASSERT_NE(r, 0u);
  expectCovers(r, 3, 2, opaque);
  DeleteObject(r);
}

// Runs are one pixel apart and shifted by one on every other row, so no two rows join and
// the region holds exactly one rectangle per run: 2000 (one full piece and an empty last
// one), 2001, and 4500 (the buffer grown to its 2000-rectangle cap and flushed twice).
TEST(BitmapToRegion, ManyRunsAcrossPieces) {
  const int width = 100;  // 50 runs per row
  for (int runs : {2000, 2001, 4500}) {
    SCOPED_TRACE(runs);
    int height = (runs + 49) / 50;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height), M);
    std::vector<bool> opaque(pixels.size(), false);
    int placed = 0;
    for (int y = 0; y < height; ++y)
      for (int x = y % 2; x < width && placed < runs; x += 2, ++placed) {
        pixels[static_cast<std::size_t>(y * width + x)] = O;
        opaque[static_cast<std::size_t>(y * width + x)] = true;
      }
    std::string file = pictures::writeTrueColour("runs.bmp", 24, width, height, pixels);
    HRGN r = BITMAPTOREGION(file, kMagenta, 1);
    ASSERT_NE(r, 0u);
    EXPECT_EQ(rectsOf(r).size(), static_cast<std::size_t>(runs));
    expectCovers(r, width, height, opaque);
    DeleteObject(r);
  }
}

// The rectangle buffer starts with room for ALLOC_UNIT rectangles (32 + 16 * 100 = 1632
// bytes) and grows by as many. When it cannot be had or grown the shape is not built at
// all: 0, never a region with runs missing, and nothing left behind.
TEST(BitmapToRegion, ABufferThatCannotBeHadGivesZeroNotAPartialShape) {
  struct ResetLimit {
    ~ResetLimit() { platform::seams::setGlobalMemoryLimit(0); }
  } reset;
  auto picture = [](int runs) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(2 * runs), M);
    for (int i = 0; i < runs; ++i) pixels[static_cast<std::size_t>(2 * i)] = O;
    return pictures::writeTrueColour("limit" + std::to_string(runs) + ".bmp", 24, 2 * runs, 1, pixels);
  };
  const std::string hundred = picture(100), hundredAndOne = picture(101);
  int before = liveDeviceContexts();
  struct Case {
    std::size_t limit;
    const std::string& file;
    int rects;  // -1: no region
  };
  const Case cases[] = {
      {1632, hundred, 100},       // fits the first buffer
      {1632, hundredAndOne, -1},  // the 101st rectangle needs a larger one
      {1631, hundred, -1},        // not even the first buffer
      {3232, hundredAndOne, 101},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "limit " << c.limit << ", " << c.file);
    platform::seams::setGlobalMemoryLimit(c.limit);
    HRGN r = BITMAPTOREGION(c.file, kMagenta, 1);
    platform::seams::setGlobalMemoryLimit(0);
    if (c.rects < 0) {
      EXPECT_EQ(r, 0u);
    } else {
      ASSERT_NE(r, 0u);
      EXPECT_EQ(rectsOf(r).size(), static_cast<std::size_t>(c.rects));
      DeleteObject(r);
    }
    EXPECT_EQ(liveDeviceContexts(), before);
  }
}

TEST(BitmapToRegion, FilesThatDoNotLoadGiveZeroAndLeaveNoContextBehind) {
  int before = liveDeviceContexts();
  EXPECT_EQ(BITMAPTOREGION("/nonexistent/shape.bmp", kMagenta, 1), 0u);
  std::string notABitmap = fixtures::writeFile("text.bmp", {'n', 'o', 't', ' ', 'a', ' ', 'B', 'M', 'P'});
  EXPECT_EQ(BITMAPTOREGION(notABitmap, kMagenta, 1), 0u);
  std::string file = pictures::writeTrueColour("fine.bmp", 24, 2, 2, {O, M, M, O});
  HRGN r = BITMAPTOREGION(file, kMagenta, 1);
  EXPECT_NE(r, 0u);
  DeleteObject(r);
  EXPECT_EQ(liveDeviceContexts(), before);
}
