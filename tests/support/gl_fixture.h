// Test fixture giving every test a current headless GL context with default GL state.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

class GlTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// Asserts that no GL error is pending (and clears the error flags).
::testing::AssertionResult NoGlError();
