// The tree demo's entry point: the full-screen question, the window and GL context, the GL
// start-up state and the scene, then the frame loop until the window is gone.
#include "app/demo.h"
#include "app/program.h"
#include "framework/framework.h"

int main() {
  // Yes, or a box that could not be shown (0), means full screen.
  const int answer =
      MessageBoxA(0, "Settare lo schermo intero?  ", "Video!", MB_YESNO | MB_ICONQUESTION);
  FULLSCREEN = answer != IDNO;

  demo::openGlWindow();
  OPENGL_CREATELIST();

  // One message at most per pass, no waiting; the pass in which ACTIVE goes false is still
  // drawn and swapped.
  do {
    demo::loopPass();
  } while (ACTIVE);

  DELETEOGLWINDOW();
  return 0;
}
