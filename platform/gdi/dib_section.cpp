#include "platform/gdi/dib_section.h"

#include <cstdint>
#include <cstring>

#include "platform/gdi/device_context.h"

namespace platform::gdi {

std::optional<Bitmap> blankDib(const BITMAPINFOHEADER& h) {
  int bpp = h.biBitCount;
  bool knownDepth = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
  bool knownCompression = h.biCompression == BI_RGB || (h.biCompression == BI_BITFIELDS && (bpp == 16 || bpp == 32));
  if (h.biSize < sizeof(BITMAPINFOHEADER) || !knownDepth || !knownCompression || h.biPlanes != 1) return std::nullopt;
  if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN) return std::nullopt;

  std::uint64_t height = static_cast<std::uint64_t>(h.biHeight < 0 ? -static_cast<std::int64_t>(h.biHeight) : h.biHeight);
  std::uint64_t stride = (static_cast<std::uint64_t>(h.biWidth) * static_cast<std::uint64_t>(bpp) + 31) / 32 * 4;
  if (stride * height > kMaxDibBytes) return std::nullopt;

  Bitmap b;
  b.width = h.biWidth;
  b.height = static_cast<int>(height);
  b.bitsPerPixel = bpp;
  b.stride = static_cast<int>(stride);
  b.topDown = h.biHeight < 0;
  b.compression = h.biCompression;
  b.pixels.assign(static_cast<std::size_t>(stride * height), 0);
  return b;
}

std::size_t colorEntriesAfterHeader(const BITMAPINFOHEADER& h) {
  if (h.biBitCount <= 8) {
    std::size_t full = std::size_t{1} << h.biBitCount;
    return h.biClrUsed == 0 || h.biClrUsed > full ? full : h.biClrUsed;
  }
  if (h.biCompression == BI_BITFIELDS && h.biSize == sizeof(BITMAPINFOHEADER)) return 3;
  return h.biClrUsed;
}

std::optional<Bitmap> dibFromInfo(const BITMAPINFO& info) {
  const BITMAPINFOHEADER& h = info.bmiHeader;
  std::optional<Bitmap> b = blankDib(h);
  if (!b) return b;
  const auto* after = reinterpret_cast<const unsigned char*>(&info) + h.biSize;
  if (h.biBitCount <= 8) {
    b->colors.resize(colorEntriesAfterHeader(h));
    std::memcpy(b->colors.data(), after, b->colors.size() * sizeof(RGBQUAD));
  } else if (h.biCompression == BI_BITFIELDS) {
    // The masks follow a 40-byte header and sit inside any longer header at offset 40.
    const auto* masks = h.biSize == sizeof(BITMAPINFOHEADER) ? after : reinterpret_cast<const unsigned char*>(&info) + 40;
    std::memcpy(b->masks, masks, sizeof b->masks);
    if (!b->masks[0] && !b->masks[1] && !b->masks[2]) return std::nullopt;
  }
  return b;
}

}  // namespace platform::gdi

using namespace platform::gdi;

// Only DIB_RGB_COLORS and ordinary memory (no file mapping) are offered; the device
// context is not needed for those and may be 0.
HBITMAP CreateDIBSection(HDC /*dc*/, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset) {
  if (bits) *bits = nullptr;
  if (!info || usage != DIB_RGB_COLORS || section != 0 || offset != 0) return 0;
  std::optional<Bitmap> b = dibFromInfo(*info);
  if (!b) return 0;
  void* pixels = b->pixels.data();  // the block keeps its address when the object moves
  HBITMAP handle = addObject(std::move(*b));
  if (handle && bits) *bits = pixels;
  return handle;
}

// Copies up to `count` colour-table entries from `start` of the DIB selected into `dc`;
// returns how many were copied (0 for deeper bitmaps, which have no table).
UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colors) {
  DeviceContext* d = findDeviceContext(dc);
  if (!d || !colors) return 0;
  Bitmap* b = find<Bitmap>(d->bitmap);
  if (!b || isStockObject(d->bitmap) || b->bitsPerPixel > 8 || start >= b->colors.size()) return 0;
  std::size_t n = b->colors.size() - start;
  if (count < n) n = count;
  std::memcpy(colors, b->colors.data() + start, n * sizeof(RGBQUAD));
  return static_cast<UINT>(n);
}
