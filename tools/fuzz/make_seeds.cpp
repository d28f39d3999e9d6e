// Writes the seed corpus of a fuzz target: small valid files of every kind its reader takes.
// Usage: fuzz_seeds tga_reader|bmp_loader <folder>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/image_fixtures.h"
#include "tools/image_writer/image_writer.h"

namespace {

using fixtures::Bytes;
using fixtures::operator+;

// Pixels 0..count-1 with varied colours and alpha.
Bytes pattern(int count, int channels) {
  Bytes out;
  for (int i = 0; i < count; ++i)
    for (int c = 0; c < channels; ++c) out.push_back(static_cast<std::uint8_t>(i * 37 + c * 91));
  return out;
}

std::vector<std::pair<std::string, Bytes>> tgaSeeds() {
  const Bytes rgb = pattern(12, 3), rgba = pattern(6, 4);
  const Bytes pixel3 = {10, 20, 30}, pixel4 = {10, 20, 30, 40};
  return {
      {"raw24.tga", image_writer::encodeTga(4, 3, 3, rgb.data())},
      {"raw32.tga", image_writer::encodeTga(3, 2, 4, rgba.data())},
      {"raw24-top-left.tga", image_writer::encodeTga(4, 3, 3, rgb.data(), {.topLeftOrigin = true})},
      // Run-length: a run, a raw packet across the row end, and a long run.
      {"rle24.tga", fixtures::tgaHeader(10, 4, 3, 24) + Bytes{0x82} + pixel3 + Bytes{0x01} + pixel3 + Bytes{1, 2, 3} +
                        Bytes{0x86} + pixel3},
      {"rle32.tga", fixtures::tgaHeader(10, 8, 2, 32) + Bytes{0x8F} + pixel4},
      {"rle32-raw.tga", fixtures::tgaHeader(10, 2, 2, 32) + Bytes{0x03} + pattern(4, 4)},
  };
}

std::vector<std::pair<std::string, Bytes>> bmpSeeds() {
  const Bytes rgb = pattern(15, 3), rgba = pattern(6, 4);
  std::vector<std::pair<std::string, Bytes>> seeds = {
      {"rgb24.bmp", image_writer::encodeBmp(5, 3, 3, rgb.data())},
      {"rgb24-top-down.bmp", image_writer::encodeBmp(5, 3, 3, rgb.data(), {.topDown = true})},
      {"rgba32.bmp", image_writer::encodeBmp(3, 2, 4, rgba.data())},
  };
  struct Paletted {
    const char* name;
    std::uint16_t bits;
    std::uint32_t infoSize;
    int colours;
  };
  for (const Paletted& p : {Paletted{"pal1.bmp", 1, 40, 2}, Paletted{"pal4.bmp", 4, 40, 16},
                            Paletted{"pal8.bmp", 8, 40, 256}, Paletted{"pal8-short.bmp", 8, 40, 5},
                            Paletted{"core4.bmp", 4, 12, 16}}) {
    fixtures::BmpLayout layout;
    layout.width = 3;
    layout.height = 2;
    layout.bitsPerPixel = p.bits;
    layout.infoSize = p.infoSize;
    for (int i = 0; i < p.colours; ++i)
      layout.colors.push_back({static_cast<BYTE>(i), static_cast<BYTE>(i * 3), static_cast<BYTE>(255 - i), 0});
    seeds.emplace_back(p.name, fixtures::bmpFile(layout, {pattern(1, 2), pattern(2, 1)}));
  }
  struct Fields {
    const char* name;
    std::uint16_t bits;
    std::uint32_t infoSize;
    std::array<std::uint32_t, 3> masks;
  };
  for (const Fields& f : {Fields{"fields16.bmp", 16, 40, {0xF800, 0x07E0, 0x001F}},
                          Fields{"fields32-v5.bmp", 32, 124, {0xFF0000, 0xFF00, 0xFF}}}) {
    fixtures::BmpLayout layout;
    layout.width = 3;
    layout.height = -2;
    layout.bitsPerPixel = f.bits;
    layout.compression = BI_BITFIELDS;
    layout.infoSize = f.infoSize;
    layout.masks = f.masks;
    seeds.emplace_back(f.name, fixtures::bmpFile(layout, {pattern(3, f.bits / 8), pattern(3, f.bits / 8)}));
  }
  return seeds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s tga_reader|bmp_loader <folder>\n", argv[0]);
    return 2;
  }
  const std::string kind = argv[1];
  const auto seeds = kind == "tga_reader" ? tgaSeeds() : kind == "bmp_loader" ? bmpSeeds() : decltype(tgaSeeds()){};
  if (seeds.empty()) {
    std::fprintf(stderr, "unknown target %s\n", argv[1]);
    return 2;
  }
  for (const auto& [name, bytes] : seeds) {
    if (bytes.empty() || !image_writer::writeFile(std::string(argv[2]) + "/" + name, bytes)) {
      std::fprintf(stderr, "could not write seed %s\n", name.c_str());
      return 1;
    }
  }
  return 0;
}
