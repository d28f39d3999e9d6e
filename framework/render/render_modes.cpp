// Fixed-function switches the scene and the tree lists turn on and off. None restores a
// previous state: whoever switches a mode on switches it off again.
#include "framework/framework.h"

void TWOSIDEON() { glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1); }

void TWOSIDEOFF() { glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0); }

void SETGLREFRACTIVE() {
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glFrontFace(GL_CCW);
  // The shading model is left as it is (smooth unless a caller chose otherwise).
}

void SETGLSPRITE() {
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.4f);
}

void SETGLSPRITEOFF() {
  glDepthMask(GL_TRUE);
  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
}
