// Image files written by tests: BMP files of any depth and layout, TGA headers to which a
// test appends the body it wants (valid or hostile), and a temporary folder to put them in.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace fixtures {

using Bytes = std::vector<std::uint8_t>;

// Writes `bytes` to `name` in this test program's temporary folder; returns the full path.
std::string writeFile(const std::string& name, const Bytes& bytes);
// Path of `name` in that folder, without creating anything.
std::string tempPath(const std::string& name);

Bytes& operator+=(Bytes& bytes, const Bytes& more);
Bytes operator+(Bytes bytes, const Bytes& more);

// A BMP file: 14-byte file header, an info header of `infoSize` bytes (12 for the OS/2 core
// header), the masks after a 40-byte header when BI_BITFIELDS, the colour table, then the
// rows exactly as given (each padded with zero bytes to a multiple of 4).
struct BmpLayout {
  std::int32_t width = 1;
  std::int32_t height = 1;  // negative for top-down rows
  std::uint16_t bitsPerPixel = 24;
  std::uint32_t compression = BI_RGB;
  std::uint32_t infoSize = 40;
  std::array<std::uint32_t, 3> masks{};  // written for BI_BITFIELDS
  std::vector<RGBQUAD> colors;           // written as given; biClrUsed = its size
  std::uint32_t gapBeforePixels = 0;     // extra bytes between the table and the pixels
};
Bytes bmpFile(const BmpLayout& layout, const std::vector<Bytes>& rows);
// Bytes of one padded row (what a DIB holds per row) for `rowBytes` bytes of pixels.
std::size_t bmpStride(std::size_t rowBytes);
// Offsets of the header fields tests like to break.
constexpr std::size_t kBmpOffBits = 10, kBmpInfoSize = 14, kBmpWidth = 18, kBmpHeight = 22,
                      kBmpPlanes = 26, kBmpBitCount = 28, kBmpCompression = 30, kBmpClrUsed = 46,
                      kBmpMasks = 54;
void putLe16(Bytes& bytes, std::size_t at, std::uint16_t value);
void putLe32(Bytes& bytes, std::size_t at, std::uint32_t value);

// The 18-byte TGA header: no image id, no colour map, origin 0.
Bytes tgaHeader(std::uint8_t imageType, std::uint16_t width, std::uint16_t height, std::uint8_t bits,
                std::uint8_t descriptor = 0);

}  // namespace fixtures
