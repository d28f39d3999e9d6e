// Tests that run the real demo: its window and GL context from the window layer on SDL's
// offscreen driver, its textures from app/data, its tree lists, and whole passes of its main
// loop with the frame read back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/demo.h"
#include "app/headless_run.h"

// One drawn frame as GL holds it: RGBA rows, bottom row first; x and y count from the lower
// left corner, as window coordinates do.
struct Frame {
  demo::FrameSize size;
  std::vector<std::uint8_t> rgba;

  const std::uint8_t* at(int x, int y) const {
    return &rgba[(static_cast<std::size_t>(y) * size.width + x) * 4];
  }
  bool operator==(const Frame& o) const { return size.width == o.size.width && size.height == o.size.height && rgba == o.rgba; }
};

// Window coordinates (origin lower left) of a scene point seen through the demo's fixed
// view: moved by (0, -1, -30) after a 30 degree turn about x, plus `extraTurn` degrees of
// mouse turn about x; a 45 degree perspective on an 800 by 600 viewport.
struct ScreenPoint {
  int x, y;
};
ScreenPoint projectScenePoint(float x, float y, float z, float extraTurn = 0.0f);

class DemoWindowTest : public ::testing::Test {
 protected:
  // Starts the demo once per program (from app/data), and before every test makes its
  // context current and puts the input state, the view and the tree indexes back to rest.
  void SetUp() override;

  // One pass of the main loop; returns the frame it drew.
  Frame runPass();
  // Runs passes until the window's queue is empty; returns the last frame.
  Frame runUntilQueueEmpty();
  // Posts a drag (button down, one pointer move, button up, in client coordinates) to the
  // window's queue and runs passes until it is handled; returns the last frame.
  Frame dragThroughQueue(demo::Button button, POINT from, POINT to);
};

// Bounding box of the pixels in which two frames differ; empty when they are equal.
struct PixelBox {
  int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1;
  bool empty() const { return maxX < 0; }
};
PixelBox differingPixels(const Frame& a, const Frame& b);
