// DELETEOGLWINDOW: context, device context and window go, in this order. Each call fails
// harmlessly when the system has already destroyed the window.
#include "framework/framework.h"

void DELETEOGLWINDOW() {
  wglMakeCurrent(DCWINDOW, 0);
  wglDeleteContext(RCWINDOW);
  ReleaseDC(HWINDOW, DCWINDOW);
  DestroyWindow(HWINDOW);
}
