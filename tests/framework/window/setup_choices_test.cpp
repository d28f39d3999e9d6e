// The cursor and icon choices, OGLWINDOWSETTING's own steps and the pixel-format request.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "platform/test_seams.h"

namespace {

struct CursorChoice {
  std::int32_t choice;
  LPCSTR systemId;
};

TEST(CursorChoices, EachChoiceLoadsItsSystemCursor) {
  const std::vector<CursorChoice> table = {
      {ARROW, IDC_ARROW},       {IBEAM, IDC_IBEAM},       {WAIT, IDC_WAIT},
      {CROSS, IDC_CROSS},       {UPARROW, IDC_UPARROW},   {SIZE, IDC_SIZE},
      {SIZENWSE, IDC_SIZENWSE}, {SIZENESW, IDC_SIZENESW}, {SIZEWE, IDC_SIZEWE},
      {SIZENS, IDC_SIZENS},     {SIZEALL, IDC_SIZEALL},   {NOCURSOR, IDC_NO},
      {HAND, IDC_HAND},         {APPSTARTING, IDC_APPSTARTING}, {HELP, IDC_HELP}};
  for (const CursorChoice& c : table) {
    SCOPED_TRACE(c.choice);
    const HCURSOR expected = LoadCursorA(0, c.systemId);
    EXPECT_NE(expected, 0u);
    EXPECT_EQ(CURSORFORCHOICE(c.choice, "ignored.cur"), expected);
  }
  EXPECT_NE(CURSORFORCHOICE(NOCURSOR, nullptr), CURSORFORCHOICE(ARROW, nullptr))
      << "NOCURSOR is the slashed circle, a cursor of its own";
}

TEST(CursorChoices, OutsideTheTableGivesNoCursor) {
  for (std::int32_t choice : {0, -1, 17, 1000}) EXPECT_EQ(CURSORFORCHOICE(choice, nullptr), 0u) << choice;
}

// A cursor file with one 2 by 2 image of 32 bits (ICONDIR, one entry, the DIB with its
// doubled height, the colour rows and the mask rows).
std::vector<unsigned char> tinyCursorFile() {
  std::vector<unsigned char> f;
  auto u16 = [&f](unsigned v) { f.push_back(v & 0xFF); f.push_back((v >> 8) & 0xFF); };
  auto u32 = [&](unsigned v) { u16(v & 0xFFFF); u16(v >> 16); };
  const unsigned imageBytes = 40 + 2 * 2 * 4 + 2 * 4;
  u16(0); u16(2); u16(1);                    // reserved, type cursor, one image
  f.push_back(2); f.push_back(2); f.push_back(0); f.push_back(0);  // 2x2, no palette
  u16(1); u16(1);                            // hot spot
  u32(imageBytes); u32(22);
  u32(40); u32(2); u32(4); u16(1); u16(32);  // header: width, doubled height, planes, bits
  for (int i = 0; i < 6; ++i) u32(0);
  for (int i = 0; i < 4; ++i) u32(0xFF102030);  // colour pixels
  for (int i = 0; i < 2; ++i) u32(0);           // mask rows, padded to 4 bytes
  return f;
}

std::string writeFile(const std::string& name, const std::vector<unsigned char>& bytes) {
  const std::string path = ::testing::TempDir() + name;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return path;
}

TEST(CursorChoices, FileCursorLoadsTheFileOrNothing) {
  const std::string good = writeFile("setup_tiny.cur", tinyCursorFile());
  EXPECT_NE(CURSORFORCHOICE(FILECURSOR, good.c_str()), 0u);
  std::vector<unsigned char> truncated = tinyCursorFile();
  truncated.resize(30);
  const std::string bad = writeFile("setup_truncated.cur", truncated);
  EXPECT_EQ(CURSORFORCHOICE(FILECURSOR, bad.c_str()), 0u);
  EXPECT_EQ(CURSORFORCHOICE(FILECURSOR, "no-such-folder/no-such.cur"), 0u);
  EXPECT_EQ(CURSORFORCHOICE(FILECURSOR, ""), 0u);
  EXPECT_EQ(CURSORFORCHOICE(FILECURSOR, nullptr), 0u);
}

TEST(IconChoices, GenericFileAndOutside) {
  EXPECT_EQ(ICONFORCHOICE(GENERIC, nullptr), LoadIconA(0, IDI_APPLICATION));
  EXPECT_NE(ICONFORCHOICE(GENERIC, nullptr), 0u);
  const std::string good = writeFile("setup_icon.cur", tinyCursorFile());
  EXPECT_NE(ICONFORCHOICE(FILEICON, good.c_str()), 0u);
  EXPECT_EQ(ICONFORCHOICE(FILEICON, "no-such.ico"), 0u);
  EXPECT_EQ(ICONFORCHOICE(0, nullptr), 0u);
  EXPECT_EQ(ICONFORCHOICE(3, nullptr), 0u);
}

class WindowSetting : public ::testing::Test {
 protected:
  void SetUp() override { reset(); }
  void TearDown() override {
    reset();
    platform::seams::resetPointer();
  }
  static void reset() {
    MOUSEFREE = false;
    START = 0;
    WIDTH = HEIGHT = 0;
    FOGONOFF = false;
    OBJNULL = 0;
  }
};

TEST_F(WindowSetting, KeepsTheChoicesAndTheStringsThemselves) {
  static const char cursorFile[] = "arrow.cur";
  static const char iconFile[] = "app.ico";
  OGLWINDOWSETTING(HAND, cursorFile, FILEICON, iconFile);
  EXPECT_EQ(SETTYPECURSOR, HAND);
  EXPECT_EQ(CURSORFILE, cursorFile) << "the pointer is kept, not a copy";
  EXPECT_EQ(SETTYPEICON, FILEICON);
  EXPECT_EQ(ICONFILE, iconFile);
  EXPECT_TRUE(FOGONOFF);
}

TEST_F(WindowSetting, WithoutFreeLookNeitherClockNorPointer) {
  platform::seams::setPointerScreenPosition(7, 9);
  WIDTH = 800;
  HEIGHT = 600;
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  POINT p = {};
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 7);
  EXPECT_EQ(p.y, 9);
  EXPECT_EQ(START, 0u);
}

