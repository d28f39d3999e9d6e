// The default handling of messages a window procedure passes on.
#include "platform/user/window_tree.h"

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(window)) return 0;
  switch (message) {
    case WM_SYSCOMMAND:
      // The close box and Alt+F4 arrive here; closing is the window's own decision.
      if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(window, WM_CLOSE, 0, 0);
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_SYSKEYDOWN:
      // Alt+F4 (bit 29: Alt held) asks the top-level window to close.
      if (wParam == static_cast<WPARAM>(VK_F1 + 3) && (lParam & (1 << 29))) {
        HWND top = platform::user::topLevelOf(window);
        SendMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_PAINT: {
      // Whoever does not paint still validates, or WM_PAINT would come back for ever.
      PAINTSTRUCT ps;
      BeginPaint(window, &ps);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 0;
    case WM_NCCREATE:
      return TRUE;
    default:
      return 0;
  }
}
