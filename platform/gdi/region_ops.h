// Region helpers shared by the region calls, SelectObject and BitBlt.
#pragma once

#include <pixman.h>

namespace platform::gdi {

// NULLREGION, SIMPLEREGION or COMPLEXREGION.
int regionKind(const pixman_region32_t& region);

// dst := dst ∪ src. When src lies at or below the bottom band of dst (as when a region is
// built in pieces scanned from the top) only dst's last bands are touched, so building a
// region of n rectangles this way costs O(n) in all instead of O(n²). Any other layout
// falls back to pixman's general union. The result is exactly what pixman's union gives.
bool unionInto(pixman_region32_t* dst, const pixman_region32_t* src);

}  // namespace platform::gdi
