// Drags and free look: how pointer messages turn into XROT, YROT and DEPTH.
#include "platform/test_seams.h"
#include "tests/framework/window/pump_fixture.h"

namespace {

using MouseDrag = GlWindowProcTest;

void leftDown(int x, int y) { GLWNDPROC(HWINDOW, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
void rightDown(int x, int y) { GLWNDPROC(HWINDOW, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y)); }
void moveTo(WPARAM keys, WORD x, WORD y) { GLWNDPROC(HWINDOW, WM_MOUSEMOVE, keys, MAKELPARAM(x, y)); }

TEST_F(MouseDrag, SpeedZeroMovesNothingButTheReferencePoints) {
  MSPEED = 0;
  leftDown(100, 100);
  moveTo(MK_LBUTTON, 110, 120);
  EXPECT_EQ(XROT, 0.0f);
  EXPECT_EQ(YROT, 0.0f);
  EXPECT_EQ(XCOORD, 110);
  EXPECT_EQ(YCOORD, 120);
  EXPECT_EQ(SETOMX, 110);
  EXPECT_EQ(SETOMY, 120);
  rightDown(110, 120);
  moveTo(MK_LBUTTON | MK_RBUTTON, 110, 150);
  EXPECT_EQ(DEPTH, 0.0f);
  EXPECT_EQ(ZCOORD, 150);
}

TEST_F(MouseDrag, LeftDragDownTurnsXrot) {
  MSPEED = 2;
  leftDown(100, 100);
  moveTo(MK_LBUTTON, 100, 110);  // 10 pixels straight down
  EXPECT_FLOAT_EQ(XROT, 10.0f);
  EXPECT_FLOAT_EQ(XROT2, 10.0f);
  EXPECT_EQ(YROT, 0.0f);
  EXPECT_EQ(YROT2, 0.0f);
  moveTo(MK_LBUTTON, 107, 110);  // then 7 to the right, measured from the last move
  EXPECT_FLOAT_EQ(YROT, 7.0f);
  EXPECT_FLOAT_EQ(YROT2, 7.0f);
  EXPECT_FLOAT_EQ(XROT, 10.0f);
}

TEST_F(MouseDrag, OddPixelCountsGiveHalfDegrees) {
  MSPEED = 1;
  leftDown(10, 10);
  moveTo(MK_LBUTTON, 13, 9);
  EXPECT_FLOAT_EQ(YROT, 1.5f);
  EXPECT_FLOAT_EQ(XROT, -0.5f);
}

TEST_F(MouseDrag, RightDragDownLowersDepth) {
  MSPEED = 2;
  DEPTH = DEPTH2 = 5.0f;
  rightDown(50, 100);
  moveTo(MK_RBUTTON, 80, 110);  // only vertical motion counts
  EXPECT_FLOAT_EQ(DEPTH, 3.0f);
  EXPECT_FLOAT_EQ(DEPTH2, 3.0f);
  EXPECT_EQ(ZCOORD, 110);
  EXPECT_EQ(XROT, 0.0f);
  EXPECT_EQ(YROT, 0.0f);
}

TEST_F(MouseDrag, MoveWithoutButtonsOnlyRecordsThePosition) {
  MSPEED = 2;
  moveTo(0, 300, 200);
  EXPECT_EQ(SETOMX, 300);
  EXPECT_EQ(SETOMY, 200);
  EXPECT_EQ(XROT, 0.0f);
  EXPECT_EQ(DEPTH, 0.0f);
  EXPECT_EQ(XCOORD, 0);
}

// With the capture held, a pointer left of the client area arrives as a large unsigned x.
TEST_F(MouseDrag, CapturedPointerLeftOfWindowWrapsToNear65535) {
  MSPEED = 2;
  leftDown(5, 5);
  moveTo(MK_LBUTTON, static_cast<WORD>(-5), 5);
  EXPECT_EQ(XCOORD, 65531);
  EXPECT_EQ(SETOMX, 65531);
  EXPECT_FLOAT_EQ(YROT, 65526.0f);
}

TEST_F(MouseDrag, RightDragInFreeLookKeepsDepth) {
  MSPEED = 2;
  DEPTH = 4.0f;
  rightDown(0, 100);
  MOUSEFREE = true;
  platform::seams::setForegroundWindowOverride(status_);  // keep free look itself out
  moveTo(MK_RBUTTON, 0, 150);
  EXPECT_EQ(DEPTH, 4.0f);
  EXPECT_EQ(ZCOORD, 100);
}

class FreeLook : public GlWindowProcTest {
 protected:
  void SetUp() override {
    GlWindowProcTest::SetUp();
    WIDTH = 800;
    HEIGHT = 600;
    MSPEED = 2;
    MOUSEFREE = true;
    platform::seams::setForegroundWindowOverride(HWINDOW);
  }
  static POINT pointer() {
    POINT p = {-1, -1};
    GetCursorPos(&p);
    return p;
  }
};

TEST_F(FreeLook, PointerRightOfCentreTurnsXrotAndIsPutBack) {
  platform::seams::setPointerScreenPosition(410, 300);
  moveTo(0, 1, 1);
  EXPECT_FLOAT_EQ(XROT, 0.2f);
  EXPECT_FLOAT_EQ(XROT2, 0.2f);
  EXPECT_EQ(YROT, 0.0f);
  EXPECT_EQ(MPOS.x, 410);
  EXPECT_EQ(MPOS.y, 300);
  EXPECT_EQ(pointer().x, 400);
  EXPECT_EQ(pointer().y, 300);
}

TEST_F(FreeLook, YrotIsHeldWithinSixtyDegrees) {
  YROT = YROT2 = 58.0f;
  platform::seams::setPointerScreenPosition(400, 600);  // 300 below the centre: +6
  moveTo(0, 1, 1);
  EXPECT_EQ(YROT, 60.0f);
  EXPECT_EQ(YROT2, 60.0f);
  YROT = YROT2 = -58.0f;
  platform::seams::setPointerScreenPosition(400, 0);  // 300 above: -6
  moveTo(0, 1, 1);
  EXPECT_EQ(YROT, -60.0f);
  EXPECT_EQ(YROT2, -60.0f);
}

TEST_F(FreeLook, LeftDragCanTakeYrotPastSixty) {
  MOUSEFREE = false;
  leftDown(0, 0);
  moveTo(MK_LBUTTON, 100, 0);
  EXPECT_FLOAT_EQ(YROT, 100.0f);
}

TEST_F(FreeLook, NothingWhileAnotherWindowIsInFront) {
  platform::seams::setForegroundWindowOverride(status_);
  platform::seams::setPointerScreenPosition(500, 500);
  moveTo(0, 1, 1);
  EXPECT_EQ(XROT, 0.0f);
  EXPECT_EQ(YROT, 0.0f);
  EXPECT_EQ(pointer().x, 500) << "the pointer is not held";
  EXPECT_EQ(pointer().y, 500);
}

TEST_F(FreeLook, AddsToALeftDragInTheSameMessage) {
  leftDown(100, 100);
  platform::seams::setPointerScreenPosition(400, 300);  // at the holding point: no turn
  moveTo(MK_LBUTTON, 100, 110);
  EXPECT_FLOAT_EQ(XROT, 10.0f);
  platform::seams::setPointerScreenPosition(450, 300);
  moveTo(MK_LBUTTON, 100, 110);
  EXPECT_FLOAT_EQ(XROT, 11.0f);
}

TEST_F(FreeLook, EndsOnAnyKeyRelease) {
  GLWNDPROC(HWINDOW, WM_KEYUP, 'Q', 0);
  EXPECT_FALSE(MOUSEFREE);
  platform::seams::setPointerScreenPosition(410, 300);
  moveTo(0, 1, 1);
  EXPECT_EQ(XROT, 0.0f);
}

}  // namespace
