#include "tests/support/region_rects.h"

#include <cstdint>
#include <cstring>

namespace fixtures {

std::vector<RECT> regionRects(HRGN region) {
  const int size = GetRegionData(region, 0, nullptr);
  if (size < static_cast<int>(sizeof(RGNDATAHEADER))) return {};
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (GetRegionData(region, static_cast<DWORD>(size), reinterpret_cast<RGNDATA*>(bytes.data())) != size) return {};
  RGNDATAHEADER h;
  std::memcpy(&h, bytes.data(), sizeof h);
  std::vector<RECT> rects(h.nCount);
  if (h.nCount) std::memcpy(rects.data(), bytes.data() + sizeof h, h.nCount * sizeof(RECT));
  return rects;
}

}  // namespace fixtures
