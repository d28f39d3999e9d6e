// The TGA reader on real files: uncompressed and run-length bodies, and every failure with
// its message, caption and freed buffers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "framework/framework.h"
#include "framework/texture/tga_buffers.h"
#include "tests/framework/texture/message_recorder.h"
#include "tests/support/image_fixtures.h"

using fixtures::Bytes;
using fixtures::operator+;
using fixtures::operator+=;

namespace {

struct Decoded {
  bool loaded = false;
  TGATEXTURE texture{};
  Bytes pixels;  // copy of IMAGEDATA on success
  std::vector<ShownMessage> messages;
};

Decoded decodeFile(const std::string& path) {
  MessageRecorder recorder;
  Decoded out;
  out.loaded = LOADTGA(out.texture, path);
  out.messages = recorder.messages();
  if (out.loaded && out.texture.IMAGEDATA != nullptr) {
    out.pixels.assign(out.texture.IMAGEDATA,
                      out.texture.IMAGEDATA + std::size_t{out.texture.WIDTH} * out.texture.HEIGHT * out.texture.BPP / 8);
    std::free(out.texture.IMAGEDATA);
    out.texture.IMAGEDATA = nullptr;
  }
  return out;
}

Decoded decode(const Bytes& file) { return decodeFile(fixtures::writeFile("reader.tga", file)); }

// A pixel as the file stores it (blue, green, red, then alpha for 32 bits).
Bytes stored(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {b, g, r}; }
Bytes stored(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) { return {b, g, r, a}; }

Bytes repeat(const Bytes& pixel, std::size_t times) {
  Bytes out;
  for (std::size_t i = 0; i < times; ++i) out.insert(out.end(), pixel.begin(), pixel.end());
  return out;
}

// Pixels i = 0..count-1 with red = i, green = 2i, blue = 255 - i (stored form, or decoded).
Bytes ramp(std::size_t count, bool decoded) {
  Bytes out;
  for (std::size_t i = 0; i < count; ++i) {
    const auto r = static_cast<std::uint8_t>(i), g = static_cast<std::uint8_t>(2 * i),
               b = static_cast<std::uint8_t>(255 - i);
    out += decoded ? Bytes{r, g, b} : stored(r, g, b);
  }
  return out;
}

// The allocator the reader uses, failing on demand.
struct FailingAllocator {
  static inline std::size_t failFrom = 0;  // sizes from this on fail (0: none fail)
  static inline std::size_t failExactly = 0;
  static inline int calls = 0;
  static void* allocate(std::size_t bytes) {
    ++calls;
    if ((failFrom != 0 && bytes >= failFrom) || (failExactly != 0 && bytes == failExactly)) return nullptr;
    return std::malloc(bytes);
  }
  explicit FailingAllocator(std::size_t from, std::size_t exactly = 0) {
    failFrom = from;
    failExactly = exactly;
    calls = 0;
    setTgaAllocator(&allocate);
  }
  ~FailingAllocator() { setTgaAllocator(nullptr); }
};

}  // namespace

TEST(TgaReader, Uncompressed24BitPixelsBecomeRedGreenBlue) {
  const Decoded d = decode(fixtures::tgaHeader(2, 2, 2, 24) + stored(10, 20, 30) + stored(40, 50, 60) +
                           stored(70, 80, 90) + stored(100, 110, 120));
  ASSERT_TRUE(d.loaded);
  EXPECT_TRUE(d.messages.empty());
  EXPECT_EQ(d.texture.WIDTH, 2u);
  EXPECT_EQ(d.texture.HEIGHT, 2u);
  EXPECT_EQ(d.texture.BPP, 24u);
  EXPECT_EQ(d.texture.TYP, static_cast<std::uint32_t>(GL_RGB));
  EXPECT_EQ(d.pixels, (Bytes{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120}));
  EXPECT_EQ(FTGA, nullptr);
}

TEST(TgaReader, Uncompressed32BitKeepsAlphaInPlace) {
  const Decoded d = decode(fixtures::tgaHeader(2, 2, 1, 32) + stored(1, 2, 3, 4) + stored(5, 6, 7, 0));
  ASSERT_TRUE(d.loaded);
  EXPECT_EQ(d.texture.TYP, static_cast<std::uint32_t>(GL_RGBA));
  EXPECT_EQ(d.pixels, (Bytes{1, 2, 3, 4, 5, 6, 7, 0}));
}

// The descriptor's origin bits are ignored: rows come out in file order either way.
TEST(TgaReader, TopLeftOriginKeepsFileRowOrder) {
  const Bytes body = stored(1, 1, 1) + stored(2, 2, 2);
  const Decoded bottomLeft = decode(fixtures::tgaHeader(2, 1, 2, 24, 0x00) + body);
  const Decoded topLeft = decode(fixtures::tgaHeader(2, 1, 2, 24, 0x20) + body);
  ASSERT_TRUE(topLeft.loaded);
  EXPECT_EQ(topLeft.pixels, (Bytes{1, 1, 1, 2, 2, 2}));
  EXPECT_EQ(topLeft.pixels, bottomLeft.pixels);
}

// Run-length packets: headers 0x00 (one raw pixel), 0x7F (128 raw), 0x80 (a run of 1) and
// 0xFF (a run of 128), runs across row ends, and 32-bit runs with their alpha.
TEST(TgaReader, RunLengthPackets) {
  struct Case {
    const char* what;
    std::uint16_t width, height;
    std::uint8_t bits;
    Bytes body;
    Bytes expected;
  };
  const Case cases[] = {
      {"0x83: one pixel four times", 4, 1, 24, Bytes{0x83} + stored(9, 8, 7), repeat({9, 8, 7}, 4)},
      {"0x00: one raw pixel", 1, 1, 24, Bytes{0x00} + stored(1, 2, 3), {1, 2, 3}},
      {"0x7F: 128 raw pixels", 128, 1, 24, Bytes{0x7F} + ramp(128, false), ramp(128, true)},
      {"0x80 then 0x00: runs of one", 2, 1, 24, Bytes{0x80} + stored(5, 5, 5) + Bytes{0x00} + stored(6, 6, 6),
       {5, 5, 5, 6, 6, 6}},
      {"0xFF: 128 pixels over 8 rows", 16, 8, 24, Bytes{0xFF} + stored(200, 100, 50), repeat({200, 100, 50}, 128)},
      {"raw and run across a row end", 3, 2, 24,
       Bytes{0x01} + stored(1, 1, 1) + stored(2, 2, 2) + Bytes{0x83} + stored(3, 3, 3),
       Bytes{1, 1, 1, 2, 2, 2} + repeat({3, 3, 3}, 4)},
      {"32 bits: run and raw with alpha", 3, 1, 32, Bytes{0x81} + stored(1, 2, 3, 128) + Bytes{0x00} + stored(4, 5, 6, 0),
       {1, 2, 3, 128, 1, 2, 3, 128, 4, 5, 6, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Decoded d = decode(fixtures::tgaHeader(10, c.width, c.height, c.bits) + c.body);
    ASSERT_TRUE(d.loaded);
    EXPECT_TRUE(d.messages.empty());
    EXPECT_EQ(d.pixels, c.expected);
  }
}

// A packet ending exactly on the last pixel ends the decoding: what follows (here a run header
// with no pixel, which would fail if read) is never read.
TEST(TgaReader, RunEndingOnTheLastPixelStopsTheDecoding) {
  const Decoded d = decode(fixtures::tgaHeader(10, 2, 2, 24) + Bytes{0x01} + stored(1, 1, 1) + stored(2, 2, 2) +
                           Bytes{0x81} + stored(3, 3, 3) + Bytes{0xFF});
  ASSERT_TRUE(d.loaded);
  EXPECT_TRUE(d.messages.empty());
  EXPECT_EQ(d.pixels, (Bytes{1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 3}));
  EXPECT_EQ(FTGA, nullptr);
}

// ----------------------------------------------------------------- failures

namespace {

struct FailureCase {
  const char* name;
  Bytes file;           // empty: the file does not exist
  std::size_t failFrom;  // allocator: sizes from this on fail (0: none)
  std::size_t failExactly;
  const char* text;
  const char* caption;
};

class TgaReaderFailure : public ::testing::TestWithParam<FailureCase> {};

Bytes withByte(Bytes bytes, std::size_t at, std::uint8_t value) {
  bytes.at(at) = value;
  return bytes;
}

const Bytes kRle2x2 = fixtures::tgaHeader(10, 2, 2, 24);
const Bytes kRaw2x2 = fixtures::tgaHeader(2, 2, 2, 24);

}  // namespace

// Each failure shows exactly one box with its text and caption, reports false, closes the file
// and leaves no image buffer behind (the sanitizer build checks that nothing leaks).
TEST_P(TgaReaderFailure, ShowsItsMessageAndFreesEverything) {
  const FailureCase& c = GetParam();
  FailingAllocator allocator(c.failFrom, c.failExactly);
  const Decoded d = c.file.empty() ? decodeFile(fixtures::tempPath("missing.tga")) : decode(c.file);
  EXPECT_FALSE(d.loaded);
  ASSERT_EQ(d.messages.size(), 1u);
  EXPECT_EQ(d.messages[0].text, c.text);
  EXPECT_EQ(d.messages[0].caption, c.caption);
  EXPECT_EQ(d.messages[0].type, MB_OK);
  EXPECT_EQ(FTGA, nullptr);
  EXPECT_EQ(d.texture.IMAGEDATA, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRowOfTheTable, TgaReaderFailure,
    ::testing::Values(
        FailureCase{"Missing", {}, 0, 0, "Could not open texture file", "ERROR"},
        FailureCase{"FiveBytes", Bytes{0, 0, 2, 0, 0}, 0, 0, "Could not read file header", "ERROR"},
        FailureCase{"ImageId", withByte(kRaw2x2, 0, 1), 0, 0, "TGA file be type 2 or type 10", "Invalid Image"},
        FailureCase{"ColourMapped", withByte(withByte(kRaw2x2, 1, 1), 2, 1), 0, 0, "TGA file be type 2 or type 10",
                    "Invalid Image"},
        FailureCase{"Grey", withByte(kRaw2x2, 2, 3), 0, 0, "TGA file be type 2 or type 10", "Invalid Image"},
        FailureCase{"GreyRle", withByte(kRaw2x2, 2, 11), 0, 0, "TGA file be type 2 or type 10", "Invalid Image"},
        FailureCase{"Origin", withByte(kRaw2x2, 8, 1), 0, 0, "TGA file be type 2 or type 10", "Invalid Image"},
        FailureCase{"SeventeenBytes", Bytes(kRaw2x2.begin(), kRaw2x2.begin() + 17), 0, 0, "Could not read info header",
                    "ERROR"},
        FailureCase{"ZeroWidth", fixtures::tgaHeader(2, 0, 2, 24), 0, 0, "Invalid texture information", "ERROR"},
        FailureCase{"ZeroHeight", fixtures::tgaHeader(10, 2, 0, 24), 0, 0, "Invalid texture information", "ERROR"},
        FailureCase{"SixteenBits", fixtures::tgaHeader(2, 2, 2, 16) + Bytes(8, 0), 0, 0, "Invalid texture information",
                    "ERROR"},
        FailureCase{"NoMemoryForImage", kRaw2x2 + Bytes(12, 0), 12, 0, "Could not allocate memory for image", "ERROR"},
        FailureCase{"ShortImageData", kRaw2x2 + Bytes(11, 0), 0, 0, "Could not read image data", "ERROR"},
        FailureCase{"NoMemoryForColorBuffer", kRle2x2 + Bytes{0x83, 1, 2, 3}, 0, 3,
                    "Could not allocate memory for color buffer", "ERROR"},
        FailureCase{"EndsWherePacketHeaderIsDue", kRle2x2 + Bytes{0x81, 1, 2, 3}, 0, 0, "Could not read RLE header",
                    "ERROR"},
        FailureCase{"EndsInsideRawPixel", kRle2x2 + Bytes{0x01, 1, 2, 3, 4, 5}, 0, 0, "Could not read image data",
                    "ERROR"},
        FailureCase{"EndsInsideRunPixel", kRle2x2 + Bytes{0x83, 1, 2}, 0, 0, "Could not read from file", "ERROR"},
        FailureCase{"RunOfFiveIn2x2", kRle2x2 + Bytes{0x84, 1, 2, 3}, 0, 0, "Too many pixels read", "ERROR"},
        FailureCase{"RawPacketPastTheEnd", kRle2x2 + Bytes{0x81, 1, 2, 3, 0x02} + Bytes(9, 7), 0, 0,
                    "Too many pixels read", "ERROR"},
        // The extra pixel of an overlong raw packet is read before it is found to have no place.
        FailureCase{"RawPacketPastTheEndAndTheFile", kRle2x2 + Bytes{0x81, 1, 2, 3, 0x02} + Bytes(6, 7), 0, 0,
                    "Could not read image data", "ERROR"}),
    [](const auto& info) { return std::string(info.param.name); });

// A file that exists but cannot be read (reading this process's memory at address 0 fails)
// is a file without a header.
TEST(TgaReader, UnreadableFileHasNoHeader) {
  const Decoded d = decodeFile("/proc/self/mem");
  EXPECT_FALSE(d.loaded);
  ASSERT_EQ(d.messages.size(), 1u);
  EXPECT_EQ(d.messages[0].text, "Could not read file header");
}

// 65535 x 8193 x 4 bytes reaches 2^31: refused with the memory message before any allocation.
// Just below the limit, the allocation is tried.
TEST(TgaReader, ImagesOf2To31BytesAreRefusedBeforeAllocating) {
  FailingAllocator counting(std::size_t{1} << 40);
  const Decoded tooLarge = decode(fixtures::tgaHeader(2, 65535, 8193, 32));
  EXPECT_FALSE(tooLarge.loaded);
  ASSERT_EQ(tooLarge.messages.size(), 1u);
  EXPECT_EQ(tooLarge.messages[0].text, "Could not allocate memory for image");
  EXPECT_EQ(FailingAllocator::calls, 0);

  FailingAllocator failing(std::size_t{1} << 20);  // refuse the big block; no need to really have it
  const Decoded justBelow = decode(fixtures::tgaHeader(2, 65535, 8191, 32));
  EXPECT_EQ(FailingAllocator::calls, 1);
  ASSERT_EQ(justBelow.messages.size(), 1u);
  EXPECT_EQ(justBelow.messages[0].text, "Could not allocate memory for image");
}

// A file name is opened under its first 255 characters: a longer name whose first 255
// characters name an existing file loads that file.
TEST(TgaReader, OpensTheFirst255CharactersOfTheName) {
  const std::size_t folderLength = fixtures::tempPath("").size();
  ASSERT_LT(folderLength, 200u);
  const std::string path =
      fixtures::writeFile(std::string(255 - folderLength, 'n'), fixtures::tgaHeader(2, 1, 1, 24) + stored(1, 2, 3));
  ASSERT_EQ(path.size(), 255u);
  TGATEXTURE texture{};
  MessageRecorder recorder;
  ASSERT_TRUE(LOADTGA(texture, path + ".ignored-tail"));
  std::free(texture.IMAGEDATA);
  EXPECT_TRUE(recorder.messages().empty());
}
