#include "framework/geometry/tree_lists.h"

#include "framework/framework.h"

namespace geometry {

GLuint compileRingList(GLuint CHILD, float ANG, float Zc, std::int32_t NUMPICE) {
  return compileList([&] {
    glPushMatrix();
    glRotatef(ANG, 0.0f, 1.0f, 0.0f);
    PUTCIRCLEOBJ(CHILD, 0.0f, 0.0f, Zc, NUMPICE, 0.0f);
    glPopMatrix();
  });
}

OuterRings compileOuterRings(GLuint RAMO2, GLuint RAMO3, float ANG, float H2,
                             std::int32_t NUMPICE) {
  // Each ring climbs the body of the branch it follows, so a level's pieces sit where the
  // pointed tip of the level before begins.
  const GLuint GIRORAMI1 = compileRingList(RAMO2, ANG, H2, NUMPICE);
  const GLuint GIRORAMI2 = compileRingList(GIRORAMI1, ANG, H2, NUMPICE);
  const GLuint GIRORAMI3 = compileRingList(RAMO3, ANG, H2 / 1.5f, NUMPICE);
  const GLuint GIRORAMI4 = compileRingList(GIRORAMI3, ANG, H2, NUMPICE);
  const GLuint GIRORAMI5 = compileRingList(GIRORAMI4, ANG, H2, NUMPICE);
  return {GIRORAMI2, GIRORAMI5};
}

}  // namespace geometry
