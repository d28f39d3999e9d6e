// Memory device contexts and what they hold: the default bitmap, selection and ownership
// of bitmaps and palettes, clip regions, DIB sections and palettes themselves.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "platform/win32.h"

namespace {

HBITMAP dib(int width, int height, int bits, std::vector<RGBQUAD> colors = {}, void** pixels = nullptr) {
  // Room for a full 256-entry table: with no used count, the table has 2^bits entries.
  std::vector<std::uint8_t> bytes(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* info = reinterpret_cast<BITMAPINFO*>(bytes.data());
  info->bmiHeader = BITMAPINFOHEADER{40, width, height, 1, static_cast<WORD>(bits), BI_RGB, 0, 0, 0,
                                     static_cast<DWORD>(colors.size()), 0};
  for (std::size_t i = 0; i < colors.size(); ++i)
    std::memcpy(bytes.data() + 40 + 4 * i, &colors[i], sizeof(RGBQUAD));
  void* ignored = nullptr;
  return CreateDIBSection(0, info, DIB_RGB_COLORS, pixels ? pixels : &ignored, 0, 0);
}

BITMAP describe(HGDIOBJ bitmap) {
  BITMAP bm{};
  EXPECT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
  return bm;
}

}  // namespace

TEST(MemoryDc, StartsWithTheSharedOneByOneMonochromeBitmap) {
  HDC a = CreateCompatibleDC(0), b = CreateCompatibleDC(a);
  ASSERT_NE(a, 0u);
  ASSERT_NE(b, 0u);
  HBITMAP mine = dib(4, 4, 24);
  HGDIOBJ defaultOfA = SelectObject(a, mine);
  BITMAP bm = describe(defaultOfA);
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmHeight, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(SelectObject(b, mine), 0u);           // held by a
  EXPECT_EQ(SelectObject(b, defaultOfA), defaultOfA);  // the default is shared: b already holds it
  EXPECT_FALSE(DeleteObject(defaultOfA));         // and never deleted
  EXPECT_EQ(SelectObject(a, defaultOfA), mine);
  DeleteDC(a);
  DeleteDC(b);
  EXPECT_TRUE(DeleteObject(mine));
}

TEST(MemoryDc, ABitmapLivesInOneContextAndIsNotDeletedWhileSelected) {
  HDC a = CreateCompatibleDC(0), b = CreateCompatibleDC(0);
  HBITMAP bitmap = dib(2, 2, 32);
  HGDIOBJ previous = SelectObject(a, bitmap);
  EXPECT_NE(previous, 0u);
  EXPECT_EQ(SelectObject(a, bitmap), bitmap);  // selecting it again where it is: fine
  EXPECT_EQ(SelectObject(b, bitmap), 0u);
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_EQ(SelectObject(a, previous), bitmap);  // let go by a ...
  EXPECT_NE(SelectObject(b, bitmap), 0u);        // ... so b may take it
  EXPECT_TRUE(DeleteDC(b));                     // deleting b frees it without deleting it
  BITMAP bm = describe(bitmap);
  EXPECT_EQ(bm.bmWidth, 2);
  EXPECT_TRUE(DeleteObject(bitmap));
  DeleteDC(a);
}

TEST(MemoryDc, StaleHandlesFailHarmlessly) {
  HDC dc = CreateCompatibleDC(0);
  HBITMAP bitmap = dib(1, 1, 8);
  ASSERT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_EQ(SelectObject(dc, bitmap), 0u);
  HPALETTE palette = CreateHalftonePalette(0);
  EXPECT_EQ(SelectPalette(dc, palette, FALSE), 0u);
  DeleteObject(palette);
  EXPECT_EQ(RealizePalette(dc), GDI_ERROR);
  RGBQUAD table[4];
  EXPECT_EQ(GetDIBColorTable(dc, 0, 4, table), 0u);
  EXPECT_EQ(CreateCompatibleDC(dc), 0u);
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_FALSE(DeleteObject(bitmap));
  HDC live = CreateCompatibleDC(0);
  EXPECT_EQ(SelectObject(live, bitmap), 0u);
  EXPECT_EQ(GetObjectA(bitmap, sizeof(BITMAP), nullptr), 0);
  EXPECT_FALSE(DeleteDC(bitmap));  // a handle of another table
  EXPECT_EQ(SelectObject(live, live), 0u);
  DeleteDC(live);
}

TEST(MemoryDc, SelectingARegionCopiesItAsTheClipAndReturnsItsKind) {
  HDC dc = CreateCompatibleDC(0);
  HRGN simple = CreateRectRgn(0, 0, 2, 2), empty = CreateRectRgn(0, 0, 0, 0), complex = CreateRectRgn(0, 0, 1, 1);
  HRGN other = CreateRectRgn(3, 3, 4, 4);
  CombineRgn(complex, complex, other, RGN_OR);
  EXPECT_EQ(SelectObject(dc, simple), static_cast<HGDIOBJ>(SIMPLEREGION));
  EXPECT_EQ(SelectObject(dc, empty), static_cast<HGDIOBJ>(NULLREGION));
  EXPECT_EQ(SelectObject(dc, complex), static_cast<HGDIOBJ>(COMPLEXREGION));
  EXPECT_TRUE(DeleteObject(complex));  // the context keeps its own copy
  for (HRGN r : {simple, empty, other}) DeleteObject(r);
  DeleteDC(dc);
}

TEST(DibSection, LayoutForEveryDepth) {
  struct Case {
    int bits;
    int width;
    int stride;
  };
  for (Case c : {Case{1, 9, 4}, Case{4, 9, 8}, Case{8, 5, 8}, Case{16, 3, 8}, Case{24, 5, 16}, Case{32, 3, 12}}) {
    SCOPED_TRACE(c.bits);
    void* pixels = nullptr;
    HBITMAP b = dib(c.width, -3, c.bits, {}, &pixels);
    ASSERT_NE(b, 0u);
    BITMAP bm = describe(b);
    EXPECT_EQ(bm.bmWidth, c.width);
    EXPECT_EQ(bm.bmHeight, 3);
    EXPECT_EQ(bm.bmWidthBytes, c.stride);
    EXPECT_EQ(bm.bmBitsPixel, c.bits);
    EXPECT_EQ(bm.bmPlanes, 1);
    EXPECT_EQ(bm.bmBits, pixels);
    auto* bytes = static_cast<std::uint8_t*>(pixels);
    for (int i = 0; i < 3 * c.stride; ++i) ASSERT_EQ(bytes[i], 0);  // fresh pixels are zero
    DeleteObject(b);
  }
}

TEST(DibSection, RejectsWhatItCannotHold) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{40, 4, 4, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* pixels = reinterpret_cast<void*>(1);
  HBITMAP ok = CreateDIBSection(0, &info, DIB_RGB_COLORS, &pixels, 0, 0);
  EXPECT_NE(ok, 0u);
  DeleteObject(ok);
  EXPECT_EQ(CreateDIBSection(0, &info, DIB_PAL_COLORS, &pixels, 0, 0), 0u);
  EXPECT_EQ(pixels, nullptr);
  EXPECT_EQ(CreateDIBSection(0, &info, DIB_RGB_COLORS, &pixels, 5, 0), 0u);  // no file mappings
  EXPECT_EQ(CreateDIBSection(0, nullptr, DIB_RGB_COLORS, &pixels, 0, 0), 0u);
  struct Bad {
    LONG width, height;
    WORD planes, bits;
    DWORD compression;
  };
  for (Bad bad : {Bad{0, 4, 1, 24, BI_RGB}, Bad{4, 0, 1, 24, BI_RGB}, Bad{4, 4, 2, 24, BI_RGB}, Bad{4, 4, 1, 2, BI_RGB},
                  Bad{4, 4, 1, 24, BI_BITFIELDS}, Bad{4, 4, 1, 8, BI_RLE8}, Bad{-4, 4, 1, 24, BI_RGB},
                  Bad{100000, 100000, 1, 32, BI_RGB}, Bad{4, INT32_MIN, 1, 24, BI_RGB}}) {
    info.bmiHeader = BITMAPINFOHEADER{40, bad.width, bad.height, bad.planes, bad.bits, bad.compression, 0, 0, 0, 0, 0};
    EXPECT_EQ(CreateDIBSection(0, &info, DIB_RGB_COLORS, &pixels, 0, 0), 0u) << bad.width << "x" << bad.height;
    EXPECT_EQ(pixels, nullptr);
  }
}

TEST(DibSection, ColourTableComesFromTheInfoAndReadsBackThroughTheContext) {
  std::vector<RGBQUAD> colors = {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}};
  HBITMAP b = dib(4, 4, 8, colors);
  HDC dc = CreateCompatibleDC(0);
  RGBQUAD table[8] = {};
  EXPECT_EQ(GetDIBColorTable(dc, 0, 8, table), 0u);  // the default bitmap has no colour table
  SelectObject(dc, b);
  EXPECT_EQ(GetDIBColorTable(dc, 0, 8, table), 3u);  // biClrUsed entries
  EXPECT_EQ(table[2].rgbRed, 9);
  EXPECT_EQ(GetDIBColorTable(dc, 1, 1, table), 1u);
  EXPECT_EQ(table[0].rgbBlue, 4);
  EXPECT_EQ(GetDIBColorTable(dc, 3, 8, table), 0u);
  HBITMAP deep = dib(1, 1, 24);
  HGDIOBJ eight = SelectObject(dc, deep);
  EXPECT_EQ(eight, b);
  EXPECT_EQ(GetDIBColorTable(dc, 0, 8, table), 0u);
  SelectObject(dc, eight);
  DeleteObject(deep);
  HBITMAP full = dib(1, 1, 4);  // biClrUsed 0: the full 16 entries
  SelectObject(dc, full);
  std::vector<RGBQUAD> wide(256);
  EXPECT_EQ(GetDIBColorTable(dc, 0, 256, wide.data()), 16u);
  DeleteDC(dc);
  DeleteObject(full);
  DeleteObject(b);
}

