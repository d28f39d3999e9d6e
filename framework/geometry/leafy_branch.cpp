// The foliage of a fixed four-level tree: leaf cards where that tree's level-3 and level-4
// branches stand, placed by the same nesting of ring lists.
#include <array>

#include "framework/framework.h"
#include "framework/geometry/tree_lists.h"

namespace {

struct Corner {
  float x, y, z;
};

// One square card lit on both sides, leaning ANG like a branch. Corners 1 to 4 get the
// texture corners (0,0), (0,1), (1,1), (1,0); the normal is worked out from corners 1 to 3
// now and recorded in the list as a constant.
GLuint compileCardList(float ANG, const std::array<Corner, 4>& corner) {
  return geometry::compileList([&] {
    TWOSIDEON();
    glPushMatrix();
    glRotatef(ANG, 0.0f, 1.0f, 0.0f);
    glBegin(GL_QUADS);
    FINDNORMAL(corner[0].x, corner[0].y, corner[0].z, corner[1].x, corner[1].y, corner[1].z,
               corner[2].x, corner[2].y, corner[2].z);
    glNormal3f(static_cast<float>(FNORMAL[1]), static_cast<float>(FNORMAL[2]),
               static_cast<float>(FNORMAL[3]));
    LINEFREE(0.0f, 0.0f, 0.0f, 1.0f, corner[0].x, corner[0].y, corner[0].z, corner[1].x,
             corner[1].y, corner[1].z, true);
    LINEFREE(1.0f, 1.0f, 1.0f, 0.0f, corner[2].x, corner[2].y, corner[2].z, corner[3].x,
             corner[3].y, corner[3].z, true);
    glEnd();
    glPopMatrix();
    TWOSIDEOFF();
  });
}

}  // namespace

void TREELEAF(GLuint& LEAF, float ANG, std::int32_t NUMPICE, float SIZE, float H, float H2) {
  const float R = SIZE;
  const float c = static_cast<float>(H2 / 1.8);  // a card's centre along its branch
  const float w = 4 * R;                         // a card's half-width
  const float low = c - w;
  const float high = c + w;

  // The first kind stands in the branch's Y-Z plane, the second in its X-Z plane.
  const GLuint RAMO2 =
      compileCardList(ANG, {{{0, w, low}, {0, w, high}, {0, -w, high}, {0, -w, low}}});
  const GLuint RAMO3 =
      compileCardList(ANG, {{{w, 0, low}, {w, 0, high}, {-w, 0, high}, {-w, 0, low}}});

  // The same rings as the matching tree's, with cards in place of its level-3 and level-4
  // branches.
  const auto outer = geometry::compileOuterRings(RAMO2, RAMO3, ANG, H2, NUMPICE);

  LEAF = geometry::compileList([&] {
    PUTCIRCLEOBJ(outer.GIRORAMI2, 0.0f, 0.0f, H, NUMPICE, 0.0f);
    PUTCIRCLEOBJ(outer.GIRORAMI5, 0.0f, 0.0f, H, NUMPICE, 0.0f);
  });
}
