// Pixel formats, a real GL context on a real window, and the buffer swap.
#include <GL/gl.h>

#include <cstring>

#include "tests/platform/user_test_support.h"

namespace {

// The framework's request: colour, alpha, accumulation, depth, stencil and aux buffers all
// at 32, double-buffered, stereo, for a window.
PIXELFORMATDESCRIPTOR frameworkRequest() {
  PIXELFORMATDESCRIPTOR pfd{};
  pfd.nSize = sizeof pfd;
  pfd.nVersion = 1;
  pfd.dwFlags = 0x1067;
  pfd.iPixelType = PFD_TYPE_RGBA;
  pfd.cColorBits = pfd.cAlphaBits = pfd.cAccumBits = pfd.cDepthBits = pfd.cStencilBits = pfd.cAuxBuffers = 32;
  pfd.iLayerType = 1;
  return pfd;
}

using WglTest = UserTest;

TEST_F(WglTest, ChoosePixelFormatRefusesWhatCannotBeMet) {
  HWND h = makeWindow();
  HDC dc = GetDC(h);
  ASSERT_NE(dc, 0u);
  PIXELFORMATDESCRIPTOR pfd = frameworkRequest();
  int chosen = ChoosePixelFormat(dc, &pfd);
  EXPECT_GT(chosen, 0);

  PIXELFORMATDESCRIPTOR colourIndex = frameworkRequest();
  colourIndex.iPixelType = PFD_TYPE_COLORINDEX;
  EXPECT_EQ(ChoosePixelFormat(dc, &colourIndex), 0);
  PIXELFORMATDESCRIPTOR noGl = frameworkRequest();
  noGl.dwFlags &= ~PFD_SUPPORT_OPENGL;
  EXPECT_EQ(ChoosePixelFormat(dc, &noGl), 0);
  EXPECT_EQ(ChoosePixelFormat(dc, nullptr), 0);
  EXPECT_EQ(ChoosePixelFormat(0, &pfd), 0);

  // What was chosen is an RGBA, double-buffered window format with depth.
  PIXELFORMATDESCRIPTOR described{};
  ASSERT_GT(DescribePixelFormat(dc, chosen, sizeof described, &described), 0);
  EXPECT_EQ(described.iPixelType, PFD_TYPE_RGBA);
  EXPECT_TRUE(described.dwFlags & PFD_DOUBLEBUFFER);
  EXPECT_TRUE(described.dwFlags & PFD_DRAW_TO_WINDOW);
  EXPECT_GT(described.cDepthBits, 0);

  // Without a pixel format there is no context.
  EXPECT_EQ(wglCreateContext(dc), 0u);
  EXPECT_FALSE(SetPixelFormat(dc, 0, &pfd));
  EXPECT_EQ(ReleaseDC(h, dc), 1);
}

TEST_F(WglTest, ContextIsMadeCurrentDrawsAndSwaps) {
  HWND h = makeWindow();
  HDC dc = GetDC(h);
  PIXELFORMATDESCRIPTOR pfd = frameworkRequest();
  ASSERT_TRUE(SetPixelFormat(dc, ChoosePixelFormat(dc, &pfd), &pfd));
  HGLRC rc = wglCreateContext(dc);
  ASSERT_NE(rc, 0u);
  ASSERT_TRUE(wglMakeCurrent(dc, rc));
  EXPECT_EQ(wglGetCurrentContext(), rc);

  const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  ASSERT_NE(version, nullptr);
  EXPECT_GE(version[0], '1');
  // A compatibility context: the fixed-function pipeline is there, and from GL 3.2 on the
  // profile says so.
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glBegin(GL_TRIANGLES);
  glVertex2f(0, 0);
  glEnd();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  GLint major = 0, minor = 0;
  glGetIntegerv(0x821B, &major);  // GL_MAJOR_VERSION
  glGetIntegerv(0x821C, &minor);  // GL_MINOR_VERSION
  glGetError();  // a GL older than 3.0 does not know the two queries
  if (major * 10 + minor >= 32) {
    GLint profile = 0;
    glGetIntegerv(0x9126, &profile);  // GL_CONTEXT_PROFILE_MASK
    EXPECT_TRUE(profile & 0x2) << "profile mask " << profile;  // the compatibility bit
  }

  // Clear the back buffer, swap, and read what the new back buffer was drawn with.
  glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  unsigned char pixel[4] = {};
  glReadBuffer(GL_BACK);
  glReadPixels(5, 5, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  EXPECT_EQ(pixel[0], 255);
  EXPECT_EQ(pixel[1], 0);
  EXPECT_TRUE(SwapBuffers(dc));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  GLint depthBits = 0;
  glGetIntegerv(GL_DEPTH_BITS, &depthBits);
  EXPECT_GT(depthBits, 0);

  EXPECT_TRUE(wglMakeCurrent(dc, 0));
  EXPECT_EQ(wglGetCurrentContext(), 0u);
  EXPECT_TRUE(SwapBuffers(dc));  // with nothing current there is only nothing to composite
  EXPECT_TRUE(wglDeleteContext(rc));
  EXPECT_FALSE(wglDeleteContext(rc));
  EXPECT_FALSE(wglMakeCurrent(dc, rc));
}

TEST_F(WglTest, TeardownAfterTheWindowIsGoneFailsHarmlessly) {
  HWND h = makeWindow();
  HDC dc = GetDC(h);
  PIXELFORMATDESCRIPTOR pfd = frameworkRequest();
  ASSERT_TRUE(SetPixelFormat(dc, ChoosePixelFormat(dc, &pfd), &pfd));
  HGLRC rc = wglCreateContext(dc);
  ASSERT_TRUE(wglMakeCurrent(dc, rc));
  ASSERT_TRUE(DestroyWindow(h));
  // The teardown order of the framework: detach, delete, release, destroy.
  EXPECT_TRUE(wglMakeCurrent(dc, 0));
  EXPECT_TRUE(wglDeleteContext(rc));
  EXPECT_EQ(ReleaseDC(h, dc), 0);
  EXPECT_FALSE(DestroyWindow(h));
  EXPECT_FALSE(SwapBuffers(dc));
}

}  // namespace
