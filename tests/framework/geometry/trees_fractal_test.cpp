// The random fractal tree: words drawn per call, the shape read back through GL's feedback
// mode (every branch and leaf measured), and the state its list leaves behind.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

#include "framework/framework.h"
#include "tests/framework/geometry/trees_geometry.h"
#include "tests/support/gl_fixture.h"

using namespace trees_test;

namespace {

int leafModels = 0, leafMaterials = 0, treeMaterials = 0;

// A small square leaf about the leaf frame's origin, in its y = 0 plane, marked by the
// texture coordinate (7, 7), which no branch uses.
void squareLeaf() {
  ++leafModels;
  glBegin(GL_QUADS);
  glNormal3f(0, -1, 0);
  glTexCoord2f(7, 7);
  glVertex3f(-0.1f, 0, -0.1f);
  glVertex3f(0.1f, 0, -0.1f);
  glVertex3f(0.1f, 0, 0.1f);
  glVertex3f(-0.1f, 0, 0.1f);
  glEnd();
}
void leafMaterial() { ++leafMaterials; }
// Also records culling off, so that the branches drawn after a leaf cluster (whose leaves
// switch culling back on) come through feedback whole.
void treeMaterial() {
  ++treeMaterials;
  glDisable(GL_CULL_FACE);
}

GLuint buildTree(std::int32_t NUMLEVEL, std::int32_t QUALITY = 10) {
  GLuint tree = 0;
  TREEFRACTAL3D(tree, squareLeaf, treeMaterial, leafMaterial, QUALITY, NUMLEVEL);
  return tree;
}

// Words per call: one unused draw, then per fork 11 plus its three subtrees, per end 1.
const struct {
  std::int32_t NUMLEVEL;
  std::uint64_t words;
} kWordCounts[] = {{0, 2}, {1, 15}, {2, 54}, {3, 171}, {4, 522}, {-3, 2}};

// One branch as measured, and what is drawn on it.
struct Branch {
  Cone cone;
  std::vector<Card> leaves;  // the cluster on a branch end; empty on a fork
};

// The branches of a tree list in drawing order, each with the leaves drawn right after it.
std::vector<Branch> branchesOf(GLuint tree) {
  glDisable(GL_CULL_FACE);
  std::vector<Branch> branches;
  for (const auto& piece : splitIntoPieces(captureFeedback([tree] { glCallList(tree); }))) {
    if (allVerticesAt(piece, 7, 7)) {
      if (branches.empty()) {
        ADD_FAILURE() << "a leaf before any branch";
        continue;
      }
      // Leaf corners in drawing order stand in for the card corners.
      Card leaf;
      std::size_t k = 0;
      for (const auto& triangle : piece) {
        for (const auto& v : triangle) {
          const Vec3 p{v.x, v.y, v.z};
          bool known = false;
          for (std::size_t j = 0; j < k; ++j) known = known || length(leaf.corner[j] - p) == 0;
          if (!known && k < 4) leaf.corner[k++] = p;
        }
      }
      branches.back().leaves.push_back(leaf);
    } else {
      branches.push_back({measureCone(piece), {}});
    }
  }
  return branches;
}

double axisLength(const Cone& c) { return length(c.top - c.base); }

class FractalTree : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    leafModels = leafMaterials = treeMaterials = 0;
  }
};

}  // namespace

// Each call takes exactly its words of the sequence, the unused draws included, and runs
// each callback once.
TEST_F(FractalTree, EachCallTakesItsWordsAndRunsEachCallbackOnce) {
  for (const auto& c : kWordCounts) {
    restartSequence(4242);
    std::mt19937 reference(4242);
    leafModels = leafMaterials = treeMaterials = 0;
    ASSERT_NE(buildTree(c.NUMLEVEL), 0u);
    reference.discard(c.words);
    EXPECT_EQ(RANDOMWORD(), reference()) << "NUMLEVEL " << c.NUMLEVEL;
    EXPECT_EQ(leafModels, 1);
    EXPECT_EQ(leafMaterials, 1);
    EXPECT_EQ(treeMaterials, 1);
  }
}

