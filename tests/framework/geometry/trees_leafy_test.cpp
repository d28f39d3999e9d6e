// The leaf crowns, read back through GL's feedback mode: card counts, normals (through
// normal-map texture generation) and where the cards stand on the matching tree's branches.
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

struct CrownArgs {
  const char* name;
  float ANG;
  std::int32_t NUMPICE;
  float SIZE, H, H2, R;  // R: the matching tree's radius
  std::size_t cards;
};

const CrownArgs kDemoCrowns[] = {
    {"demo0", 30, 3, 0.15f, 3.25f, 1.5f, 0.15f, 108},
    {"demo1", 40, 4, 0.15f, 3.6f, 1.75f, 0.25f, 320},
    {"demo2", 50, 5, 0.15f, 4.2f, 2.0f, 0.45f, 750},
};

// Test names and messages show a case by its name.
void PrintTo(const CrownArgs& c, std::ostream* os) { *os << c.name; }

std::vector<Card> cardsOf(GLuint leaf) {
  std::vector<Card> cards;
  for (const auto& piece : splitIntoPieces(captureFeedback([leaf] { glCallList(leaf); }))) {
    cards.push_back(measureCard(piece));
  }
  return cards;
}

class LeafCrown : public GlTest, public ::testing::WithParamInterface<CrownArgs> {};
class LeafCrownList : public GlTest {};

}  // namespace

// Built with the same values as the tree, each card stands on one level-3 or level-4 branch:
// centred on its axis, H2/1.8 from its base, and running along it. Each such branch carries
// exactly one card: NUMPICE^3 on level 3 and NUMPICE^4 on level 4.
TEST_P(LeafCrown, CardsStandOnTheMatchingTreesOuterBranches) {
  const CrownArgs a = GetParam();
  GLuint leaf = 0, tree = 0;
  TREELEAF(leaf, a.ANG, a.NUMPICE, a.SIZE, a.H, a.H2);
  TREE(tree, a.ANG, 10, a.NUMPICE, a.R, a.H, a.H2);
  glDisable(GL_CULL_FACE);

  // The matching tree's bodies (pieces with a ring on top; the tips end in a point).
  std::vector<Cone> level3, level4;
  const auto treePieces = splitIntoPieces(captureFeedback([tree] { glCallList(tree); }));
  for (const auto& piece : treePieces) {
    const Cone c = measureCone(piece);
    const double bodyLength = length(c.top - c.base);
    if (c.topRadius < 1e-6) continue;
    if (std::abs(bodyLength - a.H2 / 1.5) < 1e-3) level3.push_back(c);
    if (std::abs(bodyLength - a.H2 / 2) < 1e-3) level4.push_back(c);
  }
  const int n = a.NUMPICE;
  ASSERT_EQ(level3.size(), static_cast<std::size_t>(n * n * n));
  ASSERT_EQ(level4.size(), static_cast<std::size_t>(n * n * n * n));

  const auto cards = cardsOf(leaf);
  ASSERT_EQ(cards.size(), a.cards);
  const double c = a.H2 / 1.8, w = 4 * a.SIZE;
  std::vector<bool> used3(level3.size()), used4(level4.size());
  std::size_t on3 = 0, on4 = 0;
  for (const Card& card : cards) {
    ASSERT_TRUE(card.found[0] && card.found[1] && card.found[2] && card.found[3]);
    // Corner 1 to corner 2 runs along the branch, 2w long; 2 to 3 across it, 2w wide.
    EXPECT_NEAR(length(card.corner[1] - card.corner[0]), 2 * w, 1e-4);
    EXPECT_NEAR(length(card.corner[2] - card.corner[1]), 2 * w, 1e-4);
    const Vec3 along = normalized(card.corner[1] - card.corner[0]);
    auto claim = [&](std::vector<Cone>& bodies, std::vector<bool>& used) -> bool {
      for (std::size_t i = 0; i < bodies.size(); ++i) {
        const Vec3 axis = normalized(bodies[i].top - bodies[i].base);
        if (!used[i] && length(bodies[i].base + axis * c - card.centre()) < 1e-3 &&
            length(axis - along) < 1e-3) {
          used[i] = true;
          return true;
        }
      }
      return false;
    };
    if (claim(level3, used3)) {
      ++on3;
    } else if (claim(level4, used4)) {
      ++on4;
    } else {
      ADD_FAILURE() << "card at (" << card.centre().x << ", " << card.centre().y << ", "
                    << card.centre().z << ") stands on no outer branch";
    }
  }
  EXPECT_EQ(on3, level3.size());
  EXPECT_EQ(on4, level4.size());
  EXPECT_TRUE(NoGlError());
}

