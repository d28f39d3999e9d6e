// The fixed four-level tree, read back through GL's feedback mode: every cone is measured and
// matched against where the branch layout puts it.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>
#include <vector>

#include "framework/framework.h"
#include "tests/framework/geometry/trees_geometry.h"
#include "tests/support/gl_fixture.h"

using namespace trees_test;

namespace {

struct TreeArgs {
  const char* name;
  float ANG;
  std::int32_t NUMPICE;
  float R, H, H2;
};

// The demo's three trees, then a single chain (each level leaning a further ANG in one plane)
// and a straight stack (ANG 0: every level on the trunk's axis).
const TreeArgs kTrees[] = {
    {"demo0", 30, 3, 0.15f, 3.25f, 1.5f}, {"demo1", 40, 4, 0.25f, 3.6f, 1.75f},
    {"demo2", 50, 5, 0.45f, 4.2f, 2.0f},  {"chain", 35, 1, 0.3f, 2.0f, 1.0f},
    {"straight", 0, 3, 0.2f, 2.0f, 1.0f},
};

// Test names and messages show a case by its name.
void PrintTo(const TreeArgs& c, std::ostream* os) { *os << c.name; }

constexpr std::int32_t kNumPoints = 10;

struct ExpectedBranch {
  int level;
  Vec3 base, top, apex;
  double baseRadius, topRadius;
};

// Where the layout puts every branch: a level's NUMPICE children start at the end of their
// parent's body, evenly turned about its axis, each leaning ANG away from it.
std::vector<ExpectedBranch> expectedBranches(const TreeArgs& a) {
  const double bodyLength[5] = {a.H, a.H2, a.H2, a.H2 / 1.5, a.H2 / 2};
  const double radius[6] = {a.R, a.R / 1.5, a.R / 3, a.R / 4.5, a.R / 6, a.R / 7.5};
  std::vector<ExpectedBranch> branches;
  auto add = [&](auto& self, const Frame& parentEnd, int level) -> void {
    for (int k = 0; k < a.NUMPICE; ++k) {
      const Frame f = parentEnd.rotated(k * 360.0 / a.NUMPICE, 0, 0, 1).rotated(a.ANG, 0, 1, 0);
      const double L = bodyLength[level];
      branches.push_back({level, f.apply({0, 0, 0}), f.apply({0, 0, L}),
                          f.apply({0, 0, L + a.H2 / 4}), radius[level], radius[level + 1]});
      if (level < 4) self(self, f.translated(0, 0, L), level + 1);
    }
  };
  add(add, Frame().translated(0, 0, a.H), 1);
  return branches;
}

bool near(Vec3 a, Vec3 b, double tolerance = 1e-3) { return length(a - b) < tolerance; }

std::vector<FeedbackPrimitive> captureList(GLuint list) {
  return captureFeedback([list] { glCallList(list); });
}

class BranchingTree : public GlTest, public ::testing::WithParamInterface<TreeArgs> {};
class BranchingTreeList : public GlTest {};

}  // namespace

// Every cone of the list is where the layout says, with the radii the levels taper through:
// the trunk, then per branch a pointed tip and a body, 1 + 2 (N + N^2 + N^3 + N^4) strips.
TEST_P(BranchingTree, EveryConeSitsWhereTheLayoutPutsIt) {
  const TreeArgs a = GetParam();
  GLuint tree = 0;
  TREE(tree, a.ANG, kNumPoints, a.NUMPICE, a.R, a.H, a.H2);
  ASSERT_NE(tree, 0u);
  glDisable(GL_CULL_FACE);
  const auto pieces = splitIntoPieces(captureList(tree));
  const auto expected = expectedBranches(a);
  const int n = a.NUMPICE;
  const std::size_t branchCount = n + n * n + n * n * n + n * n * n * n;
  ASSERT_EQ(expected.size(), branchCount);
  ASSERT_EQ(pieces.size(), 1 + 2 * branchCount);

  const Cone trunk = measureCone(pieces[0]);
  EXPECT_TRUE(near(trunk.base, {0, 0, 0}));
  EXPECT_TRUE(near(trunk.top, {0, 0, a.H}));
  EXPECT_NEAR(trunk.baseRadius, a.R, 1e-4);
  EXPECT_NEAR(trunk.topRadius, a.R / 1.5, 1e-4);

  std::vector<Cone> tips, bodies;
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    const Cone cone = measureCone(pieces[i]);
    (cone.topRadius < 1e-6 ? tips : bodies).push_back(cone);
  }
  ASSERT_EQ(tips.size(), branchCount);
  ASSERT_EQ(bodies.size(), branchCount);

  // Match one to one: each expected branch claims one unclaimed body and one unclaimed tip.
  std::vector<bool> bodyUsed(bodies.size()), tipUsed(tips.size());
  std::array<int, 5> perLevel{};
  for (const auto& e : expected) {
    bool bodyFound = false, tipFound = false;
    for (std::size_t i = 0; i < bodies.size() && !bodyFound; ++i) {
      const Cone& c = bodies[i];
      if (!bodyUsed[i] && near(c.base, e.base) && near(c.top, e.top) &&
          std::abs(c.baseRadius - e.baseRadius) < 1e-4 &&
          std::abs(c.topRadius - e.topRadius) < 1e-4) {
        bodyUsed[i] = bodyFound = true;
      }
    }
    for (std::size_t i = 0; i < tips.size() && !tipFound; ++i) {
      const Cone& c = tips[i];
      if (!tipUsed[i] && near(c.base, e.top) && near(c.top, e.apex) &&
          std::abs(c.baseRadius - e.topRadius) < 1e-4) {
        tipUsed[i] = tipFound = true;
      }
    }
    EXPECT_TRUE(bodyFound && tipFound) << "level " << e.level << " branch at (" << e.base.x << ", "
                                       << e.base.y << ", " << e.base.z << ")";
    if (bodyFound && tipFound) ++perLevel[e.level];
  }
  for (int level = 1, count = n; level <= 4; ++level, count *= n) {
    EXPECT_EQ(perLevel[level], count) << "level " << level;
  }
  EXPECT_TRUE(NoGlError());
}

