// Light colours and placing. The position array is written when the call is made; the GL calls
// go to the frame or, while a list is being compiled, into the list.
#include "framework/framework.h"

GLfloat AMBIENTLIGHT[4] = {0.5f, 0.5f, 0.5f, 1.0f};
GLfloat DIFFUSELIGHT[4] = {1.0f, 1.0f, 1.0f, 1.0f};
GLfloat SPECULARLIGHT[4] = {1.0f, 1.0f, 1.0f, 1.0f};
GLfloat LIGHTPOSITION[4] = {0.0f, 0.0f, 0.0f, 0.0f};

void PUTGLPOINTLIGHT(GLenum NLIGHT, float SIZE, float LX, float LY, float LZ, float LVAL) {
  LIGHTPOSITION[0] = LX;
  LIGHTPOSITION[1] = LY;
  LIGHTPOSITION[2] = LZ;
  LIGHTPOSITION[3] = LVAL;
  glLightfv(NLIGHT, GL_POSITION, LIGHTPOSITION);
  // GL refuses sizes of 0 or less with an error and keeps the size in force; we keep it
  // without asking (the demo places its light with size 0 every frame).
  if (SIZE > 0.0f) glPointSize(SIZE);
  glBegin(GL_POINTS);
  glNormal3f(0.0f, 0.0f, 1.0f);
  glVertex3f(LX, LY, LZ);
  glEnd();
}

void SETGLLIGHT(GLenum NLIGHT, float L0, float L1, float L2, float L3) {
  glEnable(GL_LIGHTING);
  glLightfv(NLIGHT, GL_AMBIENT, AMBIENTLIGHT);
  glLightfv(NLIGHT, GL_DIFFUSE, DIFFUSELIGHT);
  glLightfv(NLIGHT, GL_SPECULAR, SPECULARLIGHT);
  glEnable(NLIGHT);
  LIGHTPOSITION[0] = L0;
  LIGHTPOSITION[1] = L1;
  LIGHTPOSITION[2] = L2;
  LIGHTPOSITION[3] = L3;
  glLightfv(NLIGHT, GL_POSITION, LIGHTPOSITION);
}
