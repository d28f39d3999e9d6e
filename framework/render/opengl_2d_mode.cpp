// The flat overlay view. There is no way back but OPENGL_INIT, which rebuilds the 3D view.
#include <algorithm>
#include <cstdint>

#include "framework/framework.h"

float OFFX = 0.0f;
float OFFY = 0.0f;

void OPENGL_I2D(double A, double R, double G, double B) {
  const std::int32_t width = std::max(WIDTH, 1);
  const std::int32_t height = std::max(HEIGHT, 1);

  // The truncating quotient, not the ratio: 0 for every window wider than high.
  const std::int32_t q = height / width;
  OFFX = static_cast<float>(q - 2.05L);
  OFFY = static_cast<float>(q - 1.45L);

  glClearColor(static_cast<GLfloat>(R), static_cast<GLfloat>(G), static_cast<GLfloat>(B),
               static_cast<GLfloat>(A));
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // Always 4 units wide; integer products, real quotient for the height.
  const double top = static_cast<double>(2 * static_cast<std::int64_t>(height)) / width;
  const double bottom = static_cast<double>(-2 * static_cast<std::int64_t>(height)) / width;
  glOrtho(-2.0, 2.0, bottom, top, -2.0, 2.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_NORMALIZE);
}
