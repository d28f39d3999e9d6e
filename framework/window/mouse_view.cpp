// The mouse-driven view: applies the angles and depth that drags accumulated.
#include "framework/framework.h"

MOUSEVIEWOFFSET MY = {0.0f, 0.0f, 0.0f};
std::int32_t MSPEED = 0;
