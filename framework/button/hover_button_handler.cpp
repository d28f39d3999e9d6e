// HOVERBUTTONHANDLER: the window procedure of the "IMAGEBUTTON" class. Every message it
// handles returns 0; the rest go to the default handling.
#include "framework/button/hover_button_steps.h"

std::string BMPTYPE;

LRESULT HOVERBUTTONHANDLER(HWND WND, UINT IMSG, WPARAM wParam, LPARAM lParam) {
  const auto lp = static_cast<std::uintptr_t>(lParam);
  switch (IMSG) {
    case WM_CREATE:
      hoverbutton::onCreate(WND);
      return 0;
    case WM_MOUSEMOVE:
      hoverbutton::onMouseMove(WND, wParam, LOWORD(lp), HIWORD(lp));
      return 0;
    case WM_LBUTTONDOWN:
      hoverbutton::onLeftButtonDown(WND);
      return 0;
    case WM_LBUTTONUP:
      hoverbutton::onLeftButtonUp(WND);
      return 0;
    case WM_PAINT:
      hoverbutton::onPaint(WND);
      return 0;
    case WM_DESTROY:
      hoverbutton::onDestroy(WND);
      return 0;
    default:
      return DefWindowProcA(WND, IMSG, wParam, lParam);
  }
}
