// WINDOWCREATE: the GL window itself, windowed or covering the screen.
#include "framework/framework.h"

HWND WINDOWCREATE(const char* PCAPPLICATIONNAME) {
  DWORD style = GLWINDOWSTYLE;
  if (FULLSCREEN) {
    // The window covers the primary screen; the display mode is never changed.
    WIDTH = GetSystemMetrics(SM_CXSCREEN);
    HEIGHT = GetSystemMetrics(SM_CYSCREEN);
    style = GLFULLSCREENSTYLE;
  }
  // A pop-up window's default position is the screen's top-left corner. The creation
  // message (ACTIVE := true) is handled inside this call.
  HWND window = CreateWindowExA(0, GLWINDOWCLASS, PCAPPLICATIONNAME, style, CW_USEDEFAULT,
                                CW_USEDEFAULT, WIDTH, HEIGHT, 0, 0, GetModuleHandleA(nullptr),
                                nullptr);
  if (window != 0) {
    // Programs here are not started with a show state of their own: show normally.
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
  }
  return window;
}
