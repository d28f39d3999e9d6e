#include "tools/image_writer/image_writer.h"

#include <cstdio>
#include <limits>

namespace image_writer {
namespace {

void put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(Bytes& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

bool validShape(int width, int height, int channels, const std::uint8_t* pixels, long long limit) {
  return pixels != nullptr && (channels == 3 || channels == 4) && width > 0 && height > 0 &&
         static_cast<long long>(width) * height * 4 < limit;
}

// Appends the pixels of one picture row as blue, green, red (and alpha).
void putRowBgr(Bytes& out, const std::uint8_t* row, int width, int channels) {
  for (int x = 0; x < width; ++x) {
    const std::uint8_t* p = row + static_cast<std::size_t>(x) * channels;
    out.push_back(p[2]);
    out.push_back(p[1]);
    out.push_back(p[0]);
    if (channels == 4) out.push_back(p[3]);
  }
}

}  // namespace

Bytes encodeBmp(int width, int height, int channels, const std::uint8_t* pixels,
                BmpOptions options) {
  if (!validShape(width, height, channels, pixels, std::numeric_limits<std::int32_t>::max() / 2)) {
    return {};
  }
  const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
  const std::size_t stride = (rowBytes + 3) / 4 * 4;
  const std::size_t imageBytes = stride * static_cast<std::size_t>(height);
  constexpr std::uint32_t kHeaders = 14 + 40;

  Bytes out;
  out.reserve(kHeaders + imageBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, static_cast<std::uint32_t>(kHeaders + imageBytes));
  put32(out, 0);  // reserved
  put32(out, kHeaders);
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(width));
  put32(out, static_cast<std::uint32_t>(options.topDown ? -height : height));
  put16(out, 1);  // planes
  put16(out, static_cast<std::uint32_t>(channels * 8));
  put32(out, 0);  // BI_RGB
  put32(out, static_cast<std::uint32_t>(imageBytes));
  put32(out, 2835);  // 72 dots per inch
  put32(out, 2835);
  put32(out, 0);  // colours used
  put32(out, 0);  // important colours

  for (int i = 0; i < height; ++i) {
    const int row = options.topDown ? i : height - 1 - i;
    putRowBgr(out, pixels + rowBytes * static_cast<std::size_t>(row), width, channels);
    out.insert(out.end(), stride - rowBytes, 0);
  }
  return out;
}

Bytes encodeTga(int width, int height, int channels, const std::uint8_t* pixels,
                TgaOptions options) {
  if (!validShape(width, height, channels, pixels, std::numeric_limits<std::int32_t>::max()) ||
      width > 0xFFFF || height > 0xFFFF) {
    return {};
  }
  const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
  Bytes out;
  out.reserve(18 + rowBytes * static_cast<std::size_t>(height));
  const std::uint8_t header[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  out.insert(out.end(), header, header + 12);
  put16(out, static_cast<std::uint32_t>(width));
  put16(out, static_cast<std::uint32_t>(height));
  out.push_back(static_cast<std::uint8_t>(channels * 8));
  const std::uint8_t alphaBits = channels == 4 ? 8 : 0;
  out.push_back(static_cast<std::uint8_t>(alphaBits | (options.topLeftOrigin ? 0x20 : 0)));
  for (int i = 0; i < height; ++i) {
    const int row = options.topLeftOrigin ? i : height - 1 - i;
    putRowBgr(out, pixels + rowBytes * static_cast<std::size_t>(row), width, channels);
  }
  return out;
}

bool writeFile(const std::string& path, const Bytes& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace image_writer
