// The scene built at start-up: which lists exist in which order, the texture selectors, and
// the geometry of the leaf and the floor quads as GL receives it.
#include <GL/gl.h>

#include <cmath>

#include "tests/app/demo_window_fixture.h"
#include "tests/support/gl_feedback.h"

namespace {

TEST_F(DemoWindowTest, ElevenTreeListsBuiltInOrder) {
  // Crown before wood for each static tree, then the five fractal trees; each generator
  // reserves its own lists, so names only grow along the building order.
  const GLuint order[] = {CHIOMA1[0], ALBERO1[0], CHIOMA1[1], ALBERO1[1], CHIOMA1[2], ALBERO1[2],
                          ALBERO[0],  ALBERO[1],  ALBERO[2],  ALBERO[3],  ALBERO[4]};
  for (std::size_t i = 0; i < std::size(order); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(glIsList(order[i]), GL_TRUE);
    if (i > 0) {
      EXPECT_GT(order[i], order[i - 1]);
    }
  }
  for (int i : {3, 4}) {
    EXPECT_EQ(ALBERO1[i], 0u);
    EXPECT_EQ(CHIOMA1[i], 0u);
  }
}

TEST_F(DemoWindowTest, TextureSelectorsBindTheBarkAndFoliageSlots) {
  GLint bound = -1;
  TEXALBERO();
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(static_cast<GLuint>(bound), TEXTUREID2[demo::kBarkSlot]);
  TEXFOGLIE();
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(static_cast<GLuint>(bound), TEXTURETGA2[demo::kFoliageSlot].TEXID);
  // The three files in app/data loaded into real textures.
  EXPECT_NE(TEXTUREID2[demo::kBarkSlot], 0u);
  EXPECT_NE(TEXTUREID2[demo::kFloorSlot], 0u);
  EXPECT_NE(TEXTURETGA2[demo::kFoliageSlot].TEXID, 0u);
  EXPECT_EQ(TEXTURETGA2[demo::kFoliageSlot].BPP, 32u);
}

struct Corner {
  float x, y, z, s, t;
};

// Finds the captured vertex at (x, y, z) and checks its texture coordinates and normal.
void expectCorner(const std::vector<FeedbackVertex>& vs, Corner c, float nx, float ny, float nz) {
  SCOPED_TRACE(testing::Message() << "corner " << c.x << ", " << c.y << ", " << c.z);
  int found = 0;
  for (const FeedbackVertex& v : vs) {
    if (std::fabs(v.x - c.x) > 1e-4f || std::fabs(v.y - c.y) > 1e-4f || std::fabs(v.z - c.z) > 1e-4f) continue;
    ++found;
    EXPECT_NEAR(v.s, c.s, 1e-5f);
    EXPECT_NEAR(v.t, c.t, 1e-5f);
    EXPECT_NEAR(v.nx, nx, 0.02f);
    EXPECT_NEAR(v.ny, ny, 0.02f);
    EXPECT_NEAR(v.nz, nz, 0.02f);
  }
  EXPECT_GT(found, 0);
}

// The leaf: a 0.7 by 1.05 card in y = 0, normal down, texture once over it with (0, 0) at P3.
TEST_F(DemoWindowTest, LeafIsOneDownwardFacingCard) {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_CULL_FACE);  // seen edge-on by the capture
  const auto prims = captureLitFeedback(CHIOMA);
  glEnable(GL_CULL_FACE);
  const auto vs = allVertices(prims);
  ASSERT_EQ(prims.size(), 2u);  // one quad, split in two triangles
  expectCorner(vs, {-0.35f, 0, 0.35f, 0, 1}, 0, -1, 0);
  expectCorner(vs, {0.35f, 0, 0.35f, 1, 1}, 0, -1, 0);
  expectCorner(vs, {-0.35f, 0, -0.7f, 0, 0}, 0, -1, 0);
  expectCorner(vs, {0.35f, 0, -0.7f, 1, 0}, 0, -1, 0);
}

// The floor's quad: the texture twice across in each direction, normal up.
TEST_F(DemoWindowTest, FloorQuadRepeatsItsTextureTwice) {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_CULL_FACE);  // seen edge-on by the capture
  const auto prims = captureLitFeedback(
      [] { QUAD2(-10.0f, 0.0f, -10.0f, 10.0f, 0.0f, -10.0f, -10.0f, 0.0f, 10.0f, 10.0f, 0.0f, 10.0f); });
  glEnable(GL_CULL_FACE);
  const auto vs = allVertices(prims);
  ASSERT_EQ(prims.size(), 2u);
  expectCorner(vs, {-10, 0, -10, 0, 2}, 0, 1, 0);
  expectCorner(vs, {10, 0, -10, 2, 2}, 0, 1, 0);
  expectCorner(vs, {-10, 0, 10, 0, 0}, 0, 1, 0);
  expectCorner(vs, {10, 0, 10, 2, 0}, 0, 1, 0);
}

}  // namespace
