// The pointer side of an image button: hover, press and the click posted to the parent.
#include "framework/button/hover_button_steps.h"

namespace hoverbutton {

void setModeAndRepaint(HWND WND, HANDLE MODE) {
  SetPropA(WND, HOVERMODE, MODE);
  InvalidateRect(WND, nullptr, FALSE);
}

void onMouseMove(HWND WND, WPARAM KEYS, int X, int Y) {
  const HRGN region = GetPropA(WND, BUTTONRGN);
  const HANDLE mode = GetPropA(WND, HOVERMODE);
  if (region == 0 || mode == 0) return;
  if (PtInRegion(region, X, Y)) {
    if (mode != HOVERMODE_NORMAL) return;
    const bool buttonHeld = (KEYS & (MK_LBUTTON | MK_RBUTTON)) != 0;
    // The capture taken on entering the shape is what brings the move that leaves it.
    SetCapture(WND);
    setModeAndRepaint(WND, buttonHeld ? HOVERMODE_PRESSED : HOVERMODE_HOVER);
  } else {
    ReleaseCapture();
    setModeAndRepaint(WND, HOVERMODE_NORMAL);
  }
}

void onLeftButtonDown(HWND WND) {
  SetCapture(WND);
  setModeAndRepaint(WND, HOVERMODE_PRESSED);
}

void onLeftButtonUp(HWND WND) {
  if (GetPropA(WND, HOVERMODE) == HOVERMODE_PRESSED) {
    // Posted, not sent, and with LPARAM 0: the parent tells buttons apart by identifier.
    PostMessageA(GetParent(WND), WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(WND)), 0);
  }
  ReleaseCapture();
  setModeAndRepaint(WND, HOVERMODE_NORMAL);
}

}  // namespace hoverbutton