// The demo's depth: 81 leaf clusters of 8 leaves, each on its own branch end, and 40 bare
// branches that fork. Every fork carries three children at its tip, 0.7 as long and as thick,
// each leaning 30 to 50 degrees from it; each cluster's leaves sit in pairs on its branch's
// axis at 0.333, 0.666, 0.999 and 1.332 of its length.
TEST_F(FractalTree, DemoDepthTreeHasItsClustersBranchesAndForks) {
  const GLuint tree = buildTree(4);
  const auto branches = branchesOf(tree);
  ASSERT_EQ(branches.size(), 121u);
  std::size_t clusters = 0, bare = 0;
  for (const auto& b : branches) {
    if (b.leaves.empty()) {
      ++bare;
      continue;
    }
    ++clusters;
    ASSERT_EQ(b.leaves.size(), 8u);
    const Vec3 axis = b.cone.top - b.cone.base;
    const double heights[4] = {0.333, 0.666, 0.999, 1.332};
    for (std::size_t i = 0; i < 8; ++i) {
      const Vec3 expected = b.cone.base + axis * heights[i / 2];
      EXPECT_LT(length(b.leaves[i].centre() - expected), 1e-3) << "leaf " << i;
    }
  }
  EXPECT_EQ(clusters, 81u);
  EXPECT_EQ(bare, 40u);

  // The trunk runs from y = -1 to y = 0 with radii 0.08 and 0.06.
  const Cone& trunk = branches[0].cone;
  EXPECT_LT(length(trunk.base - Vec3{0, -1, 0}), 1e-4);
  EXPECT_LT(length(trunk.top - Vec3{0, 0, 0}), 1e-4);
  EXPECT_NEAR(trunk.baseRadius, 0.08, 1e-4);
  EXPECT_NEAR(trunk.topRadius, 0.06, 1e-4);

  // Every bare branch is the parent of exactly three branches starting at its tip.
  for (const auto& parent : branches) {
    if (!parent.leaves.empty()) continue;
    int children = 0;
    for (const auto& b : branches) {
      if (&b == &parent || length(b.cone.base - parent.cone.top) > 1e-4) continue;
      ++children;
      const Vec3 up = parent.cone.top - parent.cone.base;
      const double lean = angleBetween(b.cone.top - b.cone.base, up);
      EXPECT_GE(lean, 30 - 1e-3);
      EXPECT_LE(lean, 50 + 1e-3);
      EXPECT_NEAR(axisLength(b.cone), 0.7 * axisLength(parent.cone), 1e-4);
      EXPECT_NEAR(b.cone.baseRadius, 0.7 * parent.cone.baseRadius, 1e-4);
    }
    EXPECT_EQ(children, 3);
  }
  EXPECT_TRUE(NoGlError());
}

// One fork level: the three children's turns and leans come from the words the documented
// order gives them (word 0 unused, 1 the fork's turn, 2 unused, 3 and 4 the first child, 5 its
// end, 6 and 7 unused, 8 and 9 the second child, 10 its end, 11 unused, 12 and 13 the third).
TEST_F(FractalTree, ChildrenTakeTheirTurnsAndLeansFromTheirWords) {
  restartSequence(99);
  std::mt19937 reference(99);
  std::array<double, 15> u{};
  for (double& value : u) value = reference() * 0x1p-32;
  const auto branches = branchesOf(buildTree(1));
  ASSERT_EQ(branches.size(), 4u);

  const double forkTurn = u[1] * 180;
  const struct {
    double base;
    int turnWord, leanWord;
  } children[3] = {{110, 3, 4}, {-130, 8, 9}, {-20, 12, 13}};
  for (int i = 0; i < 3; ++i) {
    const double turn = forkTurn + children[i].base + u[children[i].turnWord] * 40;
    const double lean = 30 + u[children[i].leanWord] * 20;
    const Frame f = Frame().rotated(turn, 0, 1, 0).rotated(lean, 0, 0, 1).scaled(0.7);
    const Cone& c = branches[1 + i].cone;
    EXPECT_LT(length(c.base - Vec3{0, 0, 0}), 1e-4) << "child " << i;
    EXPECT_LT(length(c.top - f.apply({0, 1, 0})), 1e-4) << "child " << i;
    EXPECT_EQ(branches[1 + i].leaves.size(), 8u);
  }
}

// With no fork the one cluster stands on the trunk, turned about it by the second word.
TEST_F(FractalTree, ABranchEndIsTurnedByItsWord) {
  double turns[2] = {}, azimuths[2] = {};
  const std::int32_t seeds[2] = {5, 6};
  for (int i = 0; i < 2; ++i) {
    restartSequence(seeds[i]);
    std::mt19937 reference(seeds[i]);
    reference.discard(1);
    turns[i] = reference() * 0x1p-32 * 180;
    const auto branches = branchesOf(buildTree(0));
    ASSERT_EQ(branches.size(), 1u);
    ASSERT_EQ(branches[0].leaves.size(), 8u);
    EXPECT_LT(length(branches[0].cone.base - Vec3{0, -1, 0}), 1e-4);
    EXPECT_LT(length(branches[0].cone.top - Vec3{0, 0, 0}), 1e-4);
    const auto& k = branches[0].leaves[0].corner;
    const Vec3 normal = cross(k[1] - k[0], k[2] - k[1]);
    azimuths[i] = std::atan2(normal.x, normal.z) * 180 / std::numbers::pi;
  }
  // A turn about +Y by a moves the azimuth atan2(x, z) by +a.
  const double measured = std::remainder(azimuths[1] - azimuths[0], 360.0);
  EXPECT_NEAR(measured, std::remainder(turns[1] - turns[0], 360.0), 1e-3);
}

