// writeBmp24: the file header, the 40-byte information header and bottom-up rows padded to
// four bytes.
#pragma once

#include <cstdio>
#include <vector>

namespace buttonfaces {
namespace detail {
inline void put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}
}  // namespace detail

template <class ColourAt>
bool writeBmp24(const std::string& path, int width, int height, ColourAt colourAt) {
  if (width <= 0 || height <= 0) return false;
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
  std::vector<std::uint8_t> out;
  out.reserve(54 + imageSize);
  out.push_back('B');
  out.push_back('M');
  detail::put32(out, 54 + imageSize);
  detail::put32(out, 0);
  detail::put32(out, 54);
  detail::put32(out, 40);
  detail::put32(out, static_cast<std::uint32_t>(width));
  detail::put32(out, static_cast<std::uint32_t>(height));
  detail::put16(out, 1);
  detail::put16(out, 24);
  for (int i = 0; i < 6; ++i) detail::put32(out, i == 1 ? imageSize : 0);
  for (int y = height - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colourAt(x, y);
      out.push_back(static_cast<std::uint8_t>(c));
      out.push_back(static_cast<std::uint8_t>(c >> 8));
      out.push_back(static_cast<std::uint8_t>(c >> 16));
    }
    out.resize(rowStart + stride, 0);
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace buttonfaces
