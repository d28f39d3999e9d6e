#include "platform/user/window_tree.h"

#include <algorithm>

#include "platform/core/handle_table.h"

namespace platform::user {
namespace {
HandleTable<Window>& table() {
  static HandleTable<Window> t(HandleTag::Window);
  return t;
}
}  // namespace

Window* findWindow(HWND window) { return table().find(window); }

HWND addWindow(Window window) {
  HWND h = table().add(std::move(window));
  if (Window* w = table().find(h)) w->handle = h;
  return h;
}

void removeWindow(HWND window) { table().remove(window); }

HWND findWindowWhere(const std::function<bool(const Window&)>& pred) {
  return table().findIf([&](std::uint32_t, Window& w) { return pred(w); });
}

HWND windowForNative(sdl::NativeWindow native) {
  if (native == 0) return 0;
  return findWindowWhere([&](const Window& w) { return w.native == native; });
}

Frame frameFor(DWORD style) {
  if ((style & WS_CAPTION) == WS_CAPTION) return {3, 19, 3, 3};
  if (style & (WS_BORDER | WS_DLGFRAME)) return {1, 1, 1, 1};
  return {0, 0, 0, 0};
}

RECT windowRect(int x, int y, int width, int height) {
  constexpr int kLimit = 1 << 20;
  x = std::clamp(x, -kLimit, kLimit);
  y = std::clamp(y, -kLimit, kLimit);
  width = std::clamp(width, 0, kLimit);
  height = std::clamp(height, 0, kLimit);
  return {x, y, x + width, y + height};
}

int clientWidth(const Window& w) {
  Frame f = frameFor(w.style);
  int width = (w.rect.right - w.rect.left) - f.left - f.right;
  return width > 0 ? width : 0;
}

int clientHeight(const Window& w) {
  Frame f = frameFor(w.style);
  int height = (w.rect.bottom - w.rect.top) - f.top - f.bottom;
  return height > 0 ? height : 0;
}

POINT clientOriginOnScreen(HWND window) {
  POINT p{0, 0};
  // Walk up the tree; depth is bounded by the number of windows, and parents always exist.
  for (Window* w = findWindow(window); w; w = findWindow(w->parent)) {
    Frame f = frameFor(w->style);
    p.x += w->rect.left + f.left;
    p.y += w->rect.top + f.top;
    if (w->parent == 0) break;
  }
  return p;
}

HWND topLevelOf(HWND window) {
  Window* w = findWindow(window);
  while (w && w->parent != 0) {
    Window* up = findWindow(w->parent);
    if (!up) break;
    w = up;
  }
  return w ? w->handle : 0;
}

bool isShowing(HWND window) {
  for (Window* w = findWindow(window); w; w = findWindow(w->parent)) {
    if (!w->visible) return false;
    if (w->parent == 0) return true;
  }
  return false;
}

}  // namespace platform::user
