// BitBlt SRCCOPY between depths, with clipping, overlap, clip regions and bad arguments.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/win32.h"

namespace {

struct Format {
  const char* name;
  int bits;
  DWORD compression = BI_RGB;
  std::vector<DWORD> masks = {};
  std::vector<RGBQUAD> colors = {};
};

// A DIB selected into its own memory context.
struct Dib {
  HBITMAP bitmap = 0;
  HDC dc = 0;
  std::uint8_t* bits = nullptr;
  int width = 0, height = 0, stride = 0;
  bool topDown = false;

  Dib(const Format& f, int w, int h) : width(w), height(h < 0 ? -h : h), topDown(h < 0) {
    std::vector<std::uint8_t> info(40 + 4 * (f.masks.size() + f.colors.size()) + 4);
    BITMAPINFOHEADER header{40, w, h, 1, static_cast<WORD>(f.bits), f.compression, 0, 0, 0,
                            static_cast<DWORD>(f.colors.size()), 0};
    std::memcpy(info.data(), &header, 40);
    if (!f.masks.empty()) std::memcpy(info.data() + 40, f.masks.data(), 4 * f.masks.size());
    if (!f.colors.empty()) std::memcpy(info.data() + 40, f.colors.data(), 4 * f.colors.size());
    void* pixels = nullptr;
    bitmap = CreateDIBSection(0, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &pixels, 0, 0);
    bits = static_cast<std::uint8_t*>(pixels);
    stride = (w * f.bits + 31) / 32 * 4;
    dc = CreateCompatibleDC(0);
    previous = SelectObject(dc, bitmap);
  }
  ~Dib() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  std::uint8_t* row(int y) { return bits + static_cast<std::size_t>(topDown ? y : height - 1 - y) * stride; }
  // 32-bit pixels as 0x00RRGGBB (the top byte is masked off).
  std::uint32_t get32(int x, int y) {
    std::uint32_t v;
    std::memcpy(&v, row(y) + 4 * x, 4);
    return v & 0xFFFFFF;
  }
  void set32(int x, int y, std::uint32_t c) { std::memcpy(row(y) + 4 * x, &c, 4); }

 private:
  HGDIOBJ previous = 0;
};

const Format kRgb32{"32-bit", 32};

RGBQUAD quad(std::uint32_t rgb) {
  return RGBQUAD{static_cast<BYTE>(rgb), static_cast<BYTE>(rgb >> 8), static_cast<BYTE>(rgb >> 16), 0};
}

// Colours with every channel 0 or 255 are exact in every depth; a colour table of them.
const std::vector<std::uint32_t> kCorners = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                             0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFFFFFF};
std::vector<RGBQUAD> cornerTable(std::size_t n) {
  std::vector<RGBQUAD> t;
  for (std::size_t i = 0; i < n; ++i) t.push_back(quad(kCorners[i]));
  return t;
}

std::vector<Format> allFormats() {
  return {
      {"1-bit", 1, BI_RGB, {}, {quad(0x000000), quad(0xFFFFFF)}},
      {"4-bit", 4, BI_RGB, {}, cornerTable(8)},
      {"8-bit", 8, BI_RGB, {}, cornerTable(8)},
      {"16-bit 5:5:5", 16},
      {"16-bit 5:6:5", 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}},
      {"24-bit", 24},
      {"32-bit", 32},
      {"32-bit red low", 32, BI_BITFIELDS, {0x0000FF, 0x00FF00, 0xFF0000}},
  };
}

}  // namespace

// 32 bits -> any depth -> 32 bits gives back every colour the depth can hold.
TEST(BitBlt, EveryDepthRoundTripsThroughThirtyTwoBits) {
  for (const Format& f : allFormats()) {
    SCOPED_TRACE(f.name);
    std::vector<std::uint32_t> colours = kCorners;
    if (f.bits == 1) colours = {0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF};
    Dib source(kRgb32, 4, 2), middle(f, 4, 2), back(kRgb32, 4, 2);
    for (int i = 0; i < 8; ++i) source.set32(i % 4, i / 4, colours[i]);
    ASSERT_TRUE(BitBlt(middle.dc, 0, 0, 4, 2, source.dc, 0, 0, SRCCOPY));
    ASSERT_TRUE(BitBlt(back.dc, 0, 0, 4, 2, middle.dc, 0, 0, SRCCOPY));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(back.get32(i % 4, i / 4), colours[i]) << "pixel " << i;
  }
}

