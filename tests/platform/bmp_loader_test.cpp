// LoadImageA reading BMP files into DIB sections: every depth and layout the loader takes,
// and the files it must refuse without reading past their end.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "platform/gdi/bmp_file_loader.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/win32.h"
#include "tests/support/image_fixtures.h"

using fixtures::Bytes;
using fixtures::BmpLayout;
using platform::gdi::Bitmap;

namespace {

constexpr UINT kTextureFlags = LR_LOADFROMFILE | LR_LOADTRANSPARENT | LR_CREATEDIBSECTION;

// Rows of `rowBytes` bytes each, every byte different, so a misplaced byte shows.
std::vector<Bytes> numberedRows(int rows, std::size_t rowBytes) {
  std::vector<Bytes> out(rows, Bytes(rowBytes));
  int n = 1;
  for (Bytes& row : out)
    for (auto& b : row) b = static_cast<std::uint8_t>(n++ * 7);
  return out;
}

// The padded pixel block a DIB of these rows holds.
Bytes paddedBlock(const std::vector<Bytes>& rows) {
  Bytes block;
  for (const Bytes& row : rows) {
    Bytes padded = row;
    padded.resize(fixtures::bmpStride(row.size()), 0);
    block.insert(block.end(), padded.begin(), padded.end());
  }
  return block;
}

std::vector<RGBQUAD> grey(int count) {
  std::vector<RGBQUAD> colors;
  for (int i = 0; i < count; ++i) {
    auto v = static_cast<BYTE>(i * 255 / std::max(1, count - 1));
    colors.push_back(RGBQUAD{v, static_cast<BYTE>(v / 2), static_cast<BYTE>(255 - v), 0});
  }
  return colors;
}

BmpLayout layoutOf(std::int32_t width, std::int32_t height, std::uint16_t bits) {
  BmpLayout layout;
  layout.width = width;
  layout.height = height;
  layout.bitsPerPixel = bits;
  return layout;
}

HBITMAP load(const std::string& path, UINT flags = kTextureFlags) {
  return LoadImageA(0, path.c_str(), IMAGE_BITMAP, 0, 0, flags);
}

struct DepthCase {
  std::uint16_t bits;
  int paletteSize;
};

class BmpDepth : public ::testing::TestWithParam<DepthCase> {};

}  // namespace

// Width 5 makes every depth's rows need fill bytes (or, at 32 bits, none); the section keeps
// the file's depth, padded rows, bottom-up order and colour table.
TEST_P(BmpDepth, LoadsInTheFilesOwnDepthAndRowLayout) {
  const DepthCase c = GetParam();
  BmpLayout layout = layoutOf(5, 3, c.bits);
  layout.colors = grey(c.paletteSize);
  const std::size_t rowBytes = (5 * c.bits + 7) / 8;
  const auto rows = numberedRows(3, rowBytes);
  const std::string path = fixtures::writeFile("depth" + std::to_string(c.bits) + ".bmp", fixtures::bmpFile(layout, rows));

  const HBITMAP bitmap = load(path);
  ASSERT_NE(bitmap, 0u);
  BITMAP bm{};
  ASSERT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
  EXPECT_EQ(bm.bmWidth, 5);
  EXPECT_EQ(bm.bmHeight, 3);
  EXPECT_EQ(bm.bmBitsPixel, c.bits);
  EXPECT_EQ(bm.bmPlanes, 1);
  EXPECT_EQ(bm.bmWidthBytes, static_cast<LONG>(fixtures::bmpStride(rowBytes)));
  EXPECT_EQ(bm.bmWidthBytes % 4, 0);
  const Bytes expected = paddedBlock(rows);
  ASSERT_NE(bm.bmBits, nullptr);
  EXPECT_EQ(0, std::memcmp(bm.bmBits, expected.data(), expected.size()));

  const Bitmap* section = platform::gdi::find<Bitmap>(bitmap);
  ASSERT_NE(section, nullptr);
  EXPECT_FALSE(section->topDown);
  EXPECT_EQ(section->compression, BI_RGB);
  if (c.bits <= 8) {
    ASSERT_EQ(section->colors.size(), 1u << c.bits);
    for (int i = 0; i < c.paletteSize; ++i) {
      EXPECT_EQ(section->colors[i].rgbRed, layout.colors[i].rgbRed) << i;
      EXPECT_EQ(section->colors[i].rgbGreen, layout.colors[i].rgbGreen) << i;
      EXPECT_EQ(section->colors[i].rgbBlue, layout.colors[i].rgbBlue) << i;
    }
  } else {
    EXPECT_TRUE(section->colors.empty());
  }
  EXPECT_EQ(DeleteObject(bitmap), TRUE);
  EXPECT_EQ(GetObjectA(bitmap, sizeof bm, &bm), 0);
}