TEST(Palettes, HalftonePaletteHasTheColourCubeAndTheStaticColours) {
  HPALETTE p = CreateHalftonePalette(0);
  ASSERT_NE(p, 0u);
  EXPECT_EQ(GetPaletteEntries(p, 0, 0, nullptr), 256u);
  std::vector<PALETTEENTRY> e(256);
  ASSERT_EQ(GetPaletteEntries(p, 0, 256, e.data()), 256u);
  std::set<std::uint32_t> colours;
  for (auto& x : e) colours.insert((x.peRed << 16) | (x.peGreen << 8) | x.peBlue);
  for (int r = 0; r < 256; r += 51)
    for (int g = 0; g < 256; g += 51)
      for (int b = 0; b < 256; b += 51) EXPECT_TRUE(colours.count((r << 16) | (g << 8) | b)) << r << "," << g << "," << b;
  for (std::uint32_t c : {0x800000u, 0xC0C0C0u, 0x808080u, 0xA6CAF0u, 0xFFFBF0u}) EXPECT_TRUE(colours.count(c)) << std::hex << c;
  EXPECT_EQ(e[0].peRed + e[0].peGreen + e[0].peBlue, 0);                  // black first
  EXPECT_EQ(e[255].peRed + e[255].peGreen + e[255].peBlue, 3 * 255);      // white last
  WORD count = 0;
  EXPECT_EQ(GetObjectA(p, sizeof count, &count), 2);
  EXPECT_EQ(count, 256);
  DeleteObject(p);
}