TEST_F(WindowSetting, FreeLookTakesTheClockAndHoldsThePointer) {
  platform::seams::setPointerScreenPosition(7, 9);
  MOUSEFREE = true;
  WIDTH = 801;  // halves round toward zero
  HEIGHT = 601;
  const DWORD before = GetTickCount();
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  const DWORD after = GetTickCount();
  EXPECT_GE(START, before);
  EXPECT_LE(START, after);
  POINT p = {};
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 400);
  EXPECT_EQ(p.y, 300);
}

TEST_F(WindowSetting, NoContextNoEmptyList) {
  ASSERT_EQ(wglGetCurrentContext(), 0u);
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  EXPECT_EQ(OBJNULL, 0u);
}

class PixelFormatRequest : public ::testing::Test {
 protected:
  void TearDown() override {
    BITS = 0;
    PIXEL_FORMAT_FLAGS = 0;
  }
};

TEST_F(PixelFormatRequest, FieldsForThirtyTwoBits) {
  BITS = 32;
  const PIXELFORMATDESCRIPTOR r = PIXELFORMATREQUEST();
  EXPECT_EQ(r.nSize, 40);
  EXPECT_EQ(r.nVersion, 1);
  EXPECT_EQ(r.dwFlags, 0x1067u);
  EXPECT_EQ(r.iPixelType, PFD_TYPE_RGBA);
  for (BYTE field : {r.cColorBits, r.cAlphaBits, r.cAccumBits, r.cDepthBits, r.cStencilBits,
                     r.cAuxBuffers})
    EXPECT_EQ(field, 32);
  for (BYTE field : {r.cRedBits, r.cRedShift, r.cGreenBits, r.cGreenShift, r.cBlueBits,
                     r.cBlueShift, r.cAlphaShift, r.cAccumRedBits, r.cAccumGreenBits,
                     r.cAccumBlueBits, r.cAccumAlphaBits, r.bReserved})
    EXPECT_EQ(field, 0);
  EXPECT_EQ(r.iLayerType, 1);
  EXPECT_EQ(r.dwLayerMask, 0u);
  EXPECT_EQ(r.dwVisibleMask, 0u);
  EXPECT_EQ(r.dwDamageMask, 0u);
}

TEST_F(PixelFormatRequest, ExtraFlagsAreAdded) {
  PIXEL_FORMAT_FLAGS = static_cast<std::int32_t>(PFD_SUPPORT_GDI);
  EXPECT_EQ(PIXELFORMATREQUEST().dwFlags, 0x1077u);
}

TEST_F(PixelFormatRequest, BitsOutsideAByteAreHeldAtTheEnds) {
  BITS = 300;
  EXPECT_EQ(PIXELFORMATREQUEST().cDepthBits, 255);
  BITS = -4;
  EXPECT_EQ(PIXELFORMATREQUEST().cColorBits, 0);
}

}  // namespace
