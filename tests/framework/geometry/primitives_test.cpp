#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "framework/framework.h"
#include "tests/support/gl_feedback.h"
#include "tests/support/gl_fixture.h"

namespace {

constexpr double kPi = std::numbers::pi;

using Matrix = std::array<GLfloat, 16>;

Matrix modelview() {
  Matrix m{};
  glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
  return m;
}

std::size_t countTriangles(const std::vector<FeedbackPrimitive>& primitives) {
  std::size_t triangles = 0;
  for (const auto& p : primitives) {
    if (p.token == GL_POLYGON_TOKEN && p.vertices.size() == 3) ++triangles;
  }
  return triangles;
}

// The distinct values of a key over the vertices, sorted (values closer than 1e-5 are one).
template <typename Key>
std::vector<float> distinctSorted(const std::vector<FeedbackVertex>& vertices, Key key) {
  std::vector<float> values;
  for (const auto& v : vertices) values.push_back(key(v));
  std::sort(values.begin(), values.end());
  std::vector<float> distinct;
  for (float value : values) {
    if (distinct.empty() || value - distinct.back() > 1e-5f) distinct.push_back(value);
  }
  return distinct;
}

class Primitives : public GlTest {};

}  // namespace

TEST_F(Primitives, LinefreeWithoutTextureKeepsTheCurrentTexCoord) {
  const auto drawn = captureFeedback([] {
    glTexCoord2f(0.25f, 0.75f);
    glBegin(GL_LINES);
    LINEFREE(9, 9, 8, 8, 1, 2, 3, -4, -5, -6, false);
    glEnd();
  });
  ASSERT_EQ(drawn.size(), 1u);
  ASSERT_EQ(drawn[0].vertices.size(), 2u);
  const auto& a = drawn[0].vertices[0];
  const auto& b = drawn[0].vertices[1];
  EXPECT_NEAR(a.x, 1, 1e-4);
  EXPECT_NEAR(a.y, 2, 1e-4);
  EXPECT_NEAR(a.z, 3, 1e-4);
  EXPECT_NEAR(b.x, -4, 1e-4);
  EXPECT_NEAR(b.y, -5, 1e-4);
  EXPECT_NEAR(b.z, -6, 1e-4);
  for (const auto& v : drawn[0].vertices) {
    EXPECT_FLOAT_EQ(v.s, 0.25f);
    EXPECT_FLOAT_EQ(v.t, 0.75f);
  }
  EXPECT_TRUE(NoGlError());
}

TEST_F(Primitives, LinefreeWithTextureGivesEachVertexItsCoordinates) {
  const auto drawn = captureFeedback([] {
    glBegin(GL_LINES);
    LINEFREE(0.1f, 0.2f, 0.3f, 0.4f, 0, 0, 0, 1, 1, 1, true);
    glEnd();
  });
  ASSERT_EQ(drawn.size(), 1u);
  ASSERT_EQ(drawn[0].vertices.size(), 2u);
  EXPECT_FLOAT_EQ(drawn[0].vertices[0].s, 0.1f);
  EXPECT_FLOAT_EQ(drawn[0].vertices[0].t, 0.2f);
  EXPECT_FLOAT_EQ(drawn[0].vertices[1].s, 0.3f);
  EXPECT_FLOAT_EQ(drawn[0].vertices[1].t, 0.4f);
}

TEST_F(Primitives, SphereVerticesLieOnItWithOutwardNormals) {
  const float cx = 1, cy = 10, cz = -5, radius = 0.25f;
  const Matrix before = modelview();
  const auto drawn = captureLitFeedback([&] { SFERA(cx, cy, cz, radius, 20); });
  EXPECT_EQ(modelview(), before);
  EXPECT_TRUE(NoGlError());

  // 10 bands of 21 vertex pairs: 20 quads, 40 triangles per band.
  EXPECT_EQ(countTriangles(drawn), 400u);
  const auto vertices = allVertices(drawn);
  ASSERT_FALSE(vertices.empty());
  float highest = -1e9f, lowest = 1e9f;
  for (const auto& v : vertices) {
    const float dx = v.x - cx, dy = v.y - cy, dz = v.z - cz;
    EXPECT_NEAR(std::sqrt(dx * dx + dy * dy + dz * dz), radius, 1e-4);
    EXPECT_NEAR(v.nx, dx / radius, 2e-3);
    EXPECT_NEAR(v.ny, dy / radius, 2e-3);
    EXPECT_NEAR(v.nz, dz / radius, 2e-3);
    EXPECT_GE(v.s, 0.0f);
    EXPECT_LE(v.s, 1.0f);
    EXPECT_GE(v.t, 0.0f);
    EXPECT_LE(v.t, 1.0f + 1e-6f);
    // t runs from 0 at the +Y pole to 1 at the -Y pole.
    EXPECT_NEAR(std::acos(std::clamp(dy / radius, -1.0f, 1.0f)) / kPi, v.t, 1e-3);
    highest = std::max(highest, dy);
    lowest = std::min(lowest, dy);
  }
  EXPECT_NEAR(highest, radius, 1e-4);
  EXPECT_NEAR(lowest, -radius, 1e-4);
}

