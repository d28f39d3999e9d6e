// Small BMP pictures for the bitmap loader and region tests, written into the test
// program's temporary folder from colours or colour indexes listed row by row from the top.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pictures {

// A 24- or 32-bit picture of colours 0xRRGGBB. Rows are stored bottom-up, as in most
// files, unless `topDownFile`.
std::string writeTrueColour(const std::string& name, int bits, int width, int height,
                            const std::vector<std::uint32_t>& colours, bool topDownFile = false);

// A 1-, 4- or 8-bit picture with the given colour table (0xRRGGBB entries, as many as given).
std::string writeIndexed(const std::string& name, int bits, int width, int height, const std::vector<int>& indexes,
                         const std::vector<std::uint32_t>& table);

}  // namespace pictures
