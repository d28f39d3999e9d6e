// The demo's frame as drawn headless: where the floor, the light marker and the two trees
// land after the first frame, what turning and the keys change, and what stays the same.
// Regions are probed; no whole-image reference is kept, so driver changes in shading do
// not break the tests.
#include "tests/app/demo_window_fixture.h"

namespace {

bool isBackground(const std::uint8_t* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }
bool isWhite(const std::uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }

// Every pixel of the square of side 2r+1 around `c` satisfies `want`.
template <class Want>
bool wholeSquare(const Frame& f, ScreenPoint c, int r, Want want) {
  for (int y = c.y - r; y <= c.y + r; ++y)
    for (int x = c.x - r; x <= c.x + r; ++x)
      if (!want(f.at(x, y))) return false;
  return true;
}

// Scene points on the floor that no tree or marker covers, and points of the floor's plane
// beyond its edges.
const float kOnFloor[][3] = {{0, 0, 5}, {0, 0, -7}, {1, 0, 8}, {-1, 0, 8}};
const float kBesideFloor[][3] = {{0, 0, -12}, {-12, 0, 8}, {12, 0, 8}};

TEST_F(DemoWindowTest, FirstFrameShowsFloorAndLightMarkerWhereTheViewPutsThem) {
  const Frame f = runPass();
  ASSERT_GT(f.size.width, 700);
  ASSERT_GT(f.size.height, 560);
  for (const auto& p : kOnFloor) {
    SCOPED_TRACE(testing::Message() << "floor point " << p[0] << ", " << p[2]);
    const ScreenPoint s = projectScenePoint(p[0], p[1], p[2]);
    EXPECT_TRUE(wholeSquare(f, s, 3, [](const std::uint8_t* px) { return !isBackground(px); }));
  }
  for (const auto& p : kBesideFloor) {
    SCOPED_TRACE(testing::Message() << "beside the floor " << p[0] << ", " << p[2]);
    EXPECT_TRUE(wholeSquare(f, projectScenePoint(p[0], p[1], p[2]), 3, isBackground));
  }
  // The marker: an unlit, untextured white sphere of radius 0.25 about the light.
  const ScreenPoint light = projectScenePoint(0, 10, -5);
  EXPECT_TRUE(wholeSquare(f, light, 2, isWhite));
  EXPECT_TRUE(wholeSquare(f, {light.x, light.y + 15}, 2, isBackground));
  EXPECT_TRUE(wholeSquare(f, {light.x, light.y - 15}, 2, isBackground));
}

// A tree is found by drawing the frame once with its lists and once with them swapped for
// none: the pixels that differ are the tree's.
// The feet of the two trees on screen: the static tree stands at x = -5.5 on the floor; the
// fractal tree at x = 5.5, raised by 2.7 and three times enlarged, so its trunk starts 0.3
// below the floor's plane.
const ScreenPoint kLeftFoot = projectScenePoint(-5.5f, 0, 0);
const ScreenPoint kRightFoot = projectScenePoint(5.5f, -0.3f, 0);

// The box spans the foot's column, does not reach the other tree's foot, and rises from
// the foot.
void expectTreeAt(const PixelBox& box, ScreenPoint foot, ScreenPoint otherFoot) {
  EXPECT_LE(box.minX, foot.x);
  EXPECT_GE(box.maxX, foot.x);
  if (otherFoot.x > foot.x) {
    EXPECT_LT(box.maxX, otherFoot.x);
  } else {
    EXPECT_GT(box.minX, otherFoot.x);
  }
  EXPECT_NEAR(box.minY, foot.y, 12);
  EXPECT_GT(box.maxY, foot.y + 100);
}

TEST_F(DemoWindowTest, StaticTreeStandsLeftAndFractalTreeRight) {
  const Frame whole = runPass();

  const GLuint crown = CHIOMA1[0], wood = ALBERO1[0];
  CHIOMA1[0] = ALBERO1[0] = 0;
  const PixelBox leftTree = differingPixels(whole, runPass());
  CHIOMA1[0] = crown;
  ALBERO1[0] = wood;

  const GLuint fractal = ALBERO[0];
  ALBERO[0] = 0;
  const PixelBox rightTree = differingPixels(whole, runPass());
  ALBERO[0] = fractal;

  ASSERT_FALSE(leftTree.empty());
  ASSERT_FALSE(rightTree.empty());
  {
    SCOPED_TRACE("static tree");
    expectTreeAt(leftTree, kLeftFoot, kRightFoot);
  }
  {
    SCOPED_TRACE("fractal tree");
    expectTreeAt(rightTree, kRightFoot, kLeftFoot);
  }
  // Back with its lists, the frame is as before.
  EXPECT_TRUE(runPass() == whole);
}

TEST_F(DemoWindowTest, WithNoInputConsecutiveFramesAreIdentical) {
  const Frame first = runPass();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(runPass() == first) << "pass " << i;
}

TEST_F(DemoWindowTest, EveryTreeLooksDifferent) {
  std::vector<Frame> statics, fractals;
  for (NUM1 = 0; NUM1 < 3; ++NUM1) statics.push_back(runPass());
  NUM1 = 0;
  for (NUM2 = 0; NUM2 < 5; ++NUM2) fractals.push_back(runPass());
  NUM2 = 0;
  // Each pair differs, and only where that kind of tree stands.
  for (std::size_t i = 0; i < statics.size(); ++i)
    for (std::size_t j = i + 1; j < statics.size(); ++j) {
      const PixelBox d = differingPixels(statics[i], statics[j]);
      EXPECT_FALSE(d.empty()) << "static trees " << i << " and " << j;
      EXPECT_LT(d.maxX, kRightFoot.x) << "static trees " << i << " and " << j;
    }
  for (std::size_t i = 0; i < fractals.size(); ++i)
    for (std::size_t j = i + 1; j < fractals.size(); ++j) {
      const PixelBox d = differingPixels(fractals[i], fractals[j]);
      EXPECT_FALSE(d.empty()) << "fractal trees " << i << " and " << j;
      EXPECT_GT(d.minX, kLeftFoot.x) << "fractal trees " << i << " and " << j;
    }
}

// A left drag of 90 pixels upward, through the window's queue, turns the scene by -90
// degrees about x: the camera ends up below the floor, whose back face is culled.
TEST_F(DemoWindowTest, FloorSeenFromBelowIsCulled) {
  const Frame before = runPass();
  const Frame after = dragThroughQueue(demo::Button::Left, {400, 300}, {400, 210});
  EXPECT_FLOAT_EQ(XROT, -90.0f);
  for (const auto& p : kOnFloor) {
    SCOPED_TRACE(testing::Message() << "floor point " << p[0] << ", " << p[2]);
    const ScreenPoint turned = projectScenePoint(p[0], p[1], p[2], -90.0f);
    ASSERT_GT(turned.y, 3);
    ASSERT_LT(turned.y, after.size.height - 4);
    EXPECT_TRUE(wholeSquare(after, turned, 3, isBackground));
  }
  EXPECT_FALSE(differingPixels(before, after).empty());
}

// A right drag of 50 pixels down moves the scene 10 units nearer.
TEST_F(DemoWindowTest, RightDragZooms) {
  const Frame before = runPass();
  const Frame after = dragThroughQueue(demo::Button::Right, {400, 300}, {400, 350});
  EXPECT_FLOAT_EQ(DEPTH, -10.0f);
  // Nearer, the light marker moves up and out of its old place.
  EXPECT_FALSE(wholeSquare(after, projectScenePoint(0, 10, -5), 2, isWhite));
  EXPECT_FALSE(differingPixels(before, after).empty());
}

// Key 1 through the real queue: the third pass of the hold steps the static tree, and that
// very pass already draws the new one.
TEST_F(DemoWindowTest, HeldKeyShowsTheNextTreeOnItsThirdPass) {
  NUM1 = 1;
  const Frame secondTree = runPass();
  NUM1 = 0;
  const Frame firstTree = runPass();

  PostMessageA(HWINDOW, WM_KEYDOWN, '1', 1);
  EXPECT_TRUE(runPass() == firstTree);
  EXPECT_TRUE(runPass() == firstTree);
  const Frame third = runPass();
  EXPECT_EQ(NUM1, 1);
  EXPECT_TRUE(third == secondTree);
  PostMessageA(HWINDOW, WM_KEYUP, '1', 1);
  runUntilQueueEmpty();
}

// The keypad's 1 and 2 come with their own key codes and step nothing.
TEST_F(DemoWindowTest, KeypadDigitsDoNothing) {
  const Frame first = runPass();
  PostMessageA(HWINDOW, WM_KEYDOWN, VK_NUMPAD0 + 1, 1);
  PostMessageA(HWINDOW, WM_KEYDOWN, VK_NUMPAD0 + 2, 1);
  Frame last = first;
  for (int i = 0; i < 30; ++i) last = runPass();
  EXPECT_EQ(NUM1, 0);
  EXPECT_EQ(NUM2, 0);
  EXPECT_TRUE(last == first);
}

}  // namespace
