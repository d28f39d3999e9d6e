// Fuzzes the BMP loader on whole files, both from memory and through LoadImageA, and the
// framework's depth probe: whatever the bytes, a bitmap comes out whole or not at all.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/framework.h"
#include "platform/gdi/bmp_file_loader.h"
#include "tools/fuzz/fuzz_file.h"

namespace {

// A decoded bitmap must be self-consistent: rows of `stride` bytes, 4-byte aligned, enough
// for the width, and a full colour table for the paletted depths.
void checkBitmap(const platform::gdi::Bitmap& bm) {
  const std::size_t rowBits = static_cast<std::size_t>(bm.width) * bm.bitsPerPixel;
  if (bm.width <= 0 || bm.height <= 0 || bm.stride % 4 != 0 || static_cast<std::size_t>(bm.stride) * 8 < rowBits)
    std::abort();
  if (bm.pixels.size() != static_cast<std::size_t>(bm.stride) * bm.height) std::abort();
  if (bm.bitsPerPixel <= 8 && bm.colors.size() != (std::size_t{1} << bm.bitsPerPixel)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so that any read past the end is caught.
  std::vector<std::uint8_t> file(data, data + size);
  const auto fromMemory = platform::gdi::decodeBmp(file);
  if (fromMemory) checkBitmap(*fromMemory);

  const std::string& path = writeFuzzInput(data, size, ".bmp");
  const HBITMAP bitmap = LoadImageA(0, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if ((bitmap != 0) != fromMemory.has_value()) std::abort();  // both ways agree
  if (bitmap != 0) {
    BITMAP bm{};
    if (GetObjectA(bitmap, sizeof bm, &bm) != static_cast<int>(sizeof bm)) std::abort();
    if (std::memcmp(bm.bmBits, fromMemory->pixels.data(), fromMemory->pixels.size()) != 0) std::abort();
    if (!DeleteObject(bitmap)) std::abort();
  }
  const std::int32_t depth = GETBMPDEPTH(path.c_str());
  if (size < 54 && depth != 0) std::abort();
  return 0;
}
