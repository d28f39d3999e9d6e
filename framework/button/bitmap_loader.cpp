// LOADBMPFROMFILE: a BMP file as a DIB section, with a palette to show or convert it by.
#include <array>
#include <cstring>

#include "framework/framework.h"

namespace {

constexpr WORD kPaletteVersion = 0x300;
constexpr WORD kPaletteEntries = 256;
constexpr std::size_t kPaletteBlockBytes = 4 + 4 * kPaletteEntries;  // 1032

// The system's halftone palette, for bitmaps deeper than 8 bits.
HPALETTE halftonePalette() {
  const HDC screen = GetDC(0);
  const HPALETTE palette = CreateHalftonePalette(screen);
  ReleaseDC(0, screen);
  return palette;
}

// A 256-entry palette equal to the bitmap's colour table; entries past a shorter table
// (2 or 16 colours) are black.
HPALETTE paletteFromColorTable(HBITMAP bitmap) {
  const HDC dc = CreateCompatibleDC(0);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  std::array<RGBQUAD, kPaletteEntries> table{};
  GetDIBColorTable(dc, 0, kPaletteEntries, table.data());

  alignas(4) std::array<BYTE, kPaletteBlockBytes> block{};
  const WORD header[2] = {kPaletteVersion, kPaletteEntries};
  std::memcpy(block.data(), header, sizeof header);
  for (std::size_t i = 0; i < kPaletteEntries; ++i) {
    const PALETTEENTRY entry{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    std::memcpy(block.data() + 4 + 4 * i, &entry, sizeof entry);
  }
  const HPALETTE palette = CreatePalette(reinterpret_cast<const LOGPALETTE*>(block.data()));

  SelectObject(dc, previous);
  DeleteDC(dc);
  return palette;
}

}  // namespace

HBITMAP LOADBMPFROMFILE(const std::string& FILENAME, HPALETTE& PAL) {
  const HBITMAP bitmap = LoadImageA(GetModuleHandleA(nullptr), FILENAME.c_str(), IMAGE_BITMAP, 0, 0,
                                    LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if (bitmap == 0) return 0;
  BITMAP description{};
  GetObjectA(bitmap, sizeof description, &description);
  if (description.bmBitsPixel * description.bmPlanes > 8)
    PAL = halftonePalette();
  else
    PAL = paletteFromColorTable(bitmap);
  return bitmap;
}
