// The device-context table. A window DC draws on its window; a memory DC draws on the
// bitmap selected into it.
#pragma once

#include <functional>
#include <optional>

#include "platform/gdi/gdi_objects.h"
#include "platform/win32.h"

namespace platform::gdi {

struct DeviceContext {
  HWND window = 0;        // window DCs: the window drawn on; 0 for memory DCs
  bool memory = false;    // made by CreateCompatibleDC
  HBITMAP bitmap = 0;     // bitmap selected into a memory DC (the shared 1x1 default at first)
  HPALETTE palette = 0;   // palette selected with SelectPalette (0 or the default at first)
  HBRUSH brush = 0;
  HFONT font = 0;
  std::optional<Region> clip;  // copy of the region selected with SelectObject; none = no clip
  int pixelFormat = 0;    // chosen with SetPixelFormat (window DCs)
};

HDC addDeviceContext(DeviceContext dc);
DeviceContext* findDeviceContext(HDC dc);
bool removeDeviceContext(HDC dc);
void forEachDeviceContext(const std::function<void(HDC, DeviceContext&)>& fn);

// Lets go of everything selected into the context (bitmap, palette) so that those objects
// can be deleted or selected elsewhere, then removes the context. Every way a context ends
// (DeleteDC, ReleaseDC, a window's destruction) goes through here.
bool destroyDeviceContext(HDC dc);

}  // namespace platform::gdi
