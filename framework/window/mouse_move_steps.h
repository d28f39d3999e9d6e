// The steps GLWNDPROC takes for a pointer move: left drag, right drag and free look.
#pragma once

#include <cstdint>

namespace framework_window {

// x and y are the message's client coordinates, each taken as an unsigned 16-bit number.
void mouseMoveSteps(std::int32_t x, std::int32_t y);

}  // namespace framework_window
