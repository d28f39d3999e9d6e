// Writes small uncompressed BMP and TGA files from RGB or RGBA pixel rows: the texture
// generator's output and the image fixtures of the tests.
//
// Pixels come as rows of `channels` bytes per pixel (3: red, green, blue; 4: red, green, blue,
// alpha), `width * channels` bytes per row with no padding, the top row of the picture first.
// The encoders reorder the bytes and rows as each format stores them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace image_writer {

using Bytes = std::vector<std::uint8_t>;

struct BmpOptions {
  bool topDown = false;  // rows stored top row first (negative height) instead of bottom-up
};

struct TgaOptions {
  bool topLeftOrigin = false;  // descriptor bit 5; rows stored top row first
};

// A BITMAPFILEHEADER + BITMAPINFOHEADER (40 bytes, BI_RGB) file of 24 bits (channels 3) or
// 32 bits (channels 4; alpha kept in the fourth byte), rows padded to 4 bytes.
// Returns an empty vector for a bad size or channel count.
Bytes encodeBmp(int width, int height, int channels, const std::uint8_t* pixels,
                BmpOptions options = {});

// An uncompressed true-colour TGA (image type 2) of 24 or 32 bits, no image ID, no colour map,
// origin (0, 0); 32-bit files declare 8 alpha bits. Bottom row stored first unless
// topLeftOrigin. Returns an empty vector for a bad size or channel count.
Bytes encodeTga(int width, int height, int channels, const std::uint8_t* pixels,
                TgaOptions options = {});

// Writes the bytes to the file; false when it cannot be written completely.
bool writeFile(const std::string& path, const Bytes& bytes);

}  // namespace image_writer
