#define GL_GLEXT_PROTOTYPES 1
#include "platform/wgl/layer_drawing.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstdio>

namespace platform::wgl {
namespace {

bool hasVersion(int major, int minor) {
  const char* v = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  if (!v) return false;
  int maj = 0, min = 0;
  if (std::sscanf(v, "%d.%d", &maj, &min) != 2) return false;
  return maj > major || (maj == major && min >= minor);
}

// State that the attribute stacks do not keep: bindings and the current program. Each is
// only read and changed when the context has the version that knows it, so no call here
// ever raises a GL error.
struct Bindings {
  bool gl21 = false;
  bool gl20 = false;
  bool gl30 = false;
  GLint program = 0;
  GLint drawFramebuffer = 0;
  GLint windowDrawBuffer = GL_BACK;  // the window's own draw buffer, while an FBO was bound
  GLint unpackBuffer = 0;
  GLint activeTexture = GL_TEXTURE0;

  void saveAndClear() {
    gl20 = hasVersion(2, 0);
    gl21 = hasVersion(2, 1);
    gl30 = hasVersion(3, 0);
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture);
    if (gl21) {
      glGetIntegerv(GL_PIXEL_UNPACK_BUFFER_BINDING, &unpackBuffer);
      if (unpackBuffer) glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
    }
    if (gl20) {
      glGetIntegerv(GL_CURRENT_PROGRAM, &program);
      if (program) glUseProgram(0);
    }
    if (gl30) {
      glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawFramebuffer);
      if (drawFramebuffer) {
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        glGetIntegerv(GL_DRAW_BUFFER, &windowDrawBuffer);
      }
    }
  }

  void restore() const {
    if (gl30 && drawFramebuffer) {
      // The attribute stack gives back the framebuffer object's draw buffer; the window's
      // own one is put back here, before the object is bound again.
      glDrawBuffer(static_cast<GLenum>(windowDrawBuffer));
      glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(drawFramebuffer));
    }
    if (gl20 && program) glUseProgram(static_cast<GLuint>(program));
    if (gl21 && unpackBuffer) glBindBuffer(GL_PIXEL_UNPACK_BUFFER, static_cast<GLuint>(unpackBuffer));
    glActiveTexture(static_cast<GLenum>(activeTexture));
  }
};

bool stacksHaveRoom() {
  GLint depth = 0, maxDepth = 0, clientDepth = 0, clientMax = 0;
  glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &depth);
  glGetIntegerv(GL_MAX_ATTRIB_STACK_DEPTH, &maxDepth);
  glGetIntegerv(GL_CLIENT_ATTRIB_STACK_DEPTH, &clientDepth);
  glGetIntegerv(GL_MAX_CLIENT_ATTRIB_STACK_DEPTH, &clientMax);
  return depth < maxDepth && clientDepth < clientMax;
}

bool canDraw() {
  GLint listIndex = 0, renderMode = 0;
  glGetIntegerv(GL_LIST_INDEX, &listIndex);
  glGetIntegerv(GL_RENDER_MODE, &renderMode);
  return listIndex == 0 && renderMode == GL_RENDER && stacksHaveRoom();
}

// Fixed-function state under which glDrawPixels copies the pixels unchanged: every fragment
// operation off, plain pixel transfer, rows read top-down.
void setPlainPixelCopy() {
  GLint units = 1;
  glGetIntegerv(GL_MAX_TEXTURE_UNITS, &units);
  for (GLint u = 0; u < units; ++u) {
    glActiveTexture(static_cast<GLenum>(GL_TEXTURE0 + u));
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_3D);
    glDisable(GL_TEXTURE_CUBE_MAP);
  }
  glActiveTexture(GL_TEXTURE0);
  for (GLenum cap : {GL_ALPHA_TEST, GL_BLEND, GL_COLOR_LOGIC_OP, GL_DEPTH_TEST, GL_FOG,
                     GL_SCISSOR_TEST, GL_STENCIL_TEST, GL_COLOR_SUM, GL_DITHER}) {
    glDisable(cap);
  }
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  GLboolean doubleBuffered = GL_FALSE;
  glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
  glDrawBuffer(doubleBuffered ? GL_BACK : GL_FRONT);

  glPixelTransferi(GL_MAP_COLOR, GL_FALSE);
  for (GLenum scale : {GL_RED_SCALE, GL_GREEN_SCALE, GL_BLUE_SCALE, GL_ALPHA_SCALE}) glPixelTransferf(scale, 1.0f);
  for (GLenum bias : {GL_RED_BIAS, GL_GREEN_BIAS, GL_BLUE_BIAS, GL_ALPHA_BIAS}) glPixelTransferf(bias, 0.0f);
  glPixelZoom(1.0f, -1.0f);

  glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_IMAGE_HEIGHT, 0);
  glPixelStorei(GL_UNPACK_SKIP_IMAGES, 0);
}

void drawLayer(const Layer& layer, int drawableWidth, int drawableHeight) {
  if (!layer.pixels || layer.width <= 0 || layer.height <= 0 || layer.stride < layer.width * 4 ||
      layer.stride % 4 != 0) {
    return;
  }
  glPixelStorei(GL_UNPACK_ROW_LENGTH, layer.stride / 4);
  for (const RECT& r : layer.shape) {
    // Cut the piece to the surface, then to the drawable.
    int left = std::max({r.left, 0, -layer.x});
    int top = std::max({r.top, 0, -layer.y});
    int right = std::min({r.right, layer.width, drawableWidth - layer.x});
    int bottom = std::min({r.bottom, layer.height, drawableHeight - layer.y});
    if (left >= right || top >= bottom) continue;
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, left);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, top);
    // With the zoom of -1 the rows go downwards from the raster position, which is the top
    // edge of the piece in GL's bottom-up window coordinates.
    glWindowPos2i(layer.x + left, drawableHeight - (layer.y + top));
    glDrawPixels(right - left, bottom - top, GL_BGRA, GL_UNSIGNED_BYTE, layer.pixels);
  }
}

}  // namespace

void drawLayers(const std::vector<Layer>& layers, int drawableWidth, int drawableHeight) {
  if (layers.empty() || drawableWidth <= 0 || drawableHeight <= 0 || !canDraw()) return;
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
  Bindings saved;
  saved.saveAndClear();
  setPlainPixelCopy();
  for (const Layer& layer : layers) drawLayer(layer, drawableWidth, drawableHeight);
  saved.restore();
  glPopClientAttrib();
  glPopAttrib();
}

}  // namespace platform::wgl
