#include "platform/gdi/palette_tables.h"

#include <array>
#include <cstdint>

namespace platform::gdi {
namespace {

PALETTEENTRY entry(std::uint32_t rgb) {
  return PALETTEENTRY{static_cast<BYTE>(rgb >> 16), static_cast<BYTE>(rgb >> 8), static_cast<BYTE>(rgb), 0};
}

// The classic static colours as 0xRRGGBB: ten dark and special tones that open the
// palette and ten bright ones that close it.
constexpr std::array<std::uint32_t, 10> kFirstStatic = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080,
                                                         0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0};
constexpr std::array<std::uint32_t, 10> kLastStatic = {0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00,
                                                        0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

}  // namespace

std::vector<PALETTEENTRY> systemColorEntries() {
  std::vector<PALETTEENTRY> out;
  for (std::uint32_t c : kFirstStatic) out.push_back(entry(c));
  for (std::uint32_t c : kLastStatic) out.push_back(entry(c));
  return out;
}

// The static colours keep their places at both ends so that the palette can be realised
// over a system palette without moving them; between them lie the 6x6x6 colour cube
// (levels 0, 51, ..., 255) and 20 greys that fall between the cube's own grey levels.
std::vector<PALETTEENTRY> halftonePaletteEntries() {
  std::vector<PALETTEENTRY> out;
  out.reserve(256);
  for (std::uint32_t c : kFirstStatic) out.push_back(entry(c));
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        out.push_back(PALETTEENTRY{static_cast<BYTE>(r * 51), static_cast<BYTE>(g * 51), static_cast<BYTE>(b * 51), 0});
  for (int k = 1; k <= 20; ++k) {
    BYTE v = static_cast<BYTE>((k * 255 + 10) / 21);
    out.push_back(PALETTEENTRY{v, v, v, 0});
  }
  for (std::uint32_t c : kLastStatic) out.push_back(entry(c));
  return out;
}

}  // namespace platform::gdi
