// Reading and writing runs of pixels of any supported DIB depth (1, 4, 8, 16, 24, 32 bits)
// as 32-bit colours 0x00RRGGBB, so that every copy between depths goes through one form.
#pragma once

#include <array>
#include <cstdint>

#include "platform/gdi/gdi_objects.h"

namespace platform::gdi {

// One colour channel of a 16- or 32-bit pixel, as a bit mask.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
};

class PixelRows {
 public:
  explicit PixelRows(const Bitmap& bitmap);

  // out[i] := colour of pixel x + i of `row`, for i in [0, count).
  void read(const std::uint8_t* row, int x, int count, std::uint32_t* out) const;
  // Pixel x + i of `row` := colours[i]; colour-table depths take the nearest entry.
  void write(std::uint8_t* row, int x, int count, const std::uint32_t* colors);

 private:
  std::uint32_t tableColor(unsigned index) const;
  std::uint32_t unpack(std::uint32_t v) const;
  std::uint32_t pack(std::uint32_t color) const;
  unsigned nearestIndex(std::uint32_t color);

  const Bitmap& bitmap_;
  std::array<Channel, 3> channels_;  // red, green, blue
  bool plainBgrx_ = false;           // 32-bit 8:8:8 in the usual places
  // Small direct-mapped cache of nearest colour-table entries.
  static constexpr std::size_t kCacheSize = 4096;
  std::array<std::uint32_t, kCacheSize> cacheKey_{};
  std::array<std::uint8_t, kCacheSize> cacheIndex_{};
};

}  // namespace platform::gdi
