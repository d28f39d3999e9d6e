// BITMAPTOREGION: the region of a BMP file's pixels whose colour lies outside a band of
// transparent colours.
//
// The image is copied into a 32-bit bitmap so that every depth is read alike, scanned
// from the top row down, and each run of opaque pixels becomes a one-pixel-high rectangle
// in a region-data buffer that grows by ALLOC_UNIT rectangles. Every BATCH_LIMIT
// rectangles (and once at the end) the buffer becomes one region piece, united into the
// result, so no region call ever receives more than BATCH_LIMIT rectangles.
//
// If the buffer cannot be allocated or grown, or a piece cannot be made or united, the
// shape cannot be built faithfully: everything is freed and the result is 0, never a
// region with pixels missing. No rectangle is written without a locked buffer.
#include <cstdint>
#include <cstring>

#include "framework/framework.h"

namespace {

constexpr DWORD BATCH_LIMIT = 2000;
constexpr DWORD kHeaderBytes = sizeof(RGNDATAHEADER);  // 32
constexpr DWORD kRectBytes = sizeof(RECT);             // 16

// Inclusive colour band of the transparent pixels, per channel.
struct ColourBand {
  BYTE LR, LG, LB, HR, HG, HB;
};

BYTE upTo255(int v) { return static_cast<BYTE>(v > 255 ? 255 : v); }

ColourBand bandOf(COLORREF TRANSCOLOR, BYTE TOLERANCE) {
  const BYTE r = GetRValue(TRANSCOLOR), g = GetGValue(TRANSCOLOR), b = GetBValue(TRANSCOLOR);
  return {r, g, b, upTo255(r + TOLERANCE), upTo255(g + TOLERANCE), upTo255(b + TOLERANCE)};
}

// Pixel words hold blue in bits 0..7, green in 8..15 and red in 16..23.
bool isTransparent(std::uint32_t pixel, const ColourBand& band) {
  const BYTE r = static_cast<BYTE>(pixel >> 16), g = static_cast<BYTE>(pixel >> 8), b = static_cast<BYTE>(pixel);
  return r >= band.LR && r <= band.HR && g >= band.LG && g <= band.HG && b >= band.LB && b <= band.HB;
}

// The movable region-data buffer, its header, and the region united from it so far.
struct RectBuffer {
  HGLOBAL block = 0;
  BYTE* data = nullptr;  // the locked block
  DWORD MAXRECTS = ALLOC_UNIT;
  RGNDATAHEADER header{};
  HRGN result = 0;
};

DWORD bufferBytes(DWORD maxRects) { return kHeaderBytes + kRectBytes * maxRects; }

void emptyHeader(RectBuffer& buffer) {
  buffer.header.nCount = 0;
  buffer.header.nRgnSize = 0;
  buffer.header.rcBound = RECT{0x7FFFFFFF, 0x7FFFFFFF, 0, 0};
}

bool openBuffer(RectBuffer& buffer) {
  buffer.MAXRECTS = ALLOC_UNIT;
  buffer.block = GlobalAlloc(GMEM_MOVEABLE, bufferBytes(buffer.MAXRECTS));
  if (buffer.block == 0) return false;
  buffer.data = static_cast<BYTE*>(GlobalLock(buffer.block));
  if (buffer.data == nullptr) return false;
  buffer.header.dwSize = kHeaderBytes;
  buffer.header.iType = RDH_RECTANGLES;
  emptyHeader(buffer);
  std::memcpy(buffer.data, &buffer.header, kHeaderBytes);
  return true;
}

void closeBuffer(RectBuffer& buffer) {
  if (buffer.data) GlobalUnlock(buffer.block);
  if (buffer.block) GlobalFree(buffer.block);
  buffer.data = nullptr;
  buffer.block = 0;
}

// Turns the buffer into a region piece (handing ExtCreateRegion the whole capacity; the
// count says how many rectangles are valid) and unites it into the result.
bool flush(RectBuffer& buffer) {
  std::memcpy(buffer.data, &buffer.header, kHeaderBytes);
  const HRGN piece = ExtCreateRegion(nullptr, bufferBytes(buffer.MAXRECTS), reinterpret_cast<const RGNDATA*>(buffer.data));
  if (piece == 0) return false;
  if (buffer.result == 0) {
    buffer.result = piece;
  } else {
    const int united = CombineRgn(buffer.result, buffer.result, piece, RGN_OR);
    DeleteObject(piece);
    if (united == RGN_ERROR) return false;
  }
  emptyHeader(buffer);
  return true;
}

bool addRectangle(RectBuffer& buffer, LONG X0, LONG Y, LONG X) {
  if (buffer.header.nCount >= buffer.MAXRECTS) {
    GlobalUnlock(buffer.block);
    buffer.data = nullptr;
    buffer.MAXRECTS += ALLOC_UNIT;
    if (GlobalReAlloc(buffer.block, bufferBytes(buffer.MAXRECTS), GMEM_MOVEABLE) == 0) return false;
    buffer.data = static_cast<BYTE*>(GlobalLock(buffer.block));
    if (buffer.data == nullptr) return false;
  }
  RECT rect;
  SetRect(&rect, X0, Y, X, Y + 1);
  std::memcpy(buffer.data + kHeaderBytes + kRectBytes * buffer.header.nCount, &rect, kRectBytes);
  RECT& bound = buffer.header.rcBound;
  if (X0 < bound.left) bound.left = X0;
  if (Y < bound.top) bound.top = Y;
  if (X > bound.right) bound.right = X;
  if (Y + 1 > bound.bottom) bound.bottom = Y + 1;
  buffer.header.nCount += 1;
  buffer.header.nRgnSize = kRectBytes * buffer.header.nCount;
  if (buffer.header.nCount == BATCH_LIMIT) return flush(buffer);
  return true;
}

// Scans the rows from the top of the image (the last row in memory) down, recording each
// run of opaque pixels. False when the buffer failed.
bool scanRuns(RectBuffer& buffer, const BYTE* bits, LONG width, LONG height, std::size_t stride, const ColourBand& band) {
  for (LONG Y = 0; Y < height; ++Y) {
    const BYTE* row = bits + static_cast<std::size_t>(height - 1 - Y) * stride;
    LONG X = 0;
    while (X < width) {
      const LONG X0 = X;
      while (X < width) {
        std::uint32_t pixel;
        std::memcpy(&pixel, row + 4 * static_cast<std::size_t>(X), sizeof pixel);
        if (isTransparent(pixel, band)) break;
        ++X;
      }
      if (X > X0 && !addRectangle(buffer, X0, Y, X)) return false;
      ++X;  // the transparent pixel that ended the run
    }
  }
  return true;
}

// Copies the loaded bitmap into the 32-bit bitmap selected into `conversion`, through a
// temporary context holding the bitmap and its palette.
bool copyInto32Bits(HDC conversion, HBITMAP bitmap, HPALETTE palette, LONG width, LONG height) {
  const HDC temporary = CreateCompatibleDC(conversion);
  const HGDIOBJ replacedBitmap = SelectObject(temporary, bitmap);
  const HPALETTE replacedPalette = SelectPalette(temporary, palette, TRUE);
  RealizePalette(temporary);
  const BOOL copied = BitBlt(conversion, 0, 0, width, height, temporary, 0, 0, SRCCOPY);
  SelectPalette(temporary, replacedPalette, FALSE);
  SelectObject(temporary, replacedBitmap);
  DeleteDC(temporary);
  return copied != FALSE;
}

}  // namespace

