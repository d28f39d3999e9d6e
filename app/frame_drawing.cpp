// One frame of the demo, drawn from scratch from the display lists, the tree indexes and
// the mouse view. Nothing here reads the clock or allocates.
#include "app/demo.h"

namespace {

constexpr double kFarPlane = 100.0;
constexpr float kLightX = 0.0f, kLightY = 10.0f, kLightZ = -5.0f, kLightW = 0.1f;

// Draws one of the static trees standing on the floor at the left: the models grow along
// +z, so they are turned up onto +y. The crown goes first, then the wood.
void drawStaticTree() {
  glPushMatrix();
  glTranslatef(-5.5f, 0.0f, 0.0f);
  glRotatef(90.0f, -1.0f, 0.0f, 0.0f);
  TEXFOGLIE();
  glCallList(CHIOMA1[NUM1]);
  TEXALBERO();
  glCallList(ALBERO1[NUM1]);
  glPopMatrix();
}

// Draws one of the fractal trees at the right, raised and three times enlarged; its lists
// choose their own textures and leaf state.
void drawFractalTree() {
  glPushMatrix();
  glTranslatef(5.5f, 2.7f, 0.0f);
  glScalef(3.0f, 3.0f, 3.0f);
  glCallList(ALBERO[NUM2]);
  glPopMatrix();
}

}  // namespace

void OPENGL_DRAW2D() {
  OPENGL_I2D(0.0, 0.0, 0.0, 0.0);
  OPENGL_INIT(kFarPlane, 0.0, 0.0, 0.0, 0.0);
}

void OPENGL_MOUSE2D() {}

void OPENGL_DRAW() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  OPENGL_DRAW2D();
  OPENGL_MOUSE2D();
  OPENGL_KEYBOARD();

  // Fixed view, then the turn and zoom gathered from drags.
  glTranslatef(0.0f, -1.0f, -30.0f);
  glRotatef(30.0f, 1.0f, 0.0f, 0.0f);
  SETGLMOUSEMOVE(GL_M0, 2);

  // The light is placed after the view, so it turns with the scene; its marker is drawn
  // unlit and untextured in the white that OPENGL_INIT left current.
  PUTGLPOINTLIGHT(GL_LIGHT0, 0.0f, kLightX, kLightY, kLightZ, kLightW);
  TEXTUREOFF();
  glDisable(GL_LIGHTING);
  SFERA(kLightX, kLightY, kLightZ, 0.25f, 20);

  // The floor faces up, so with back-face culling it vanishes when seen from below.
  glEnable(GL_LIGHTING);
  TEXTUREON();
  TEXTURESELECTID(demo::kFloorSlot);
  QUAD2(-10.0f, 0.0f, -10.0f, 10.0f, 0.0f, -10.0f, -10.0f, 0.0f, 10.0f, 10.0f, 0.0f, 10.0f);

  SETGLSPRITE();
  drawStaticTree();
  SETGLSPRITEOFF();
  drawFractalTree();
}
