#include "platform/user/cursor_file.h"

#include <cstring>

namespace platform::user {
namespace {

std::uint32_t u16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t u32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// True when [offset, offset + length) lies inside a buffer of `size` bytes.
bool inside(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
  return offset <= size && length <= size - offset;
}

struct Entry {
  int width;
  int height;
  int hotX;
  int hotY;
  std::uint32_t bytes;
  std::uint32_t offset;
};

std::optional<CursorImage> decodePicture(const std::uint8_t* data, std::uint32_t size, const Entry& entry,
                                         bool isCursor) {
  if (size < 40) return std::nullopt;
  static const std::uint8_t kPng[4] = {0x89, 'P', 'N', 'G'};
  if (std::memcmp(data, kPng, 4) == 0) return std::nullopt;
  std::uint32_t headerSize = u32(data);
  auto width = static_cast<std::int32_t>(u32(data + 4));
  auto doubledHeight = static_cast<std::int32_t>(u32(data + 8));
  std::uint32_t bitCount = u16(data + 14);
  std::uint32_t compression = u32(data + 16);
  std::uint32_t colorsUsed = u32(data + 32);
  if (headerSize < 40 || headerSize > size) return std::nullopt;
  if (width < 1 || width > 256 || doubledHeight < 2 || doubledHeight > 512 || doubledHeight % 2) return std::nullopt;
  if (compression != 0) return std::nullopt;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) return std::nullopt;
  int height = doubledHeight / 2;

  std::uint32_t paletteSize = 0;
  if (bitCount <= 8) {
    std::uint32_t maxColors = 1u << bitCount;
    if (colorsUsed > maxColors) return std::nullopt;
    paletteSize = colorsUsed ? colorsUsed : maxColors;
  }
  std::uint64_t paletteOffset = headerSize;
  std::uint64_t xorOffset = paletteOffset + 4ull * paletteSize;
  std::uint64_t xorStride = ((static_cast<std::uint64_t>(width) * bitCount + 31) / 32) * 4;
  std::uint64_t andOffset = xorOffset + xorStride * height;
  std::uint64_t andStride = ((static_cast<std::uint64_t>(width) + 31) / 32) * 4;
  if (!inside(xorOffset, xorStride * height, size)) return std::nullopt;
  bool hasMask = inside(andOffset, andStride * height, size);
  if (!hasMask && bitCount != 32) return std::nullopt;

  CursorImage img;
  img.width = width;
  img.height = height;
  img.rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
  bool anyAlpha = false;
  for (int row = 0; row < height; ++row) {
    // Rows are stored bottom-up.
    const std::uint8_t* src = data + xorOffset + xorStride * (height - 1 - row);
    std::uint8_t* dst = img.rgba.data() + static_cast<std::size_t>(row) * width * 4;
    for (int x = 0; x < width; ++x) {
      std::uint8_t r = 0, g = 0, b = 0, a = 255;
      if (bitCount <= 8) {
        std::uint32_t bitPos = static_cast<std::uint32_t>(x) * bitCount;
        std::uint32_t index = (src[bitPos / 8] >> (8 - bitCount - bitPos % 8)) & ((1u << bitCount) - 1);
        if (index >= paletteSize) return std::nullopt;
        const std::uint8_t* c = data + paletteOffset + 4 * index;
        b = c[0], g = c[1], r = c[2];
      } else {
        const std::uint8_t* p = src + static_cast<std::size_t>(x) * (bitCount / 8);
        b = p[0], g = p[1], r = p[2];
        if (bitCount == 32) {
          a = p[3];
          anyAlpha = anyAlpha || a != 0;
        }
      }
      dst[4 * x + 0] = r;
      dst[4 * x + 1] = g;
      dst[4 * x + 2] = b;
      dst[4 * x + 3] = a;
    }
  }
  // Pictures without their own alpha take their transparency from the AND mask.
  if (hasMask && !(bitCount == 32 && anyAlpha)) {
    for (int row = 0; row < height; ++row) {
      const std::uint8_t* mask = data + andOffset + andStride * (height - 1 - row);
      for (int x = 0; x < width; ++x) {
        bool transparent = (mask[x / 8] >> (7 - x % 8)) & 1;
        img.rgba[(static_cast<std::size_t>(row) * width + x) * 4 + 3] = transparent ? 0 : 255;
      }
    }
  }
  if (isCursor) {
    img.hotX = entry.hotX < width ? entry.hotX : width - 1;
    img.hotY = entry.hotY < height ? entry.hotY : height - 1;
  } else {
    img.hotX = width / 2;
    img.hotY = height / 2;
  }
  return img;
}

}  // namespace

std::optional<CursorImage> decodeCursorFile(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 6 || bytes.size() > 0xFFFFFFFFu) return std::nullopt;
  const std::uint8_t* d = bytes.data();
  auto size = static_cast<std::uint32_t>(bytes.size());
  std::uint32_t type = u16(d + 2);
  std::uint32_t count = u16(d + 4);
  if (u16(d) != 0 || (type != 1 && type != 2) || count == 0) return std::nullopt;
  if (!inside(6, 16ull * count, size)) return std::nullopt;

  // The largest picture is the one to show.
  int best = -1;
  int bestArea = -1;
  std::vector<Entry> entries;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* e = d + 6 + 16 * i;
    Entry entry{e[0] ? e[0] : 256, e[1] ? e[1] : 256, static_cast<int>(u16(e + 4)), static_cast<int>(u16(e + 6)),
                u32(e + 8), u32(e + 12)};
    entries.push_back(entry);
    if (!inside(entry.offset, entry.bytes, size)) continue;
    if (entry.width * entry.height > bestArea) {
      bestArea = entry.width * entry.height;
      best = static_cast<int>(i);
    }
  }
  if (best < 0) return std::nullopt;
  const Entry& e = entries[static_cast<std::size_t>(best)];
  return decodePicture(d + e.offset, e.bytes, e, type == 2);
}

}  // namespace platform::user
