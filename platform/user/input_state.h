// Pointer capture and the test seams' overrides, shared inside the user layer.
#pragma once

#include "platform/win32.h"

namespace platform::user {

// Ends the capture without messages when `window` (or a window inside it) holds it; used
// while a window is destroyed.
void dropCaptureWithin(HWND window);

// The seams' pointer override: true and the position when a test has set one.
bool pointerOverride(POINT* screen);
HWND foregroundOverride();

}  // namespace platform::user
