#include "tests/support/gl_fixture.h"

#include "platform/sdl/test_gl_context.h"

namespace {

// Puts the state the tests rely on back to GL's defaults between tests, since all tests of
// one program share one context.
void resetGlState() {
  while (glGetError() != GL_NO_ERROR) {
  }
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
}

}  // namespace

void GlTest::SetUp() {
  ASSERT_TRUE(platform::sdl::makeTestGlContext()) << "no headless GL context";
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
  resetGlState();
}

void GlTest::TearDown() {
  glPopClientAttrib();
  glPopAttrib();
  resetGlState();
}

::testing::AssertionResult NoGlError() {
  GLenum first = glGetError();
  if (first == GL_NO_ERROR) return ::testing::AssertionSuccess();
  while (glGetError() != GL_NO_ERROR) {
  }
  return ::testing::AssertionFailure() << "GL error 0x" << std::hex << first;
}
