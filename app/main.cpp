// The tree demo's entry point: the full-screen question, the window and GL context, the GL
// start-up state and the scene, then the frame loop until the window is gone.
#include "app/demo.h"
#include "framework/framework.h"

namespace {

constexpr const char* kTitle =
    "Creazione di alberi mediante emulazione statica di frattale e frattale 3D variabile";

}  // namespace

int main() {
  // Yes, or a box that could not be shown (0), means full screen.
  const int answer =
      MessageBoxA(0, "Settare lo schermo intero?  ", "Video!", MB_YESNO | MB_ICONQUESTION);
  FULLSCREEN = answer != IDNO;

  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  // Any failure here ends the program with a message and exit code 0.
  CREATEOGLWINDOW(kTitle, 800, 600, 32, FULLSCREEN);

  OPENGL_INIT(100.0, 0.0, 0.0, 0.0, 0.0);
  SETGLREFRACTIVE();
  SETGLLIGHT(GL_LIGHT0, 0.0f, 0.0f, 0.0f, 0.1f);  // light position (0, 0, 0, 0.1)
  OPENGL_CREATELIST();

  // One message at most per pass, no waiting; the pass in which ACTIVE goes false is still
  // drawn and swapped.
  do {
    glClear(GL_COLOR_BUFFER_BIT);
    SETGLMSG();
    OPENGL_DRAW();
    SwapBuffers(DCWINDOW);
  } while (ACTIVE);

  DELETEOGLWINDOW();
  return 0;
}
