#include "tests/support/gl_feedback.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace {

constexpr GLint kViewportSize = 200;  // 2 * kFeedbackExtent: one window unit per eye unit

// Turns a window-space feedback vertex back into eye coordinates.
FeedbackVertex readVertex(const float* values) {
  FeedbackVertex v{};
  v.x = values[0] - kFeedbackExtent;
  v.y = values[1] - kFeedbackExtent;
  v.z = -(2.0f * values[2] - 1.0f) * kFeedbackExtent;
  v.r = values[3];
  v.g = values[4];
  v.b = values[5];
  v.a = values[6];
  v.s = values[7];
  v.t = values[8];
  return v;
}

std::vector<FeedbackPrimitive> parse(const std::vector<GLfloat>& buffer, GLint count) {
  constexpr std::size_t kVertexSize = 11;  // x y z, r g b a, s t r q
  std::vector<FeedbackPrimitive> primitives;
  std::size_t i = 0;
  const std::size_t end = static_cast<std::size_t>(count);
  while (i < end) {
    const auto token = static_cast<GLenum>(buffer[i++]);
    std::size_t vertices = 0;
    switch (token) {
      case GL_POINT_TOKEN:
      case GL_BITMAP_TOKEN:
      case GL_DRAW_PIXEL_TOKEN:
      case GL_COPY_PIXEL_TOKEN:
        vertices = 1;
        break;
      case GL_LINE_TOKEN:
      case GL_LINE_RESET_TOKEN:
        vertices = 2;
        break;
      case GL_POLYGON_TOKEN:
        vertices = static_cast<std::size_t>(buffer[i++]);
        break;
      case GL_PASS_THROUGH_TOKEN:
        ++i;
        continue;
      default:
        ADD_FAILURE() << "unknown feedback token " << token;
        return primitives;
    }
    FeedbackPrimitive primitive{token, {}};
    for (std::size_t k = 0; k < vertices && i + kVertexSize <= end; ++k, i += kVertexSize) {
      primitive.vertices.push_back(readVertex(&buffer[i]));
    }
    primitives.push_back(std::move(primitive));
  }
  return primitives;
}

}  // namespace

std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glViewport(0, 0, kViewportSize, kViewportSize);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(-kFeedbackExtent, kFeedbackExtent, -kFeedbackExtent, kFeedbackExtent, -kFeedbackExtent,
          kFeedbackExtent);
  glMatrixMode(GL_MODELVIEW);

  std::vector<GLfloat> buffer(1 << 22);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint count = glRenderMode(GL_RENDER);  // negative when the buffer overflowed

  GLint mode = GL_MODELVIEW;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(static_cast<GLenum>(mode));
  glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
  if (count < 0) return {};
  return parse(buffer, count);
}

std::vector<FeedbackPrimitive> captureLitFeedback(const std::function<void()>& draw) {
  glPushAttrib(GL_LIGHTING_BIT | GL_ENABLE_BIT | GL_TRANSFORM_BIT);
  glEnable(GL_LIGHTING);
  glEnable(GL_NORMALIZE);
  const GLfloat black[4] = {0, 0, 0, 1};
  const GLfloat white[4] = {1, 1, 1, 1};
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, black);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
  glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
  glDisable(GL_COLOR_MATERIAL);
  for (int light = 0; light < 8; ++light) glDisable(GL_LIGHT0 + light);

  std::vector<FeedbackPrimitive> passes[2];
  for (int pass = 0; pass < 2; ++pass) {
    const float sign = pass == 0 ? 1.0f : -1.0f;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();  // light directions in eye coordinates
    for (int axis = 0; axis < 3; ++axis) {
      GLfloat direction[4] = {0, 0, 0, 0};
      direction[axis] = sign;
      GLfloat colour[4] = {0, 0, 0, 1};
      colour[axis] = 1;
      const GLenum light = GL_LIGHT0 + static_cast<GLenum>(axis);
      glLightfv(light, GL_POSITION, direction);
      glLightfv(light, GL_DIFFUSE, colour);
      glLightfv(light, GL_AMBIENT, black);
      glLightfv(light, GL_SPECULAR, black);
      glEnable(light);
    }
    glPopMatrix();
    passes[pass] = captureFeedback(draw);
  }
  glPopAttrib();

  std::vector<FeedbackPrimitive> result = passes[0];
  if (passes[1].size() != result.size()) return {};
  for (std::size_t p = 0; p < result.size(); ++p) {
    auto& vertices = result[p].vertices;
    const auto& negative = passes[1][p].vertices;
    if (negative.size() != vertices.size()) return {};
    for (std::size_t v = 0; v < vertices.size(); ++v) {
      vertices[v].nx = vertices[v].r - negative[v].r;
      vertices[v].ny = vertices[v].g - negative[v].g;
      vertices[v].nz = vertices[v].b - negative[v].b;
    }
  }
  return result;
}

std::vector<FeedbackVertex> allVertices(const std::vector<FeedbackPrimitive>& primitives) {
  std::vector<FeedbackVertex> vertices;
  for (const auto& primitive : primitives) {
    vertices.insert(vertices.end(), primitive.vertices.begin(), primitive.vertices.end());
  }
  return vertices;
}
