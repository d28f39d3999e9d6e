#include "tools/button_faces/button_faces.h"

#include <cstdlib>
#include <vector>

#include "tools/image_writer/image_writer.h"

namespace buttonfaces {

bool inside(Shape shape, int size, int x, int y) {
  // Measured from the centre in doubled units, so that even sizes stay symmetric.
  const int dx = 2 * x + 1 - size, dy = 2 * y + 1 - size;
  const int r = size - 2;  // leaves a one-pixel magenta margin
  if (shape == Shape::Round) return dx * dx + dy * dy <= r * r;
  return std::abs(dx) + std::abs(dy) <= r;
}

std::uint32_t bodyColour(Shape shape, char letter) {
  if (shape == Shape::Round) {
    return letter == 'H' ? 0x5096FF : letter == 'P' ? 0x143278 : 0x285AC8;
  }
  return letter == 'H' ? 0xFFAA3C : letter == 'P' ? 0x78460A : 0xC8781E;
}

bool writeFaces(const std::string& prefix, Shape shape, int size) {
  for (char letter : {'N', 'H', 'P'}) {
    const std::uint32_t body = bodyColour(shape, letter);
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(size) * size * 3);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        // A small white square in the middle marks the face's centre.
        const int m = size / 8;
        const bool mark = std::abs(2 * x + 1 - size) <= m && std::abs(2 * y + 1 - size) <= m;
        const std::uint32_t c = !inside(shape, size, x, y) ? kMagenta : mark ? 0xFFFFFF : body;
        rgb.push_back(static_cast<std::uint8_t>(c >> 16));
        rgb.push_back(static_cast<std::uint8_t>(c >> 8));
        rgb.push_back(static_cast<std::uint8_t>(c));
      }
    }
    const image_writer::Bytes file = image_writer::encodeBmp(size, size, 3, rgb.data());
    if (file.empty() || !image_writer::writeFile(prefix + letter + ".BMP", file)) return false;
  }
  return true;
}

}  // namespace buttonfaces