TEST_F(Primitives, SphereMakesNegativeArgumentsPositive) {
  const auto positive = allVertices(captureFeedback([] { SFERA(0, 0, 0, 0.25f, 20); }));
  const auto negative = allVertices(captureFeedback([] { SFERA(0, 0, 0, -0.25f, -20); }));
  ASSERT_EQ(positive.size(), negative.size());
  ASSERT_FALSE(positive.empty());
  for (std::size_t i = 0; i < positive.size(); ++i) {
    EXPECT_EQ(positive[i].x, negative[i].x);
    EXPECT_EQ(positive[i].y, negative[i].y);
    EXPECT_EQ(positive[i].z, negative[i].z);
    EXPECT_EQ(positive[i].s, negative[i].s);
    EXPECT_EQ(positive[i].t, negative[i].t);
  }
}

TEST_F(Primitives, SphereDegradesToOnePointAtItsCentre) {
  struct Case {
    float radius;
    std::int32_t segments;
  };
  const Case cases[] = {{0.25f, 3}, {0.0f, 20}, {1.0f, 0}, {1.0f, -3}, {-0.0f, -20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.segments);
    const Matrix before = modelview();
    const auto drawn = captureFeedback([&] { SFERA(2, -3, 4, c.radius, c.segments); });
    EXPECT_EQ(modelview(), before);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].token, static_cast<GLenum>(GL_POINT_TOKEN));
    ASSERT_EQ(drawn[0].vertices.size(), 1u);
    EXPECT_NEAR(drawn[0].vertices[0].x, 2, 1e-4);
    EXPECT_NEAR(drawn[0].vertices[0].y, -3, 1e-4);
    EXPECT_NEAR(drawn[0].vertices[0].z, 4, 1e-4);
  }
  EXPECT_TRUE(NoGlError());
}

TEST_F(Primitives, SphereWithOddSegmentsLeavesTheLowerPoleOpen) {
  const float radius = 1;
  const auto drawn = captureFeedback([&] { SFERA(0, 0, 0, radius, 5); });
  // Two bands of 6 vertex pairs.
  EXPECT_EQ(countTriangles(drawn), 20u);
  float lowest = 1e9f;
  for (const auto& v : allVertices(drawn)) lowest = std::min(lowest, v.y);
  EXPECT_NEAR(lowest, -std::sin(0.3 * kPi) * radius, 1e-4);
}

