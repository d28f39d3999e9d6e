// WINDOWINIT: pixel format and GL context for the window, in the order the system needs.
#include <algorithm>

#include "framework/framework.h"

PIXELFORMATDESCRIPTOR PIXELFORMATREQUEST() {
  // One byte per field: a BITS outside 0..255 is held at the nearest end rather than
  // wrapped round.
  const BYTE bits = static_cast<BYTE>(std::clamp<std::int32_t>(BITS, 0, 255));
  PIXELFORMATDESCRIPTOR request = {};
  request.nSize = sizeof(PIXELFORMATDESCRIPTOR);
  request.nVersion = 1;
  request.dwFlags = static_cast<DWORD>(PIXEL_FORMAT_FLAGS) | PFD_DOUBLEBUFFER | PFD_STEREO |
                    PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_GENERIC_FORMAT |
                    PFD_GENERIC_ACCELERATED;
  request.iPixelType = PFD_TYPE_RGBA;
  request.cColorBits = bits;
  request.cAlphaBits = bits;
  request.cAccumBits = bits;
  request.cDepthBits = bits;
  request.cStencilBits = bits;
  request.cAuxBuffers = bits;
  request.iLayerType = 1;
  return request;
}

bool WINDOWINIT(HWND HPARENT) {
  int error = 0;
  DCWINDOW = GetDC(HPARENT);
  const PIXELFORMATDESCRIPTOR request = PIXELFORMATREQUEST();
  const int format = ChoosePixelFormat(DCWINDOW, &request);
  if (format == 0) error = 1;
  SetPixelFormat(DCWINDOW, format, &request);
  RCWINDOW = wglCreateContext(DCWINDOW);
  if (RCWINDOW == 0) error = 2;
  wglMakeCurrent(DCWINDOW, RCWINDOW);
  return error == 0;
}
