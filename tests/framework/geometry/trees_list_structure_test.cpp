// What a tree list is made of: each generator makes its lists one after another, hands back
// the last, and the geometry lives in its branch, card and leaf lists only, so that emptying
// those leaves nothing to draw but the one piece a list holds itself (the fixed-level tree's
// trunk). List names come from GL one after another, which the test checks first.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "framework/framework.h"
#include "tests/framework/geometry/trees_geometry.h"
#include "tests/support/gl_feedback.h"
#include "tests/support/gl_fixture.h"

using trees_test::flatLeaf;

namespace {

struct StructureCase {
  const char* name;
  GLuint (*build)();
  GLuint listsMade;                   // the returned list included
  std::vector<GLuint> geometryLists;  // their places in the order made, from 1
  std::size_t trianglesLeft;          // drawn once the geometry lists are empty
};

// Test names and messages show a case by its name.
void PrintTo(const StructureCase& c, std::ostream* os) { *os << c.name; }

void keepCullingOff() { glDisable(GL_CULL_FACE); }

const StructureCase kCases[] = {
    // RAMO to RAMO3 come first; the trunk (one 10-segment strip, 42 triangles) is the tree
    // list's own.
    {"tree",
     [] {
       GLuint list = 0;
       TREE(list, 40, 10, 4, 0.25f, 3.6f, 1.75f);
       return list;
     },
     11,
     {1, 2, 3, 4},
     42},
    // The two card lists come first.
    {"crown",
     [] {
       GLuint list = 0;
       TREELEAF(list, 40, 4, 0.15f, 3.6f, 1.75f);
       return list;
     },
     8,
     {1, 2},
     0},
    // RAMO, then FOGLIE, which holds the leaf model.
    {"fractal",
     [] {
       GLuint list = 0;
       TREEFRACTAL3D(list, flatLeaf, keepCullingOff, keepCullingOff, 10, 3);
       return list;
     },
     4,
     {1, 2},
     0},
};

std::size_t trianglesOf(GLuint list) {
  glDisable(GL_CULL_FACE);
  return captureFeedback([list] { glCallList(list); }).size();
}

class TreeListStructure : public GlTest, public ::testing::WithParamInterface<StructureCase> {};

}  // namespace

TEST_P(TreeListStructure, GeometryLivesOnlyInTheSubLists) {
  const StructureCase c = GetParam();
  const GLuint before = glGenLists(1);
  const GLuint list = c.build();
  const GLuint after = glGenLists(1);
  ASSERT_EQ(after - before - 1, c.listsMade);
  EXPECT_EQ(list, after - 1);
  for (GLuint id = before + 1; id < after; ++id) EXPECT_TRUE(glIsList(id)) << id;

  EXPECT_GT(trianglesOf(list), c.trianglesLeft);
  for (const GLuint place : c.geometryLists) {
    glNewList(before + place, GL_COMPILE);
    glEndList();
  }
  EXPECT_EQ(trianglesOf(list), c.trianglesLeft);
  EXPECT_TRUE(NoGlError());
  glDeleteLists(before, after - before + 1);
}

INSTANTIATE_TEST_SUITE_P(Trees, TreeListStructure, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });
