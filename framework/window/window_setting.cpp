// OGLWINDOWSETTING: the choices made before the window exists.
#include "framework/framework.h"

void OGLWINDOWSETTING(std::int32_t TYPECURSOR, const char* CURFILE, std::int32_t TYPEICON,
                      const char* ICOFILE) {
  if (MOUSEFREE) {
    START = GetTickCount();
    SetCursorPos(WIDTH / 2, HEIGHT / 2);
  }
  FOGONOFF = true;
  SETTYPECURSOR = TYPECURSOR;
  CURSORFILE = CURFILE;
  SETTYPEICON = TYPEICON;
  ICONFILE = ICOFILE;
  // GL calls without a current context would do nothing anyway; skipping them keeps
  // OBJNULL at 0 without touching GL at all.
  if (wglGetCurrentContext() != 0) {
    OBJNULL = glGenLists(1);
    glNewList(OBJNULL, GL_COMPILE);
    glEndList();
  }
}
