#include "platform/gdi/device_context.h"

#include "platform/core/handle_table.h"
#include "platform/gdi/selection.h"

namespace platform::gdi {
namespace {
HandleTable<DeviceContext>& table() {
  static HandleTable<DeviceContext> t(HandleTag::DeviceContext);
  return t;
}
}  // namespace

HDC addDeviceContext(DeviceContext dc) { return table().add(std::move(dc)); }
DeviceContext* findDeviceContext(HDC dc) { return table().find(dc); }
bool removeDeviceContext(HDC dc) { return table().remove(dc); }

void forEachDeviceContext(const std::function<void(HDC, DeviceContext&)>& fn) { table().forEach(fn); }

bool destroyDeviceContext(HDC dc) {
  DeviceContext* d = findDeviceContext(dc);
  if (!d) return false;
  HBITMAP bitmap = d->bitmap;
  HPALETTE palette = d->palette;
  d->bitmap = 0;
  d->palette = 0;
  releaseBitmap(dc, bitmap);
  releasePalette(dc, palette);
  return removeDeviceContext(dc);
}

}  // namespace platform::gdi