// Every card carries its face normal: the unit normal of corners 1, 2, 3 taken counter-
// clockwise, which is (1, 0, 0) or (0, -1, 0) in the card's own frame.
TEST_P(LeafCrown, EveryCardCarriesItsFaceNormal) {
  const CrownArgs a = GetParam();
  GLuint leaf = 0;
  TREELEAF(leaf, a.ANG, a.NUMPICE, a.SIZE, a.H, a.H2);
  const auto cards = cardsOf(leaf);
  const auto pieces = splitIntoPieces(captureNormals([leaf] { glCallList(leaf); }));
  ASSERT_EQ(pieces.size(), cards.size());
  ASSERT_EQ(cards.size(), a.cards);
  for (std::size_t i = 0; i < cards.size(); ++i) {
    const auto& k = cards[i].corner;
    const Vec3 face = normalized(cross(k[0] - k[1], k[1] - k[2]));
    for (const auto& triangle : pieces[i]) {
      for (const auto& v : triangle) {
        const Vec3 normal{v.nx, v.ny, v.nz};
        ASSERT_NEAR(length(normal - face), 0, 1e-4) << "card " << i;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Crowns, LeafCrown, ::testing::ValuesIn(kDemoCrowns),
                         [](const auto& info) { return std::string(info.param.name); });

// Cards of no size have the zero normal.
TEST_F(LeafCrownList, ZeroSizeCardsHaveTheZeroNormal) {
  GLuint leaf = 0;
  TREELEAF(leaf, 30, 2, 0.0f, 3.0f, 1.5f);
  const auto vertices = allVertices(captureNormals([leaf] { glCallList(leaf); }));
  ASSERT_EQ(vertices.size(), (8u + 16u) * 2 * 3);  // 2^3 + 2^4 cards of two triangles
  for (const auto& v : vertices) {
    EXPECT_EQ(v.nx, 0.0f);
    EXPECT_EQ(v.ny, 0.0f);
    EXPECT_EQ(v.nz, 0.0f);
  }
}

// A single chain carries one card of each kind, leaning 3 ANG and 4 ANG from the trunk's axis.
TEST_F(LeafCrownList, OnePiecePerForkGivesOneCardOfEachKind) {
  GLuint leaf = 0;
  TREELEAF(leaf, 20, 1, 0.1f, 3.0f, 1.5f);
  const auto cards = cardsOf(leaf);
  ASSERT_EQ(cards.size(), 2u);
  const Vec3 up{0, 0, 1};
  EXPECT_NEAR(angleBetween(cards[0].corner[1] - cards[0].corner[0], up), 60, 1e-3);
  EXPECT_NEAR(angleBetween(cards[1].corner[1] - cards[1].corner[0], up), 80, 1e-3);
}

// The cards are drawn lit on both sides and with culling off; the list leaves two-sided
// lighting off, culling on and the matrix as it was.
TEST_F(LeafCrownList, CardsAreLitOnBothSidesAndTheListSwitchesItBackOff) {
  GLuint leaf = 0;
  TREELEAF(leaf, 40, 4, 0.15f, 3.6f, 1.75f);
  glRotatef(-60, 1, 0, 0);
  std::array<GLfloat, 16> before{}, after{};
  glGetFloatv(GL_MODELVIEW_MATRIX, before.data());

  // Red on the front, blue on the back: only two-sided lighting shows blue.
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  const GLfloat black[4] = {0, 0, 0, 1}, red[4] = {1, 0, 0, 1}, blue[4] = {0, 0, 1, 1};
  const GLfloat towardsViewer[4] = {0, 0, 1, 0};
  glPushMatrix();
  glLoadIdentity();
  glLightfv(GL_LIGHT0, GL_POSITION, towardsViewer);
  glPopMatrix();
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, black);
  glMaterialfv(GL_FRONT, GL_DIFFUSE, red);
  glMaterialfv(GL_BACK, GL_DIFFUSE, blue);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_FRONT_AND_BACK);  // would cull every card if culling stayed on

  const auto drawn = captureFeedback([leaf] { glCallList(leaf); });
  EXPECT_EQ(drawn.size(), 320u * 2);
  bool front = false, back = false;
  for (const auto& v : allVertices(drawn)) {
    front = front || v.r > 0.1f;
    back = back || v.b > 0.1f;
  }
  EXPECT_TRUE(front);
  EXPECT_TRUE(back);

  GLint twoSide = -1;
  glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &twoSide);
  EXPECT_EQ(twoSide, 0);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
  EXPECT_EQ(before, after);
  EXPECT_TRUE(NoGlError());
}
