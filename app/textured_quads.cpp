// The demo's textured quads: the leaf card and the floor.
#include "app/demo.h"

namespace {

// Sends the corners in the order P2, P1, P3, P4 (a convex quad for corners laid out with
// P1-P2 and P3-P4 as opposite edges) with the face normal of P2, P1, P3. The texture runs
// from 0 on the P1-P3 side to `repeat` on the P2-P4 side, and from 0 on the P3-P4 edge to
// `repeat` on the P1-P2 edge.
void texturedQuad(float repeat, float X1, float Y1, float Z1, float X2, float Y2, float Z2, float X3,
                  float Y3, float Z3, float X4, float Y4, float Z4) {
  glBegin(GL_QUADS);
  FINDNORMAL(X2, Y2, Z2, X1, Y1, Z1, X3, Y3, Z3);
  glNormal3f(static_cast<float>(FNORMAL[1]), static_cast<float>(FNORMAL[2]),
             static_cast<float>(FNORMAL[3]));
  LINEFREE(repeat, repeat, 0.0f, repeat, X2, Y2, Z2, X1, Y1, Z1, true);
  LINEFREE(0.0f, 0.0f, repeat, 0.0f, X3, Y3, Z3, X4, Y4, Z4, true);
  glEnd();
}

}  // namespace

void QUAD(float X1, float Y1, float Z1, float X2, float Y2, float Z2, float X3, float Y3, float Z3,
          float X4, float Y4, float Z4) {
  texturedQuad(1.0f, X1, Y1, Z1, X2, Y2, Z2, X3, Y3, Z3, X4, Y4, Z4);
}

void QUAD2(float X1, float Y1, float Z1, float X2, float Y2, float Z2, float X3, float Y3, float Z3,
           float X4, float Y4, float Z4) {
  texturedQuad(2.0f, X1, Y1, Z1, X2, Y2, Z2, X3, Y3, Z3, X4, Y4, Z4);
}
