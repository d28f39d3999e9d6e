// Reading Windows BMP files into device-independent bitmaps (what LoadImageA hands out).
//
// The bitmap keeps the file's own depth (1, 4, 8, 16, 24 or 32 bits), row order (bottom-up or
// top-down), compression (BI_RGB, or BI_BITFIELDS with its masks) and colour table. Rows of a
// BMP file are already padded to 4 bytes, exactly as a DIB lays them out in memory, so the
// pixel block is taken over unchanged.
//
// Anything that is not such a file gives nothing: a wrong signature, an unknown header size,
// inconsistent fields, a table or pixel block that does not lie inside the file, or sizes past
// the limits below. No size arithmetic can overflow and nothing is read past the file's end.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/gdi/gdi_objects.h"

namespace platform::gdi {

// Far beyond any real texture or button face, and small enough that no hostile header can ask
// for absurd amounts of memory.
constexpr std::int64_t kMaxBmpSide = 32768;
constexpr std::uint64_t kMaxBmpPixelBytes = std::uint64_t{1} << 30;

// Decodes a whole BMP file held in memory.
std::optional<Bitmap> decodeBmp(std::span<const std::uint8_t> file);

// Reads a BMP file from disk; the pixel block is read straight into the bitmap.
std::optional<Bitmap> loadBmpFile(const char* path);

}  // namespace platform::gdi
