// A hidden window with a current GL context, for programs that need GL without the window
// layer: unit tests, benchmarks and the headless snapshot tool. Runs on whatever video
// driver SDL picks (the offscreen one when SDL_VIDEODRIVER=offscreen).
#pragma once

namespace platform::sdl {

// Creates the window and context once and makes the context current; later calls only make
// it current again. Returns false (with a message on standard error) when GL is unavailable.
bool makeTestGlContext(int width = 800, int height = 600);

// Swaps the hidden window's buffers.
void swapTestGlContext();

}  // namespace platform::sdl
