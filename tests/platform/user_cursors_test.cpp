// System cursors and icons, and cursor files: good ones decoded, broken ones refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/user/cursor_table.h"
#include "platform/win32.h"

namespace {

using platform::sdl::SystemCursor;

TEST(UserCursors, EverySystemCursorIdHasItsShape) {
  struct Case {
    LPCSTR id;
    SystemCursor shape;
  } cases[] = {
      {IDC_ARROW, SystemCursor::Arrow},      {IDC_IBEAM, SystemCursor::IBeam},
      {IDC_WAIT, SystemCursor::Wait},        {IDC_CROSS, SystemCursor::Crosshair},
      {IDC_UPARROW, SystemCursor::Arrow},    {IDC_SIZE, SystemCursor::SizeAll},
      {IDC_SIZENWSE, SystemCursor::SizeNWSE}, {IDC_SIZENESW, SystemCursor::SizeNESW},
      {IDC_SIZEWE, SystemCursor::SizeWE},    {IDC_SIZENS, SystemCursor::SizeNS},
      {IDC_SIZEALL, SystemCursor::SizeAll},  {IDC_NO, SystemCursor::No},
      {IDC_HAND, SystemCursor::Hand},        {IDC_APPSTARTING, SystemCursor::WaitArrow},
      {IDC_HELP, SystemCursor::Arrow},
  };
  for (const Case& c : cases) {
    HCURSOR h = LoadCursorA(0, c.id);
    const platform::user::Cursor* cursor = platform::user::findCursor(h);
    ASSERT_NE(cursor, nullptr) << reinterpret_cast<std::uintptr_t>(c.id);
    ASSERT_TRUE(cursor->system.has_value());
    EXPECT_EQ(*cursor->system, c.shape) << reinterpret_cast<std::uintptr_t>(c.id);
    EXPECT_EQ(LoadCursorA(0, c.id), h);  // shared: the same handle every time
  }
  EXPECT_EQ(LoadCursorA(0, MAKEINTRESOURCEA(1)), 0u);
  EXPECT_EQ(LoadCursorA(GetModuleHandleA(nullptr), IDC_ARROW), 0u);  // the program has no cursors of its own
  EXPECT_NE(LoadIconA(0, IDI_APPLICATION), 0u);
  EXPECT_EQ(LoadIconA(0, IDI_APPLICATION), LoadIconA(0, IDI_APPLICATION));
}

// Little-endian writers for building files.
void put16(std::vector<std::uint8_t>& v, unsigned x) {
  v.push_back(x & 0xFF);
  v.push_back((x >> 8) & 0xFF);
}
void put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  put16(v, x & 0xFFFF);
  put16(v, x >> 16);
}

// A one-picture .cur (type 2) or .ico (type 1) file: `size` x `size`, 1 or 32 bits.
// 1-bit pictures: colour 0 black, colour 1 white; the left half is white; the top row is
// transparent by the AND mask. 32-bit pictures: opaque red with alpha 255.
std::vector<std::uint8_t> cursorFile(int type, int size, int bits, int hotX, int hotY) {
  std::vector<std::uint8_t> image;
  put32(image, 40);
  put32(image, size);
  put32(image, size * 2);
  put16(image, 1);
  put16(image, bits);
  for (int i = 0; i < 6; ++i) put32(image, 0);
  if (bits == 1) {
    put32(image, 0x000000);
    put32(image, 0xFFFFFF);
  }
  int xorStride = ((size * bits + 31) / 32) * 4, andStride = ((size + 31) / 32) * 4;
  for (int row = 0; row < size; ++row) {  // bottom-up
    std::vector<std::uint8_t> line(xorStride, 0);
    for (int x = 0; x < size; ++x) {
      if (bits == 1 && x < size / 2) line[x / 8] |= 0x80 >> (x % 8);
      if (bits == 32) {
        line[x * 4 + 2] = 255;
        line[x * 4 + 3] = 255;
      }
    }
    image.insert(image.end(), line.begin(), line.end());
  }
  for (int row = 0; row < size; ++row) {
    std::uint8_t fill = row == size - 1 ? 0xFF : 0x00;  // the last stored row is the top one
    image.insert(image.end(), andStride, fill);
  }
  std::vector<std::uint8_t> file;
  put16(file, 0);
  put16(file, type);
  put16(file, 1);
  file.push_back(static_cast<std::uint8_t>(size));
  file.push_back(static_cast<std::uint8_t>(size));
  file.push_back(0);
  file.push_back(0);
  put16(file, hotX);
  put16(file, hotY);
  put32(file, static_cast<std::uint32_t>(image.size()));
  put32(file, 22);
  file.insert(file.end(), image.begin(), image.end());
  return file;
}