INSTANTIATE_TEST_SUITE_P(AllDepths, BmpDepth,
                         ::testing::Values(DepthCase{1, 2}, DepthCase{4, 16}, DepthCase{8, 256}, DepthCase{16, 0},
                                           DepthCase{24, 0}, DepthCase{32, 0}),
                         [](const auto& info) { return std::to_string(info.param.bits) + "bits"; });

// A colour table shorter than the depth allows is kept, and the rest reads as black.
TEST(BmpLoader, ShortColourTableIsPaddedWithBlack) {
  BmpLayout layout = layoutOf(4, 1, 8);
  layout.colors = grey(3);
  const HBITMAP bitmap = load(fixtures::writeFile("short-table.bmp", fixtures::bmpFile(layout, {{0, 1, 2, 200}})));
  ASSERT_NE(bitmap, 0u);
  const Bitmap* section = platform::gdi::find<Bitmap>(bitmap);
  ASSERT_EQ(section->colors.size(), 256u);
  EXPECT_EQ(section->colors[2].rgbRed, layout.colors[2].rgbRed);
  EXPECT_EQ(section->colors[3].rgbRed | section->colors[3].rgbGreen | section->colors[3].rgbBlue, 0);
  DeleteObject(bitmap);
}

// Negative height: rows stay in the file's top-down order, and the section says so.
TEST(BmpLoader, TopDownRowsKeepTheirOrder) {
  BmpLayout layout = layoutOf(2, -3, 24);
  const auto rows = numberedRows(3, 6);
  const HBITMAP bitmap = load(fixtures::writeFile("top-down.bmp", fixtures::bmpFile(layout, rows)));
  ASSERT_NE(bitmap, 0u);
  BITMAP bm{};
  GetObjectA(bitmap, sizeof bm, &bm);
  EXPECT_EQ(bm.bmHeight, 3);
  const Bitmap* section = platform::gdi::find<Bitmap>(bitmap);
  EXPECT_TRUE(section->topDown);
  const Bytes expected = paddedBlock(rows);
  EXPECT_EQ(0, std::memcmp(bm.bmBits, expected.data(), expected.size()));
  EXPECT_EQ(section->rowFromTop(0)[0], rows[0][0]);
  DeleteObject(bitmap);
}

// BI_BITFIELDS after a plain 40-byte header and inside a V5 header; the masks are kept.
TEST(BmpLoader, BitfieldsKeepTheirMasks) {
  struct Case {
    std::uint16_t bits;
    std::uint32_t infoSize;
    std::array<std::uint32_t, 3> masks;
  };
  for (const Case& c : {Case{16, 40, {0xF800, 0x07E0, 0x001F}}, Case{32, 40, {0x000000FF, 0x0000FF00, 0x00FF0000}},
                        Case{16, 124, {0x7C00, 0x03E0, 0x001F}}}) {
    SCOPED_TRACE(std::to_string(c.bits) + " bits, header " + std::to_string(c.infoSize));
    BmpLayout layout = layoutOf(3, 2, c.bits);
    layout.compression = BI_BITFIELDS;
    layout.infoSize = c.infoSize;
    layout.masks = c.masks;
    const auto rows = numberedRows(2, 3 * c.bits / 8);
    const HBITMAP bitmap = load(fixtures::writeFile("bitfields.bmp", fixtures::bmpFile(layout, rows)));
    ASSERT_NE(bitmap, 0u);
    const Bitmap* section = platform::gdi::find<Bitmap>(bitmap);
    EXPECT_EQ(section->compression, BI_BITFIELDS);
    EXPECT_EQ(section->masks[0], c.masks[0]);
    EXPECT_EQ(section->masks[1], c.masks[1]);
    EXPECT_EQ(section->masks[2], c.masks[2]);
    EXPECT_EQ(section->pixels, paddedBlock(rows));
    DeleteObject(bitmap);
  }
}

