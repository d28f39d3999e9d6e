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

}  // namespace geometry
