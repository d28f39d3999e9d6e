// Captures what GL is asked to draw, through GL's feedback mode, as primitives with their
// vertices in eye coordinates, so tests check geometry as GL received it. Polygons arrive as
// GL split them (a quad or quad strip as triangles); each vertex carries its colour and its
// texture coordinates.
#pragma once

#include <GL/gl.h>

#include <functional>
#include <vector>

struct FeedbackVertex {
  float x, y, z;           // eye coordinates (the model-view matrix applied)
  float r, g, b, a;        // colour after lighting
  float s, t;              // texture coordinates after the texture matrix
  float nx, ny, nz;        // unit normal, filled only by captureLitFeedback
};

struct FeedbackPrimitive {
  GLenum token;  // GL_POINT_TOKEN, GL_LINE_TOKEN, GL_POLYGON_TOKEN, ...
  std::vector<FeedbackVertex> vertices;
};

// Eye coordinates must lie within +-kFeedbackExtent on every axis, or GL clips them away.
constexpr float kFeedbackExtent = 100.0f;

// Runs draw in feedback mode and returns what it drew. The projection and viewport are set
// for the capture and put back afterwards; the model-view matrix is the caller's.
std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw);

// Like captureFeedback, and recovers each vertex's unit normal (in eye coordinates) from the
// lighting GL computes for it: draw runs twice, lit by white-diffuse directional lights along
// +x, +y, +z (red, green, blue) and then along -x, -y, -z. draw must leave lighting alone.
std::vector<FeedbackPrimitive> captureLitFeedback(const std::function<void()>& draw);

// All vertices of the given primitives in order.
std::vector<FeedbackVertex> allVertices(const std::vector<FeedbackPrimitive>& primitives);
