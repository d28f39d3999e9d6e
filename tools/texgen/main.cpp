// Writes the demo's three texture files into the folder given as the one argument (the
// demo's app/data when run by hand).
#include <cstdio>
#include <string>

#include "tools/texgen/texgen.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  for (const auto& file : texgen::makeTextureFiles()) {
    const std::string path = folder + "/" + file.name;
    if (file.bytes.empty() || !image_writer::writeFile(path, file.bytes)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s: %zu bytes\n", path.c_str(), file.bytes.size());
  }
  return 0;
}
