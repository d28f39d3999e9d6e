// make_button_faces PREFIX round|diamond SIZE: writes PREFIX{N,H,P}.BMP for an image button.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/button_faces/button_faces.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s PREFIX round|diamond SIZE\n", argv[0]);
    return 2;
  }
  const bool round = std::strcmp(argv[2], "round") == 0;
  if (!round && std::strcmp(argv[2], "diamond") != 0) {
    std::fprintf(stderr, "unknown shape %s\n", argv[2]);
    return 2;
  }
  const int size = std::atoi(argv[3]);
  if (size < 4 || size > 1024) {
    std::fprintf(stderr, "size must be 4..1024\n");
    return 2;
  }
  const auto shape = round ? buttonfaces::Shape::Round : buttonfaces::Shape::Diamond;
  if (!buttonfaces::writeFaces(argv[1], shape, size)) {
    std::fprintf(stderr, "cannot write %s{N,H,P}.BMP\n", argv[1]);
    return 1;
  }
  return 0;
}
