#include "platform/gdi/pixel_rows.h"

#include <bit>

namespace platform::gdi {
namespace {

Channel channelOf(std::uint32_t mask) {
  Channel c;
  c.mask = mask;
  if (mask) {
    c.shift = std::countr_zero(mask);
    c.bits = std::popcount(mask);
  }
  return c;
}

// Channel value scaled to 0..255 and back.
std::uint32_t to8(const Channel& c, std::uint32_t v) {
  if (c.bits == 0) return 0;
  std::uint32_t raw = (v & c.mask) >> c.shift;
  if (c.bits >= 8) return raw >> (c.bits - 8);
  std::uint32_t max = (1u << c.bits) - 1;
  return (raw * 255 + max / 2) / max;
}

std::uint32_t from8(const Channel& c, std::uint32_t v8) {
  if (c.bits == 0) return 0;
  std::uint32_t raw;
  if (c.bits >= 8) {
    raw = v8 << (c.bits - 8);
  } else {
    std::uint32_t max = (1u << c.bits) - 1;
    raw = (v8 * max + 127) / 255;
  }
  return (raw << c.shift) & c.mask;
}

constexpr std::uint32_t kValid = 0x80000000u;

}  // namespace

PixelRows::PixelRows(const Bitmap& bitmap) : bitmap_(bitmap) {
  std::uint32_t r = 0, g = 0, b = 0;
  if (bitmap.compression == BI_BITFIELDS && (bitmap.masks[0] | bitmap.masks[1] | bitmap.masks[2])) {
    r = bitmap.masks[0];
    g = bitmap.masks[1];
    b = bitmap.masks[2];
  } else if (bitmap.bitsPerPixel == 16) {
    r = 0x7C00, g = 0x03E0, b = 0x001F;
  } else {
    r = 0xFF0000, g = 0x00FF00, b = 0x0000FF;
  }
  channels_ = {channelOf(r), channelOf(g), channelOf(b)};
  plainBgrx_ = bitmap.bitsPerPixel == 32 && r == 0xFF0000 && g == 0x00FF00 && b == 0x0000FF;
}

std::uint32_t PixelRows::tableColor(unsigned index) const {
  if (index >= bitmap_.colors.size()) return 0;
  const RGBQUAD& q = bitmap_.colors[index];
  return (std::uint32_t{q.rgbRed} << 16) | (std::uint32_t{q.rgbGreen} << 8) | q.rgbBlue;
}

std::uint32_t PixelRows::unpack(std::uint32_t v) const {
  return (to8(channels_[0], v) << 16) | (to8(channels_[1], v) << 8) | to8(channels_[2], v);
}

std::uint32_t PixelRows::pack(std::uint32_t color) const {
  return from8(channels_[0], (color >> 16) & 0xFF) | from8(channels_[1], (color >> 8) & 0xFF) |
         from8(channels_[2], color & 0xFF);
}

// Nearest by squared distance in RGB; the first of equally near entries wins.
unsigned PixelRows::nearestIndex(std::uint32_t color) {
  std::size_t slot = ((color * 2654435761u) >> 20) % kCacheSize;
  if (cacheKey_[slot] == (color | kValid)) return cacheIndex_[slot];
  unsigned best = 0;
  std::uint32_t bestDistance = UINT32_MAX;
  for (unsigned i = 0; i < bitmap_.colors.size(); ++i) {
    const RGBQUAD& q = bitmap_.colors[i];
    int dr = static_cast<int>((color >> 16) & 0xFF) - q.rgbRed;
    int dg = static_cast<int>((color >> 8) & 0xFF) - q.rgbGreen;
    int db = static_cast<int>(color & 0xFF) - q.rgbBlue;
    auto d = static_cast<std::uint32_t>(dr * dr + dg * dg + db * db);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
      if (d == 0) break;
    }
  }
  cacheKey_[slot] = color | kValid;
  cacheIndex_[slot] = static_cast<std::uint8_t>(best);
  return best;
}

