#include "tests/support/gl_fixture.h"

// The headless context is there and answers queries.
TEST_F(GlTest, HeadlessContextIsCurrent) {
  GLint depthBits = 0;
  glGetIntegerv(GL_DEPTH_BITS, &depthBits);
  EXPECT_GT(depthBits, 0);
  EXPECT_TRUE(NoGlError());
}
