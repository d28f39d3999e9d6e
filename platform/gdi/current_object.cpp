// GetCurrentObject: what a device context holds, so that its owner can free the bitmap and
// palette after deleting the context.
#include "platform/gdi/device_context.h"

using namespace platform::gdi;

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
  const DeviceContext* context = findDeviceContext(dc);
  if (!context) return 0;
  if (type == OBJ_BITMAP) return context->bitmap;
  if (type == OBJ_PAL) return context->palette;
  return 0;
}
