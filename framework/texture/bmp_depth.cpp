// GETBMPDEPTH: the depth probe that decides how a BMP file is uploaded.
#include <fstream>

#include "framework/framework.h"
#include "framework/texture/file_exists.h"

std::int32_t GETBMPDEPTH(const char* BMPFILE) {
  if (!textureFileExists(BMPFILE)) return 0;
  std::ifstream file(BMPFILE, std::ios::binary);
  // Both headers must be there in full: a file that cannot be read, or that ends inside its
  // 54 header bytes, is no more usable than a missing one.
  unsigned char fileHeader[14];
  if (!file.read(reinterpret_cast<char*>(fileHeader), sizeof fileHeader)) return 0;
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') return 0;
  unsigned char infoHeader[40];
  if (!file.read(reinterpret_cast<char*>(infoHeader), sizeof infoHeader)) return 0;
  const std::uint32_t headerSize = infoHeader[0] | (infoHeader[1] << 8) | (infoHeader[2] << 16) |
                                   (static_cast<std::uint32_t>(infoHeader[3]) << 24);
  if (headerSize == 12) return 0;  // OS/2-style header: the bit count is elsewhere
  return infoHeader[14] | (infoHeader[15] << 8);
}
