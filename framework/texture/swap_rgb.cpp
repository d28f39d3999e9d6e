// SWAPRGB and the 4-byte variant the TGA reader uses: blue-green-red(-alpha) to
// red-green-blue(-alpha) and back, in place.
#include "framework/framework.h"
#include "framework/texture/red_blue_swap.h"

#include <cstring>

void swapRedBlue3(std::uint8_t* pixels, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i, pixels += 3) {
    const std::uint8_t first = pixels[0];
    pixels[0] = pixels[2];
    pixels[2] = first;
  }
}

void swapRedBlue4(std::uint8_t* pixels, std::size_t count) {
  // Whole 32-bit words with masks: the compiler turns this loop into vector code.
  for (std::size_t i = 0; i < count; ++i, pixels += 4) {
    std::uint32_t v;
    std::memcpy(&v, pixels, 4);
    v = (v & 0xFF00FF00u) | ((v >> 16) & 0xFFu) | ((v & 0xFFu) << 16);
    std::memcpy(pixels, &v, 4);
  }
}

void SWAPRGB(void* DATA, std::int32_t SIZE) {
  if (DATA == nullptr || SIZE <= 0) return;
  swapRedBlue3(static_cast<std::uint8_t*>(DATA), static_cast<std::size_t>(SIZE));
}
