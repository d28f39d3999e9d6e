#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "framework/framework.h"
#include "tests/support/gl_fixture.h"

namespace {

using Matrix = std::array<GLdouble, 16>;

Matrix matrix(GLenum which) {
  Matrix m{};
  glGetDoublev(which, m.data());
  return m;
}

// Clip coordinates of an eye-space point under a column-major projection matrix, divided by w.
std::array<double, 3> toNdc(const Matrix& p, double x, double y, double z) {
  double clip[4];
  for (int row = 0; row < 4; ++row) {
    clip[row] = p[row] * x + p[4 + row] * y + p[8 + row] * z + p[12 + row];
  }
  return {clip[0] / clip[3], clip[1] / clip[3], clip[2] / clip[3]};
}

template <int N>
std::array<GLfloat, N> floats(GLenum what) {
  std::array<GLfloat, N> v{};
  glGetFloatv(what, v.data());
  return v;
}

GLint integer(GLenum what) {
  GLint v = 0;
  glGetIntegerv(what, &v);
  return v;
}

// Everything the start-up state sets, read back from GL.
struct StartUpState {
  std::array<GLint, 4> viewport;
  Matrix projection, modelview;
  GLint matrixMode;
  std::array<GLfloat, 4> clearColour, currentColour;
  GLfloat clearDepth;
  GLboolean depthTest, autoNormal, normalize;
  GLint depthFunc, blendSrc, blendDst, lineHint, polygonHint, perspectiveHint;
  GLfloat localViewer;

  static StartUpState read() {
    StartUpState s{};
    glGetIntegerv(GL_VIEWPORT, s.viewport.data());
    s.projection = matrix(GL_PROJECTION_MATRIX);
    s.modelview = matrix(GL_MODELVIEW_MATRIX);
    s.matrixMode = integer(GL_MATRIX_MODE);
    s.clearColour = floats<4>(GL_COLOR_CLEAR_VALUE);
    s.currentColour = floats<4>(GL_CURRENT_COLOR);
    s.clearDepth = floats<1>(GL_DEPTH_CLEAR_VALUE)[0];
    s.depthTest = glIsEnabled(GL_DEPTH_TEST);
    s.autoNormal = glIsEnabled(GL_AUTO_NORMAL);
    s.normalize = glIsEnabled(GL_NORMALIZE);
    s.depthFunc = integer(GL_DEPTH_FUNC);
    s.blendSrc = integer(GL_BLEND_SRC);
    s.blendDst = integer(GL_BLEND_DST);
    s.lineHint = integer(GL_LINE_SMOOTH_HINT);
    s.polygonHint = integer(GL_POLYGON_SMOOTH_HINT);
    s.perspectiveHint = integer(GL_PERSPECTIVE_CORRECTION_HINT);
    s.localViewer = floats<1>(GL_LIGHT_MODEL_LOCAL_VIEWER)[0];
    return s;
  }
  bool operator==(const StartUpState&) const = default;
};

// The window size globals belong to the window layer; each test sets its own and puts the
// previous ones back.
class GlStartUp : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    savedWidth_ = WIDTH;
    savedHeight_ = HEIGHT;
    WIDTH = 800;
    HEIGHT = 600;
  }
  void TearDown() override {
    WIDTH = savedWidth_;
    HEIGHT = savedHeight_;
    GlTest::TearDown();
  }

 private:
  std::int32_t savedWidth_ = 0, savedHeight_ = 0;
};

}  // namespace

