// Surfaces drawn over the GL back buffer: the pixels land where they belong, only inside
// their shape, and the application's GL state is exactly as it was afterwards.
#define GL_GLEXT_PROTOTYPES 1
#include "platform/wgl/layer_drawing.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <array>
#include <cstdint>
#include <vector>

#include "tests/support/gl_fixture.h"

namespace {

using platform::wgl::drawLayers;
using platform::wgl::Layer;

constexpr int kDrawableWidth = 800;
constexpr int kDrawableHeight = 600;

// A w x h surface whose pixel (x, y) is blue x, green y, red 200.
std::vector<std::uint8_t> gradientSurface(int w, int h) {
  std::vector<std::uint8_t> px(static_cast<std::size_t>(w) * h * 4);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = &px[(static_cast<std::size_t>(y) * w + x) * 4];
      p[0] = static_cast<std::uint8_t>(x);
      p[1] = static_cast<std::uint8_t>(y);
      p[2] = 200;
      p[3] = 0;
    }
  }
  return px;
}

// Colour of the back buffer's pixel at (x, y), y counted downwards from the top.
std::array<int, 3> backBufferPixel(int x, int y) {
  std::uint8_t rgba[4] = {};
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, kDrawableHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return {rgba[0], rgba[1], rgba[2]};
}

