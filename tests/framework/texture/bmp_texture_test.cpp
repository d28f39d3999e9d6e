// BMP textures on real files and real GL: the depth probe, the uploads of 24-bit and 32-bit
// files, the files that leave a slot without an image, mipmaps and slot replacement.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "framework/framework.h"
#include "tests/framework/texture/texture_probe.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/image_fixtures.h"
#include "tools/image_writer/image_writer.h"

using fixtures::Bytes;
using fixtures::BmpLayout;

namespace {

using Colour = std::function<std::array<std::uint8_t, 4>(int x, int row)>;

// A BMP file whose pixel at (x, row) has `colour` (red, green, blue, alpha), rows counted in the
// order the file stores them: bottom-up for a positive height, top-down for a negative one.
// 24-bit and 32-bit files come from the shared image writer, a 16-bit one from the fixture
// writer. Returns the path and, through `expected`, the red-green-blue(-alpha) rows in stored
// order, which is the order GL receives them in.
std::string writeBmp(const std::string& name, int width, int height, int bits, const Colour& colour,
                     Bytes* expected = nullptr) {
  const int rows = std::abs(height);
  if (bits == 16) {
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitsPerPixel = 16;
    std::vector<Bytes> stored(rows);
    for (int row = 0; row < rows; ++row)
      for (int x = 0; x < width; ++x) {
        const auto c = colour(x, row);
        stored[row].insert(stored[row].end(), {c[0], c[1]});
      }
    return fixtures::writeFile(name, fixtures::bmpFile(layout, stored));
  }
  const int channels = bits / 8;
  Bytes picture;  // top row first, as the writer takes it
  for (int top = 0; top < rows; ++top) {
    const int row = height < 0 ? top : rows - 1 - top;
    for (int x = 0; x < width; ++x) {
      const auto c = colour(x, row);
      picture.insert(picture.end(), c.begin(), c.begin() + channels);
    }
  }
  for (int row = 0; expected && row < rows; ++row) {
    for (int x = 0; x < width; ++x) {
      const auto c = colour(x, row);
      expected->insert(expected->end(), c.begin(), c.begin() + channels);
    }
  }
  const std::string path = fixtures::tempPath(name);
  EXPECT_TRUE(image_writer::writeFile(
      path, image_writer::encodeBmp(width, rows, channels, picture.data(), {.topDown = height < 0})));
  return path;
}

std::array<std::uint8_t, 4> gradient(int x, int row) {
  return {static_cast<std::uint8_t>(x * 2), static_cast<std::uint8_t>(row * 2),
          static_cast<std::uint8_t>((x + row) & 0xFF), static_cast<std::uint8_t>(255 - x)};
}

std::array<std::uint8_t, 4> teal(int, int) { return {20, 160, 140, 200}; }

// The filter globals are the framework's own state: every test leaves them as it found them.
class BmpTexture : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    savedMin_ = GL_MIN_FILTER;
    savedMag_ = GL_MAG_FILTER;
  }
  void TearDown() override {
    GL_MIN_FILTER = savedMin_;
    GL_MAG_FILTER = savedMag_;
    GlTest::TearDown();
  }

 private:
  GLint savedMin_ = 0;
  GLint savedMag_ = 0;
};

}  // namespace

