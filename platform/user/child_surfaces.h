// The pixel surfaces of child windows. A child window (status bar, image button) paints
// into its own 32-bit surface of the window's size; its window contexts (GetDC,
// BeginPaint) draw there, and each buffer swap composites the surfaces over the GL
// picture (platform/wgl/child_compositor.h). Top-level windows have none: GL draws them.
#pragma once

#include "platform/gdi/gdi_objects.h"
#include "platform/win32.h"

namespace platform::user {

// The surface of a child window: 32-bit (blue, green, red, unused), top-down rows, as large
// as the window rectangle. Made on first use and made anew (black) when the window's size
// has changed since. Null for top-level windows, unknown handles and empty windows.
// The pointer stays valid until the window is destroyed or resized.
gdi::Bitmap* childSurface(HWND window);

// Frees the surface of a window that is being destroyed.
void releaseChildSurface(HWND window);

}  // namespace platform::user