// The OS/2-style 12-byte header, with its 3-byte colour entries.
TEST(BmpLoader, ReadsTheShortCoreHeader) {
  BmpLayout layout = layoutOf(3, 2, 4);
  layout.infoSize = 12;
  layout.colors = grey(16);
  const auto rows = numberedRows(2, 2);
  const HBITMAP bitmap = load(fixtures::writeFile("core.bmp", fixtures::bmpFile(layout, rows)));
  ASSERT_NE(bitmap, 0u);
  const Bitmap* section = platform::gdi::find<Bitmap>(bitmap);
  EXPECT_EQ(section->bitsPerPixel, 4);
  EXPECT_EQ(section->colors[5].rgbRed, layout.colors[5].rgbRed);
  EXPECT_EQ(section->colors[5].rgbGreen, layout.colors[5].rgbGreen);
  EXPECT_EQ(section->pixels, paddedBlock(rows));
  DeleteObject(bitmap);
}

// The pixels are taken from where the file header says, also past a gap; an offset of 0 means
// right after the colour table.
TEST(BmpLoader, PixelsAreReadFromTheStatedOffset) {
  BmpLayout layout = layoutOf(2, 2, 24);
  layout.gapBeforePixels = 37;
  const auto rows = numberedRows(2, 6);
  Bytes file = fixtures::bmpFile(layout, rows);
  auto gap = platform::gdi::decodeBmp(file);
  ASSERT_TRUE(gap);
  EXPECT_EQ(gap->pixels, paddedBlock(rows));

  layout.gapBeforePixels = 0;
  file = fixtures::bmpFile(layout, rows);
  fixtures::putLe32(file, fixtures::kBmpOffBits, 0);
  auto zero = platform::gdi::decodeBmp(file);
  ASSERT_TRUE(zero);
  EXPECT_EQ(zero->pixels, paddedBlock(rows));
}

// Every shorter prefix of a valid file is refused: the pixel block must be there in full.
TEST(BmpLoader, EveryTruncationIsRefused) {
  BmpLayout layout = layoutOf(3, 2, 8);
  layout.colors = grey(4);
  const Bytes file = fixtures::bmpFile(layout, numberedRows(2, 3));
  ASSERT_TRUE(platform::gdi::decodeBmp(file));
  for (std::size_t n = 0; n < file.size(); ++n) {
    // A copy of exactly n bytes, so the sanitizer sees any read past it.
    const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_FALSE(platform::gdi::decodeBmp(prefix)) << n << " bytes";
  }
  const Bytes half(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(file.size() - 1));
  EXPECT_EQ(load(fixtures::writeFile("truncated.bmp", half)), 0u);
}

