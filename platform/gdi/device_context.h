// The device-context table. A window DC draws on its window; a memory DC draws on the
// bitmap selected into it.
#pragma once

#include "platform/win32.h"

namespace platform::gdi {

struct DeviceContext {
  HWND window = 0;        // window DCs: the window drawn on; 0 for memory DCs
  bool memory = false;    // made by CreateCompatibleDC
  HBITMAP bitmap = 0;     // bitmap selected into a memory DC (0: its 1x1 default)
  HPALETTE palette = 0;   // palette selected with SelectPalette
  HBRUSH brush = 0;
  HFONT font = 0;
  int pixelFormat = 0;    // chosen with SetPixelFormat (window DCs)
};

HDC addDeviceContext(DeviceContext dc);
DeviceContext* findDeviceContext(HDC dc);
bool removeDeviceContext(HDC dc);

}  // namespace platform::gdi
