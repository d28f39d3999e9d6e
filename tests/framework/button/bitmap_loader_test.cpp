// LOADBMPFROMFILE: the bitmap in the file's own size and depth, and its palette.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "framework/framework.h"
#include "tests/framework/button/bmp_pictures.h"

namespace {

std::vector<PALETTEENTRY> entriesOf(HPALETTE palette) {
  std::vector<PALETTEENTRY> e(GetPaletteEntries(palette, 0, 0, nullptr));
  GetPaletteEntries(palette, 0, static_cast<UINT>(e.size()), e.data());
  return e;
}

std::uint32_t rgbOf(const PALETTEENTRY& e) { return (e.peRed << 16) | (e.peGreen << 8) | e.peBlue; }

// A colour table of n distinct colours.
std::vector<std::uint32_t> distinctColours(int n) {
  std::vector<std::uint32_t> t;
  for (int i = 0; i < n; ++i) t.push_back(static_cast<std::uint32_t>((i << 16) | ((255 - i) << 8) | ((i * 7) & 0xFF)));
  return t;
}

}  // namespace

TEST(LoadBmpFromFile, DeepBitmapsGetTheHalftonePalette) {
  HPALETTE reference = CreateHalftonePalette(0);
  for (int bits : {24, 32}) {
    SCOPED_TRACE(bits);
    std::string file = pictures::writeTrueColour("deep" + std::to_string(bits) + ".bmp", bits, 3, 2,
                                                 {1, 2, 3, 4, 5, 6});
    HPALETTE palette = 0;
    HBITMAP bitmap = LOADBMPFROMFILE(file, palette);
    ASSERT_NE(bitmap, 0u);
    ASSERT_NE(palette, 0u);
    BITMAP bm{};
    GetObjectA(bitmap, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 3);
    EXPECT_EQ(bm.bmHeight, 2);
    EXPECT_EQ(bm.bmBitsPixel, bits);
    auto got = entriesOf(palette), want = entriesOf(reference);
    ASSERT_EQ(got.size(), 256u);
    for (std::size_t i = 0; i < 256; ++i) EXPECT_EQ(rgbOf(got[i]), rgbOf(want[i])) << i;
    EXPECT_TRUE(DeleteObject(bitmap));  // the caller owns both, and nothing holds them
    EXPECT_TRUE(DeleteObject(palette));
  }
  DeleteObject(reference);
}

// The palette always has 256 entries: the colour table, then black.
TEST(LoadBmpFromFile, IndexedBitmapsGetTheirColourTableAsA256EntryPalette) {
  struct Case {
    int bits;
    int tableSize;
  };
  for (Case c : {Case{1, 2}, Case{4, 16}, Case{8, 256}, Case{8, 3}}) {
    SCOPED_TRACE(std::to_string(c.bits) + " bits, " + std::to_string(c.tableSize) + " colours");
    std::vector<std::uint32_t> table = distinctColours(c.tableSize);
    std::string file = pictures::writeIndexed("indexed.bmp", c.bits, 2, 2, {0, 1, 1, 0}, table);
    HPALETTE palette = 0;
    HBITMAP bitmap = LOADBMPFROMFILE(file, palette);
    ASSERT_NE(bitmap, 0u);
    BITMAP bm{};
    GetObjectA(bitmap, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, c.bits);
    auto got = entriesOf(palette);
    ASSERT_EQ(got.size(), 256u);
    for (int i = 0; i < 256; ++i) {
      std::uint32_t want = i < c.tableSize ? table[static_cast<std::size_t>(i)] : 0;
      EXPECT_EQ(rgbOf(got[static_cast<std::size_t>(i)]), want) << i;
      EXPECT_EQ(got[static_cast<std::size_t>(i)].peFlags, 0) << i;
    }
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteObject(palette));
  }
}

TEST(LoadBmpFromFile, AFileThatDoesNotLoadLeavesThePaletteAlone) {
  const HPALETTE untouched = 0xABCD;
  for (std::string name : {std::string("/nonexistent/folder/x.bmp"), std::string(""),
                           pictures::writeTrueColour("ok.bmp", 24, 1, 1, {0}) + ".missing"}) {
    HPALETTE palette = untouched;
    EXPECT_EQ(LOADBMPFROMFILE(name, palette), 0u) << name;
    EXPECT_EQ(palette, untouched);
  }
}

TEST(LoadBmpFromFile, ARelativeNameIsLookedUpInTheCurrentFolder) {
  std::string file = pictures::writeTrueColour("relative.bmp", 24, 2, 1, {7, 8});
  auto before = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::path(file).parent_path());
  HPALETTE palette = 0;
  HBITMAP bitmap = LOADBMPFROMFILE("relative.bmp", palette);
  std::filesystem::current_path(before);
  ASSERT_NE(bitmap, 0u);
  DeleteObject(bitmap);
  DeleteObject(palette);
}
