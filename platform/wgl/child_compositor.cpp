// Child windows over the GL picture: every visible child window's surface, cut to its
// window region and to its parent's client area, drawn bottom child first, each followed
// by its own children.
#include "platform/wgl/child_compositor.h"

#include <pixman.h>

#include <vector>

#include "platform/gdi/gdi_objects.h"
#include "platform/user/child_surfaces.h"
#include "platform/user/window_tree.h"
#include "platform/wgl/layer_drawing.h"

namespace platform::wgl {
namespace {

// Owns a pixman region for the length of a scope.
struct ScopedRegion {
  pixman_region32_t r;
  ScopedRegion() { pixman_region32_init(&r); }
  ScopedRegion(int x, int y, int w, int h) {
    pixman_region32_init_rect(&r, x, y, static_cast<unsigned>(w > 0 ? w : 0), static_cast<unsigned>(h > 0 ? h : 0));
  }
  ~ScopedRegion() { pixman_region32_fini(&r); }
  ScopedRegion(const ScopedRegion&) = delete;
  ScopedRegion& operator=(const ScopedRegion&) = delete;
};

// The part of the drawable a child shows: its window region (or its whole rectangle)
// placed at (x, y) and cut to what its parent lets show.
void visibleShape(const user::Window& child, int x, int y, int width, int height, const pixman_region32_t& allowed,
                  pixman_region32_t* out) {
  ScopedRegion bounds(x, y, width, height);
  const gdi::Region* region = child.region ? gdi::find<gdi::Region>(child.region) : nullptr;
  if (region) {
    pixman_region32_copy(out, const_cast<pixman_region32_t*>(&region->rgn));
    pixman_region32_translate(out, x, y);
    pixman_region32_intersect(out, out, &bounds.r);
  } else {
    pixman_region32_copy(out, &bounds.r);
  }
  pixman_region32_intersect(out, out, const_cast<pixman_region32_t*>(&allowed));
}

// Adds the layers of the visible children of `parent`, whose client area lies at
// (clientX, clientY) of the drawable and may show only inside `allowed`.
void collectLayers(HWND parent, int clientX, int clientY, const pixman_region32_t& allowed, int depth,
                   std::vector<Layer>& layers) {
  const user::Window* p = user::findWindow(parent);
  if (!p || depth > 64) return;
  const std::vector<HWND> children = p->children;
  for (HWND handle : children) {
    const user::Window* child = user::findWindow(handle);
    if (!child || !child->visible) continue;
    const gdi::Bitmap* surface = user::childSurface(handle);
    if (!surface) continue;
    const int x = clientX + child->rect.left, y = clientY + child->rect.top;

    ScopedRegion shape;
    visibleShape(*child, x, y, surface->width, surface->height, allowed, &shape.r);
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&shape.r, &count);
    Layer layer{surface->pixels.data(), surface->width, surface->height, surface->stride, x, y, {}};
    for (int i = 0; i < count; ++i) {
      layer.shape.push_back(RECT{boxes[i].x1 - x, boxes[i].y1 - y, boxes[i].x2 - x, boxes[i].y2 - y});
    }
    if (!layer.shape.empty()) layers.push_back(std::move(layer));

    // Its own children show only within its shape and its client area.
    const user::Frame f = user::frameFor(child->style);
    ScopedRegion client(x + f.left, y + f.top, user::clientWidth(*child), user::clientHeight(*child));
    pixman_region32_intersect(&client.r, &client.r, &shape.r);
    collectLayers(handle, x + f.left, y + f.top, client.r, depth + 1, layers);
  }
}

}  // namespace

void compositeChildWindows(HWND topLevel) {
  const user::Window* top = user::findWindow(topLevel);
  if (!top || top->parent != 0 || top->children.empty()) return;
  // The native drawable is either the client area or the whole window rectangle; its
  // (0, 0) lies at nativeOrigin in client coordinates.
  const int clientX = -top->nativeOrigin.x, clientY = -top->nativeOrigin.y;
  const bool wholeWindow = top->nativeOrigin.x != 0 || top->nativeOrigin.y != 0;
  const int drawableWidth = wholeWindow ? top->rect.right - top->rect.left : user::clientWidth(*top);
  const int drawableHeight = wholeWindow ? top->rect.bottom - top->rect.top : user::clientHeight(*top);

  ScopedRegion client(clientX, clientY, user::clientWidth(*top), user::clientHeight(*top));
  std::vector<Layer> layers;
  collectLayers(topLevel, clientX, clientY, client.r, 0, layers);
  drawLayers(layers, drawableWidth, drawableHeight);
}

}  // namespace platform::wgl
