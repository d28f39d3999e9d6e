// The fixed four-level tree: a trunk, and for each level a branch list set out by ring lists
// that nest into one another, so NUMPICE^k branches of level k appear without recursion.
#include "framework/framework.h"
#include "framework/geometry/tree_lists.h"

namespace {

// One branch of length L leaning ANG from its parent's axis: a short pointed tip (drawn
// first) on a body that narrows from rBase to rTop.
GLuint compileBranchList(float ANG, std::int32_t NUMPOINTS, float L, float rBase, float rTop,
                         float tipLength) {
  return geometry::compileList([&] {
    glPushMatrix();
    glRotatef(ANG, 0.0f, 1.0f, 0.0f);
    CONOTRONCO(0.0f, 0.0f, L, NUMPOINTS, 0.0f, rTop, tipLength);
    CONOTRONCO(0.0f, 0.0f, 0.0f, NUMPOINTS, rTop, rBase, L);
    glPopMatrix();
  });
}

}  // namespace

void TREE(GLuint& TREE, float ANG, std::int32_t NUMPOINTS, std::int32_t NUMPICE, float R, float H,
          float H2) {
  const float tip = H2 / 4;
  // Each level starts with its parent's top radius: R, R/1.5, R/3, R/4.5, R/6, R/7.5.
  const GLuint RAMO = compileBranchList(ANG, NUMPOINTS, H2, R / 1.5f, R / 3, tip);
  const GLuint RAMO1 = compileBranchList(ANG, NUMPOINTS, H2, R / 3, R / 4.5f, tip);
  const GLuint RAMO2 = compileBranchList(ANG, NUMPOINTS, H2 / 1.5f, R / 4.5f, R / 6, tip);
  const GLuint RAMO3 = compileBranchList(ANG, NUMPOINTS, H2 / 2, R / 6, R / 7.5f, tip);

  // Level 2 hangs from the level-1 ends; the outer rings carry levels 3 and 4.
  const GLuint GIRORAMI = geometry::compileRingList(RAMO1, ANG, H2, NUMPICE);
  const auto outer = geometry::compileOuterRings(RAMO2, RAMO3, ANG, H2, NUMPICE);

  TREE = geometry::compileList([&] {
    CONOTRONCO(0.0f, 0.0f, 0.0f, NUMPOINTS, R / 1.5f, R, H);
    for (const GLuint level : {RAMO, GIRORAMI, outer.GIRORAMI2, outer.GIRORAMI5}) {
      PUTCIRCLEOBJ(level, 0.0f, 0.0f, H, NUMPICE, 0.0f);
    }
  });
}
