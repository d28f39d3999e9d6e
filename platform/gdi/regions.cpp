// Region calls on pixman's 32-bit regions.
#include <pixman.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region_ops.h"

using namespace platform::gdi;

namespace {

bool isIdentity(const XFORM& t) {
  return t.eM11 == 1.0f && t.eM12 == 0.0f && t.eM21 == 0.0f && t.eM22 == 1.0f && t.eDx == 0.0f && t.eDy == 0.0f;
}

HRGN addRegion(Region region) { return addObject(std::move(region)); }

bool copyInto(pixman_region32_t* dst, pixman_region32_t* src) { return dst == src || pixman_region32_copy(dst, src); }

bool unite(pixman_region32_t* dst, pixman_region32_t* a, pixman_region32_t* b) {
  if (dst == a) return unionInto(dst, b);
  if (dst == b) return unionInto(dst, a);
  return pixman_region32_copy(dst, a) && unionInto(dst, b);
}

bool exclusiveOr(pixman_region32_t* dst, pixman_region32_t* a, pixman_region32_t* b) {
  Region onlyA, onlyB;
  bool ok = pixman_region32_subtract(&onlyA.rgn, a, b) && pixman_region32_subtract(&onlyB.rgn, b, a);
  return ok && pixman_region32_union(dst, &onlyA.rgn, &onlyB.rgn);
}

}  // namespace

// Builds a region from RDH_RECTANGLES data. The header must be the 32-byte one and the
// count must fit in `size`; empty or inverted rectangles add nothing. Only the identity
// transform is supported.
HRGN ExtCreateRegion(const XFORM* transform, DWORD size, const RGNDATA* data) {
  if (transform && !isIdentity(*transform)) return 0;
  if (!data || size < sizeof(RGNDATAHEADER)) return 0;
  const RGNDATAHEADER& h = data->rdh;
  if (h.dwSize != sizeof(RGNDATAHEADER) || h.iType != RDH_RECTANGLES) return 0;
  if (static_cast<std::uint64_t>(h.nCount) * sizeof(RECT) > size - sizeof(RGNDATAHEADER)) return 0;

  std::vector<pixman_box32_t> boxes;
  boxes.reserve(h.nCount);
  const auto* bytes = reinterpret_cast<const unsigned char*>(data) + sizeof(RGNDATAHEADER);
  for (DWORD i = 0; i < h.nCount; ++i) {
    RECT r;
    std::memcpy(&r, bytes + static_cast<std::size_t>(i) * sizeof(RECT), sizeof r);
    if (r.left < r.right && r.top < r.bottom) boxes.push_back({r.left, r.top, r.right, r.bottom});
  }
  Region region;
  pixman_region32_fini(&region.rgn);
  if (!pixman_region32_init_rects(&region.rgn, boxes.data(), static_cast<int>(boxes.size()))) {
    pixman_region32_init(&region.rgn);  // leave a sound object behind for the destructor
    return 0;
  }
  return addRegion(std::move(region));
}

// Corners may come in either order.
HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  Region region;
  pixman_box32_t box = {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
  if (box.x1 < box.x2 && box.y1 < box.y2) pixman_region32_reset(&region.rgn, &box);
  return addRegion(std::move(region));
}

// dst := src1 (mode) src2; dst may be either source. Returns the kind of the result, or
// RGN_ERROR for a bad handle or mode (dst is then unchanged).
int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode) {
  Region* d = find<Region>(dst);
  Region* a = find<Region>(src1);
  Region* b = mode == RGN_COPY ? a : find<Region>(src2);
  if (!d || !a || !b) return RGN_ERROR;
  bool ok = false;
  switch (mode) {
    case RGN_AND: ok = pixman_region32_intersect(&d->rgn, &a->rgn, &b->rgn); break;
    case RGN_OR: ok = unite(&d->rgn, &a->rgn, &b->rgn); break;
    case RGN_XOR: ok = exclusiveOr(&d->rgn, &a->rgn, &b->rgn); break;
    case RGN_DIFF: ok = pixman_region32_subtract(&d->rgn, &a->rgn, &b->rgn); break;
    case RGN_COPY: ok = copyInto(&d->rgn, &a->rgn); break;
    default: return RGN_ERROR;
  }
  return ok ? regionKind(d->rgn) : RGN_ERROR;
}

BOOL PtInRegion(HRGN region, int x, int y) {
  Region* r = find<Region>(region);
  return r && pixman_region32_contains_point(&r->rgn, x, y, nullptr) ? TRUE : FALSE;
}

// With no buffer, returns the bytes needed; with a buffer too small, 0; otherwise fills it
// (header, then the rectangles in y-x band order) and returns `size`.
int GetRegionData(HRGN region, DWORD size, RGNDATA* data) {
  Region* r = find<Region>(region);
  if (!r) return 0;
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(&r->rgn, &count);
  std::uint64_t needed = sizeof(RGNDATAHEADER) + static_cast<std::uint64_t>(count) * sizeof(RECT);
  if (!data) return static_cast<int>(needed);
  if (size < needed) return 0;
  RGNDATAHEADER h{};
  h.dwSize = sizeof(RGNDATAHEADER);
  h.iType = RDH_RECTANGLES;
  h.nCount = static_cast<DWORD>(count);
  h.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  if (count > 0) h.rcBound = RECT{r->rgn.extents.x1, r->rgn.extents.y1, r->rgn.extents.x2, r->rgn.extents.y2};
  std::memcpy(data, &h, sizeof h);
  auto* out = reinterpret_cast<unsigned char*>(data) + sizeof(RGNDATAHEADER);
  for (int i = 0; i < count; ++i) {
    RECT rc{boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2};
    std::memcpy(out + static_cast<std::size_t>(i) * sizeof(RECT), &rc, sizeof rc);
  }
  return static_cast<int>(size);
}

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
  if (!rect) return FALSE;
  *rect = RECT{left, top, right, bottom};
  return TRUE;
}
