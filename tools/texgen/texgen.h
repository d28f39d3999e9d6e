// The demo's three texture files, made from procedural noise: bark, forest floor and a
// pine sprig with an alpha cut-out. The same call gives the same bytes on every run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/image_writer/image_writer.h"

namespace texgen {

// Pixels as image_writer takes them: top row first, `channels` bytes per pixel.
struct Image {
  int width = 0;
  int height = 0;
  int channels = 0;
  std::vector<std::uint8_t> pixels;
};

// Pine bark with vertical furrows and plates, 256 by 256, tileable both ways.
Image makeBark();
// Forest floor of earth, moss, pebbles and fallen needles, 512 by 512, tileable both ways.
Image makeFloor();
// A pine sprig, 256 by 256 RGBA: alpha covers the needles and twigs, elsewhere 0.
Image makeFoliage();

struct TextureFile {
  std::string name;  // file name in the demo's data folder
  image_writer::Bytes bytes;
};

// "corteccia01.bmp" (24-bit BMP), "Floor05.bmp" (24-bit BMP), "pino.tga" (32-bit TGA).
std::vector<TextureFile> makeTextureFiles();

}  // namespace texgen