// Running the list restores the matrix and the lighting state (two-sided lighting too, which
// the leaves switch off), and leaves culling on, alpha test and blending off, depth writes
// on and the tree material's texture bound.
TEST_F(FractalTree, ListLeavesTheStateItsLeavesAndMaterialsSet) {
  static GLuint barkTexture = 0, leafTexture = 0;
  glGenTextures(1, &barkTexture);
  glGenTextures(1, &leafTexture);
  GLuint tree = 0;
  TREEFRACTAL3D(
      tree, [] {}, [] { glBindTexture(GL_TEXTURE_2D, barkTexture); },
      [] { glBindTexture(GL_TEXTURE_2D, leafTexture); }, 10, 2);

  GLuint callerTexture = 0;
  glGenTextures(1, &callerTexture);
  glBindTexture(GL_TEXTURE_2D, callerTexture);
  glRotatef(25, 0, 0, 1);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
  glEnable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glEnable(GL_ALPHA_TEST);
  glEnable(GL_BLEND);
  glDepthMask(GL_FALSE);
  std::array<GLfloat, 16> before{}, after{};
  glGetFloatv(GL_MODELVIEW_MATRIX, before.data());

  glCallList(tree);

  glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
  EXPECT_EQ(before, after);
  GLint twoSide = 0, bound = 0;
  GLboolean depthMask = GL_FALSE;
  glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &twoSide);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
  EXPECT_EQ(twoSide, 1);
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_EQ(depthMask, GL_TRUE);
  EXPECT_EQ(static_cast<GLuint>(bound), barkTexture);
  EXPECT_TRUE(NoGlError());
  const GLuint textures[3] = {barkTexture, leafTexture, callerTexture};
  glDeleteTextures(3, textures);
}

// The list selects no material before its trunk: the trunk and the first cluster's branch
// are drawn in the caller's colour; the leaves in the leaf material, and every branch after a
// cluster in the tree material, which the cluster selects last.
TEST_F(FractalTree, TreeMaterialTakesEffectFromTheFirstClusterOn) {
  GLuint tree = 0;
  TREEFRACTAL3D(
      tree, squareLeaf,
      [] {
        glColor3f(0.5f, 0.25f, 0);
        glDisable(GL_CULL_FACE);
      },
      [] { glColor3f(0, 1, 0); }, 10, 1);
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glColor3f(1, 1, 1);
  std::vector<float> coneReds;
  std::size_t leaves = 0;
  for (const auto& piece : splitIntoPieces(captureFeedback([tree] { glCallList(tree); }))) {
    const FeedbackVertex& v = piece.front().front();
    if (allVerticesAt(piece, 7, 7)) {
      ++leaves;
      EXPECT_EQ(v.r, 0.0f);
      EXPECT_EQ(v.g, 1.0f);
    } else {
      coneReds.push_back(v.r);
    }
  }
  EXPECT_EQ(leaves, 24u);
  EXPECT_EQ(coneReds, (std::vector<float>{1.0f, 1.0f, 0.5f, 0.5f}));
}

// Missing callbacks are skipped: the tree still has its branches and takes its words.
TEST_F(FractalTree, MissingCallbacksAreSkipped) {
  restartSequence(17);
  std::mt19937 reference(17);
  GLuint tree = 0;
  TREEFRACTAL3D(tree, nullptr, nullptr, nullptr, 10, 1);
  ASSERT_NE(tree, 0u);
  reference.discard(15);
  EXPECT_EQ(RANDOMWORD(), reference());
  EXPECT_EQ(branchesOf(tree).size(), 4u);
  EXPECT_TRUE(NoGlError());
}

// Drawing a list twice gives the same tree: the randomness is spent when it is compiled.
TEST_F(FractalTree, DrawingTwiceGivesTheSameTree) {
  const GLuint tree = buildTree(3);
  // Each run starts from the same culling state (the tree material leaves it off).
  glDisable(GL_CULL_FACE);
  const auto first = allVertices(captureFeedback([tree] { glCallList(tree); }));
  glDisable(GL_CULL_FACE);
  const auto second = allVertices(captureFeedback([tree] { glCallList(tree); }));
  ASSERT_FALSE(first.empty());
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    ASSERT_TRUE(first[i].x == second[i].x && first[i].y == second[i].y &&
                first[i].z == second[i].z);
  }
}
