// The two fixed palettes of the layer: the 20 static system colours (the default palette of
// every device context) and the 256-entry halftone palette.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace platform::gdi {

std::vector<PALETTEENTRY> systemColorEntries();    // 20 entries
std::vector<PALETTEENTRY> halftonePaletteEntries();  // 256 entries

}  // namespace platform::gdi
