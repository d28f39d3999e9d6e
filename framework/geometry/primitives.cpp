// Immediate-mode solids. They keep no state and make no lists: called while a list is being
// compiled, their commands go into that list. Angles and sphere coordinates are worked out in
// extended precision and rounded to float32 between steps, so a list holds the same numbers
// on every machine.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "framework/framework.h"

namespace {

using Extended = long double;
constexpr Extended PI = std::numbers::pi_v<long double>;

// One side step of the cone: an upper vertex at angle a1 on radius RIN and a lower vertex at
// angle a0 on radius ROUT, both with the lower vertex's x and y as (unnormalised) normal.
void conePair(Extended a1, Extended a0, float X, float Y, float Z, float RIN, float ROUT, float H) {
  const Extended lowerX = std::cos(a0) * ROUT + X;
  const Extended lowerY = std::sin(a0) * ROUT + Y;
  glNormal3f(static_cast<float>(lowerX), static_cast<float>(lowerY), 0.0f);
  const float upperT = static_cast<float>(static_cast<Extended>(Z) + H + 1);
  LINEFREE(static_cast<float>(2 * a1 + X), upperT, static_cast<float>(2 * a0 + X), Z,
           static_cast<float>(std::cos(a1) * RIN + X), static_cast<float>(std::sin(a1) * RIN + Y),
           Z + H, static_cast<float>(lowerX), static_cast<float>(lowerY), Z, true);
}

// One sphere vertex at band angle THETA and turn THETA3, negated with its normal.
void sphereVertex(float THETA, float THETA3, float R, Extended s, Extended t) {
  const float X = static_cast<float>(std::cos(static_cast<Extended>(THETA)) * std::cos(static_cast<Extended>(THETA3)));
  const float Y = static_cast<float>(std::sin(static_cast<Extended>(THETA)));
  const float Z = static_cast<float>(std::cos(static_cast<Extended>(THETA)) * std::sin(static_cast<Extended>(THETA3)));
  // The centre offset is zero: the sphere is drawn about the translated origin.
  const float PX = static_cast<float>(static_cast<Extended>(X) * R + 0);
  const float PY = static_cast<float>(static_cast<Extended>(Y) * R + 0);
  const float PZ = static_cast<float>(static_cast<Extended>(Z) * R + 0);
  glNormal3f(-X, -Y, -Z);
  glTexCoord2f(static_cast<float>(s), static_cast<float>(t));
  glVertex3f(-PX, -PY, -PZ);
}

}  // namespace

void LINEFREE(float TX1, float TY1, float TX2, float TY2, float X1, float Y1, float Z1, float X2,
              float Y2, float Z2, bool TEXTURE) {
  if (TEXTURE) glTexCoord2f(TX1, TY1);
  glVertex3f(X1, Y1, Z1);
  if (TEXTURE) glTexCoord2f(TX2, TY2);
  glVertex3f(X2, Y2, Z2);
}

void SFERA(float SX, float SY, float SZ, float R, std::int32_t N) {
  glPushMatrix();
  glTranslatef(SX, SY, SZ);
  if (R < 0) R = -R;
  // Widened first so that the most negative count turns positive too.
  const std::int64_t segments = N < 0 ? -static_cast<std::int64_t>(N) : N;
  if (segments < 4 || R <= 0) {
    glBegin(GL_POINTS);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glEnd();
    glPopMatrix();
    return;
  }
  const Extended n = static_cast<Extended>(segments);
  const std::int64_t bands = segments / 2;
  for (std::int64_t I = 0; I < bands; ++I) {
    const float THETA1 = static_cast<float>(2 * I * PI / n - PI / 2);
    const float THETA2 = static_cast<float>(2 * (I + 1) * PI / n - PI / 2);
    glBegin(GL_QUAD_STRIP);
    for (std::int64_t L = 0; L <= segments; ++L) {
      const float THETA3 = static_cast<float>(2 * L * PI / n);
      const Extended s = 1 - L / n;
      sphereVertex(THETA2, THETA3, R, s, 2 * (I + 1) / n);
      sphereVertex(THETA1, THETA3, R, s, 2 * I / n);
    }
    glEnd();
  }
  glPopMatrix();
}

void CONOTRONCO(float X, float Y, float Z, std::int32_t NUMPOINTS, float RIN, float ROUT, float H) {
  glBegin(GL_QUAD_STRIP);
  // No segment count means no side; a zero count would otherwise divide by zero.
  if (NUMPOINTS >= 1) {
    // A quarter of the nominal step: the two facets of each step span 3 and about 1 of it.
    const float DA = static_cast<float>((2 * PI / NUMPOINTS) / 4);
    for (std::int32_t I = 0; I <= NUMPOINTS; ++I) {
      // The divisor NUMPOINTS + 0.1 keeps the last step just short of a full turn.
      const float ANGLE = static_cast<float>(2 * I * PI / (NUMPOINTS + 0.1L));
      const Extended angle = ANGLE;
      const Extended da = DA;
      conePair(angle + da / 2, angle, X, Y, Z, RIN, ROUT, H);
      conePair(angle + 5 * da / 2, angle + 3 * da, X, Y, Z, RIN, ROUT, H);
    }
  }
  glEnd();
}

void PUTCIRCLEOBJ(GLuint OBJNAME, float X, float Y, float Z, std::int32_t NUMPOINTS, float R) {
  glDisable(GL_CULL_FACE);
  glPushMatrix();
  glTranslatef(X, Y, Z);
  for (std::int32_t I = 0; I < NUMPOINTS; ++I) {
    glPushMatrix();
    glRotatef(static_cast<float>(I * (360.0L / NUMPOINTS)), 0.0f, 0.0f, 1.0f);
    glPushMatrix();
    glTranslatef(R, 0.0f, 0.0f);
    glCallList(OBJNAME);
    glPopMatrix();
    glPopMatrix();
  }
  glPopMatrix();
  glEnable(GL_CULL_FACE);
}
