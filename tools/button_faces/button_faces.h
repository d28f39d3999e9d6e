// The image button faces of the button example and the button tests: three BMP files per
// button (normal, hover, pressed), one shape, magenta outside the shape.
#pragma once

#include <cstdint>
#include <string>

namespace buttonfaces {

enum class Shape { Round, Diamond };

constexpr std::uint32_t kMagenta = 0xFF00FF;  // 0xRRGGBB, outside every shape

// True when the pixel (x, y) of a size x size face lies inside the shape.
bool inside(Shape shape, int size, int x, int y);

// The body colour (0xRRGGBB) of the face for `letter` 'N' (normal), 'H' (hover) or
// 'P' (pressed); the three differ clearly so that a screenshot tells them apart.
std::uint32_t bodyColour(Shape shape, char letter);

// Writes prefix + "N.BMP", prefix + "H.BMP" and prefix + "P.BMP": 24-bit, size x size,
// body colour inside the shape with a white mark in the middle, magenta outside.
// False if a file cannot be written.
bool writeFaces(const std::string& prefix, Shape shape, int size);

}  // namespace buttonfaces
