// The TGA texture table on real files and real GL: uploads of 24-bit and 32-bit images, rows
// that are not a multiple of 4 bytes, mipmaps, failed and missing loads, slot replacement.
#include <gtest/gtest.h>

#include "framework/framework.h"
#include "tests/framework/texture/message_recorder.h"
#include "tests/framework/texture/texture_probe.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/image_fixtures.h"
#include "tools/image_writer/image_writer.h"

using fixtures::Bytes;
using fixtures::operator+;
using fixtures::operator+=;

namespace {

// An uncompressed TGA, written by the shared image writer with the usual bottom-left origin,
// whose pixel i (counted in the order the file stores them) has red = 3i, green = 255 - i,
// blue = 7i and alpha (32 bits) = i * 40. Returns the path and, through `expected`, the decoded
// pixels, which keep the file's order.
std::string writeTga(const std::string& name, std::uint16_t width, std::uint16_t height, std::uint8_t bits,
                     Bytes* expected = nullptr) {
  const int channels = bits / 8;
  Bytes stored;
  for (int i = 0; i < width * height; ++i) {
    const std::uint8_t pixel[4] = {static_cast<std::uint8_t>(3 * i), static_cast<std::uint8_t>(255 - i),
                                   static_cast<std::uint8_t>(7 * i), static_cast<std::uint8_t>(i * 40)};
    stored.insert(stored.end(), pixel, pixel + channels);
  }
  if (expected) *expected = stored;
  // The writer takes the top row first and stores the bottom row first.
  const std::size_t rowBytes = std::size_t{width} * channels;
  Bytes picture;
  for (int row = height - 1; row >= 0; --row)
    picture.insert(picture.end(), stored.begin() + row * rowBytes, stored.begin() + (row + 1) * rowBytes);
  const std::string path = fixtures::tempPath(name);
  EXPECT_TRUE(image_writer::writeFile(path, image_writer::encodeTga(width, height, channels, picture.data())));
  return path;
}

// A one-colour run-length TGA (runs of 128 pixels and one shorter run).
std::string writeUniformRleTga(const std::string& name, std::uint16_t width, std::uint16_t height, const Bytes& stored) {
  Bytes body;
  for (int left = width * height; left > 0; left -= 128) {
    body.push_back(static_cast<std::uint8_t>(127 + std::min(left, 128)));
    body += stored;
  }
  return fixtures::writeFile(name, fixtures::tgaHeader(10, width, height, static_cast<std::uint8_t>(stored.size() * 8)) +
                                       body);
}

class TgaTexture : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    savedMin_ = GL_MIN_FILTER;
  }
  void TearDown() override {
    GL_MIN_FILTER = savedMin_;
    GlTest::TearDown();
  }

 private:
  GLint savedMin_ = 0;
};

}  // namespace

// A 24-bit 64 x 64 image: 3 components from GL_RGB data, linear filters, repeat wrapping, no
// mipmaps; the decoded pixels are gone afterwards.
TEST_F(TgaTexture, TwentyFourBitImageBecomesAnRgbTexture) {
  Bytes expected;
  const std::string path = writeTga("rgb.tga", 64, 64, 24, &expected);
  glDisable(GL_TEXTURE_2D);
  TEXTURELOADTGAID(path, 0);
  const TGATEXTURE& slot = TEXTURETGA2[0];
  ASSERT_NE(slot.TEXID, 0u);
  EXPECT_EQ(slot.WIDTH, 64u);
  EXPECT_EQ(slot.HEIGHT, 64u);
  EXPECT_EQ(slot.BPP, 24u);
  EXPECT_EQ(slot.TYP, static_cast<std::uint32_t>(GL_RGB));
  EXPECT_EQ(slot.IMAGEDATA, nullptr);
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_EQ(boundTexture(), static_cast<GLint>(slot.TEXID));
  EXPECT_EQ(boundLevel().internalFormat, 3);  // the component count, as handed to GL
  EXPECT_EQ(boundPixels(GL_RGB), expected);
  expectDefaultSampling();
  EXPECT_TRUE(NoGlError());
}

TEST_F(TgaTexture, ThirtyTwoBitImageKeepsItsAlpha) {
  Bytes expected;
  TEXTURELOADTGAID(writeTga("rgba.tga", 4, 2, 32, &expected), 1);
  EXPECT_EQ(boundLevel().internalFormat, 4);
  EXPECT_EQ(boundPixels(GL_RGBA), expected);
}

// The alpha that survives into the texture cuts fragments under an alpha test of 0.4: a quad
// textured with a left half of alpha 0.2 and a right half of alpha 0.8 is drawn only on the right.
TEST_F(TgaTexture, AlphaCutsFragmentsUnderTheAlphaTest) {
  const Bytes clear = {0, 0, 255, 51}, solid = {0, 255, 0, 204};  // stored blue, green, red, alpha
  const std::string path =
      fixtures::writeFile("cutout.tga", fixtures::tgaHeader(2, 2, 1, 32) + clear + solid);
  GL_MIN_FILTER = GL_NEAREST;
  GLint savedMag = GL_MAG_FILTER;
  GL_MAG_FILTER = GL_NEAREST;
  TEXTURELOADTGAID(path, 2);
  GL_MAG_FILTER = savedMag;

  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.4f);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  TEXTURETGASELECTID(2);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0), glVertex2f(-1, -1);
  glTexCoord2f(1, 0), glVertex2f(1, -1);
  glTexCoord2f(1, 1), glVertex2f(1, 1);
  glTexCoord2f(0, 1), glVertex2f(-1, 1);
  glEnd();
  std::uint8_t left[4], right[4];
  glReadPixels(viewport[2] / 4, viewport[3] / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, left);
  glReadPixels(3 * viewport[2] / 4, viewport[3] / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, right);
  EXPECT_EQ(left[0], 0);
  EXPECT_EQ(left[1], 0);
  EXPECT_EQ(right[1], 255);
  EXPECT_TRUE(NoGlError());
}

