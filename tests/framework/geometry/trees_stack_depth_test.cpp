// How deep each tree list nests GL's matrix and attribute stacks: running it with exactly
// that many levels free works, with one level fewer the GL reports a stack overflow.
#include <gtest/gtest.h>

#include <ostream>

#include "framework/framework.h"
#include "tests/framework/geometry/trees_geometry.h"
#include "tests/support/gl_fixture.h"

using trees_test::flatLeaf;

namespace {

struct StackCase {
  const char* name;
  GLuint (*build)();
  int matrixLevels;     // model-view levels the list needs above its caller's
  int attributeLevels;  // attribute levels it needs
};

// Test names and messages show a case by its name.
void PrintTo(const StackCase& c, std::ostream* os) { *os << c.name; }

void noMaterial() {}

const StackCase kCases[] = {
    {"tree",
     [] {
       GLuint list = 0;
       TREE(list, 50, 10, 5, 0.45f, 4.2f, 2.0f);
       return list;
     },
     16, 0},
    {"crown",
     [] {
       GLuint list = 0;
       TREELEAF(list, 50, 5, 0.15f, 4.2f, 2.0f);
       return list;
     },
     16, 0},
    {"fractal4",
     [] {
       GLuint list = 0;
       TREEFRACTAL3D(list, flatLeaf, noMaterial, noMaterial, 10, 4);
       return list;
     },
     2 * 4 + 4, 2},
    {"fractal0",
     [] {
       GLuint list = 0;
       TREEFRACTAL3D(list, flatLeaf, noMaterial, noMaterial, 10, 0);
       return list;
     },
     4, 2},
};

// One of GL's stacks: how to read its depth and limit, and how to grow and shrink it.
struct Stack {
  const char* name;
  GLenum depthQuery, maxQuery;
  void (*push)();
  void (*pop)();
  int StackCase::*levels;
};

const Stack kStacks[] = {
    {"model-view", GL_MODELVIEW_STACK_DEPTH, GL_MAX_MODELVIEW_STACK_DEPTH, [] { glPushMatrix(); },
     [] { glPopMatrix(); }, &StackCase::matrixLevels},
    {"attribute", GL_ATTRIB_STACK_DEPTH, GL_MAX_ATTRIB_STACK_DEPTH,
     [] { glPushAttrib(GL_LIGHTING_BIT); }, [] { glPopAttrib(); }, &StackCase::attributeLevels},
};

// Leaves `free` levels of the stack, runs the list and reports the first GL error; then puts
// the stack back to the depth it had.
GLenum runWithFreeLevels(GLuint list, int free, const Stack& stack) {
  GLint depth = 0, max = 0;
  glGetIntegerv(stack.depthQuery, &depth);
  glGetIntegerv(stack.maxQuery, &max);
  const GLint start = depth;
  for (; depth < max - free; ++depth) stack.push();
  while (glGetError() != GL_NO_ERROR) {
  }
  glCallList(list);
  const GLenum error = glGetError();
  while (glGetError() != GL_NO_ERROR) {
  }
  for (glGetIntegerv(stack.depthQuery, &depth); depth > start; --depth) stack.pop();
  return error;
}

class TreeStackDepth : public GlTest, public ::testing::WithParamInterface<StackCase> {};

}  // namespace

TEST_P(TreeStackDepth, ListNeedsExactlyItsLevels) {
  const StackCase c = GetParam();
  const GLuint list = c.build();
  ASSERT_NE(list, 0u);
  glMatrixMode(GL_MODELVIEW);
  for (const Stack& stack : kStacks) {
    const int levels = c.*stack.levels;
    if (levels == 0) continue;
    EXPECT_EQ(runWithFreeLevels(list, levels, stack), static_cast<GLenum>(GL_NO_ERROR))
        << stack.name;
    EXPECT_EQ(runWithFreeLevels(list, levels - 1, stack), static_cast<GLenum>(GL_STACK_OVERFLOW))
        << stack.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Trees, TreeStackDepth, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });
