// The window tree: every window the program made, top-level and child, behind HWND handles.
//
// Top-level windows own a native (SDL) window sized to their client area; child windows
// exist only here and are drawn by the layer itself (their pixels are composited over the
// GL picture at each buffer swap, see platform/wgl/child_compositor.h).
//
// Coordinates: a top-level window's `rect` is in screen coordinates; a child's `rect` is in
// its parent's client coordinates (what MoveWindow takes). Client coordinates have their
// origin at the client area's top-left corner. Use the helpers below rather than reading
// `rect` directly when the kind of window is not known.
//
// Lifetime rule: a Window* found with findWindow() is only valid until the next call that
// can run a window procedure (SendMessageA, DispatchMessageA, CreateWindowExA,
// DestroyWindow, ...) or create a window, since that may add or remove windows and move
// the records. Look the handle up again after such calls.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/sdl/backend.h"
#include "platform/win32.h"

namespace platform::user {

struct Window {
  HWND handle = 0;
  HWND parent = 0;             // WS_CHILD windows: the parent; 0 for top-level windows
  HWND owner = 0;              // top-level windows: the window passed as parent, if any
  std::vector<HWND> children;  // z-order, bottom first: paint in this order, hit-test backwards
  int controlId = 0;           // child windows: the id passed as the menu handle
  std::string className;
  WNDPROC proc = nullptr;
  HINSTANCE instance = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::string title;  // Windows-1252, as handed in
  RECT rect{};        // window rectangle (see the coordinate note above)
  bool visible = false;

  // Painting: the part of the client area (client coordinates) that still needs painting.
  // needsPaint is true exactly when updateRect is not empty.
  bool needsPaint = false;
  RECT updateRect{};
  bool eraseBackground = false;

  // Window region handed over by SetWindowRgn (a GDI region in window coordinates,
  // owned by the window from then on, deleted with it); 0 = none.
  HRGN region = 0;

  std::map<std::string, HANDLE> properties;  // SetPropA; keys upper-cased
  std::vector<HDC> deviceContexts;           // DCs from GetDC/BeginPaint still held
  int pixelFormat = 0;                       // set once by SetPixelFormat

  sdl::NativeWindow native = 0;  // top-level windows only
  // Where the native drawable's (0,0) lies in this window's client coordinates: (0,0) when
  // the native window is the client area, (-frame) when it covers the whole window.
  POINT nativeOrigin{};

  bool destroying = false;  // DestroyWindow is running for it
};

Window* findWindow(HWND window);
HWND addWindow(Window window);
void removeWindow(HWND window);
// The first live window, in slot order, for which pred(window) holds; 0 if none. Makes
// no allocation, so the message pump can look for work on every pass.
HWND findWindowWhere(const std::function<bool(const Window&)>& pred);
HWND windowForNative(sdl::NativeWindow native);

// ---------------------------------------------------------------- frame metrics
// The layer's own frame: a captioned window has a 3-pixel border and a 16-pixel caption
// (client area 3 px right and 19 px below the window's corner); a window with only a thin
// border has a 1-pixel frame; anything else has none.
struct Frame {
  int left, top, right, bottom;
};
Frame frameFor(DWORD style);

// A window rectangle from a place and a size, kept within the layer's coordinate range
// (places within +-2^20, sizes 0..2^20) so that no sum over it can overflow.
RECT windowRect(int x, int y, int width, int height);

// Client area size of a window.
int clientWidth(const Window& w);
int clientHeight(const Window& w);
// The client area's top-left corner in screen coordinates.
POINT clientOriginOnScreen(HWND window);
// The top-level window that `window` belongs to (itself for a top-level window).
HWND topLevelOf(HWND window);
// True when the window and all its ancestors are visible.
bool isShowing(HWND window);

}  // namespace platform::user
