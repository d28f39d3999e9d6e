#include "platform/gdi/gdi_objects.h"

#include <cstring>

namespace platform::gdi {
namespace {

struct Entry {
  GdiObject object;
  bool stock = false;
};

HandleTable<Entry>& table() {
  static HandleTable<Entry> t(HandleTag::GdiObject);
  return t;
}

}  // namespace

HGDIOBJ addObject(GdiObject object, bool stock) { return table().add(Entry{std::move(object), stock}); }

GdiObject* findObject(HGDIOBJ handle) {
  Entry* e = table().find(handle);
  return e ? &e->object : nullptr;
}

bool isStockObject(HGDIOBJ handle) {
  Entry* e = table().find(handle);
  return e && e->stock;
}

bool removeObject(HGDIOBJ handle) { return table().remove(handle); }

}  // namespace platform::gdi

using namespace platform::gdi;

// Stock objects are never deleted; an object still selected into a device context is not
// deleted either (the call fails, as on Windows), so the context never holds a dead handle.
BOOL DeleteObject(HGDIOBJ object) {
  GdiObject* o = findObject(object);
  if (!o || isStockObject(object)) return FALSE;
  if (auto* b = std::get_if<Bitmap>(o); b && b->selectedInto != 0) return FALSE;
  if (auto* p = std::get_if<Palette>(o); p && p->selectedInto != 0) return FALSE;
  return removeObject(object) ? TRUE : FALSE;
}

int GetObjectA(HGDIOBJ object, int size, LPVOID out) {
  GdiObject* o = findObject(object);
  if (!o) return 0;
  if (auto* b = std::get_if<Bitmap>(o)) {
    if (!out) return static_cast<int>(sizeof(BITMAP));
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    BITMAP bm{};
    bm.bmType = 0;
    bm.bmWidth = b->width;
    bm.bmHeight = b->height;
    bm.bmWidthBytes = b->stride;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = static_cast<WORD>(b->bitsPerPixel);
    bm.bmBits = b->pixels.empty() ? nullptr : b->pixels.data();
    std::memcpy(out, &bm, sizeof bm);
    return static_cast<int>(sizeof(BITMAP));
  }
  if (auto* p = std::get_if<Palette>(o)) {
    // A palette reports its entry count as a WORD.
    if (!out) return static_cast<int>(sizeof(WORD));
    if (size < static_cast<int>(sizeof(WORD))) return 0;
    WORD n = static_cast<WORD>(p->entries.size());
    std::memcpy(out, &n, sizeof n);
    return static_cast<int>(sizeof(WORD));
  }
  return 0;
}
