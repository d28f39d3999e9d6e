// Counts of zero or below reach the tree generators without harm: they compile, draw without
// a GL error, and draw only what is left of the tree.
#include <gtest/gtest.h>

#include <ostream>

#include "framework/framework.h"
#include "tests/framework/geometry/trees_geometry.h"
#include "tests/support/gl_feedback.h"
#include "tests/support/gl_fixture.h"

using trees_test::flatLeaf;

namespace {

struct DegenerateCase {
  const char* name;
  GLuint (*build)();
  std::size_t triangles;  // what remains to be drawn
};

// Test names and messages show a case by its name.
void PrintTo(const DegenerateCase& c, std::ostream* os) { *os << c.name; }

void keepCullingOff() { glDisable(GL_CULL_FACE); }

GLuint tree(std::int32_t NUMPOINTS, std::int32_t NUMPICE) {
  GLuint list = 0;
  TREE(list, 30, NUMPOINTS, NUMPICE, 0.2f, 3, 1.5f);
  return list;
}
GLuint crown(std::int32_t NUMPICE) {
  GLuint list = 0;
  TREELEAF(list, 30, NUMPICE, 0.15f, 3, 1.5f);
  return list;
}
GLuint fractal(std::int32_t QUALITY) {
  GLuint list = 0;
  TREEFRACTAL3D(list, flatLeaf, keepCullingOff, keepCullingOff, QUALITY, 1);
  return list;
}

// A 10-segment strip is 21 quads, 42 triangles; a fractal tree of one level has 3 clusters of
// 8 leaves.
const DegenerateCase kCases[] = {
    {"treeWithoutForks", [] { return tree(10, 0); }, 42},
    {"treeWithNegativeForks", [] { return tree(10, -4); }, 42},
    {"treeWithoutSegments", [] { return tree(0, 3); }, 0},
    {"crownWithoutForks", [] { return crown(0); }, 0},
    {"crownWithNegativeForks", [] { return crown(-2); }, 0},
    {"fractalWithoutSegments", [] { return fractal(0); }, 3 * 8 * 2},
    {"fractalWithNegativeSegments", [] { return fractal(-5); }, 3 * 8 * 2},
};

class TreeDegenerateInput : public GlTest, public ::testing::WithParamInterface<DegenerateCase> {};

}  // namespace

TEST_P(TreeDegenerateInput, CompilesAndDrawsWhatIsLeft) {
  const DegenerateCase c = GetParam();
  const GLuint list = c.build();
  ASSERT_TRUE(glIsList(list));
  glDisable(GL_CULL_FACE);
  const auto drawn = captureFeedback([list] { glCallList(list); });
  EXPECT_EQ(drawn.size(), c.triangles);
  EXPECT_TRUE(NoGlError());
}

INSTANTIATE_TEST_SUITE_P(Trees, TreeDegenerateInput, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });
