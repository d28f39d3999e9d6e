// The GDI object table: bitmaps, palettes, regions and brushes behind HGDIOBJ handles.
#pragma once

#include <pixman.h>

#include <cstdint>
#include <variant>
#include <vector>

#include "platform/core/handle_table.h"
#include "platform/win32.h"

namespace platform::gdi {

// A device-independent bitmap. Rows are kept exactly as a DIB lays them out in memory:
// `stride` bytes each (padded to 4), bottom-up unless `topDown`, so `pixels.data()` is the
// pixel address GetObjectA and CreateDIBSection hand out.
struct Bitmap {
  int width = 0;
  int height = 0;  // always positive; the row order is in topDown
  int bitsPerPixel = 0;
  int stride = 0;
  bool topDown = false;
  DWORD compression = BI_RGB;        // BI_RGB or BI_BITFIELDS
  DWORD masks[3] = {0, 0, 0};        // red, green, blue masks for 16 and 32 bits
  std::vector<RGBQUAD> colors;       // colour table for 1, 4 and 8 bits
  std::vector<std::uint8_t> pixels;  // stride * height bytes
  HDC selectedInto = 0;              // the memory DC holding it, 0 when free

  // Address of the row that is `y` rows from the top of the picture.
  std::uint8_t* rowFromTop(int y) {
    return pixels.data() + static_cast<std::size_t>(topDown ? y : height - 1 - y) * stride;
  }
  const std::uint8_t* rowFromTop(int y) const { return const_cast<Bitmap*>(this)->rowFromTop(y); }
};

struct Palette {
  std::vector<PALETTEENTRY> entries;
  HDC selectedInto = 0;
};

// A region in device pixels, on pixman's 32-bit region code.
struct Region {
  pixman_region32_t rgn;
  Region() { pixman_region32_init(&rgn); }
  Region(const Region& o) {
    pixman_region32_init(&rgn);
    pixman_region32_copy(&rgn, const_cast<pixman_region32_t*>(&o.rgn));
  }
  Region& operator=(const Region& o) {
    if (this != &o) pixman_region32_copy(&rgn, const_cast<pixman_region32_t*>(&o.rgn));
    return *this;
  }
  Region(Region&& o) noexcept : Region(static_cast<const Region&>(o)) {}
  Region& operator=(Region&& o) noexcept { return *this = static_cast<const Region&>(o); }
  ~Region() { pixman_region32_fini(&rgn); }
};

struct Brush {
  COLORREF color = 0;
  bool hollow = false;
};

struct Font {
  int pointSize = 0;
};

using GdiObject = std::variant<Bitmap, Palette, Region, Brush, Font>;

struct StockTag {};

// The table itself. Stock objects (GetStockObject, GetSysColorBrush) are marked so that
// DeleteObject leaves them alone, as the system's shared objects.
HGDIOBJ addObject(GdiObject object, bool stock = false);
GdiObject* findObject(HGDIOBJ handle);
bool isStockObject(HGDIOBJ handle);
bool removeObject(HGDIOBJ handle);

template <class T>
T* find(HGDIOBJ handle) {
  GdiObject* o = findObject(handle);
  return o ? std::get_if<T>(o) : nullptr;
}

}  // namespace platform::gdi