void clearTo(float r, float g, float b) {
  glDrawBuffer(GL_BACK);
  glClearColor(r, g, b, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

class LayerDrawingTest : public GlTest {};

TEST_F(LayerDrawingTest, PixelsLandInsideTheShapeOnly) {
  clearTo(0, 0, 0);
  auto px = gradientSurface(40, 30);
  Layer layer{px.data(), 40, 30, 40 * 4, 100, 50, {}};
  // An L shape: the top row band and the left column band.
  layer.shape = {RECT{0, 0, 40, 5}, RECT{0, 5, 10, 30}};
  drawLayers({layer}, kDrawableWidth, kDrawableHeight);

  struct Probe { int x, y; bool inside; };
  const Probe probes[] = {
      {0, 0, true}, {39, 4, true}, {9, 29, true}, {5, 20, true},
      {10, 5, false}, {39, 29, false}, {20, 20, false}, {-1, 0, false}, {0, 30, false},
  };
  for (const Probe& p : probes) {
    auto c = backBufferPixel(100 + p.x, 50 + p.y);
    if (p.inside) {
      EXPECT_EQ(c, (std::array<int, 3>{200, p.y, p.x})) << "surface pixel " << p.x << "," << p.y;
    } else {
      EXPECT_EQ(c, (std::array<int, 3>{0, 0, 0})) << "outside pixel " << p.x << "," << p.y;
    }
  }
  EXPECT_TRUE(NoGlError());
}

TEST_F(LayerDrawingTest, LaterLayersLieOnTopAndEdgesAreCut) {
  clearTo(0, 0, 0);
  std::vector<std::uint8_t> red(16 * 16 * 4), green(16 * 16 * 4);
  for (std::size_t i = 0; i < red.size(); i += 4) {
    red[i + 2] = 255;
    green[i + 1] = 255;
  }
  Layer under{red.data(), 16, 16, 64, 0, 0, {RECT{0, 0, 16, 16}}};
  Layer over{green.data(), 16, 16, 64, 8, 8, {RECT{0, 0, 16, 16}}};
  // Partly outside the drawable on the left and the bottom: the visible part is drawn.
  Layer cut{green.data(), 16, 16, 64, -8, kDrawableHeight - 8, {RECT{-5, -5, 100, 100}}};
  drawLayers({under, over, cut}, kDrawableWidth, kDrawableHeight);

  EXPECT_EQ(backBufferPixel(2, 2), (std::array<int, 3>{255, 0, 0}));
  EXPECT_EQ(backBufferPixel(10, 10), (std::array<int, 3>{0, 255, 0}));
  EXPECT_EQ(backBufferPixel(23, 23), (std::array<int, 3>{0, 255, 0}));
  EXPECT_EQ(backBufferPixel(24, 24), (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(backBufferPixel(0, kDrawableHeight - 1), (std::array<int, 3>{0, 255, 0}));
  EXPECT_EQ(backBufferPixel(8, kDrawableHeight - 1), (std::array<int, 3>{0, 0, 0}));
  EXPECT_TRUE(NoGlError());
}

// Everything an application may have set and that drawing pixels could touch.
std::vector<double> glStateSnapshot() {
  std::vector<double> out;
  auto ints = [&](GLenum e, int n) {
    GLint v[16] = {};
    glGetIntegerv(e, v);
    out.insert(out.end(), v, v + n);
  };
  auto floats = [&](GLenum e, int n) {
    GLfloat v[16] = {};
    glGetFloatv(e, v);
    out.insert(out.end(), v, v + n);
  };
  for (GLenum cap : {GL_DEPTH_TEST, GL_BLEND, GL_LIGHTING, GL_TEXTURE_2D, GL_ALPHA_TEST, GL_FOG,
                     GL_SCISSOR_TEST, GL_STENCIL_TEST, GL_CULL_FACE, GL_COLOR_LOGIC_OP, GL_DITHER,
                     GL_COLOR_SUM}) {
    out.push_back(glIsEnabled(cap));
  }
  for (GLenum e : {GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX, GL_TEXTURE_MATRIX}) floats(e, 16);
  floats(GL_VIEWPORT, 4);
  floats(GL_CURRENT_COLOR, 4);
  floats(GL_CURRENT_RASTER_POSITION, 4);
  floats(GL_COLOR_WRITEMASK, 4);
  floats(GL_COLOR_CLEAR_VALUE, 4);
  floats(GL_ZOOM_X, 1);
  floats(GL_ZOOM_Y, 1);
  floats(GL_RED_SCALE, 1);
  floats(GL_GREEN_BIAS, 1);
  ints(GL_SCISSOR_BOX, 4);
  for (GLenum e : {GL_MATRIX_MODE, GL_TEXTURE_BINDING_2D, GL_ACTIVE_TEXTURE, GL_CURRENT_PROGRAM,
                   GL_DRAW_BUFFER, GL_READ_BUFFER, GL_UNPACK_ALIGNMENT, GL_UNPACK_ROW_LENGTH,
                   GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SWAP_BYTES,
                   GL_PACK_ALIGNMENT, GL_BLEND_SRC, GL_BLEND_DST, GL_DEPTH_FUNC, GL_DEPTH_WRITEMASK,
                   GL_SHADE_MODEL, GL_MAP_COLOR, GL_PIXEL_UNPACK_BUFFER_BINDING,
                   GL_DRAW_FRAMEBUFFER_BINDING, GL_ATTRIB_STACK_DEPTH, GL_CLIENT_ATTRIB_STACK_DEPTH,
                   GL_MODELVIEW_STACK_DEPTH, GL_PROJECTION_STACK_DEPTH}) {
    ints(e, 1);
  }
  // The second texture unit's own binding and switch.
  glActiveTexture(GL_TEXTURE1);
  out.push_back(glIsEnabled(GL_TEXTURE_2D));
  ints(GL_TEXTURE_BINDING_2D, 1);
  glActiveTexture(GL_TEXTURE0);
  return out;
}

GLuint trivialProgram() {
  const char* vs = "void main() { gl_Position = ftransform(); }";
  const char* fs = "void main() { gl_FragColor = vec4(1.0, 0.0, 1.0, 1.0); }";
  GLuint v = glCreateShader(GL_VERTEX_SHADER), f = glCreateShader(GL_FRAGMENT_SHADER);
  glShaderSource(v, 1, &vs, nullptr);
  glShaderSource(f, 1, &fs, nullptr);
  glCompileShader(v);
  glCompileShader(f);
  GLuint p = glCreateProgram();
  glAttachShader(p, v);
  glAttachShader(p, f);
  glLinkProgram(p);
  GLint linked = 0;
  glGetProgramiv(p, GL_LINK_STATUS, &linked);
  return linked ? p : 0;
}

TEST_F(LayerDrawingTest, LeavesTheApplicationsGlStateAsItWas) {
  clearTo(0, 0, 0);
  // An application in the middle of its frame: odd state everywhere.
  GLuint tex[2];
  glGenTextures(2, tex);
  glActiveTexture(GL_TEXTURE1);
  glBindTexture(GL_TEXTURE_2D, tex[1]);
  glEnable(GL_TEXTURE_2D);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, tex[0]);
  for (GLenum cap : {GL_DEPTH_TEST, GL_BLEND, GL_LIGHTING, GL_TEXTURE_2D, GL_ALPHA_TEST, GL_FOG,
                     GL_SCISSOR_TEST, GL_CULL_FACE}) {
    glEnable(cap);
  }
  glBlendFunc(GL_ONE, GL_ONE);
  glDepthFunc(GL_GREATER);
  glDepthMask(GL_FALSE);
  glShadeModel(GL_FLAT);
  glAlphaFunc(GL_GREATER, 0.9f);
  glScissor(1, 2, 3, 4);
  glViewport(5, 6, 70, 80);
  glColor4f(0.25f, 0.5f, 0.75f, 1.0f);
  glClearColor(0.1f, 0.2f, 0.3f, 0.4f);
  glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_FALSE);
  glPixelZoom(2.0f, 3.0f);
  glPixelTransferf(GL_RED_SCALE, 0.5f);
  glPixelTransferf(GL_GREEN_BIAS, 0.25f);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 7);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 3);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 2);
  glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_TRUE);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glOrtho(-1, 2, -3, 4, -5, 6);
  glMatrixMode(GL_TEXTURE);
  glScalef(2, 3, 4);
  glMatrixMode(GL_MODELVIEW);
  glRotatef(30, 1, 2, 3);
  glRasterPos2f(0.1f, 0.2f);
  GLuint unpack = 0;
  glGenBuffers(1, &unpack);
  glBindBuffer(GL_PIXEL_UNPACK_BUFFER, unpack);
  GLuint program = trivialProgram();
  ASSERT_NE(program, 0u);
  glUseProgram(program);
  ASSERT_TRUE(NoGlError());

  const std::vector<double> before = glStateSnapshot();
  auto px = gradientSurface(20, 20);
  Layer layer{px.data(), 20, 20, 80, 30, 40, {RECT{0, 0, 20, 20}}};
  drawLayers({layer}, kDrawableWidth, kDrawableHeight);
  EXPECT_TRUE(NoGlError());
  EXPECT_EQ(glStateSnapshot(), before);

  // Drawn plainly in spite of all of it: no scale, bias, zoom, blend, program or mask.
  // (The read-back itself must not scale or bias either.)
  glPixelTransferf(GL_RED_SCALE, 1.0f);
  glPixelTransferf(GL_GREEN_BIAS, 0.0f);
  glUseProgram(0);
  glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  EXPECT_EQ(backBufferPixel(30 + 7, 40 + 11), (std::array<int, 3>{200, 11, 7}));

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glDeleteProgram(program);
  glDeleteBuffers(1, &unpack);
  glDeleteTextures(2, tex);
}

