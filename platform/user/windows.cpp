// Creating, showing, moving and destroying windows.
#include <algorithm>
#include <cstring>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/user/class_table.h"
#include "platform/user/child_surfaces.h"
#include "platform/user/cursor_table.h"
#include "platform/user/input_state.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_tree.h"

namespace platform::user {
namespace {

bool screen(int* width, int* height) { return sdl::screenSize(width, height); }

// A caption-less window that covers the whole primary screen becomes a native window that
// covers the desktop (without changing the display mode); every other top-level window's
// native window is exactly its client area.
bool coversScreen(const Window& w) {
  int sw = 0, sh = 0;
  if ((w.style & WS_CAPTION) == WS_CAPTION || !screen(&sw, &sh)) return false;
  return w.rect.left <= 0 && w.rect.top <= 0 && w.rect.right >= sw && w.rect.bottom >= sh;
}

sdl::NativeWindow createNative(Window& w) {
  sdl::NativeWindowSpec wanted;
  wanted.titleUtf8 = sdl::toUtf8(w.title.c_str());
  Frame f = frameFor(w.style);
  if (coversScreen(w)) {
    wanted.coverScreen = true;
    wanted.decorated = false;
    wanted.x = w.rect.left;
    wanted.y = w.rect.top;
    wanted.width = w.rect.right - w.rect.left;
    wanted.height = w.rect.bottom - w.rect.top;
    w.nativeOrigin = {-f.left, -f.top};
  } else {
    wanted.decorated = (w.style & WS_CAPTION) == WS_CAPTION;
    wanted.x = w.rect.left + f.left;
    wanted.y = w.rect.top + f.top;
    wanted.width = clientWidth(w);
    wanted.height = clientHeight(w);
    w.nativeOrigin = {0, 0};
  }
  return sdl::createWindow(wanted);
}

void placeNative(const Window& w) {
  if (!w.native || w.nativeOrigin.x != 0 || w.nativeOrigin.y != 0) return;
  Frame f = frameFor(w.style);
  sdl::setWindowGeometry(w.native, w.rect.left + f.left, w.rect.top + f.top, clientWidth(w), clientHeight(w));
}

void setVisible(HWND window, bool visible) {
  Window* w = findWindow(window);
  if (!w || w->visible == visible) return;
  w->visible = visible;
  if (w->native) sdl::showWindow(w->native, visible);
  if (visible) {
    InvalidateRect(window, nullptr, TRUE);
    if (w->native) {
      const WindowClass* c = findClass(w->className.c_str());
      if (c) showCursor(c->cursor);
    }
  }
}

}  // namespace
}  // namespace platform::user

using namespace platform::user;

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
  const WindowClass* c = findClass(className);
  if (!c) return 0;
  bool child = (style & WS_CHILD) != 0;
  if (child && !findWindow(parent)) return 0;

  Window w;
  w.className = c->name;
  w.proc = c->proc;
  HICON icon = c->icon;
  w.instance = instance;
  w.style = style;
  w.exStyle = exStyle;
  w.title = windowName ? windowName : "";
  if (child) {
    w.parent = parent;
    w.controlId = static_cast<int>(menu);
  } else {
    w.owner = findWindow(parent) ? parent : 0;
  }
  // Default places and sizes: the screen's corner (so pop-up windows start at (0, 0)),
  // nothing for pop-up and child windows, three quarters of the screen for the others.
  if (x == CW_USEDEFAULT) x = y = 0;
  if (width == CW_USEDEFAULT) {
    int sw = 0, sh = 0;
    if (!child && !(style & WS_POPUP) && platform::user::screen(&sw, &sh)) {
      width = sw * 3 / 4;
      height = sh * 3 / 4;
    } else {
      width = height = 0;
    }
  }
  w.rect = windowRect(x, y, width, height);

  if (!child) {
    w.native = createNative(w);
    if (!w.native) return 0;
  }
  platform::sdl::NativeWindow native = w.native;
  HWND h = addWindow(std::move(w));
  if (h == 0) {
    platform::sdl::destroyWindow(native);
    return 0;
  }
  if (child) findWindow(parent)->children.push_back(h);
  if (const CursorImage* image = iconImage(icon); image && native)
    platform::sdl::setWindowIcon(native, image->width, image->height, image->rgba);

  CREATESTRUCTA cs{param, instance, menu, parent, height, width, y, x, static_cast<LONG>(style), windowName,
                   className, exStyle};
  LRESULT created = SendMessageA(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs));
  if (!IsWindow(h)) return 0;
  if (created == -1) {
    DestroyWindow(h);
    return 0;
  }
  if (style & WS_VISIBLE) {
    if (Window* made = findWindow(h)) made->style &= ~WS_VISIBLE;
    ShowWindow(h, SW_SHOW);
  }
  return h;
}

