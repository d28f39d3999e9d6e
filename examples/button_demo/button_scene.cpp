#include "examples/button_demo/button_scene.h"

#include "framework/framework.h"

namespace buttondemo {

int backgroundIndex = 0;
int cubeIndex = 0;
int clickCount = 0;

namespace {

constexpr std::uint32_t kBackgrounds[] = {0x1E2832, 0x325A28, 0x5A2832, 0x505050};
constexpr std::uint32_t kCubeColours[] = {0xE6C83C, 0x3CC8E6, 0xE63CB4};

void colour(std::uint32_t rgb) {
  glColor3ub(static_cast<GLubyte>(rgb >> 16), static_cast<GLubyte>(rgb >> 8), static_cast<GLubyte>(rgb));
}

void cube() {
  // Each face: its normal, then its corners counter-clockwise seen from outside.
  static const GLfloat faces[6][5][3] = {
      {{0, 0, 1}, {-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}},
      {{0, 0, -1}, {1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}},
      {{1, 0, 0}, {1, -1, 1}, {1, -1, -1}, {1, 1, -1}, {1, 1, 1}},
      {{-1, 0, 0}, {-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}},
      {{0, 1, 0}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}, {-1, 1, -1}},
      {{0, -1, 0}, {-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}},
  };
  glBegin(GL_QUADS);
  for (const auto& face : faces) {
    glNormal3fv(face[0]);
    for (int k = 1; k <= 4; ++k) glVertex3fv(face[k]);
  }
  glEnd();
}

}  // namespace

std::uint32_t backgroundColour(int index) { return kBackgrounds[index % 4]; }

void setUpView(int clientWidth, int clientHeight) {
  glViewport(0, 0, clientWidth, clientHeight);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, clientHeight > 0 ? static_cast<double>(clientWidth) / clientHeight : 1.0, 0.1, 100.0);
  glMatrixMode(GL_MODELVIEW);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glEnable(GL_COLOR_MATERIAL);
  glEnable(GL_NORMALIZE);
}

void drawFrame(std::uint64_t frame) {
  const std::uint32_t bg = backgroundColour(backgroundIndex);
  glClearColor((bg >> 16 & 0xFF) / 255.0f, (bg >> 8 & 0xFF) / 255.0f, (bg & 0xFF) / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  const GLfloat light[] = {2.0f, 3.0f, 4.0f, 0.0f};
  glLightfv(GL_LIGHT0, GL_POSITION, light);
  glTranslatef(0.0f, 0.3f, -6.0f);
  glRotatef(static_cast<float>(frame % 360), 0.3f, 1.0f, 0.1f);
  colour(kCubeColours[cubeIndex % 3]);
  cube();
}

}  // namespace buttondemo