TEST_F(GlStartUp, InitSetsThePerspectiveViewAndStartUpSwitches) {
  glMatrixMode(GL_MODELVIEW);
  glTranslatef(1, 2, 3);
  glMatrixMode(GL_TEXTURE);
  OPENGL_INIT(100.0, 0.4, 0.1, 0.2, 0.3);
  EXPECT_TRUE(NoGlError());

  const auto state = StartUpState::read();
  EXPECT_EQ(state.viewport, (std::array<GLint, 4>{0, 0, 800, 600}));
  EXPECT_EQ(state.matrixMode, GL_MODELVIEW);
  const Matrix identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  EXPECT_EQ(state.modelview, identity);
  // Colour arguments come alpha first; GL gets red, green, blue, alpha.
  EXPECT_EQ(state.clearColour, (std::array<GLfloat, 4>{0.1f, 0.2f, 0.3f, 0.4f}));
  EXPECT_EQ(state.clearDepth, 1.0f);  // 100 clamped
  EXPECT_TRUE(state.depthTest);
  EXPECT_EQ(state.depthFunc, GL_LEQUAL);
  EXPECT_EQ(state.currentColour, (std::array<GLfloat, 4>{1, 1, 1, 0.5f}));
  EXPECT_EQ(state.blendSrc, GL_SRC_ALPHA);
  EXPECT_EQ(state.blendDst, GL_ONE);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_EQ(state.localViewer, 1.0f);
  EXPECT_EQ(state.lineHint, GL_NICEST);
  EXPECT_EQ(state.polygonHint, GL_NICEST);
  EXPECT_EQ(state.perspectiveHint, GL_NICEST);
  EXPECT_TRUE(state.autoNormal);
  EXPECT_TRUE(state.normalize);
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
}

// The frustum itself: 45 degrees high, 4/3 wide for 800 by 600, from 0.1 to DEPTH.
TEST_F(GlStartUp, InitProjectionIsTheStatedFrustum) {
  struct Case {
    std::int32_t width, height;
    double depth;
  };
  const Case cases[] = {{800, 600, 100.0}, {600, 800, 100.0}, {640, 480, 0.5}, {1920, 1080, 250.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " depth " << c.depth);
    WIDTH = c.width;
    HEIGHT = c.height;
    OPENGL_INIT(c.depth, 0, 0, 0, 0);
    const Matrix p = matrix(GL_PROJECTION_MATRIX);
    const double aspect = static_cast<double>(c.width) / c.height;
    const double halfHeight = std::tan(22.5 * 3.14159265358979323846 / 180.0);
    // Corners of the near plane land on the corners of the clip square; the far plane at 1.
    const auto corner = toNdc(p, aspect * halfHeight * 0.1, halfHeight * 0.1, -0.1);
    EXPECT_NEAR(corner[0], 1.0, 1e-6);
    EXPECT_NEAR(corner[1], 1.0, 1e-6);
    EXPECT_NEAR(corner[2], -1.0, 1e-6);
    const auto far = toNdc(p, -aspect * halfHeight * c.depth, -halfHeight * c.depth, -c.depth);
    EXPECT_NEAR(far[0], -1.0, 1e-6);
    EXPECT_NEAR(far[1], -1.0, 1e-6);
    EXPECT_NEAR(far[2], 1.0, 1e-6);
    EXPECT_EQ(floats<1>(GL_DEPTH_CLEAR_VALUE)[0], static_cast<GLfloat>(std::min(c.depth, 1.0)));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], c.width);
    EXPECT_EQ(viewport[3], c.height);
  }
  EXPECT_TRUE(NoGlError());
}

