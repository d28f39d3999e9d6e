// BitBlt with SRCCOPY between any two supported depths, through 32-bit colour.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/gdi/draw_surface.h"
#include "platform/gdi/pixel_rows.h"

using namespace platform::gdi;

namespace {

bool sameLayout(const Bitmap& a, const Bitmap& b) {
  if (a.bitsPerPixel != b.bitsPerPixel || a.bitsPerPixel < 8) return false;
  if (a.bitsPerPixel == 8) {
    return a.colors.size() == b.colors.size() &&
           std::memcmp(a.colors.data(), b.colors.data(), a.colors.size() * sizeof(RGBQUAD)) == 0;
  }
  bool aFields = a.compression == BI_BITFIELDS, bFields = b.compression == BI_BITFIELDS;
  if (aFields != bFields) return false;
  return !aFields || std::equal(a.masks, a.masks + 3, b.masks);
}

// Copies a w x h block that lies inside both bitmaps. Rows are taken in the order that
// keeps an overlapping copy within one bitmap correct, and each source row is read whole
// before the destination row is written.
void copyBlock(const Bitmap& src, int sx, int sy, Bitmap& dst, int dx, int dy, int w, int h) {
  bool bottomUp = &src == &dst && dy > sy;
  if (sameLayout(src, dst)) {
    std::size_t bytesPerPixel = static_cast<std::size_t>(src.bitsPerPixel / 8);
    for (int k = 0; k < h; ++k) {
      int i = bottomUp ? h - 1 - k : k;
      std::memmove(dst.rowFromTop(dy + i) + dx * bytesPerPixel, src.rowFromTop(sy + i) + sx * bytesPerPixel,
                   w * bytesPerPixel);
    }
    return;
  }
  PixelRows reader(src);
  PixelRows writer(dst);
  std::vector<std::uint32_t> colors(static_cast<std::size_t>(w));
  for (int k = 0; k < h; ++k) {
    int i = bottomUp ? h - 1 - k : k;
    reader.read(src.rowFromTop(sy + i), sx, w, colors.data());
    writer.write(dst.rowFromTop(dy + i), dx, w, colors.data());
  }
}

// The part of [start, start + length) of the blit that stays inside [0, limit) on the
// side being clipped, as offsets from the blit's own start.
void clipSpan(std::int64_t start, std::int64_t limit, std::int64_t& first, std::int64_t& end) {
  first = std::max(first, -start);
  end = std::min(end, limit - start);
}

}  // namespace

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
  if (rop != SRCCOPY) return FALSE;
  std::optional<DrawSurface> to = surfaceOf(dst);
  std::optional<DrawSurface> from = surfaceOf(src);
  if (!to || !from) return FALSE;
  if (width <= 0 || height <= 0) return TRUE;

  // Offsets into the blit (0..width, 0..height) that lie inside both bitmaps.
  std::int64_t dstLeft = std::int64_t{x} + to->originX, dstTop = std::int64_t{y} + to->originY;
  std::int64_t srcLeft = std::int64_t{srcX} + from->originX, srcTop = std::int64_t{srcY} + from->originY;
  std::int64_t x0 = 0, x1 = width, y0 = 0, y1 = height;
  clipSpan(dstLeft, to->bitmap->width, x0, x1);
  clipSpan(srcLeft, from->bitmap->width, x0, x1);
  clipSpan(dstTop, to->bitmap->height, y0, y1);
  clipSpan(srcTop, from->bitmap->height, y0, y1);
  if (x0 >= x1 || y0 >= y1) return TRUE;

  // The destination context's clip region cuts the block into boxes (in blit offsets).
  pixman_region32_t area;
  pixman_region32_init_rect(&area, static_cast<int>(x0), static_cast<int>(y0), static_cast<unsigned>(x1 - x0),
                            static_cast<unsigned>(y1 - y0));
  if (to->clip) {
    pixman_region32_t clip;
    pixman_region32_init(&clip);
    pixman_region32_copy(&clip, const_cast<pixman_region32_t*>(to->clip));
    pixman_region32_translate(&clip, -x, -y);
    pixman_region32_intersect(&area, &area, &clip);
    pixman_region32_fini(&clip);
  }
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(&area, &count);
  for (int i = 0; i < count; ++i) {
    const pixman_box32_t& b = boxes[i];
    copyBlock(*from->bitmap, static_cast<int>(srcLeft + b.x1), static_cast<int>(srcTop + b.y1), *to->bitmap,
              static_cast<int>(dstLeft + b.x1), static_cast<int>(dstTop + b.y1), b.x2 - b.x1, b.y2 - b.y1);
  }
  pixman_region32_fini(&area);
  return TRUE;
}
