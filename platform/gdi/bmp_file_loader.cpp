#include "platform/gdi/bmp_file_loader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>

namespace platform::gdi {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;  // the short OS/2-style header
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::size_t kMaskBytes = 12;
constexpr std::size_t kLargestInfoHeader = 124;
// Everything up to the end of the largest colour table: file header, info header, masks and
// 256 four-byte entries. The headers and the table always lie within this prefix.
constexpr std::size_t kHeadBytes = kFileHeaderBytes + kLargestInfoHeader + kMaskBytes + 256 * 4;

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool knownInfoHeaderSize(std::uint32_t size) {
  // Core, info, and the info header's later versions (with masks, with alpha mask, V4, V5).
  return size == kCoreHeaderBytes || size == kInfoHeaderBytes || size == 52 || size == 56 ||
         size == 108 || size == kLargestInfoHeader;
}

// A colour mask must be one run of set bits inside the pixel.
bool validMask(std::uint32_t mask, int bitsPerPixel) {
  if (mask == 0) return false;
  if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0) return false;
  const std::uint32_t run = mask >> std::countr_zero(mask);
  return (run & (run + 1)) == 0;
}

// Where the pixel block lies in the file, and the bitmap that will receive it.
struct Layout {
  Bitmap bitmap;  // everything but the pixels
  std::uint64_t pixelOffset = 0;
  std::uint64_t pixelBytes = 0;
};

// Reads and checks the headers, masks and colour table. `head` is the start of the file (up to
// kHeadBytes of it) and `fileSize` the whole file's length.
std::optional<Layout> parseHeaders(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
  if (head.size() < kFileHeaderBytes + 4) return std::nullopt;
  const std::uint8_t* p = head.data();
  if (p[0] != 'B' || p[1] != 'M') return std::nullopt;
  const std::uint32_t offBits = le32(p + 10);
  const std::uint32_t infoSize = le32(p + 14);
  if (!knownInfoHeaderSize(infoSize) || head.size() < kFileHeaderBytes + infoSize) return std::nullopt;

  const std::uint8_t* info = p + kFileHeaderBytes;
  std::int64_t width, height;
  int planes, bits;
  std::uint32_t compression = BI_RGB, colorsUsed = 0;
  std::size_t entryBytes = 4;
  if (infoSize == kCoreHeaderBytes) {
    width = le16(info + 4);
    height = le16(info + 6);
    planes = le16(info + 8);
    bits = le16(info + 10);
    entryBytes = 3;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return std::nullopt;
  } else {
    width = static_cast<std::int32_t>(le32(info + 4));
    height = static_cast<std::int32_t>(le32(info + 8));
    planes = le16(info + 12);
    bits = le16(info + 14);
    compression = le32(info + 16);
    colorsUsed = le32(info + 32);
  }
  if (planes != 1) return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return std::nullopt;
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width < 1 || width > kMaxBmpSide || height < 1 || height > kMaxBmpSide) return std::nullopt;

  Layout layout;
  Bitmap& bm = layout.bitmap;
  bm.width = static_cast<int>(width);
  bm.height = static_cast<int>(height);
  bm.bitsPerPixel = bits;
  bm.topDown = topDown;
  bm.compression = compression;

  std::size_t tableStart = kFileHeaderBytes + infoSize;
  if (compression == BI_BITFIELDS) {
    if (bits != 16 && bits != 32) return std::nullopt;
    // A plain info header is followed by the three masks; the later versions hold them.
    if (infoSize == kInfoHeaderBytes) tableStart += kMaskBytes;
    if (head.size() < kFileHeaderBytes + kInfoHeaderBytes + kMaskBytes) return std::nullopt;
    for (int i = 0; i < 3; ++i) bm.masks[i] = le32(info + kInfoHeaderBytes + 4 * i);
    for (std::uint32_t m : bm.masks)
      if (!validMask(m, bits)) return std::nullopt;
    if ((bm.masks[0] & bm.masks[1]) || (bm.masks[0] & bm.masks[2]) || (bm.masks[1] & bm.masks[2]))
      return std::nullopt;
  } else if (compression == BI_RGB) {
    if (bits == 16) {
      bm.masks[0] = 0x7C00, bm.masks[1] = 0x03E0, bm.masks[2] = 0x001F;
    } else if (bits == 32) {
      bm.masks[0] = 0xFF0000, bm.masks[1] = 0x00FF00, bm.masks[2] = 0x0000FF;
    }
  } else {
    return std::nullopt;  // run-length and embedded-image compressions are not read
  }

  // Depths up to 8 bits index a colour table: as many entries as the header says are used, or
  // all 2^bits. Entries the file leaves out read as black, so every index has a colour.
  std::size_t tableEnd = tableStart;
  if (bits <= 8) {
    const std::uint32_t full = 1u << bits;
    const std::uint32_t count = colorsUsed ? colorsUsed : full;
    if (count > full) return std::nullopt;
    tableEnd = tableStart + count * entryBytes;
    if (tableEnd > head.size()) return std::nullopt;
    bm.colors.assign(full, RGBQUAD{0, 0, 0, 0});
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* e = p + tableStart + i * entryBytes;
      bm.colors[i] = RGBQUAD{e[0], e[1], e[2], 0};
    }
  }

  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  bm.stride = static_cast<int>(stride);
  layout.pixelBytes = stride * static_cast<std::uint64_t>(height);
  if (layout.pixelBytes > kMaxBmpPixelBytes) return std::nullopt;
  // An offset of 0 is taken to mean "right after the colour table", as some writers leave it.
  layout.pixelOffset = offBits ? offBits : tableEnd;
  if (layout.pixelOffset < tableEnd) return std::nullopt;
  if (layout.pixelOffset > fileSize || fileSize - layout.pixelOffset < layout.pixelBytes) return std::nullopt;
  return layout;
}

}  // namespace

std::optional<Bitmap> decodeBmp(std::span<const std::uint8_t> file) {
  auto layout = parseHeaders(file.first(std::min(file.size(), kHeadBytes)), file.size());
  if (!layout) return std::nullopt;
  Bitmap& bm = layout->bitmap;
  const auto* begin = file.data() + layout->pixelOffset;
  bm.pixels.assign(begin, begin + layout->pixelBytes);
  return std::move(bm);
}

std::optional<Bitmap> loadBmpFile(const char* path) {
  if (!path) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size <= 0) return std::nullopt;
  in.seekg(0);
  std::uint8_t head[kHeadBytes];
  const auto headSize = static_cast<std::streamsize>(std::min<std::uint64_t>(static_cast<std::uint64_t>(size), kHeadBytes));
  if (!in.read(reinterpret_cast<char*>(head), headSize)) return std::nullopt;

  auto layout = parseHeaders(std::span<const std::uint8_t>(head, static_cast<std::size_t>(headSize)),
                             static_cast<std::uint64_t>(size));
  if (!layout) return std::nullopt;
  Bitmap& bm = layout->bitmap;
  bm.pixels.resize(layout->pixelBytes);
  in.seekg(static_cast<std::streamoff>(layout->pixelOffset));
  // The file may have shrunk since its size was taken: a short read is a failed load.
  if (!in.read(reinterpret_cast<char*>(bm.pixels.data()), static_cast<std::streamsize>(layout->pixelBytes)))
    return std::nullopt;
  return std::move(bm);
}

}  // namespace platform::gdi