void PixelRows::read(const std::uint8_t* row, int x, int count, std::uint32_t* out) const {
  switch (bitmap_.bitsPerPixel) {
    case 1:
      for (int i = 0; i < count; ++i) {
        int p = x + i;
        out[i] = tableColor((row[p >> 3] >> (7 - (p & 7))) & 1);
      }
      break;
    case 4:
      for (int i = 0; i < count; ++i) {
        int p = x + i;
        out[i] = tableColor((row[p >> 1] >> ((p & 1) ? 0 : 4)) & 0xF);
      }
      break;
    case 8:
      for (int i = 0; i < count; ++i) out[i] = tableColor(row[x + i]);
      break;
    case 16:
      for (int i = 0; i < count; ++i) {
        const std::uint8_t* p = row + 2 * static_cast<std::size_t>(x + i);
        out[i] = unpack(p[0] | (std::uint32_t{p[1]} << 8));
      }
      break;
    case 24:
      for (int i = 0; i < count; ++i) {
        const std::uint8_t* p = row + 3 * static_cast<std::size_t>(x + i);
        out[i] = (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
      }
      break;
    case 32:
      for (int i = 0; i < count; ++i) {
        const std::uint8_t* p = row + 4 * static_cast<std::size_t>(x + i);
        std::uint32_t v = p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
        out[i] = plainBgrx_ ? (v & 0xFFFFFF) : unpack(v);
      }
      break;
    default:
      for (int i = 0; i < count; ++i) out[i] = 0;
  }
}

void PixelRows::write(std::uint8_t* row, int x, int count, const std::uint32_t* colors) {
  switch (bitmap_.bitsPerPixel) {
    case 1:
      for (int i = 0; i < count; ++i) {
        int p = x + i;
        auto bit = static_cast<std::uint8_t>(0x80 >> (p & 7));
        if (nearestIndex(colors[i]) & 1)
          row[p >> 3] |= bit;
        else
          row[p >> 3] &= static_cast<std::uint8_t>(~bit);
      }
      break;
    case 4:
      for (int i = 0; i < count; ++i) {
        int p = x + i;
        auto index = static_cast<std::uint8_t>(nearestIndex(colors[i]) & 0xF);
        std::uint8_t& b = row[p >> 1];
        b = (p & 1) ? static_cast<std::uint8_t>((b & 0xF0) | index) : static_cast<std::uint8_t>((b & 0x0F) | (index << 4));
      }
      break;
    case 8:
      for (int i = 0; i < count; ++i) row[x + i] = static_cast<std::uint8_t>(nearestIndex(colors[i]));
      break;
    case 16:
      for (int i = 0; i < count; ++i) {
        std::uint32_t v = pack(colors[i]);
        std::uint8_t* p = row + 2 * static_cast<std::size_t>(x + i);
        p[0] = static_cast<std::uint8_t>(v);
        p[1] = static_cast<std::uint8_t>(v >> 8);
      }
      break;
    case 24:
      for (int i = 0; i < count; ++i) {
        std::uint8_t* p = row + 3 * static_cast<std::size_t>(x + i);
        p[0] = static_cast<std::uint8_t>(colors[i]);
        p[1] = static_cast<std::uint8_t>(colors[i] >> 8);
        p[2] = static_cast<std::uint8_t>(colors[i] >> 16);
      }
      break;
    case 32:
      for (int i = 0; i < count; ++i) {
        std::uint32_t v = plainBgrx_ ? (colors[i] & 0xFFFFFF) : pack(colors[i]);
        std::uint8_t* p = row + 4 * static_cast<std::size_t>(x + i);
        p[0] = static_cast<std::uint8_t>(v);
        p[1] = static_cast<std::uint8_t>(v >> 8);
        p[2] = static_cast<std::uint8_t>(v >> 16);
        p[3] = static_cast<std::uint8_t>(v >> 24);
      }
      break;
    default:
      break;
  }
}

}  // namespace platform::gdi