TEST(Palettes, CreatePaletteChecksItsBlockAndReadsBackInRanges) {
  alignas(4) std::uint8_t block[4 + 4 * 3] = {0x00, 0x03, 3, 0, 10, 20, 30, 0, 40, 50, 60, 0, 70, 80, 90, 4};
  HPALETTE p = CreatePalette(reinterpret_cast<LOGPALETTE*>(block));
  ASSERT_NE(p, 0u);
  PALETTEENTRY e[4] = {};
  EXPECT_EQ(GetPaletteEntries(p, 1, 5, e), 2u);
  EXPECT_EQ(e[0].peRed, 40);
  EXPECT_EQ(e[1].peFlags, 4);
  EXPECT_EQ(GetPaletteEntries(p, 3, 1, e), 0u);
  block[1] = 0x02;  // wrong version
  EXPECT_EQ(CreatePalette(reinterpret_cast<LOGPALETTE*>(block)), 0u);
  block[1] = 0x03;
  block[2] = 0;  // no entries
  EXPECT_EQ(CreatePalette(reinterpret_cast<LOGPALETTE*>(block)), 0u);
  EXPECT_EQ(CreatePalette(nullptr), 0u);
  DeleteObject(p);
  EXPECT_EQ(GetPaletteEntries(p, 0, 0, nullptr), 0u);
}

