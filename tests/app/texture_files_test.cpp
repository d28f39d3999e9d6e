// The demo's texture files in app/data are exactly what our generator makes, and they have
// the properties the scene relies on: formats the loaders take, seamless tiling of the bark
// and the floor, and real holes in the foliage's alpha.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/texgen/texgen.h"

namespace {

std::vector<std::uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8);
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return le16(b, at) | (le16(b, at + 2) << 16);
}

// Mean absolute difference of the colour channels across one boundary between neighbouring
// columns (vertical == true) or rows, the last one wrapping round to the first.
double boundaryDifference(const texgen::Image& image, int boundary, bool vertical) {
  double sum = 0;
  const int count = vertical ? image.height : image.width;
  for (int i = 0; i < count; ++i) {
    const int x0 = vertical ? boundary : i;
    const int y0 = vertical ? i : boundary;
    const int x1 = vertical ? (boundary + 1) % image.width : i;
    const int y1 = vertical ? i : (boundary + 1) % image.height;
    for (int c = 0; c < 3; ++c) {
      const int a = image.pixels[(static_cast<std::size_t>(y0) * image.width + x0) * image.channels + c];
      const int b = image.pixels[(static_cast<std::size_t>(y1) * image.width + x1) * image.channels + c];
      sum += std::abs(a - b);
    }
  }
  return sum / (count * 3);
}

// How much the wrap-round boundary (last column to first, or last row to first) stands out
// from the boundaries inside the picture: about 1 for a seamless tile.
double seamRatio(const texgen::Image& image, bool vertical) {
  const int boundaries = vertical ? image.width : image.height;
  double interior = 0;
  for (int i = 0; i + 1 < boundaries; ++i) interior += boundaryDifference(image, i, vertical);
  interior /= boundaries - 1;
  return boundaryDifference(image, boundaries - 1, vertical) / interior;
}

bool isPowerOfTwoSize(int n) { return n == 256 || n == 512; }

}  // namespace

TEST(TextureFiles, CommittedFilesAreWhatTheGeneratorMakes) {
  const auto files = texgen::makeTextureFiles();
  ASSERT_EQ(files.size(), 3u);
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    const auto committed = readFile(std::string(APP_DATA_DIR) + "/" + file.name);
    ASSERT_FALSE(committed.empty()) << "missing app/data/" << file.name << " (run texgen app/data)";
    EXPECT_TRUE(committed == file.bytes) << "app/data/" << file.name
                                         << " differs from the generator's output";
  }
}

TEST(TextureFiles, GeneratorIsDeterministic) {
  const auto first = texgen::makeTextureFiles();
  const auto second = texgen::makeTextureFiles();
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_TRUE(first[i].bytes == second[i].bytes) << first[i].name;
}

TEST(TextureFiles, BmpFilesAre24BitWithPowerOfTwoSizes) {
  for (const char* name : {"corteccia01.bmp", "Floor05.bmp"}) {
    SCOPED_TRACE(name);
    const auto bytes = readFile(std::string(APP_DATA_DIR) + "/" + name);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(le32(bytes, 14), 40u);  // the 40-byte information header
    EXPECT_EQ(le16(bytes, 28), 24u);
    const auto width = static_cast<int>(le32(bytes, 18));
    const auto height = static_cast<int>(le32(bytes, 22));
    EXPECT_TRUE(isPowerOfTwoSize(width)) << width;
    EXPECT_TRUE(isPowerOfTwoSize(height)) << height;
    EXPECT_EQ(bytes.size(), 54u + static_cast<std::size_t>(width) * height * 3);
  }
}

TEST(TextureFiles, FoliageIsA32BitUncompressedTga) {
  const auto bytes = readFile(std::string(APP_DATA_DIR) + "/pino.tga");
  ASSERT_GE(bytes.size(), 18u);
  const std::uint8_t type2[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_TRUE(std::equal(type2, type2 + 12, bytes.begin()));
  const auto width = static_cast<int>(le16(bytes, 12));
  const auto height = static_cast<int>(le16(bytes, 14));
  EXPECT_TRUE(isPowerOfTwoSize(width));
  EXPECT_TRUE(isPowerOfTwoSize(height));
  EXPECT_EQ(bytes[16], 32);
  EXPECT_EQ(bytes.size(), 18u + static_cast<std::size_t>(width) * height * 4);
}

TEST(TextureFiles, SeamRatioFindsASeam) {
  // A left-to-right ramp is smooth inside and jumps from light to dark where it wraps.
  texgen::Image ramp{256, 4, 3, {}};
  for (int y = 0; y < ramp.height; ++y) {
    for (int x = 0; x < ramp.width; ++x) {
      for (int c = 0; c < 3; ++c) ramp.pixels.push_back(static_cast<std::uint8_t>(x));
    }
  }
  EXPECT_GT(seamRatio(ramp, true), 50.0);
}

TEST(TextureFiles, BarkAndFloorTileWithoutSeams) {
  const texgen::Image images[] = {texgen::makeBark(), texgen::makeFloor()};
  for (const auto& image : images) {
    SCOPED_TRACE(image.width);
    // The wrap-round boundary changes no more than an ordinary one inside the picture.
    EXPECT_LT(seamRatio(image, true), 1.5);
    EXPECT_LT(seamRatio(image, false), 1.5);
  }
}

// The bark's furrows run along the trunk: neighbouring rows differ much less than neighbouring
// columns.
TEST(TextureFiles, BarkFurrowsRunVertically) {
  const texgen::Image bark = texgen::makeBark();
  double across = 0, along = 0;
  for (int i = 0; i < bark.width; ++i) across += boundaryDifference(bark, i, true);
  for (int i = 0; i < bark.height; ++i) along += boundaryDifference(bark, i, false);
  EXPECT_GT(across / bark.width, 1.5 * along / bark.height);
}

TEST(TextureFiles, FoliageAlphaLeavesRealHoles) {
  const texgen::Image foliage = texgen::makeFoliage();
  ASSERT_EQ(foliage.channels, 4);
  const int threshold = static_cast<int>(0.4 * 255);  // the sprite mode's alpha test
  std::size_t holes = 0, texels = 0, opaqueBorder = 0;
  for (int y = 0; y < foliage.height; ++y) {
    for (int x = 0; x < foliage.width; ++x) {
      const int alpha = foliage.pixels[(static_cast<std::size_t>(y) * foliage.width + x) * 4 + 3];
      ++texels;
      if (alpha <= threshold) ++holes;
      const bool border = x < 2 || y < 2 || x >= foliage.width - 2 || y >= foliage.height - 2;
      if (border && alpha > 0) ++opaqueBorder;
    }
  }
  const double holeFraction = static_cast<double>(holes) / texels;
  EXPECT_GT(holeFraction, 0.3);  // real gaps between the needles and around the sprig
  EXPECT_LT(holeFraction, 0.8);  // and still a full sprig
  // The texture repeats: a clear border keeps the next copy's needles from bleeding in.
  EXPECT_EQ(opaqueBorder, 0u);
}