INSTANTIATE_TEST_SUITE_P(Trees, BranchingTree, ::testing::ValuesIn(kTrees),
                         [](const auto& info) { return std::string(info.param.name); });

// The demo's largest tree: 1561 cone strips.
TEST_F(BranchingTreeList, OfFivePiecesDrawsFifteenHundredSixtyOneStrips) {
  GLuint tree = 0;
  TREE(tree, 50, kNumPoints, 5, 0.45f, 4.2f, 2.0f);
  glDisable(GL_CULL_FACE);
  EXPECT_EQ(splitIntoPieces(captureList(tree)).size(), 1561u);
}

// Branch positions depend on ANG, NUMPICE, H and H2 only: R changes thicknesses alone.
TEST_F(BranchingTreeList, RadiusChangesOnlyThicknesses) {
  GLuint thin = 0, thick = 0;
  TREE(thin, 40, kNumPoints, 2, 0.1f, 3.0f, 1.5f);
  TREE(thick, 40, kNumPoints, 2, 0.6f, 3.0f, 1.5f);
  glDisable(GL_CULL_FACE);
  const auto a = splitIntoPieces(captureList(thin));
  const auto b = splitIntoPieces(captureList(thick));
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    const Cone ca = measureCone(a[i]), cb = measureCone(b[i]);
    EXPECT_TRUE(near(ca.base, cb.base) && near(ca.top, cb.top)) << "cone " << i;
    EXPECT_NEAR(cb.baseRadius, 6 * ca.baseRadius, 1e-4) << "cone " << i;
  }
}

// Running the list leaves the matrix as it was and culling on; the trunk is drawn with the
// caller's culling, every branch with culling off (the ring that places it turns it off).
TEST_F(BranchingTreeList, CullsOnlyItsTrunkAndLeavesCullingOn) {
  GLuint tree = 0;
  TREE(tree, 30, kNumPoints, 3, 0.15f, 3.25f, 1.5f);
  glRotatef(70, 1, 0, 0);  // look at the tree from the side, so half the trunk faces away
  std::array<GLfloat, 16> before{}, after{};
  glGetFloatv(GL_MODELVIEW_MATRIX, before.data());

  glDisable(GL_CULL_FACE);
  const auto unculled = captureList(tree);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  const auto culled = captureList(tree);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
  EXPECT_EQ(before, after);

  // The trunk is the first strip: 10 segments give 21 quads, 42 triangles.
  constexpr std::size_t kTrunkTriangles = 42;
  ASSERT_GT(unculled.size(), kTrunkTriangles);
  const std::size_t branchTriangles = unculled.size() - kTrunkTriangles;
  ASSERT_GT(culled.size(), branchTriangles);
  EXPECT_LT(culled.size(), unculled.size());  // some of the trunk faced away
  for (std::size_t i = 0; i < branchTriangles; ++i) {
    const auto& u = unculled[kTrunkTriangles + i].vertices;
    const auto& c = culled[culled.size() - branchTriangles + i].vertices;
    ASSERT_EQ(u.size(), c.size());
    for (std::size_t v = 0; v < u.size(); ++v) {
      ASSERT_TRUE(u[v].x == c[v].x && u[v].y == c[v].y && u[v].z == c[v].z) << "triangle " << i;
    }
  }
  EXPECT_TRUE(NoGlError());
}

// Two calls with equal arguments compile the same geometry into two different lists.
TEST_F(BranchingTreeList, EqualArgumentsGiveEqualTreesInNewLists) {
  GLuint first = 0, second = 0;
  TREE(first, 40, kNumPoints, 4, 0.25f, 3.6f, 1.75f);
  TREE(second, 40, kNumPoints, 4, 0.25f, 3.6f, 1.75f);
  EXPECT_NE(first, second);
  EXPECT_TRUE(glIsList(first) && glIsList(second));
  glDisable(GL_CULL_FACE);
  const auto a = allVertices(captureList(first));
  const auto b = allVertices(captureList(second));
  ASSERT_EQ(a.size(), b.size());
  ASSERT_FALSE(a.empty());
  for (std::size_t i = 0; i < a.size(); ++i) {
    ASSERT_TRUE(a[i].x == b[i].x && a[i].y == b[i].y && a[i].z == b[i].z && a[i].s == b[i].s &&
                a[i].t == b[i].t)
        << "vertex " << i;
  }
}