TEST(Palettes, SelectionReturnsThePreviousAndHoldsThePaletteAgainstDeletion) {
  HDC a = CreateCompatibleDC(0), b = CreateCompatibleDC(0);
  HPALETTE p = CreateHalftonePalette(0);
  HPALETTE initial = SelectPalette(a, p, TRUE);
  ASSERT_NE(initial, 0u);
  EXPECT_EQ(GetPaletteEntries(initial, 0, 0, nullptr), 20u);  // the default palette
  EXPECT_EQ(RealizePalette(a), 256u);
  EXPECT_NE(SelectPalette(b, p, FALSE), 0u);  // a palette may be in several contexts
  EXPECT_FALSE(DeleteObject(p));
  EXPECT_EQ(SelectPalette(a, initial, FALSE), p);
  EXPECT_FALSE(DeleteObject(p));  // b still holds it
  EXPECT_TRUE(DeleteDC(b));
  EXPECT_TRUE(DeleteObject(p));
  EXPECT_FALSE(DeleteObject(initial));  // the default palette is never deleted
  EXPECT_EQ(SelectPalette(a, p, FALSE), 0u);  // stale
  HRGN region = CreateRectRgn(0, 0, 1, 1);
  EXPECT_EQ(SelectPalette(a, region, FALSE), 0u);  // not a palette
  DeleteObject(region);
  DeleteDC(a);
}

TEST(MemoryDc, BrushesAreSwappedForThePreviousOne) {
  HDC dc = CreateCompatibleDC(0);
  HBRUSH white = GetStockObject(WHITE_BRUSH), black = GetStockObject(BLACK_BRUSH);
  ASSERT_NE(white, 0u);
  SelectObject(dc, white);
  EXPECT_EQ(SelectObject(dc, black), white);
  EXPECT_EQ(SelectObject(dc, white), black);
  DeleteDC(dc);
}

// Window contexts are given back with ReleaseDC, never deleted, and hold no bitmap.
TEST(MemoryDc, WindowContextsAreNotMemoryContexts) {
  HDC screen = GetDC(0);
  ASSERT_NE(screen, 0u);
  HBITMAP bitmap = dib(1, 1, 32);
  EXPECT_EQ(SelectObject(screen, bitmap), 0u);
  EXPECT_FALSE(DeleteDC(screen));
  HDC memory = CreateCompatibleDC(screen);
  EXPECT_NE(memory, 0u);
  EXPECT_TRUE(DeleteDC(memory));
  EXPECT_EQ(ReleaseDC(0, screen), 1);
  EXPECT_TRUE(DeleteObject(bitmap));
}
