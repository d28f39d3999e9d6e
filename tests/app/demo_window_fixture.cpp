#include "tests/app/demo_window_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

Frame gCaptured;
void captureBackBuffer() { gCaptured.size = demo::readBackBuffer(gCaptured.rgba); }

void dropQueuedMessages() {
  MSG m;
  while (PeekMessageA(&m, 0, 0, 0, PM_REMOVE)) {
  }
}

}  // namespace

ScreenPoint projectScenePoint(float x, float y, float z, float extraTurn) {
  const double pi = std::acos(-1.0);
  const double a = (30.0 + extraTurn) * pi / 180.0;
  const double ex = x;
  const double ey = y * std::cos(a) - z * std::sin(a) - 1.0;
  const double ez = y * std::sin(a) + z * std::cos(a) - 30.0;
  const double f = 1.0 / std::tan(22.5 * pi / 180.0);
  const double ndcX = f / (800.0 / 600.0) * ex / -ez;
  const double ndcY = f * ey / -ez;
  return {static_cast<int>(std::lround((ndcX + 1.0) * 400.0)),
          static_cast<int>(std::lround((ndcY + 1.0) * 300.0))};
}

void DemoWindowTest::SetUp() {
  static bool started = false;
  if (!started) {
    const auto data = std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "app" / "data";
    ASSERT_EQ(chdir(data.c_str()), 0) << data;
    demo::startWindowed();
    ASSERT_NE(HWINDOW, 0u);
    started = true;
  }
  ASSERT_TRUE(wglMakeCurrent(DCWINDOW, RCWINDOW));
  dropQueuedMessages();
  for (std::int32_t& k : SETKEY) k = 0;
  for (std::int32_t& t : TIMER) t = 0;
  LEFTMOUSEDOWN = RIGHTMOUSEDOWN = false;
  XROT = YROT = DEPTH = 0.0f;
  NUM1 = NUM2 = 0;
}

Frame DemoWindowTest::runPass() {
  demo::runLoopPass(captureBackBuffer);
  return gCaptured;
}

Frame DemoWindowTest::runUntilQueueEmpty() {
  Frame last = runPass();
  MSG m;
  for (int guard = 0; guard < 1000 && PeekMessageA(&m, 0, 0, 0, PM_NOREMOVE); ++guard) last = runPass();
  return last;
}

Frame DemoWindowTest::dragThroughQueue(demo::Button button, POINT from, POINT to) {
  demo::InputScript drag;
  drag.drag(button, from, to, 0, 2);
  for (int pass = 0; pass <= drag.lastPass(); ++pass) drag.postDue(pass);
  return runUntilQueueEmpty();
}

PixelBox differingPixels(const Frame& a, const Frame& b) {
  PixelBox box;
  if (a.size.width != b.size.width || a.size.height != b.size.height) return {0, 0, 1 << 30, 1 << 30};
  for (int y = 0; y < a.size.height; ++y)
    for (int x = 0; x < a.size.width; ++x) {
      const std::uint8_t* p = a.at(x, y);
      const std::uint8_t* q = b.at(x, y);
      if (p[0] != q[0] || p[1] != q[1] || p[2] != q[2]) {
        box.minX = std::min(box.minX, x);
        box.maxX = std::max(box.maxX, x);
        box.minY = std::min(box.minY, y);
        box.maxY = std::max(box.maxY, y);
      }
    }
  return box;
}