// 24-bit rows that are not a multiple of 4 bytes go up with an alignment of 1, and the
// alignment in force before is put back.
TEST_F(TgaTexture, UnalignedRowsAreUploadedWhole) {
  for (std::uint16_t width : {1, 2, 3, 5}) {
    for (GLint before : {4, 8, 2}) {
      SCOPED_TRACE(::testing::Message() << "width " << width << ", alignment before " << before);
      Bytes expected;
      glPixelStorei(GL_UNPACK_ALIGNMENT, before);
      TEXTURELOADTGAID(writeTga("narrow.tga", width, 3, 24, &expected), 3);
      EXPECT_EQ(boundLevel().width, width);
      EXPECT_EQ(boundPixels(GL_RGB), expected);
      EXPECT_EQ(integerState(GL_UNPACK_ALIGNMENT), before);
    }
  }
  EXPECT_TRUE(NoGlError());
}

// The mipmaps of such an image read it with the same alignment of 1: GLU uploads the base
// level again, and it must come out whole. (Power-of-two sizes, which GLU keeps unscaled.)
TEST_F(TgaTexture, UnalignedRowsKeepTheirColoursUnderMipmaps) {
  GL_MIN_FILTER = GL_LINEAR_MIPMAP_LINEAR;
  for (std::uint16_t width : {1, 2}) {
    SCOPED_TRACE(width);
    Bytes expected;
    TEXTURELOADTGAID(writeTga("narrow-mip.tga", width, 4, 24, &expected), 3);
    EXPECT_EQ(boundPixels(GL_RGB), expected);
    EXPECT_EQ(boundLevel(1).height, 2);
    EXPECT_EQ(integerState(GL_UNPACK_ALIGNMENT), 4);
  }
}

// Under GL_LINEAR_MIPMAP_NEAREST a 32-bit image (here run-length encoded) gets every level,
// built from its red-green-blue-alpha data with the base level's colours.
TEST_F(TgaTexture, MipmapsKeepTheBaseColours) {
  GL_MIN_FILTER = GL_LINEAR_MIPMAP_NEAREST;
  TEXTURELOADTGAID(writeUniformRleTga("leaves.tga", 16, 16, {30, 140, 60, 170}), 4);
  EXPECT_EQ(boundLevel(4).width, 1);
  const Bytes base = boundPixels(GL_RGBA);
  ASSERT_GE(base.size(), 4u);
  EXPECT_EQ(Bytes(base.begin(), base.begin() + 4), (Bytes{60, 140, 30, 170}));
  for (GLint level = 1; level <= 4; ++level) {
    const Bytes pixels = boundPixels(GL_RGBA, level);
    ASSERT_GE(pixels.size(), 4u) << level;
    EXPECT_EQ(Bytes(pixels.begin(), pixels.begin() + 4), (Bytes{60, 140, 30, 170})) << level;
  }
}

// A missing file is silent and changes nothing; a file the reader refuses shows its message and
// the slot keeps binding its old texture.
TEST_F(TgaTexture, FailedLoadsLeaveTheSlotAsItWas) {
  Bytes expected;
  TEXTURELOADTGAID(writeTga("old.tga", 2, 2, 32, &expected), 5);
  const GLuint old = TEXTURETGA2[5].TEXID;
  ASSERT_NE(old, 0u);
  glBindTexture(GL_TEXTURE_2D, 0);

  MessageRecorder recorder;
  TEXTURELOADTGAID(fixtures::tempPath("no-such.tga"), 5);
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_EQ(TEXTURETGA2[5].TEXID, old);
  EXPECT_EQ(boundTexture(), 0);

  TEXTURELOADTGAID(fixtures::writeFile("sixteen.tga", fixtures::tgaHeader(2, 2, 2, 16) + Bytes(8, 0)), 5);
  ASSERT_EQ(recorder.messages().size(), 1u);
  EXPECT_EQ(recorder.messages()[0].text, "Invalid texture information");
  EXPECT_EQ(recorder.messages()[0].caption, "ERROR");
  EXPECT_EQ(TEXTURETGA2[5].TEXID, old);
  TEXTURETGASELECTID(5);
  EXPECT_EQ(boundTexture(), static_cast<GLint>(old));
  EXPECT_EQ(boundPixels(GL_RGBA), expected);
}

TEST_F(TgaTexture, ReloadingASlotReplacesItsName) {
  const std::string path = writeTga("again.tga", 2, 2, 24);
  TEXTURELOADTGAID(path, 6);
  const GLuint first = TEXTURETGA2[6].TEXID;
  TEXTURELOADTGAID(path, 6);
  EXPECT_NE(TEXTURETGA2[6].TEXID, first);
  EXPECT_TRUE(glIsTexture(first));
}

TEST_F(TgaTexture, SelectingANeverLoadedSlotBindsTextureZero) {
  TEXTURELOADTGAID(writeTga("some.tga", 2, 2, 24), 7);
  ASSERT_NE(boundTexture(), 0);
  TEXTURETGASELECTID(200);
  EXPECT_EQ(boundTexture(), 0);
}