TEST_F(GlStartUp, TwoDModeBoxAndOffsets) {
  struct Case {
    std::int32_t width, height;
    float offx, offy;
    double top;
  };
  const Case cases[] = {
      {800, 600, -2.05f, -1.45f, 1.5},
      {600, 800, -1.05f, -0.45f, 8.0 / 3.0},
      {800, 800, -1.05f, -0.45f, 2.0},
      {799, 800, -1.05f, -0.45f, 1600.0 / 799.0},
      {100, 450, 1.95f, 2.55f, 9.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
    WIDTH = c.width;
    HEIGHT = c.height;
    OPENGL_I2D(0.4, 0.1, 0.2, 0.3);
    EXPECT_EQ(OFFX, c.offx);
    EXPECT_EQ(OFFY, c.offy);
    const Matrix p = matrix(GL_PROJECTION_MATRIX);
    // x from -2 to 2, y from -top to top, eye z from 2 (near) to -2 (far); GL keeps floats.
    const auto high = toNdc(p, 2, c.top, 2);
    const auto low = toNdc(p, -2, -c.top, -2);
    EXPECT_NEAR(high[0], 1, 1e-6);
    EXPECT_NEAR(high[1], 1, 1e-6);
    EXPECT_NEAR(high[2], -1, 1e-6);
    EXPECT_NEAR(low[0], -1, 1e-6);
    EXPECT_NEAR(low[1], -1, 1e-6);
    EXPECT_NEAR(low[2], 1, 1e-6);
    const auto state = StartUpState::read();
    EXPECT_EQ(state.viewport, (std::array<GLint, 4>{0, 0, c.width, c.height}));
    EXPECT_EQ(state.matrixMode, GL_MODELVIEW);
    EXPECT_EQ(state.clearColour, (std::array<GLfloat, 4>{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_TRUE(state.depthTest);
    EXPECT_EQ(state.depthFunc, GL_LEQUAL);
    EXPECT_TRUE(state.normalize);
  }
  EXPECT_TRUE(NoGlError());
}

TEST_F(GlStartUp, TwoDModeLeavesTheOtherSettingsAlone) {
  glClearDepth(0.25);
  glColor4f(0.1f, 0.2f, 0.3f, 0.4f);
  glBlendFunc(GL_ONE, GL_ZERO);
  glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 0);
  glHint(GL_LINE_SMOOTH_HINT, GL_FASTEST);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_FASTEST);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
  glDisable(GL_AUTO_NORMAL);
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  const auto before = StartUpState::read();

  OPENGL_I2D(0, 0, 0, 0);
  const auto after = StartUpState::read();
  EXPECT_EQ(after.clearDepth, before.clearDepth);
  EXPECT_EQ(after.currentColour, before.currentColour);
  EXPECT_EQ(after.blendSrc, before.blendSrc);
  EXPECT_EQ(after.blendDst, before.blendDst);
  EXPECT_EQ(after.localViewer, before.localViewer);
  EXPECT_EQ(after.lineHint, before.lineHint);
  EXPECT_EQ(after.polygonHint, before.polygonHint);
  EXPECT_EQ(after.perspectiveHint, before.perspectiveHint);
  EXPECT_EQ(after.autoNormal, before.autoNormal);
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_TRUE(NoGlError());
}

// The frame's sequence: 2D mode and straight back gives the state of OPENGL_INIT alone.
TEST_F(GlStartUp, InitAfterTwoDModeRestoresEverything) {
  OPENGL_INIT(100.0, 0, 0, 0, 0);
  const auto alone = StartUpState::read();

  glClearDepth(0.25);
  glColor4f(0.1f, 0.2f, 0.3f, 0.4f);
  OPENGL_I2D(1, 1, 1, 1);
  const float offx = OFFX, offy = OFFY;
  OPENGL_INIT(100.0, 0, 0, 0, 0);
  EXPECT_EQ(StartUpState::read(), alone);
  EXPECT_EQ(OFFX, offx);
  EXPECT_EQ(OFFY, offy);
  EXPECT_TRUE(NoGlError());
}

// A window is never of zero size, but a zero must neither divide nor reach GL.
TEST_F(GlStartUp, ZeroSizeCountsAsOne) {
  const std::int32_t sizes[][2] = {{0, 600}, {800, 0}, {0, 0}, {-5, -5}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(testing::Message() << size[0] << "x" << size[1]);
    WIDTH = size[0];
    HEIGHT = size[1];
    OPENGL_INIT(100.0, 0, 0, 0, 0);
    EXPECT_TRUE(NoGlError());
    OPENGL_I2D(0, 0, 0, 0);
    EXPECT_TRUE(NoGlError());
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], std::max(size[0], 1));
    EXPECT_EQ(viewport[3], std::max(size[1], 1));
    EXPECT_TRUE(std::isfinite(OFFX));
  }
}
