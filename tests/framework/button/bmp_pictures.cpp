#include "tests/framework/button/bmp_pictures.h"

#include "tests/support/image_fixtures.h"

namespace pictures {

std::string writeTrueColour(const std::string& name, int bits, int width, int height,
                            const std::vector<std::uint32_t>& colours, bool topDownFile) {
  fixtures::BmpLayout layout;
  layout.width = width;
  layout.height = topDownFile ? -height : height;
  layout.bitsPerPixel = static_cast<std::uint16_t>(bits);
  std::vector<fixtures::Bytes> rows;
  for (int k = 0; k < height; ++k) {
    int y = topDownFile ? k : height - 1 - k;
    fixtures::Bytes row;
    for (int x = 0; x < width; ++x) {
      std::uint32_t c = colours[static_cast<std::size_t>(y * width + x)];
      row.insert(row.end(), {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c >> 16)});
      if (bits == 32) row.push_back(0);
    }
    rows.push_back(row);
  }
  return fixtures::writeFile(name, fixtures::bmpFile(layout, rows));
}

std::string writeIndexed(const std::string& name, int bits, int width, int height, const std::vector<int>& indexes,
                         const std::vector<std::uint32_t>& table) {
  fixtures::BmpLayout layout;
  layout.width = width;
  layout.height = height;
  layout.bitsPerPixel = static_cast<std::uint16_t>(bits);
  for (std::uint32_t c : table)
    layout.colors.push_back(RGBQUAD{static_cast<BYTE>(c), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c >> 16), 0});
  std::vector<fixtures::Bytes> rows;
  for (int y = height - 1; y >= 0; --y) {
    fixtures::Bytes row(static_cast<std::size_t>((width * bits + 7) / 8), 0);
    for (int x = 0; x < width; ++x) {
      int index = indexes[static_cast<std::size_t>(y * width + x)];
      int bit = x * bits;
      row[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
    }
    rows.push_back(row);
  }
  return fixtures::writeFile(name, fixtures::bmpFile(layout, rows));
}

}  // namespace pictures
