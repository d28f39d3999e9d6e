// Pointer moves turn into view angles and depth. Each increment is worked out in double
// precision (difference / constant * MSPEED) and the sum is stored as float.
#include "framework/window/mouse_move_steps.h"

#include <algorithm>

#include "framework/framework.h"

namespace {

constexpr double kDragDivisor = 2.0;
constexpr double kDepthDivisor = 10.0;
constexpr double kFreeLookDivisor = 100.0;
constexpr float kFreeLookLimit = 60.0f;

void addTo(float& angle, double increment) { angle = static_cast<float>(angle + increment); }

void leftDrag(std::int32_t x, std::int32_t y) {
  const double dy = y - YCOORD;
  const double dx = x - XCOORD;
  addTo(XROT, dy / kDragDivisor * MSPEED);
  addTo(YROT, dx / kDragDivisor * MSPEED);
  addTo(XROT2, dy / kDragDivisor * MSPEED);
  addTo(YROT2, dx / kDragDivisor * MSPEED);
  XCOORD = x;
  YCOORD = y;
}

void rightDrag(std::int32_t y) {
  const double dz = y - ZCOORD;
  addTo(DEPTH, -(dz / kDepthDivisor * MSPEED));
  addTo(DEPTH2, -(dz / kDepthDivisor * MSPEED));
  ZCOORD = y;
}

// The pointer is held at (WIDTH / 2, HEIGHT / 2) in screen coordinates; how far it got
// from there since the last move turns the view.
void freeLook() {
  GetCursorPos(&MPOS);
  const std::int32_t cx = WIDTH / 2;
  const std::int32_t cy = HEIGHT / 2;
  SetCursorPos(cx, cy);
  const double turnX = (MPOS.x - cx) / kFreeLookDivisor * MSPEED;
  const double turnY = -((cy - MPOS.y) / kFreeLookDivisor * MSPEED);
  addTo(XROT, turnX);
  addTo(YROT, turnY);
  YROT = std::clamp(YROT, -kFreeLookLimit, kFreeLookLimit);
  addTo(XROT2, turnX);
  addTo(YROT2, turnY);
  YROT2 = std::clamp(YROT2, -kFreeLookLimit, kFreeLookLimit);
}

}  // namespace

void framework_window::mouseMoveSteps(std::int32_t x, std::int32_t y) {
  SETOMX = x;
  SETOMY = y;
  if (LEFTMOUSEDOWN) leftDrag(x, y);
  if (RIGHTMOUSEDOWN && !MOUSEFREE) rightDrag(y);
  if (MOUSEFREE && GetForegroundWindow() == HWINDOW) freeLook();
}