TEST(BmpDepthProbe, ReadsTheBitCountOrGivesZero) {
  BmpLayout layout;
  layout.bitsPerPixel = 8;
  layout.colors.resize(2);
  const Bytes eightBit = fixtures::bmpFile(layout, {{0}});
  Bytes oddCount = eightBit;
  fixtures::putLe16(oddCount, fixtures::kBmpBitCount, 99);
  layout.infoSize = 12;
  const Bytes core = fixtures::bmpFile(layout, {{0}});
  Bytes notBmp = eightBit;
  notBmp[0] = 'P';
  const Bytes headersOnly(eightBit.begin(), eightBit.begin() + 54);
  const Bytes endsInsideHeaders(eightBit.begin(), eightBit.begin() + 53);

  struct Case {
    const char* what;
    std::string path;
    std::int32_t depth;
  };
  const Case cases[] = {
      {"8 bits", fixtures::writeFile("d8.bmp", eightBit), 8},
      {"24 bits", writeBmp("d24.bmp", 2, 2, 24, teal), 24},
      {"32 bits", writeBmp("d32.bmp", 2, 2, 32, teal), 32},
      {"any value of the field", fixtures::writeFile("d99.bmp", oddCount), 99},
      {"just the 54 header bytes", fixtures::writeFile("d54.bmp", headersOnly), 8},
      {"OS/2 header", fixtures::writeFile("core.bmp", core), 0},
      {"not BM", fixtures::writeFile("pm.bmp", notBmp), 0},
      {"ends inside the headers", fixtures::writeFile("d53.bmp", endsInsideHeaders), 0},
      {"missing", fixtures::tempPath("missing.bmp"), 0},
      {"a folder", std::filesystem::path(fixtures::tempPath("x")).parent_path().string(), 0},
      // Exists, but reading this process's memory from address 0 fails.
      {"unreadable", "/proc/self/mem", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(GETBMPDEPTH(c.path.c_str()), c.depth) << c.what;
  EXPECT_EQ(GETBMPDEPTH(nullptr), 0);
}

TEST(SwapRgb, ExchangesFirstAndThirdByteOfEachGroup) {
  Bytes data{1, 2, 3, 4, 5, 6, 7};
  SWAPRGB(data.data(), 2);
  EXPECT_EQ(data, (Bytes{3, 2, 1, 6, 5, 4, 7}));
}

// A 24-bit 128 x 128 file: red-green-blue with 3 components, linear filters, repeat wrapping,
// no mipmaps; texturing on and the texture bound afterwards.
TEST_F(BmpTexture, TwentyFourBitFileBecomesAnRgbTexture) {
  Bytes expected;
  const std::string path = writeBmp("bark.bmp", 128, 128, 24, gradient, &expected);
  glDisable(GL_TEXTURE_2D);
  TEXTURELOADID(path.c_str(), 0);
  ASSERT_NE(TEXTUREID2[0], 0u);
  EXPECT_EQ(boundTexture(), static_cast<GLint>(TEXTUREID2[0]));
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  const TextureLevel level = boundLevel();
  EXPECT_EQ(level.width, 128);
  EXPECT_EQ(level.height, 128);
  EXPECT_EQ(level.internalFormat, 3);  // the component count, as handed to GL
  EXPECT_EQ(boundPixels(GL_RGB), expected);
  expectDefaultSampling();
  EXPECT_EQ(integerState(GL_UNPACK_ALIGNMENT), 4);
  EXPECT_EQ(integerState(GL_UNPACK_ROW_LENGTH), 0);
  EXPECT_EQ(integerState(GL_UNPACK_SKIP_ROWS), 0);
  EXPECT_EQ(integerState(GL_UNPACK_SKIP_PIXELS), 0);
  EXPECT_TRUE(NoGlError());
}

// Widths whose rows end in fill bytes: each row is exchanged on its own, so every pixel keeps
// its colours (one exchange over width x height back-to-back groups would shift all rows after
// the first).
TEST_F(BmpTexture, RowsWithFillBytesKeepTheirColours) {
  for (int width : {1, 2, 3, 5, 6, 7}) {
    SCOPED_TRACE(width);
    Bytes expected;
    const std::string path = writeBmp("odd.bmp", width, 3, 24, gradient, &expected);
    TEXTURELOADID(path.c_str(), 7);
    EXPECT_EQ(boundLevel().width, width);
    EXPECT_EQ(boundPixels(GL_RGB), expected);
  }
}

// A 32-bit file goes up as GL_RGBA from its blue-green-red-alpha bytes, alpha included.
TEST_F(BmpTexture, ThirtyTwoBitFileKeepsItsAlpha) {
  Bytes expected;
  const std::string path = writeBmp("alpha.bmp", 4, 2, 32, gradient, &expected);
  TEXTURELOADID(path.c_str(), 2);
  const TextureLevel level = boundLevel();
  EXPECT_EQ(level.width, 4);
  EXPECT_EQ(level.internalFormat, GL_RGBA);
  EXPECT_EQ(boundPixels(GL_RGBA), expected);
}

// Rows go to GL in the bitmap's order: a top-down file's first (top) row lands at t = 0.
TEST_F(BmpTexture, RowsGoToGlInTheFilesOrder) {
  Bytes expected;
  const std::string path = writeBmp("top-down.bmp", 4, -3, 24, gradient, &expected);
  TEXTURELOADID(path.c_str(), 4);
  EXPECT_EQ(boundPixels(GL_RGB), expected);
}

// Files that give no image still leave a fresh texture name in the slot, bound, with its
// filters and wrap modes, and texturing on.
TEST_F(BmpTexture, FilesWithoutAnImageStillGetATextureName) {
  BmpLayout palette;
  palette.bitsPerPixel = 8;
  palette.colors.resize(256);
  BmpLayout oneBit = palette;
  oneBit.bitsPerPixel = 1;
  oneBit.colors.resize(2);
  BmpLayout core;
  core.infoSize = 12;
  const Bytes complete = fixtures::bmpFile(BmpLayout{}, {{1, 2, 3}});
  const std::pair<const char*, std::string> cases[] = {
      {"8 bits", fixtures::writeFile("p8.bmp", fixtures::bmpFile(palette, {{0}}))},
      {"1 bit", fixtures::writeFile("p1.bmp", fixtures::bmpFile(oneBit, {{0}}))},
      {"16 bits", writeBmp("p16.bmp", 2, 2, 16, teal)},
      {"OS/2 header", fixtures::writeFile("core24.bmp", fixtures::bmpFile(core, {{1, 2, 3}}))},
      {"pixels cut short", fixtures::writeFile("cut.bmp", Bytes(complete.begin(), complete.end() - 2))},
      {"not a BMP", fixtures::writeFile("text.bmp", Bytes{'h', 'e', 'l', 'l', 'o'})},
      {"missing", fixtures::tempPath("missing.bmp")},
  };
  for (const auto& [what, path] : cases) {
    SCOPED_TRACE(what);
    TEXTUREID2[5] = 0;
    glDisable(GL_TEXTURE_2D);
    TEXTURELOADID(path.c_str(), 5);
    ASSERT_NE(TEXTUREID2[5], 0u);
    EXPECT_TRUE(glIsTexture(TEXTUREID2[5]));
    EXPECT_EQ(boundTexture(), static_cast<GLint>(TEXTUREID2[5]));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(boundLevel().width, 0);
    EXPECT_EQ(boundParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
  }
  EXPECT_TRUE(NoGlError());
}

// Loading slot 3 twice: the slot holds the second name, the first texture still exists.
TEST_F(BmpTexture, ReloadingASlotReplacesItsName) {
  const std::string path = writeBmp("twice.bmp", 2, 2, 24, teal);
  TEXTURELOADID(path.c_str(), 3);
  const GLuint first = TEXTUREID2[3];
  TEXTURELOADID(path.c_str(), 3);
  EXPECT_NE(TEXTUREID2[3], first);
  EXPECT_TRUE(glIsTexture(first));
  TEXTURESELECTID(3);
  EXPECT_EQ(boundTexture(), static_cast<GLint>(TEXTUREID2[3]));
}

TEST_F(BmpTexture, SelectingANeverLoadedSlotBindsTextureZero) {
  const std::string path = writeBmp("any.bmp", 2, 2, 24, teal);
  TEXTURELOADID(path.c_str(), 10);
  ASSERT_NE(boundTexture(), 0);
  TEXTURESELECTID(500);
  EXPECT_EQ(TEXTUREID2[500], 0u);
  EXPECT_EQ(boundTexture(), 0);
}

TEST_F(BmpTexture, OnAndOffSwitchTexturing) {
  TEXTUREON();
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  TEXTUREOFF();
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(BmpTexture, FilterGlobalsReachTheNextTexture) {
  GL_MIN_FILTER = GL_NEAREST;
  GL_MAG_FILTER = GL_NEAREST;
  TEXTURELOADID(writeBmp("nearest.bmp", 2, 2, 24, teal).c_str(), 6);
  EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
  EXPECT_EQ(boundParameter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
}

// Only the two linear-mipmap filters build mipmaps; then every level down to 1 x 1 exists,
// in the base level's colours, for both depths. Under the nearest-mipmap filters only level 0
// exists, so GL counts the texture as incomplete.
TEST_F(BmpTexture, MipmapsUnderTheTwoLinearMipmapFilters) {
  struct Case {
    GLint filter;
    bool mipmaps;
  };
  for (const Case c : {Case{GL_LINEAR_MIPMAP_NEAREST, true}, Case{GL_LINEAR_MIPMAP_LINEAR, true},
                       Case{GL_NEAREST_MIPMAP_NEAREST, false}, Case{GL_NEAREST_MIPMAP_LINEAR, false}}) {
    for (int bits : {24, 32}) {
      SCOPED_TRACE(::testing::Message() << "filter 0x" << std::hex << c.filter << std::dec << ", " << bits << " bits");
      GL_MIN_FILTER = c.filter;
      TEXTURELOADID(writeBmp("mip.bmp", 8, 4, bits, teal).c_str(), 8);
      EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), c.filter);
      if (!c.mipmaps) {
        EXPECT_EQ(boundLevel(1).width, 0);
        continue;
      }
      const GLenum format = bits == 32 ? GL_RGBA : GL_RGB;
      const Bytes base = boundPixels(format);
      ASSERT_FALSE(base.empty());
      const TextureLevel last = boundLevel(3);
      EXPECT_EQ(last.width, 1);
      EXPECT_EQ(last.height, 1);
      EXPECT_EQ(boundLevel(1).width, 4);
      EXPECT_EQ(boundPixels(format, 3), Bytes(base.begin(), base.begin() + (bits / 8)));
    }
  }
  EXPECT_TRUE(NoGlError());
}
