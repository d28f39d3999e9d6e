// The rectangles of a region as GetRegionData hands them out (y-x band order).
#pragma once

#include <vector>

#include "platform/win32.h"

namespace fixtures {

std::vector<RECT> regionRects(HRGN region);

}  // namespace fixtures