std::string writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::string path = testing::TempDir() + name;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

TEST(UserCursorFiles, MonochromeCursorIsDecodedWithHotSpotAndMask) {
  HCURSOR h = LoadCursorFromFileA(writeFile("mono.cur", cursorFile(2, 32, 1, 5, 7)).c_str());
  const platform::user::Cursor* c = platform::user::findCursor(h);
  ASSERT_NE(c, nullptr);
  EXPECT_FALSE(c->system.has_value());
  EXPECT_EQ(c->image.width, 32);
  EXPECT_EQ(c->image.height, 32);
  EXPECT_EQ(c->image.hotX, 5);
  EXPECT_EQ(c->image.hotY, 7);
  auto pixel = [&](int x, int y) { return &c->image.rgba[(static_cast<std::size_t>(y) * 32 + x) * 4]; };
  EXPECT_EQ(pixel(0, 0)[3], 0);  // top row masked out
  EXPECT_EQ(pixel(1, 5)[0], 255);
  EXPECT_EQ(pixel(1, 5)[3], 255);
  EXPECT_EQ(pixel(20, 5)[0], 0);
  EXPECT_EQ(pixel(20, 5)[3], 255);
}

TEST(UserCursorFiles, IconFileServesAsCursorWithCentredHotSpot) {
  HCURSOR h = LoadCursorFromFileA(writeFile("red.ico", cursorFile(1, 16, 32, 0, 0)).c_str());
  const platform::user::Cursor* c = platform::user::findCursor(h);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->image.hotX, 8);
  EXPECT_EQ(c->image.hotY, 8);
  EXPECT_EQ(c->image.rgba[0], 255);
  EXPECT_EQ(c->image.rgba[1], 0);
  EXPECT_EQ(c->image.rgba[3], 255);
  EXPECT_NE(platform::user::iconImage(h), nullptr);
}

TEST(UserCursorFiles, MissingAndMalformedFilesGiveNoCursor) {
  std::vector<std::uint8_t> good = cursorFile(2, 32, 1, 0, 0);
  auto changed = [&](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> v = good;
    v[at] = value;
    return v;
  };
  auto cut = [&](std::size_t length) { return std::vector<std::uint8_t>(good.begin(), good.begin() + length); };
  std::vector<std::uint8_t> png = good;
  png[22] = 0x89, png[23] = 'P', png[24] = 'N', png[25] = 'G';
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"header cut", cut(4)},
      {"directory cut", cut(15)},
      {"picture cut", cut(good.size() - 1 - 32 * 4)},  // the colour rows are incomplete
      {"wrong type", changed(2, 3)},
      {"no pictures", changed(4, 0)},
      {"many pictures", changed(5, 0xFF)},
      {"offset beyond the file", changed(21, 0x7F)},
      {"length beyond the file", changed(17, 0x7F)},
      {"zero width", changed(22 + 4, 0)},
      {"odd height", changed(22 + 8, 63)},
      {"huge width", changed(22 + 7, 0x40)},
      {"sixteen bits", changed(22 + 14, 16)},
      {"compressed", changed(22 + 16, 1)},
      {"more colours than bits", changed(22 + 32, 3)},
      {"header larger than picture", changed(22 + 1, 0x10)},
      {"png picture", png},
  };
  for (const Case& c : cases) {
    std::string path = writeFile("broken.cur", c.bytes);
    EXPECT_EQ(LoadCursorFromFileA(path.c_str()), 0u) << c.what;
  }
  // An index beyond a short colour table.
  std::vector<std::uint8_t> oneColour = changed(22 + 32, 1);
  EXPECT_EQ(LoadCursorFromFileA(writeFile("short.cur", oneColour).c_str()), 0u);
  EXPECT_EQ(LoadCursorFromFileA((testing::TempDir() + "does-not-exist.cur").c_str()), 0u);
  EXPECT_EQ(LoadCursorFromFileA(""), 0u);
  EXPECT_EQ(LoadCursorFromFileA(nullptr), 0u);
  EXPECT_EQ(LoadCursorFromFileA(testing::TempDir().c_str()), 0u);  // a folder
}

}  // namespace
