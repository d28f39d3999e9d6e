// In-place exchange of the first and third byte of packed pixels (blue and red), for the
// BMP and TGA loaders.
#pragma once

#include <cstddef>
#include <cstdint>

void swapRedBlue3(std::uint8_t* pixels, std::size_t count);  // 3-byte pixels
void swapRedBlue4(std::uint8_t* pixels, std::size_t count);  // 4-byte pixels; alpha stays
