// The example's GL scene: a turning cube over a background whose colour the buttons change.
#pragma once

#include <cstdint>

namespace buttondemo {

// What the two buttons change: the background colour and the cube's colour, each one of a
// few fixed colours.
extern int backgroundIndex;
extern int cubeIndex;
extern int clickCount;

// The background colour (0xRRGGBB) for an index; the e2e test reads it back from the screen.
std::uint32_t backgroundColour(int index);

// Projection and state for a client area of the given size.
void setUpView(int clientWidth, int clientHeight);
// Draws one frame; the cube turns by a fixed step every frame.
void drawFrame(std::uint64_t frame);

}  // namespace buttondemo