namespace {

struct ConeCase {
  float x, y, z;
  std::int32_t numpoints;
  float rin, rout, h;
};

// Checks one cone's side against its definition, using the texture coordinate s = 2a + X to
// read back each vertex's angle a.
void checkCone(const ConeCase& c) {
  const auto drawn = captureLitFeedback([&] { CONOTRONCO(c.x, c.y, c.z, c.numpoints, c.rin, c.rout, c.h); });
  // NUMPOINTS + 1 steps of 4 vertices make one strip of 2 * NUMPOINTS + 1 quads.
  EXPECT_EQ(countTriangles(drawn), static_cast<std::size_t>(2 * (2 * c.numpoints + 1)));
  const double da = 2 * kPi / c.numpoints / 4;
  const auto vertices = allVertices(drawn);
  std::vector<FeedbackVertex> lower, upper;
  for (const auto& v : vertices) (std::abs(v.z - c.z) < 1e-3 ? lower : upper).push_back(v);
  for (const auto& v : lower) {
    const double a = (v.s - c.x) / 2;
    EXPECT_NEAR(v.x, std::cos(a) * c.rout + c.x, 1e-4);
    EXPECT_NEAR(v.y, std::sin(a) * c.rout + c.y, 1e-4);
    EXPECT_FLOAT_EQ(v.t, c.z);
  }
  for (const auto& v : upper) {
    const double a = (v.s - c.x) / 2;
    EXPECT_NEAR(v.x, std::cos(a) * c.rin + c.x, 1e-4);
    EXPECT_NEAR(v.y, std::sin(a) * c.rin + c.y, 1e-4);
    EXPECT_NEAR(v.z, c.z + c.h, 1e-3);
    EXPECT_FLOAT_EQ(v.t, c.z + c.h + 1);
  }
  // Lower angles: each step puts two at ANGLE and ANGLE + 3 DA, so the facets along the lower
  // edge alternate between 3 DA wide and about DA wide.
  const auto lowerAngles = distinctSorted(lower, [&](const FeedbackVertex& v) { return (v.s - c.x) / 2; });
  ASSERT_EQ(lowerAngles.size(), static_cast<std::size_t>(2 * (c.numpoints + 1)));
  EXPECT_NEAR(lowerAngles.front(), 0, 1e-6);
  const double step = 2 * kPi / (c.numpoints + 0.1);
  for (std::size_t i = 0; i + 1 < lowerAngles.size(); ++i) {
    const double gap = lowerAngles[i + 1] - lowerAngles[i];
    EXPECT_NEAR(gap, i % 2 == 0 ? 3 * da : step - 3 * da, 1e-5) << "lower gap " << i;
  }
  // The last step's ANGLE falls just short of a full turn.
  const double lastAngle = lowerAngles[lowerAngles.size() - 2];
  EXPECT_LT(lastAngle, 2 * kPi);
  EXPECT_NEAR(lastAngle, c.numpoints * step, 1e-5);
  // Upper angles sit half a DA after and half a DA before the lower ones: about 2 DA apart.
  if (c.rin != 0) {
    const auto upperAngles = distinctSorted(upper, [&](const FeedbackVertex& v) { return (v.s - c.x) / 2; });
    ASSERT_EQ(upperAngles.size(), lowerAngles.size());
    for (std::size_t i = 0; i < upperAngles.size(); ++i) {
      EXPECT_NEAR(upperAngles[i] - lowerAngles[i], i % 2 == 0 ? da / 2 : -da / 2, 1e-5);
    }
  }
  // Both vertices of a pair carry the lower vertex's position (x, y, 0) as normal; with the
  // axis at the origin that is the outward radial direction at the lower angle.
  if (c.x == 0 && c.y == 0) {
    for (const auto& v : vertices) {
      EXPECT_NEAR(v.nz, 0, 2e-3);
      const double normalAngle = std::atan2(v.ny, v.nx);
      const double a = (v.s - c.x) / 2;
      const bool isLower = std::abs(v.z - c.z) < 1e-3;
      // The upper vertex of a pair lies half a DA to one side of its lower vertex.
      const double offsets[] = {0.0, da / 2, -da / 2};
      double best = 1e9;
      for (double offset : isLower ? std::vector<double>{0.0} : std::vector<double>(offsets + 1, offsets + 3)) {
        best = std::min(best, std::abs(std::remainder(normalAngle - (a - offset), 2 * kPi)));
      }
      EXPECT_LT(best, 3e-3);
    }
  }
}

}  // namespace

TEST_F(Primitives, ConeSideHasAlternatingFacets) {
  const ConeCase cases[] = {
      {0, 0, 0, 10, 0.5f, 1.0f, 2.0f},
      {0, 0, 1, 3, 0.2f, 0.3f, 0.5f},
      {1.5f, -2.0f, 0.25f, 10, 0.1f, 0.15f, 1.5f},
      {0, 0, 0, 10, 0.0f, 1.0f, 0.5f},  // a pointed tip
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "numpoints " << c.numpoints << " rin " << c.rin << " x " << c.x);
    checkCone(c);
  }
  EXPECT_TRUE(NoGlError());
}

TEST_F(Primitives, ConeWithZeroInnerRadiusEndsInItsApex) {
  const auto vertices = allVertices(captureFeedback([] { CONOTRONCO(1, 2, 3, 10, 0, 0.5f, 4); }));
  ASSERT_FALSE(vertices.empty());
  std::size_t apexVertices = 0;
  for (const auto& v : vertices) {
    if (std::abs(v.z - 3) > 1e-3) {
      EXPECT_NEAR(v.x, 1, 1e-4);
      EXPECT_NEAR(v.y, 2, 1e-4);
      EXPECT_NEAR(v.z, 7, 1e-3);
      ++apexVertices;
    }
  }
  EXPECT_GT(apexVertices, 0u);
}

