#include "app/program.h"

#include "app/demo.h"
#include "framework/framework.h"

namespace demo {

void openGlWindow() {
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  CREATEOGLWINDOW(kTitle, 800, 600, 32, FULLSCREEN);  // the result is not looked at
  OPENGL_INIT(100.0, 0.0, 0.0, 0.0, 0.0);
  SETGLREFRACTIVE();
  SETGLLIGHT(GL_LIGHT0, 0.0f, 0.0f, 0.0f, 0.1f);  // light position (0, 0, 0, 0.1)
}

void loopPass(void (*beforeSwap)()) {
  glClear(GL_COLOR_BUFFER_BIT);
  SETGLMSG();
  OPENGL_DRAW();
  if (beforeSwap) beforeSwap();
  SwapBuffers(DCWINDOW);
}

}  // namespace demo
