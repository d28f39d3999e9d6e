// SETGLMOUSEMOVE on the real model-view matrix: where its four modes carry known points,
// what it stores in MY and MSPEED, and the modes that do nothing.
#include <cmath>

#include "framework/framework.h"
#include "tests/support/gl_fixture.h"

namespace {

struct Vec3 {
  float x, y, z;
};

// The current model-view matrix applied to a point.
Vec3 modelViewTimes(Vec3 p) {
  GLfloat m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
          m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

void expectNear(Vec3 got, Vec3 want) {
  EXPECT_NEAR(got.x, want.x, 1e-5f);
  EXPECT_NEAR(got.y, want.y, 1e-5f);
  EXPECT_NEAR(got.z, want.z, 1e-5f);
}

bool sameModelView(const GLfloat (&want)[16]) {
  GLfloat m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  for (int i = 0; i < 16; ++i)
    if (m[i] != want[i]) return false;
  return true;
}

class MouseViewTest : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    saved_ = {DEPTH, XROT, YROT, MSPEED, MY};
  }
  void TearDown() override {
    DEPTH = saved_.depth;
    XROT = saved_.xrot;
    YROT = saved_.yrot;
    MSPEED = saved_.speed;
    MY = saved_.my;
    GlTest::TearDown();
  }
  void setView(float depth, float xrot, float yrot) {
    DEPTH = depth;
    XROT = xrot;
    YROT = yrot;
  }

 private:
  struct {
    float depth, xrot, yrot;
    std::int32_t speed;
    MOUSEVIEWOFFSET my;
  } saved_{};
};

// With XROT = 90 and YROT = 90 each mode carries a chosen point to a place that also shows
// the order of the turns: the YROT turn acts on the point first, then the XROT turn, then
// the translation. (Turning in the other order would land elsewhere in every row.)
struct ModeCase {
  std::int32_t mode;
  Vec3 point;
  Vec3 lands;
  MOUSEVIEWOFFSET offset;
};

const ModeCase kModes[] = {
    // about y: (1,0,0) -> (0,0,-1); about x: -> (0,1,0); then (0,0,-4)
    {GL_M0, {1, 0, 0}, {0, 1, -4}, {0, 0, -4}},
    // about z: (1,0,0) -> (0,1,0); about x: -> (0,0,1); then (0,-4,0)
    {GL_MX, {1, 0, 0}, {0, -4, 1}, {0, -4, 0}},
    // about y: (0,0,1) -> (1,0,0); about -z: -> (0,-1,0); then (-4,0,0)
    {GL_MY, {0, 0, 1}, {-4, -1, 0}, {-4, 0, 0}},
    // about x: (0,1,0) -> (0,0,1); about y: -> (1,0,0); then (0,0,-4)
    {GL_MZ, {0, 1, 0}, {1, 0, -4}, {0, 0, -4}},
};

TEST_F(MouseViewTest, EachModeTurnsThenMovesAlongItsAxes) {
  for (const ModeCase& c : kModes) {
    SCOPED_TRACE(c.mode);
    setView(4.0f, 90.0f, 90.0f);
    glLoadIdentity();
    SETGLMOUSEMOVE(c.mode, 7);
    expectNear(modelViewTimes(c.point), c.lands);
    EXPECT_EQ(MY.X, c.offset.X);
    EXPECT_EQ(MY.Y, c.offset.Y);
    EXPECT_EQ(MY.Z, c.offset.Z);
    EXPECT_EQ(MSPEED, 7);
  }
  EXPECT_TRUE(NoGlError());
}

// The view is multiplied onto what the caller set up, as the demo's fixed tilt before it.
TEST_F(MouseViewTest, MultipliesOntoTheCallersMatrix) {
  setView(4.0f, 0.0f, 0.0f);
  glLoadIdentity();
  glTranslatef(0.0f, -1.0f, -30.0f);
  SETGLMOUSEMOVE(GL_M0, 2);
  expectNear(modelViewTimes({0, 0, 0}), {0, -1, -34});
}