HRGN BITMAPTOREGION(const std::string& BMPNAME, COLORREF TRANSCOLOR, BYTE TOLERANCE) {
  HPALETTE palette = 0;
  const HBITMAP bitmap = LOADBMPFROMFILE(BMPNAME, palette);
  if (bitmap == 0) return 0;
  const HDC conversion = CreateCompatibleDC(0);
  if (conversion == 0) {
    DeleteObject(palette);
    DeleteObject(bitmap);
    return 0;
  }
  BITMAP loaded{};
  GetObjectA(bitmap, sizeof loaded, &loaded);
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), loaded.bmWidth, loaded.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* pixels = nullptr;
  const HBITMAP bitmap32 = CreateDIBSection(conversion, &info, DIB_RGB_COLORS, &pixels, 0, 0);
  if (bitmap32 == 0) {
    DeleteDC(conversion);
    DeleteObject(palette);
    DeleteObject(bitmap);
    return 0;
  }
  const HGDIOBJ replaced = SelectObject(conversion, bitmap32);
  bool ok = copyInto32Bits(conversion, bitmap, palette, loaded.bmWidth, loaded.bmHeight);

  BITMAP converted{};
  GetObjectA(bitmap32, sizeof converted, &converted);
  std::size_t stride = static_cast<std::size_t>(converted.bmWidthBytes);
  if (stride % 4 != 0) stride += 4 - stride % 4;

  RectBuffer buffer;
  ok = ok && openBuffer(buffer);
  ok = ok && scanRuns(buffer, static_cast<const BYTE*>(pixels), converted.bmWidth, converted.bmHeight, stride,
                      bandOf(TRANSCOLOR, TOLERANCE));
  ok = ok && flush(buffer);
  closeBuffer(buffer);

  SelectObject(conversion, replaced);
  DeleteObject(bitmap32);
  DeleteDC(conversion);
  DeleteObject(palette);
  DeleteObject(bitmap);
  if (!ok && buffer.result != 0) {
    DeleteObject(buffer.result);
    return 0;
  }
  return ok ? buffer.result : 0;
}