BOOL ShowWindow(HWND window, int command) {
  Window* w = findWindow(window);
  if (!w) return FALSE;
  BOOL wasVisible = w->visible ? TRUE : FALSE;
  bool show = command != SW_HIDE;
  if (show)
    w->style |= WS_VISIBLE;
  else
    w->style &= ~WS_VISIBLE;
  setVisible(window, show);
  return wasVisible;
}

BOOL UpdateWindow(HWND window) {
  Window* w = findWindow(window);
  if (!w) return FALSE;
  if (w->needsPaint && isShowing(window)) SendMessageA(window, WM_PAINT, 0, 0);
  return TRUE;
}

BOOL DestroyWindow(HWND window) {
  Window* w = findWindow(window);
  if (!w || w->destroying) return FALSE;
  w->destroying = true;
  dropCaptureWithin(window);
  if (w->native) platform::sdl::showWindow(w->native, false);
  w->visible = false;

  SendMessageA(window, WM_DESTROY, 0, 0);
  // Children go after their parent has heard of its own end, as on the system.
  if (Window* again = findWindow(window)) {
    std::vector<HWND> children = again->children;
    for (HWND c : children) DestroyWindow(c);
  }

  w = findWindow(window);
  if (!w) return TRUE;
  if (Window* parent = findWindow(w->parent)) {
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
  }
  discardMessagesFor(window);
  if (w->region) platform::gdi::removeObject(w->region);
  for (HDC dc : w->deviceContexts) platform::gdi::destroyDeviceContext(dc);
  platform::sdl::NativeWindow native = w->native;
  removeWindow(window);
  releaseChildSurface(window);  // the pixels a child window painted into
  platform::sdl::destroyWindow(native);
  return TRUE;
}

BOOL IsWindow(HWND window) { return findWindow(window) ? TRUE : FALSE; }

int GetSystemMetrics(int index) {
  int width = 0, height = 0;
  if ((index != SM_CXSCREEN && index != SM_CYSCREEN) || !platform::sdl::screenSize(&width, &height)) return 0;
  return index == SM_CXSCREEN ? width : height;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  Window* w = findWindow(window);
  if (!w) return FALSE;
  int oldWidth = clientWidth(*w), oldHeight = clientHeight(*w);
  w->rect = windowRect(x, y, width, height);
  placeNative(*w);
  int newWidth = clientWidth(*w), newHeight = clientHeight(*w);
  if (repaint) InvalidateRect(window, nullptr, TRUE);
  if (newWidth != oldWidth || newHeight != oldHeight)
    SendMessageA(window, WM_SIZE, 0, MAKELPARAM(static_cast<WORD>(newWidth), static_cast<WORD>(newHeight)));
  return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
  Window* w = findWindow(window);
  if (!w || !rect) return FALSE;
  *rect = w->rect;
  if (w->parent) {
    POINT origin = clientOriginOnScreen(w->parent);
    rect->left += origin.x;
    rect->right += origin.x;
    rect->top += origin.y;
    rect->bottom += origin.y;
  }
  return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
  Window* w = findWindow(window);
  if (!w || !rect) return FALSE;
  *rect = {0, 0, clientWidth(*w), clientHeight(*w)};
  return TRUE;
}

HWND GetParent(HWND window) {
  Window* w = findWindow(window);
  if (!w) return 0;
  return w->parent ? w->parent : w->owner;
}

int GetDlgCtrlID(HWND window) {
  Window* w = findWindow(window);
  return w && w->parent ? w->controlId : 0;
}

int SetWindowRgn(HWND window, HRGN region, BOOL redraw) {
  Window* w = findWindow(window);
  if (!w) return 0;
  if (region != 0 && !platform::gdi::find<platform::gdi::Region>(region)) return 0;
  // The window owns the region from now on; the one it had is deleted.
  if (w->region && w->region != region) platform::gdi::removeObject(w->region);
  w->region = region;
  if (redraw) InvalidateRect(window, nullptr, TRUE);
  return 1;
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
  Window* w = findWindow(window);
  if (!w) return FALSE;
  w->title = text ? text : "";
  if (w->native) platform::sdl::setWindowTitle(w->native, platform::sdl::toUtf8(w->title.c_str()));
  return TRUE;
}

int GetWindowTextA(HWND window, LPSTR buffer, int size) {
  Window* w = findWindow(window);
  if (!w || !buffer || size <= 0) return 0;
  std::size_t n = std::min(w->title.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, w->title.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}
