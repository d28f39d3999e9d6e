// Union that appends in place when the new part lies at the bottom of the region.
//
// pixman keeps a region as y-x bands: boxes sorted by their band's top, each band's boxes
// sorted by x, and vertically adjacent bands with the same spans merged into one. The
// boxes live in a malloc'ed block headed by pixman_region32_data_t (size = capacity,
// numRects = used), declared in pixman.h; a single box is kept in `extents` alone, with
// no block. Every band that ends at or above the top of `src` is untouched by the union,
// so only the bands after them are united with `src` (by pixman) and written back behind
// them, with the block grown geometrically.
#include <pixman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/gdi/region_ops.h"
#include "platform/win32.h"

namespace platform::gdi {
namespace {

struct Boxes {
  pixman_box32_t* data;
  int count;
};

Boxes boxesOf(pixman_region32_t* r) {
  int n = 0;
  pixman_box32_t* b = pixman_region32_rectangles(r, &n);
  return {b, n};
}

// Makes room for `needed` boxes in r's own block, creating the block when r is one box.
bool reserve(pixman_region32_t* r, long needed) {
  pixman_region32_data_t* d = r->data;
  if (d && d->size >= needed) return true;
  if (d && d->size == 0) return false;  // pixman's shared empty or broken marker
  long capacity = std::max<long>(needed, d ? d->size * 2 : 16);
  std::size_t bytes = sizeof(pixman_region32_data_t) + static_cast<std::size_t>(capacity) * sizeof(pixman_box32_t);
  auto* grown = static_cast<pixman_region32_data_t*>(d ? std::realloc(d, bytes) : std::malloc(bytes));
  if (!grown) return false;
  if (!d) {
    grown->numRects = 1;
    *reinterpret_cast<pixman_box32_t*>(grown + 1) = r->extents;
  }
  grown->size = capacity;
  r->data = grown;
  return true;
}

bool sameSpans(const pixman_box32_t* a, const pixman_box32_t* b, int n) {
  for (int i = 0; i < n; ++i)
    if (a[i].x1 != b[i].x1 || a[i].x2 != b[i].x2) return false;
  return true;
}

int firstBandLength(const Boxes& b) {
  int n = 1;
  while (n < b.count && b.data[n].y1 == b.data[0].y1) ++n;
  return n;
}

}  // namespace

bool unionInto(pixman_region32_t* dst, const pixman_region32_t* src) {
  auto* s = const_cast<pixman_region32_t*>(src);
  if (!pixman_region32_not_empty(s)) return pixman_region32_union(dst, dst, s);
  if (!pixman_region32_not_empty(dst)) return pixman_region32_copy(dst, s);

  // keep = the boxes of whole bands that end at or above src's top.
  Boxes all = boxesOf(dst);
  int keep = all.count;
  while (keep > 0 && all.data[keep - 1].y2 > s->extents.y1) --keep;
  if (keep == 0 || (dst->data && dst->data->size == 0)) return pixman_region32_union(dst, dst, s);

  pixman_region32_t tail, merged;
  pixman_region32_init_rects(&tail, all.data + keep, all.count - keep);
  pixman_region32_init(&merged);
  bool ok = pixman_region32_union(&merged, &tail, s);
  pixman_region32_fini(&tail);
  Boxes add = boxesOf(&merged);
  if (!ok || add.count == 0) {
    pixman_region32_fini(&merged);
    return pixman_region32_union(dst, dst, s);
  }

  // The last kept band and the first new band merge when they touch and span alike.
  int lastBandStart = keep - 1;
  while (lastBandStart > 0 && all.data[lastBandStart - 1].y1 == all.data[keep - 1].y1) --lastBandStart;
  int lastBandLength = keep - lastBandStart;
  int skip = 0;
  if (all.data[keep - 1].y2 == add.data[0].y1 && firstBandLength(add) == lastBandLength &&
      sameSpans(all.data + lastBandStart, add.data, lastBandLength))
    skip = lastBandLength;

  long total = static_cast<long>(keep) + (add.count - skip);
  pixman_box32_t newExtents = {std::min(dst->extents.x1, s->extents.x1), dst->extents.y1,
                               std::max(dst->extents.x2, s->extents.x2), std::max(dst->extents.y2, s->extents.y2)};
  if (total == 1) {
    // One box in all: pixman keeps that in the extents alone.
    if (dst->data && dst->data->size) std::free(dst->data);
    dst->data = nullptr;
    dst->extents = newExtents;
    pixman_region32_fini(&merged);
    return true;
  }
  if (!reserve(dst, total)) {
    pixman_region32_fini(&merged);
    return pixman_region32_union(dst, dst, s);
  }
  auto* boxes = reinterpret_cast<pixman_box32_t*>(dst->data + 1);
  if (skip)
    for (int i = lastBandStart; i < keep; ++i) boxes[i].y2 = add.data[0].y2;
  std::memcpy(boxes + keep, add.data + skip, static_cast<std::size_t>(add.count - skip) * sizeof(pixman_box32_t));
  dst->data->numRects = total;
  dst->extents = newExtents;
  pixman_region32_fini(&merged);
  return true;
}

int regionKind(const pixman_region32_t& region) {
  auto* r = const_cast<pixman_region32_t*>(&region);
  if (!pixman_region32_not_empty(r)) return NULLREGION;
  return pixman_region32_n_rects(r) == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace platform::gdi
