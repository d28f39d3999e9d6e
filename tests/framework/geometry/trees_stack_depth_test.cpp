// How deep each tree list nests GL's matrix and attribute stacks: running it with exactly
// that many levels free works, with one level fewer the GL reports a stack overflow.
#include <gtest/gtest.h>

#include "framework/framework.h"
#include "tests/support/gl_fixture.h"

namespace {

struct StackCase {
  const char* name;
  GLuint (*build)();
  int matrixLevels;     // model-view levels the list needs above its caller's
  int attributeLevels;  // attribute levels it needs
};

void flatLeaf() {
  glBegin(GL_QUADS);
  glVertex3f(0, 0, 0);
  glVertex3f(1, 0, 0);
  glVertex3f(1, 0, 1);
  glVertex3f(0, 0, 1);
  glEnd();
}
void noMaterial() {}

const StackCase kCases[] = {
    {"tree", [] {
       GLuint list = 0;
       TREE(list, 50, 10, 5, 0.45f, 4.2f, 2.0f);
       return list;
     }, 16, 0},
    {"crown", [] {
       GLuint list = 0;
       TREELEAF(list, 50, 5, 0.15f, 4.2f, 2.0f);
       return list;
     }, 16, 0},
    {"fractal4", [] {
       GLuint list = 0;
       TREEFRACTAL3D(list, flatLeaf, noMaterial, noMaterial, 10, 4);
       return list;
     }, 2 * 4 + 4, 2},
    {"fractal0", [] {
       GLuint list = 0;
       TREEFRACTAL3D(list, flatLeaf, noMaterial, noMaterial, 10, 0);
       return list;
     }, 4, 2},
};

// Leaves `free` levels of a stack whose depth is read with `depthQuery` and limited by
// `maxQuery`, runs the list and reports the first GL error; then restores the depth.
GLenum runWithFreeLevels(GLuint list, int free, GLenum depthQuery, GLenum maxQuery,
                         void (*push)(), void (*pop)()) {
  GLint depth = 0, max = 0;
  glGetIntegerv(depthQuery, &depth);
  glGetIntegerv(maxQuery, &max);
  const GLint start = depth;
  for (; depth < max - free; ++depth) push();
  while (glGetError() != GL_NO_ERROR) {
  }
  glCallList(list);
  const GLenum error = glGetError();
  while (glGetError() != GL_NO_ERROR) {
  }
  for (glGetIntegerv(depthQuery, &depth); depth > start; --depth) pop();
  return error;
}

void pushMatrix() { glPushMatrix(); }
void popMatrix() { glPopMatrix(); }
void pushAttributes() { glPushAttrib(GL_LIGHTING_BIT); }
void popAttributes() { glPopAttrib(); }

class TreeStackDepth : public GlTest, public ::testing::WithParamInterface<StackCase> {};

}  // namespace

TEST_P(TreeStackDepth, ListNeedsExactlyItsLevels) {
  const StackCase c = GetParam();
  const GLuint list = c.build();
  ASSERT_NE(list, 0u);
  glMatrixMode(GL_MODELVIEW);
  EXPECT_EQ(runWithFreeLevels(list, c.matrixLevels, GL_MODELVIEW_STACK_DEPTH,
                              GL_MAX_MODELVIEW_STACK_DEPTH, pushMatrix, popMatrix),
            static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_EQ(runWithFreeLevels(list, c.matrixLevels - 1, GL_MODELVIEW_STACK_DEPTH,
                              GL_MAX_MODELVIEW_STACK_DEPTH, pushMatrix, popMatrix),
            static_cast<GLenum>(GL_STACK_OVERFLOW));
  if (c.attributeLevels > 0) {
    EXPECT_EQ(runWithFreeLevels(list, c.attributeLevels, GL_ATTRIB_STACK_DEPTH,
                                GL_MAX_ATTRIB_STACK_DEPTH, pushAttributes, popAttributes),
              static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(runWithFreeLevels(list, c.attributeLevels - 1, GL_ATTRIB_STACK_DEPTH,
                                GL_MAX_ATTRIB_STACK_DEPTH, pushAttributes, popAttributes),
              static_cast<GLenum>(GL_STACK_OVERFLOW));
  }
}

INSTANTIATE_TEST_SUITE_P(Trees, TreeStackDepth, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });
