#include "tools/image_writer/image_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using image_writer::Bytes;

std::uint32_t le32(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

// A 3 by 2 picture: top row red, green, blue; bottom row white, black, grey; alpha 10..60.
const std::uint8_t kRgba[] = {255, 0, 0, 10,    0, 255, 0, 20, 0, 0, 255, 30,
                              255, 255, 255, 40, 0, 0, 0, 50,   128, 128, 128, 60};

std::vector<std::uint8_t> rgbOf(const std::uint8_t* rgba, int pixels) {
  std::vector<std::uint8_t> rgb;
  for (int i = 0; i < pixels; ++i) rgb.insert(rgb.end(), rgba + i * 4, rgba + i * 4 + 3);
  return rgb;
}

}  // namespace

TEST(ImageWriter, Bmp24IsBottomUpBgrWithRowsPaddedToFourBytes) {
  const auto rgb = rgbOf(kRgba, 6);
  const Bytes file = image_writer::encodeBmp(3, 2, 3, rgb.data());
  ASSERT_EQ(file.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12 per row
  EXPECT_EQ(le32(file, 2), file.size());
  EXPECT_EQ(le32(file, 10), 54u);
  EXPECT_EQ(le32(file, 18), 3u);
  EXPECT_EQ(le32(file, 22), 2u);
  EXPECT_EQ(file[28], 24);
  const Bytes firstRow(file.begin() + 54, file.begin() + 66);  // the bottom row
  EXPECT_EQ(firstRow, (Bytes{255, 255, 255, 0, 0, 0, 128, 128, 128, 0, 0, 0}));
  const Bytes secondRow(file.begin() + 66, file.end());
  EXPECT_EQ(secondRow, (Bytes{0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}));
}

TEST(ImageWriter, Bmp32TopDownKeepsAlpha) {
  const Bytes file = image_writer::encodeBmp(3, 2, 4, kRgba, {.topDown = true});
  ASSERT_EQ(file.size(), 54u + 2 * 12);
  EXPECT_EQ(static_cast<std::int32_t>(le32(file, 22)), -2);
  EXPECT_EQ(file[28], 32);
  EXPECT_EQ(Bytes(file.begin() + 54, file.begin() + 58), (Bytes{0, 0, 255, 10}));
}

TEST(ImageWriter, TgaIsUncompressedBgrBottomRowFirst) {
  const Bytes file = image_writer::encodeTga(3, 2, 4, kRgba);
  ASSERT_EQ(file.size(), 18u + 6 * 4);
  EXPECT_EQ(file[2], 2);
  EXPECT_EQ(file[12] | (file[13] << 8), 3);
  EXPECT_EQ(file[14] | (file[15] << 8), 2);
  EXPECT_EQ(file[16], 32);
  EXPECT_EQ(file[17], 8);  // 8 alpha bits, bottom-left origin
  EXPECT_EQ(Bytes(file.begin() + 18, file.begin() + 22), (Bytes{255, 255, 255, 40}));

  const auto rgb = rgbOf(kRgba, 6);
  const Bytes topFirst = image_writer::encodeTga(3, 2, 3, rgb.data(), {.topLeftOrigin = true});
  ASSERT_EQ(topFirst.size(), 18u + 6 * 3);
  EXPECT_EQ(topFirst[16], 24);
  EXPECT_EQ(topFirst[17], 0x20);
  EXPECT_EQ(Bytes(topFirst.begin() + 18, topFirst.begin() + 21), (Bytes{0, 0, 255}));
}

TEST(ImageWriter, RefusesBadShapes) {
  EXPECT_TRUE(image_writer::encodeBmp(0, 2, 3, kRgba).empty());
  EXPECT_TRUE(image_writer::encodeBmp(3, 2, 2, kRgba).empty());
  EXPECT_TRUE(image_writer::encodeTga(3, -1, 4, kRgba).empty());
  EXPECT_TRUE(image_writer::encodeTga(70000, 1, 4, kRgba).empty());
  EXPECT_TRUE(image_writer::encodeTga(3, 2, 4, nullptr).empty());
}
