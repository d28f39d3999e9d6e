// The mouse-driven view: applies the angles and depth that drags accumulated.
#include "framework/framework.h"

MOUSEVIEWOFFSET MY = {0.0f, 0.0f, 0.0f};
std::int32_t MSPEED = 0;

namespace {

struct Axis {
  float x, y, z;
};

// One row per mode: the axis the depth moves along (0 = x, 1 = y, 2 = z) and the axes of
// the two turns, applied in this order.
struct ViewLayout {
  int depthAxis;
  Axis first;
  Axis second;
};

constexpr ViewLayout kLayouts[] = {
    {2, {1, 0, 0}, {0, 1, 0}},   // GL_M0
    {1, {1, 0, 0}, {0, 0, 1}},   // GL_MX
    {0, {0, 0, -1}, {0, 1, 0}},  // GL_MY
    {2, {0, 1, 0}, {1, 0, 0}},   // GL_MZ
};

}  // namespace

void SETGLMOUSEMOVE(std::int32_t XYZ, std::int32_t SPEED) {
  MSPEED = SPEED;
  if (XYZ < GL_M0 || XYZ > GL_MZ) return;
  const ViewLayout& layout = kLayouts[XYZ];

  // The two other fields are set to 0 outright rather than scaled, so that an odd DEPTH
  // (infinite, not a number) stays on its own axis.
  float offset[3] = {0.0f, 0.0f, 0.0f};
  offset[layout.depthAxis] = -DEPTH;
  MY = {offset[0], offset[1], offset[2]};

  glTranslatef(offset[0], offset[1], offset[2]);
  glRotatef(XROT, layout.first.x, layout.first.y, layout.first.z);
  glRotatef(YROT, layout.second.x, layout.second.y, layout.second.z);
}