// The bytes each depth holds for known colours.
TEST(BitBlt, WritesEachDepthsOwnEncoding) {
  Dib source(kRgb32, 3, 1);
  source.set32(0, 0, 0xFF0000);
  source.set32(1, 0, 0x00FF00);
  source.set32(2, 0, 0x0000FF);
  auto formats = allFormats();
  struct Expect {
    std::size_t format;
    std::vector<std::uint8_t> bytes;
  };
  const Expect cases[] = {
      {1, {0x12, 0x30}},                                      // 4-bit: indexes 1, 2, 3, high nibble first
      {2, {1, 2, 3}},                                         // 8-bit
      {3, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00}},              // 5:5:5 little-endian
      {4, {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00}},              // 5:6:5
      {5, {0, 0, 255, 0, 255, 0, 255, 0, 0}},                 // blue, green, red
      {6, {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0}},        // blue, green, red, zero
      {7, {255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0}},        // red in the low byte
  };
  for (const Expect& c : cases) {
    SCOPED_TRACE(formats[c.format].name);
    Dib target(formats[c.format], 3, 1);
    ASSERT_TRUE(BitBlt(target.dc, 0, 0, 3, 1, source.dc, 0, 0, SRCCOPY));
    std::vector<std::uint8_t> got(target.row(0), target.row(0) + c.bytes.size());
    if (c.format == 1) got[1] &= 0xF0;  // the fourth nibble is padding
    EXPECT_EQ(got, c.bytes);
  }
  Dib mono(formats[0], 10, 1);
  Dib stripes(kRgb32, 10, 1);
  for (int x = 0; x < 10; ++x) stripes.set32(x, 0, x % 3 == 0 ? 0xFFFFFF : 0x000000);
  ASSERT_TRUE(BitBlt(mono.dc, 0, 0, 10, 1, stripes.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(mono.row(0)[0], 0x92);  // 1001 0010: most significant bit first
  EXPECT_EQ(mono.row(0)[1] & 0xC0, 0x40);
}

TEST(BitBlt, IndexedTargetsTakeTheNearestTableEntry) {
  Format f{"8-bit", 8, BI_RGB, {}, {quad(0x000000), quad(0xFF0000), quad(0xFFFFFF), quad(0x800000), quad(0xFF0000)}};
  Dib target(f, 3, 1), source(kRgb32, 3, 1);
  source.set32(0, 0, 0xC80A0A);  // (200, 10, 10): nearest is pure red, the first of two
  source.set32(1, 0, 0x646464);  // (100, 100, 100): nearest is dark red
  source.set32(2, 0, 0xF0F0F0);
  ASSERT_TRUE(BitBlt(target.dc, 0, 0, 3, 1, source.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(target.row(0)[0], 1);
  EXPECT_EQ(target.row(0)[1], 3);
  EXPECT_EQ(target.row(0)[2], 2);
}

TEST(BitBlt, RowOrderFollowsThePictureNotTheMemory) {
  Dib topDown(kRgb32, 1, -3), bottomUp({"24-bit", 24}, 1, 3), back(kRgb32, 1, 3);
  for (int y = 0; y < 3; ++y) topDown.set32(0, y, 0x010101u * static_cast<std::uint32_t>(y + 1));
  ASSERT_TRUE(BitBlt(bottomUp.dc, 0, 0, 1, 3, topDown.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(bottomUp.bits[0], 3);  // memory starts with the bottom row
  ASSERT_TRUE(BitBlt(back.dc, 0, 0, 1, 3, bottomUp.dc, 0, 0, SRCCOPY));
  for (int y = 0; y < 3; ++y) EXPECT_EQ(back.get32(0, y), 0x010101u * static_cast<std::uint32_t>(y + 1));
}

TEST(BitBlt, ClipsToBothBitmaps) {
  Dib source(kRgb32, 4, 4), target(kRgb32, 4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      source.set32(x, y, static_cast<std::uint32_t>(0x10 * y + x + 1));
      target.set32(x, y, 0xEEEEEE);
    }
  ASSERT_TRUE(BitBlt(target.dc, -1, 2, 100, 100, source.dc, 0, 0, SRCCOPY));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      // Target (x, y) shows source (x + 1, y - 2) where that exists.
      bool copied = y >= 2 && x + 1 < 4;
      std::uint32_t want = copied ? static_cast<std::uint32_t>(0x10 * (y - 2) + (x + 1) + 1) : 0xEEEEEE;
      EXPECT_EQ(target.get32(x, y), want) << x << "," << y;
    }
  EXPECT_TRUE(BitBlt(target.dc, 0, 0, 4, 4, source.dc, 10, 10, SRCCOPY));  // nothing to copy
  EXPECT_TRUE(BitBlt(target.dc, 0, 0, 0, 4, source.dc, 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(target.dc, INT32_MAX, INT32_MIN, 4, 4, source.dc, INT32_MIN, 0, SRCCOPY));
}

// Copies within one bitmap behave as if the source were read first, in every direction
// and through both the same-layout and the converting paths.
TEST(BitBlt, OverlappingCopiesWithinOneBitmap) {
  for (const Format& f : {kRgb32, Format{"4-bit", 4, BI_RGB, {}, cornerTable(8)}}) {
    SCOPED_TRACE(f.name);
    Dib canvas(f, 5, 5), source(kRgb32, 5, 5), check(kRgb32, 5, 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 5; ++x) source.set32(x, y, kCorners[static_cast<std::size_t>(x + 2 * y) % 8]);
    struct Move {
      int dx, dy;
    };
    for (Move m : {Move{1, 1}, Move{-1, -1}, Move{1, 0}, Move{0, -1}, Move{-1, 1}}) {
      ASSERT_TRUE(BitBlt(canvas.dc, 0, 0, 5, 5, source.dc, 0, 0, SRCCOPY));
      ASSERT_TRUE(BitBlt(canvas.dc, 1 + m.dx, 1 + m.dy, 3, 3, canvas.dc, 1, 1, SRCCOPY));
      ASSERT_TRUE(BitBlt(check.dc, 0, 0, 5, 5, canvas.dc, 0, 0, SRCCOPY));
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
          EXPECT_EQ(check.get32(1 + m.dx + x, 1 + m.dy + y), source.get32(1 + x, 1 + y))
              << "move " << m.dx << "," << m.dy << " at " << x << "," << y;
    }
  }
}

TEST(BitBlt, TheTargetsClipRegionLimitsThePaint) {
  Dib source(kRgb32, 4, 4), target(kRgb32, 4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) source.set32(x, y, 0x123456);
  HRGN clip = CreateRectRgn(1, 1, 3, 2);
  HRGN corner = CreateRectRgn(0, 3, 1, 4);
  CombineRgn(clip, clip, corner, RGN_OR);
  SelectObject(target.dc, clip);
  DeleteObject(clip);
  DeleteObject(corner);
  ASSERT_TRUE(BitBlt(target.dc, 0, 0, 4, 4, source.dc, 0, 0, SRCCOPY));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      bool inside = (y == 1 && (x == 1 || x == 2)) || (x == 0 && y == 3);
      EXPECT_EQ(target.get32(x, y), inside ? 0x123456u : 0u) << x << "," << y;
    }
}

TEST(BitBlt, FailsForBadContextsAndOtherOperations) {
  Dib a(kRgb32, 2, 2), b(kRgb32, 2, 2);
  EXPECT_FALSE(BitBlt(a.dc, 0, 0, 2, 2, b.dc, 0, 0, 0x00EE0086));  // SRCPAINT is not offered
  HDC dead = CreateCompatibleDC(0);
  DeleteDC(dead);
  EXPECT_FALSE(BitBlt(a.dc, 0, 0, 2, 2, dead, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(dead, 0, 0, 2, 2, a.dc, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(0, 0, 0, 2, 2, a.dc, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(a.dc, 0, 0, 2, 2, a.bitmap, 0, 0, SRCCOPY));  // a bitmap is not a context
}