// Seen from outside, every facet of the side is counter-clockwise: front-facing.
TEST_F(Primitives, ConeFacetsFaceOutwards) {
  const auto drawn = captureFeedback([] { CONOTRONCO(0, 0, 0, 10, 0.5f, 1.0f, 2.0f); });
  std::size_t checked = 0;
  for (const auto& p : drawn) {
    ASSERT_EQ(p.vertices.size(), 3u);
    const auto& a = p.vertices[0];
    const auto& b = p.vertices[1];
    const auto& c = p.vertices[2];
    const double u[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
    const double v[3] = {c.x - a.x, c.y - a.y, c.z - a.z};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double centre[2] = {(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3};
    const double area = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (area < 1e-6) continue;
    EXPECT_GT(n[0] * centre[0] + n[1] * centre[1], 0.0);
    ++checked;
  }
  EXPECT_EQ(checked, 42u);
}

TEST_F(Primitives, ConeWithoutSegmentsIsAnEmptyStrip) {
  for (std::int32_t numpoints : {0, -1, -10}) {
    SCOPED_TRACE(numpoints);
    EXPECT_TRUE(captureFeedback([&] { CONOTRONCO(0, 0, 0, numpoints, 1, 1, 1); }).empty());
    EXPECT_TRUE(NoGlError());
  }
}

namespace {

// A list holding one point at (px, 0, 0) of its own frame.
GLuint pointList(float px) {
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  glBegin(GL_POINTS);
  glVertex3f(px, 0, 0);
  glEnd();
  glEndList();
  return list;
}

std::vector<FeedbackVertex> points(const std::vector<FeedbackPrimitive>& drawn) {
  std::vector<FeedbackVertex> result;
  for (const auto& p : drawn) {
    if (p.token == GL_POINT_TOKEN) result.push_back(p.vertices.at(0));
  }
  return result;
}

}  // namespace

TEST_F(Primitives, RingSetsOutEvenlyTurnedCopies) {
  struct Case {
    std::int32_t numpoints;
    float listOffset;  // where the list's point lies on its own X axis
    float r;
  };
  const Case cases[] = {{4, 1.0f, 0.0f}, {4, 0.0f, 2.0f}, {3, 0.5f, 1.0f}, {7, 0.0f, 1.5f}, {1, 0.0f, 1.0f}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.numpoints);
    const GLuint list = pointList(c.listOffset);
    const Matrix before = modelview();
    const auto copies = points(captureFeedback([&] { PUTCIRCLEOBJ(list, 3, -2, 1, c.numpoints, c.r); }));
    EXPECT_EQ(modelview(), before);
    ASSERT_EQ(copies.size(), static_cast<std::size_t>(c.numpoints));
    const double distance = c.listOffset + c.r;
    for (std::int32_t i = 0; i < c.numpoints; ++i) {
      const double angle = 2 * kPi * i / c.numpoints;
      EXPECT_NEAR(copies[i].x, 3 + distance * std::cos(angle), 1e-4) << "copy " << i;
      EXPECT_NEAR(copies[i].y, -2 + distance * std::sin(angle), 1e-4) << "copy " << i;
      EXPECT_NEAR(copies[i].z, 1, 1e-4) << "copy " << i;
    }
    glDeleteLists(list, 1);
  }
  EXPECT_TRUE(NoGlError());
}

TEST_F(Primitives, RingDrawsWithoutCullingAndLeavesCullingOn) {
  // A clockwise (back-facing) triangle: only drawn while culling is off.
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  glBegin(GL_TRIANGLES);
  glVertex3f(0, 0, 0);
  glVertex3f(0, 1, 0);
  glVertex3f(1, 0, 0);
  glEnd();
  glEndList();
  for (bool cullingBefore : {true, false}) {
    SCOPED_TRACE(cullingBefore);
    if (cullingBefore) glEnable(GL_CULL_FACE); else glDisable(GL_CULL_FACE);
    const auto drawn = captureFeedback([&] { PUTCIRCLEOBJ(list, 0, 0, 0, 2, 0); });
    EXPECT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  }
  glDeleteLists(list, 1);
  EXPECT_TRUE(NoGlError());
}

// Each copy runs three model-view levels above the caller.
TEST_F(Primitives, RingNeedsThreeMoreStackLevels) {
  GLint maxDepth = 0;
  glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &maxDepth);
  const GLuint list = pointList(0);
  for (int spare : {3, 2}) {
    SCOPED_TRACE(spare);
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    const int pushes = maxDepth - spare - depth;
    for (int i = 0; i < pushes; ++i) glPushMatrix();
    PUTCIRCLEOBJ(list, 0, 0, 0, 2, 1);
    const GLenum error = glGetError();
    for (int i = 0; i < pushes; ++i) glPopMatrix();
    EXPECT_EQ(error, spare >= 3 ? static_cast<GLenum>(GL_NO_ERROR) : static_cast<GLenum>(GL_STACK_OVERFLOW));
    while (glGetError() != GL_NO_ERROR) {
    }
  }
  glDeleteLists(list, 1);
}
