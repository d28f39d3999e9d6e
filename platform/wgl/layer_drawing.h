// Drawing pixel surfaces over whatever GL is drawing into, without disturbing the
// application's GL state: the last step of a buffer swap puts the child windows (status bar,
// image buttons) over the GL picture this way.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace platform::wgl {

// One surface to draw: 32-bit pixels (blue, green, red, unused; rows top-down, `stride`
// bytes apart), put with its top-left corner at (x, y) of the drawable (y downwards).
// Only the rectangles in `shape` are drawn, in the surface's own coordinates; pieces
// outside the surface are cut off.
struct Layer {
  const std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  int x = 0;
  int y = 0;
  std::vector<RECT> shape;
};

// Draws the layers in order (later ones on top) into the current context's back buffer,
// which belongs to a drawable of drawableWidth by drawableHeight pixels. Every piece of GL
// state it touches is put back as it was; the colour buffer's alpha is left alone.
// Does nothing while the context records a display list, is not in GL_RENDER mode, or has
// no room left on its attribute stacks.
void drawLayers(const std::vector<Layer>& layers, int drawableWidth, int drawableHeight);

}  // namespace platform::wgl