// Headers that lie: each is refused, with no allocation of the sizes they announce.
TEST(BmpLoader, InconsistentOrHostileHeadersAreRefused) {
  BmpLayout layout = layoutOf(4, 2, 8);
  layout.colors = grey(2);
  const Bytes good = fixtures::bmpFile(layout, numberedRows(2, 4));
  ASSERT_TRUE(platform::gdi::decodeBmp(good));

  struct Case {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    bool word;
  };
  const Case cases[] = {
      {"signature", 0, 'X', true},
      {"unknown header size", fixtures::kBmpInfoSize, 64, false},
      {"header size past the file", fixtures::kBmpInfoSize, 0xFFFFFFF0u, false},
      {"zero width", fixtures::kBmpWidth, 0, false},
      {"negative width", fixtures::kBmpWidth, 0xFFFFFFFCu, false},
      {"absurd width", fixtures::kBmpWidth, 1000000, false},
      {"zero height", fixtures::kBmpHeight, 0, false},
      {"most negative height", fixtures::kBmpHeight, 0x80000000u, false},
      {"more rows than the file holds", fixtures::kBmpHeight, 32768, false},
      {"two planes", fixtures::kBmpPlanes, 2, true},
      {"seven bits", fixtures::kBmpBitCount, 7, true},
      {"run-length compression", fixtures::kBmpCompression, BI_RLE8, false},
      {"bitfields at 8 bits", fixtures::kBmpCompression, BI_BITFIELDS, false},
      {"unknown compression", fixtures::kBmpCompression, 0x47504A, false},
      {"more colours than the depth has", fixtures::kBmpClrUsed, 257, false},
      {"colour count past the file", fixtures::kBmpClrUsed, 0xFFFFFFFFu, false},
      {"offset inside the headers", fixtures::kBmpOffBits, 20, false},
      {"offset past the end", fixtures::kBmpOffBits, static_cast<std::uint32_t>(good.size() + 1), false},
      {"largest offset", fixtures::kBmpOffBits, 0xFFFFFFFFu, false},
  };
  for (const Case& c : cases) {
    Bytes file = good;
    if (c.word)
      fixtures::putLe16(file, c.at, static_cast<std::uint16_t>(c.value));
    else
      fixtures::putLe32(file, c.at, c.value);
    EXPECT_FALSE(platform::gdi::decodeBmp(file)) << c.what;
  }
}

// Masks that no pixel layout could have.
TEST(BmpLoader, BadBitfieldMasksAreRefused) {
  const std::array<std::uint32_t, 3> bad[] = {
      {0, 0x07E0, 0x001F},          // empty
      {0xF800, 0xF800, 0x001F},     // overlapping
      {0xF00F, 0x07E0, 0x0010},     // not one run of bits
      {0x1F0000, 0x07E0, 0x001F},   // outside a 16-bit pixel
  };
  for (const auto& masks : bad) {
    BmpLayout layout = layoutOf(2, 1, 16);
    layout.compression = BI_BITFIELDS;
    layout.masks = masks;
    EXPECT_FALSE(platform::gdi::decodeBmp(fixtures::bmpFile(layout, {Bytes(4, 1)}))) << std::hex << masks[0];
  }
}

// What LoadImageA leaves alone: other image kinds, resources, missing files, folders, and a
// size other than the file's.
TEST(BmpLoader, LoadImageRefusesWhatItCannotLoad) {
  BmpLayout layout = layoutOf(2, 2, 24);
  const std::string path = fixtures::writeFile("plain.bmp", fixtures::bmpFile(layout, numberedRows(2, 6)));
  const HBITMAP good = load(path, LR_LOADFROMFILE);
  EXPECT_NE(good, 0u);
  DeleteObject(good);

  EXPECT_EQ(LoadImageA(0, path.c_str(), IMAGE_ICON, 0, 0, kTextureFlags), 0u);
  EXPECT_EQ(load(path, LR_CREATEDIBSECTION), 0u);
  EXPECT_EQ(LoadImageA(0, MAKEINTRESOURCEA(100), IMAGE_BITMAP, 0, 0, kTextureFlags), 0u);
  EXPECT_EQ(LoadImageA(0, nullptr, IMAGE_BITMAP, 0, 0, kTextureFlags), 0u);
  EXPECT_EQ(load(fixtures::tempPath("no-such-file.bmp")), 0u);
  EXPECT_EQ(load(std::filesystem::path(path).parent_path().string()), 0u);
  EXPECT_EQ(LoadImageA(0, path.c_str(), IMAGE_BITMAP, 4, 4, kTextureFlags), 0u);
  const HBITMAP sameSize = LoadImageA(0, path.c_str(), IMAGE_BITMAP, 2, 2, kTextureFlags);
  EXPECT_NE(sameSize, 0u);
  DeleteObject(sameSize);
}
