// The steps of HOVERBUTTONHANDLER, one per message it handles. A button keeps all its state
// in window properties (see the image button section of framework.h).
#pragma once

#include "framework/framework.h"

namespace hoverbutton {

// Loads the three images into memory contexts, sizes the window to the normal image and
// shapes it by that image's non-magenta pixels.
void onCreate(HWND WND);
// Hover and press tracking; x and y are the pointer's client position, 0..65535 each.
void onMouseMove(HWND WND, WPARAM KEYS, int X, int Y);
void onLeftButtonDown(HWND WND);
// Posts WM_COMMAND to the parent when the release ends a press.
void onLeftButtonUp(HWND WND);
void onPaint(HWND WND);
// Frees the hit-test region and the three memory contexts with what is selected into them.
void onDestroy(HWND WND);

// Stores the mode and repaints the whole button without erasing.
void setModeAndRepaint(HWND WND, HANDLE MODE);

}  // namespace hoverbutton
