// Drawing the visible child windows (status bar, image buttons) of a top-level window over
// its GL back buffer, clipped by their window regions, just before the buffers are swapped.
// Must leave the application's GL state as it found it.
#pragma once

#include "platform/win32.h"

namespace platform::wgl {

// Called by SwapBuffers with the top-level window whose buffers are about to be swapped,
// while that window's GL context is current.
void compositeChildWindows(HWND topLevel);

}  // namespace platform::wgl