TEST_F(MouseViewTest, ZeroViewLeavesTheMatrixAsItWas) {
  setView(0.0f, 0.0f, 0.0f);
  glLoadIdentity();
  glTranslatef(1.0f, 2.0f, 3.0f);
  glRotatef(30.0f, 1.0f, 0.0f, 0.0f);
  GLfloat before[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, before);
  SETGLMOUSEMOVE(GL_M0, 2);
  EXPECT_TRUE(sameModelView(before));
  EXPECT_EQ(MY.Z, 0.0f);
}

// Two calls without resetting the matrix apply the view twice.
TEST_F(MouseViewTest, TwoCallsApplyTheViewTwice) {
  setView(3.0f, 0.0f, 90.0f);
  glLoadIdentity();
  SETGLMOUSEMOVE(GL_M0, 2);
  SETGLMOUSEMOVE(GL_M0, 2);
  // (1,0,0): about y by 90 -> (0,0,-1); moved -> (0,0,-4); again about y -> (-4,0,0); moved -> (-4,0,-3)
  expectNear(modelViewTimes({1, 0, 0}), {-4, 0, -3});
}

// Unknown modes only store the speed: no GL call, MY untouched.
TEST_F(MouseViewTest, UnknownModesOnlyStoreTheSpeed) {
  for (std::int32_t mode : {5, -1, 4, 1000}) {
    SCOPED_TRACE(mode);
    MY = {1.5f, 2.5f, 3.5f};
    setView(4.0f, 30.0f, 60.0f);
    glLoadIdentity();
    glTranslatef(1.0f, 2.0f, 3.0f);
    GLfloat before[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    SETGLMOUSEMOVE(mode, 9);
    EXPECT_TRUE(sameModelView(before));
    EXPECT_EQ(MSPEED, 9);
    EXPECT_EQ(MY.X, 1.5f);
    EXPECT_EQ(MY.Y, 2.5f);
    EXPECT_EQ(MY.Z, 3.5f);
  }
}

// -DEPTH is the float with its sign flipped; the other fields are plain zeros even when
// DEPTH is not finite.
TEST_F(MouseViewTest, OffsetKeepsOddDepthsOnTheirAxis) {
  setView(INFINITY, 0.0f, 0.0f);
  SETGLMOUSEMOVE(GL_MY, 2);
  EXPECT_EQ(MY.X, -INFINITY);
  EXPECT_EQ(MY.Y, 0.0f);
  EXPECT_EQ(MY.Z, 0.0f);
  EXPECT_FALSE(std::signbit(MY.Y));
  setView(-2.5f, 0.0f, 0.0f);
  SETGLMOUSEMOVE(GL_MX, 2);
  EXPECT_EQ(MY.Y, 2.5f);
}

// The speed handed in is the multiplier of every mouse increment in the window procedure:
// 0 freezes the view, 2 (the demo's) turns one degree per pixel dragged.
TEST_F(MouseViewTest, SpeedDrivesTheWindowProceduresIncrements) {
  setView(0.0f, 0.0f, 0.0f);
  auto drag = [](int dy) {
    GLWNDPROC(HWINDOW, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    GLWNDPROC(HWINDOW, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, static_cast<WORD>(100 + dy)));
    GLWNDPROC(HWINDOW, WM_LBUTTONUP, 0, MAKELPARAM(100, static_cast<WORD>(100 + dy)));
  };
  SETGLMOUSEMOVE(GL_M0, 0);
  drag(10);
  EXPECT_EQ(XROT, 0.0f);

  SETGLMOUSEMOVE(GL_M0, 2);
  drag(10);
  EXPECT_EQ(XROT, 10.0f);
  glLoadIdentity();
  SETGLMOUSEMOVE(GL_M0, 2);
  // (0,1,0) turned 10 degrees about x
  expectNear(modelViewTimes({0, 1, 0}),
             {0, std::cos(10.0f * 3.14159265f / 180.0f), std::sin(10.0f * 3.14159265f / 180.0f)});
}

}  // namespace