// An application drawing into its own framebuffer object at the swap: the surfaces still
// go to the window's back buffer, and the object, its draw buffer and the window's draw
// buffer are all as they were.
TEST_F(LayerDrawingTest, AFramebufferObjectBoundForDrawingStaysBound) {
  clearTo(0, 0, 0);
  GLuint fbo = 0, colour = 0;
  glGenFramebuffers(1, &fbo);
  glGenRenderbuffers(1, &colour);
  glBindRenderbuffer(GL_RENDERBUFFER, colour);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, 16, 16);
  glDrawBuffer(GL_FRONT);  // the window's draw buffer, kept while the object is bound
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, fbo);
  glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
  glDrawBuffer(GL_COLOR_ATTACHMENT0);
  ASSERT_TRUE(NoGlError());

  auto px = gradientSurface(8, 8);
  Layer layer{px.data(), 8, 8, 32, 4, 4, {RECT{0, 0, 8, 8}}};
  drawLayers({layer}, kDrawableWidth, kDrawableHeight);
  EXPECT_TRUE(NoGlError());
  GLint bound = 0, drawBuffer = 0;
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &bound);
  glGetIntegerv(GL_DRAW_BUFFER, &drawBuffer);
  EXPECT_EQ(bound, static_cast<GLint>(fbo));
  EXPECT_EQ(drawBuffer, GL_COLOR_ATTACHMENT0);

  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  glGetIntegerv(GL_DRAW_BUFFER, &drawBuffer);
  EXPECT_EQ(drawBuffer, GL_FRONT);
  EXPECT_EQ(backBufferPixel(4 + 3, 4 + 5), (std::array<int, 3>{200, 5, 3}));
  glDeleteFramebuffers(1, &fbo);
  glDeleteRenderbuffers(1, &colour);
  glDrawBuffer(GL_BACK);
  EXPECT_TRUE(NoGlError());
}

TEST_F(LayerDrawingTest, NothingIsRecordedIntoADisplayListBeingCompiled) {
  clearTo(0, 0, 0);
  auto px = gradientSurface(8, 8);
  Layer layer{px.data(), 8, 8, 32, 0, 0, {RECT{0, 0, 8, 8}}};
  GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  drawLayers({layer}, kDrawableWidth, kDrawableHeight);
  glEndList();
  glCallList(list);
  EXPECT_EQ(backBufferPixel(3, 3), (std::array<int, 3>{0, 0, 0}));
  glDeleteLists(list, 1);
  EXPECT_TRUE(NoGlError());
}

}  // namespace
