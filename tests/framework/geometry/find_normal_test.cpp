#include <gtest/gtest.h>

#include <cmath>

#include "framework/framework.h"

namespace {

struct Triangle {
  const char* name;
  double v1[3], v2[3], v3[3];
  double normal[3];
};

const Triangle kTriangles[] = {
    {"counter-clockwise in xy", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
    {"clockwise in xy", {0, 0, 0}, {0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
    {"scaled and moved", {5, -3, 2}, {5 + 40, -3, 2}, {5, -3 + 40, 2}, {0, 0, 1}},
    {"tiny", {0, 0, 0}, {1e-6, 0, 0}, {0, 1e-6, 0}, {0, 0, 1}},
    {"yz plane", {0, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0}},
    {"collinear", {0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {0, 0, 0}},
    {"coincident", {3, 3, 3}, {3, 3, 3}, {3, 3, 3}, {0, 0, 0}},
};

}  // namespace

TEST(FindNormal, UnitNormalFacingTheCounterClockwiseViewer) {
  for (const auto& c : kTriangles) {
    SCOPED_TRACE(c.name);
    FINDNORMAL(c.v1[0], c.v1[1], c.v1[2], c.v2[0], c.v2[1], c.v2[2], c.v3[0], c.v3[1], c.v3[2]);
    EXPECT_NEAR(FNORMAL[1], c.normal[0], 1e-12);
    EXPECT_NEAR(FNORMAL[2], c.normal[1], 1e-12);
    EXPECT_NEAR(FNORMAL[3], c.normal[2], 1e-12);
  }
}

// The float32 second pass must leave the float64 unit vector bit for bit as it is: the
// points of the plane x + y + z = 1 give exactly 1 / sqrt(3) in each component.
TEST(FindNormal, SecondPassKeepsTheFloat64Result) {
  FINDNORMAL(1, 0, 0, 0, 1, 0, 0, 0, 1);
  const double expected = 1.0 / std::sqrt(3.0);
  EXPECT_EQ(FNORMAL[1], expected);
  EXPECT_EQ(FNORMAL[2], expected);
  EXPECT_EQ(FNORMAL[3], expected);

  // A skewed triangle whose float64 length is not exactly 1 after the first pass.
  FINDNORMAL(0.1, 0.7, -0.3, 1.9, 0.2, 0.5, -0.4, 1.3, 2.2);
  const double length = std::sqrt(FNORMAL[1] * FNORMAL[1] + FNORMAL[2] * FNORMAL[2] +
                                   FNORMAL[3] * FNORMAL[3]);
  EXPECT_NEAR(length, 1.0, 1e-15);
  const double a[3] = {0.1 - 1.9, 0.7 - 0.2, -0.3 - 0.5};
  const double b[3] = {1.9 + 0.4, 0.2 - 1.3, 0.5 - 2.2};
  const double cross[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                           a[0] * b[1] - a[1] * b[0]};
  const double crossLength =
      std::sqrt(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(FNORMAL[i + 1], cross[i] / crossLength);
}

TEST(FindNormal, EveryCallOverwritesAllThreeComponents) {
  FINDNORMAL(0, 0, 0, 1, 0, 0, 0, 1, 0);
  FINDNORMAL(0, 0, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(FNORMAL[1], 0.0);
  EXPECT_EQ(FNORMAL[2], 0.0);
  EXPECT_EQ(FNORMAL[3], 0.0);
}
