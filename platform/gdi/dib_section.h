// Device-independent bitmaps described by a BITMAPINFOHEADER: the checks and layout shared
// by CreateDIBSection and the BMP file loader.
#pragma once

#include <cstddef>
#include <optional>

#include "platform/gdi/gdi_objects.h"

namespace platform::gdi {

// Largest pixel block a DIB may have, so that a hostile header cannot ask for gigabytes.
constexpr std::size_t kMaxDibBytes = std::size_t{512} << 20;

// The bitmap the header describes, with zeroed pixels and no colour table or masks yet;
// nothing when the header is not one we support (1/4/8/16/24/32 bits, BI_RGB, or
// BI_BITFIELDS at 16 and 32 bits; width > 0, height != 0, one plane).
std::optional<Bitmap> blankDib(const BITMAPINFOHEADER& header);

// How many RGBQUAD entries follow the header: the colour table of 1/4/8-bit DIBs (the
// used count, or the full 2^bits when it is 0), or the three masks of a 40-byte header
// with BI_BITFIELDS.
std::size_t colorEntriesAfterHeader(const BITMAPINFOHEADER& header);

// The complete bitmap from a packed BITMAPINFO in memory (header, then colours or masks).
std::optional<Bitmap> dibFromInfo(const BITMAPINFO& info);

}  // namespace platform::gdi
