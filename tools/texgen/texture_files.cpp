#include "tools/texgen/texgen.h"

namespace texgen {

std::vector<TextureFile> makeTextureFiles() {
  std::vector<TextureFile> files;
  const Image bark = makeBark();
  files.push_back({"corteccia01.bmp", image_writer::encodeBmp(bark.width, bark.height, bark.channels, bark.pixels.data())});
  const Image floor = makeFloor();
  files.push_back({"Floor05.bmp", image_writer::encodeBmp(floor.width, floor.height, floor.channels, floor.pixels.data())});
  const Image foliage = makeFoliage();
  files.push_back({"pino.tga", image_writer::encodeTga(foliage.width, foliage.height, foliage.channels, foliage.pixels.data())});
  return files;
}

}  // namespace texgen
