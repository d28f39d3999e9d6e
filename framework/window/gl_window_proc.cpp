// GLWNDPROC: the GL window's procedure. It draws nothing; it keeps the run flag, the key
// table and the mouse-driven view state, and hands menu requests to the host's hooks.
#include "framework/framework.h"
#include "framework/window/mouse_move_steps.h"

namespace {

std::int32_t pointerX(LPARAM lParam) { return LOWORD(static_cast<std::uintptr_t>(lParam)); }
std::int32_t pointerY(LPARAM lParam) { return HIWORD(static_cast<std::uintptr_t>(lParam)); }

// Key codes come from the keyboard as 0..255; anything past the table is left alone.
void setKeySlot(WPARAM key, bool down) {
  if (key <= static_cast<WPARAM>(MAXKEY)) SETKEY[key] = down ? -1 : 0;
}

// What every message that goes on does: refresh the status bar for a WPARAM of 0, then
// the system's own handling.
LRESULT defaultProcessing(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (wParam == 0) UpdateWindow(HSTATUS);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT GLWNDPROC(HWND WINDOW, UINT AMESSAGE, WPARAM AWPARAM, LPARAM ALPARAM) {
  switch (AMESSAGE) {
    case WM_CREATE:
      ACTIVE = true;
      return 0;
    case WM_DESTROY:
      ACTIVE = false;
      PostQuitMessage(0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint = {};
      BeginPaint(WINDOW, &paint);
      UpdateWindow(HSTATUS);
      EndPaint(WINDOW, &paint);
      return 0;
    }
    case WM_CONTEXTMENU:
      if (SHOWMENUBAR && CREATEMOUSEMENU) CREATEMOUSEMENU();
      break;
    case WM_KEYDOWN:
      if (AWPARAM == static_cast<WPARAM>(VK_ESCAPE)) {
        // Ends the run without destroying the window: DELETEOGLWINDOW does that later.
        SendMessageA(HWINDOW, WM_DESTROY, 0, 0);
        return 0;
      }
      setKeySlot(AWPARAM, true);
      break;
    case WM_KEYUP:
      setKeySlot(AWPARAM, false);
      MOUSEFREE = false;
      break;
    case WM_COMMAND:
      if (SHOWMENUBAR && GETINPUTCOMMAND) GETINPUTCOMMAND(WINDOW, AMESSAGE, AWPARAM, ALPARAM);
      return 0;
    case WM_MOUSEMOVE:
      framework_window::mouseMoveSteps(pointerX(ALPARAM), pointerY(ALPARAM));
      break;
    case WM_LBUTTONDOWN:
      ReleaseCapture();
      SetCapture(HWINDOW);
      LEFTMOUSEDOWN = true;
      LEFTMOUSEDOWN2 = true;
      XCOORD = SETMX = pointerX(ALPARAM);
      YCOORD = SETMY = pointerY(ALPARAM);
      break;
    case WM_LBUTTONUP:
      ReleaseCapture();
      LEFTMOUSEDOWN = false;
      LEFTMOUSEDOWN2 = false;
      XCOORD = YCOORD = SETMX = SETMY = 0;
      break;
    case WM_RBUTTONDOWN:
      ReleaseCapture();
      SetCapture(HWINDOW);
      RIGHTMOUSEDOWN = true;
      RIGHTMOUSEDOWN2 = true;
      ZCOORD = pointerY(ALPARAM);
      break;
    case WM_RBUTTONUP:
      ReleaseCapture();
      RIGHTMOUSEDOWN = false;
      RIGHTMOUSEDOWN2 = false;
      break;
    default:
      // Screen-saver and monitor-power commands go on like every other system command.
      break;
  }
  return defaultProcessing(WINDOW, AMESSAGE, AWPARAM, ALPARAM);
}
