// Helpers shared by the fixed-level tree builders: compiling one list, and the ring list that
// climbs a leaning branch and sets out copies of the next level around its end.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <utility>

namespace geometry {

// Reserves one list name and compiles into it whatever `body` issues.
template <typename Body>
GLuint compileList(Body&& body) {
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  std::forward<Body>(body)();
  glEndList();
  return list;
}

// A ring list: leans ANG about Y like a branch, climbs to Zc along it and sets out NUMPICE
// copies of CHILD there, evenly turned about the branch's axis.
GLuint compileRingList(GLuint CHILD, float ANG, float Zc, std::int32_t NUMPICE);

// The rings that carry the pieces standing in for the level-3 and level-4 branches (RAMO2,
// RAMO3) out along the levels below them, made in the order GIRORAMI1 to GIRORAMI5. Set out
// around the trunk's top, GIRORAMI2 draws every level-3 piece and GIRORAMI5 every level-4
// piece.
struct OuterRings {
  GLuint GIRORAMI2;
  GLuint GIRORAMI5;
};
OuterRings compileOuterRings(GLuint RAMO2, GLuint RAMO3, float ANG, float H2, std::int32_t NUMPICE);

}  // namespace geometry
