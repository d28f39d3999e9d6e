// The 3D start-up state of the window's GL context, re-applied by the host program every frame.
#include <algorithm>

#include "framework/framework.h"

void OPENGL_INIT(double DEPTH, double A, double R, double G, double B) {
  // A window always has a positive size; the floor of 1 keeps a zero from dividing.
  const std::int32_t width = std::max(WIDTH, 1);
  const std::int32_t height = std::max(HEIGHT, 1);

  glClearColor(static_cast<GLfloat>(R), static_cast<GLfloat>(G), static_cast<GLfloat>(B),
               static_cast<GLfloat>(A));
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, static_cast<double>(width) / height, 0.1, DEPTH);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClearDepth(DEPTH);  // GL clamps it to 0..1
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);  // additive, for whoever switches blending on
  glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glEnable(GL_AUTO_NORMAL);
  glEnable(GL_NORMALIZE);  // the cone sides hand GL normals that are not of unit length
}
