// Reading Windows cursor (.cur) and icon (.ico) files into a 32-bit RGBA picture.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace platform::user {

struct CursorImage {
  int width = 0;
  int height = 0;
  int hotX = 0;  // the pointer's hot spot; the centre for icon files
  int hotY = 0;
  std::vector<std::uint8_t> rgba;  // width * height pixels, top row first
};

// Decodes the largest picture of the file. Handles the uncompressed bitmap pictures
// (1, 4, 8, 24 and 32 bits with the AND mask); anything truncated, inconsistent or of
// another kind (PNG-compressed pictures among them) gives nothing.
std::optional<CursorImage> decodeCursorFile(const std::vector<std::uint8_t>& bytes);

}  // namespace platform::user
