#include "tests/framework/geometry/trees_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/framework.h"

namespace trees_test {

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double length(Vec3 a) { return std::sqrt(dot(a, a)); }
Vec3 normalized(Vec3 a) {
  const double l = length(a);
  return l == 0 ? a : a * (1 / l);
}
double angleBetween(Vec3 a, Vec3 b) {
  const double c = std::clamp(dot(normalized(a), normalized(b)), -1.0, 1.0);
  return std::acos(c) * 180 / std::numbers::pi;
}

Frame Frame::times(const std::array<double, 16>& step) const {
  Frame result;
  for (int col = 0; col < 4; ++col) {
    for (int row = 0; row < 4; ++row) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += m_[k * 4 + row] * step[col * 4 + k];
      result.m_[col * 4 + row] = sum;
    }
  }
  return result;
}

Frame Frame::translated(double x, double y, double z) const {
  return times({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1});
}

Frame Frame::rotated(double degrees, double x, double y, double z) const {
  const Vec3 a = normalized({x, y, z});
  const double r = degrees * std::numbers::pi / 180;
  const double c = std::cos(r), s = std::sin(r), t = 1 - c;
  return times({t * a.x * a.x + c, t * a.x * a.y + s * a.z, t * a.x * a.z - s * a.y, 0,
                t * a.x * a.y - s * a.z, t * a.y * a.y + c, t * a.y * a.z + s * a.x, 0,
                t * a.x * a.z + s * a.y, t * a.y * a.z - s * a.x, t * a.z * a.z + c, 0, 0, 0, 0,
                1});
}

Frame Frame::scaled(double k) const {
  return times({k, 0, 0, 0, 0, k, 0, 0, 0, 0, k, 0, 0, 0, 0, 1});
}

Vec3 Frame::apply(Vec3 p) const {
  return {m_[0] * p.x + m_[4] * p.y + m_[8] * p.z + m_[12],
          m_[1] * p.x + m_[5] * p.y + m_[9] * p.z + m_[13],
          m_[2] * p.x + m_[6] * p.y + m_[10] * p.z + m_[14]};
}

namespace {

Vec3 position(const FeedbackVertex& v) { return {v.x, v.y, v.z}; }

bool samePosition(const FeedbackVertex& a, const FeedbackVertex& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Centre of the circle through three points.
Vec3 circumcentre(Vec3 p1, Vec3 p2, Vec3 p3) {
  const Vec3 a = p1 - p3, b = p2 - p3;
  const Vec3 axb = cross(a, b);
  const double d = 2 * dot(axb, axb);
  if (d == 0) return p3;
  return p3 + cross(b * dot(a, a) - a * dot(b, b), axb) * (1 / d);
}

// The centre and radius of a ring given by its distinct vertices in drawing order.
void measureRing(const std::vector<Vec3>& ring, Vec3& centre, double& radius) {
  if (ring.size() < 3) {
    centre = ring.empty() ? Vec3{} : ring.front();
    radius = 0;
    return;
  }
  // Vertices a third of the way round from one another keep the circle well conditioned.
  centre = circumcentre(ring[0], ring[ring.size() / 3], ring[2 * ring.size() / 3]);
  radius = length(ring[0] - centre);
}

void addDistinct(std::vector<Vec3>& points, Vec3 p) {
  for (const Vec3& q : points) {
    if (q.x == p.x && q.y == p.y && q.z == p.z) return;
  }
  points.push_back(p);
}

}  // namespace

std::vector<std::vector<Triangle>> splitIntoPieces(
    const std::vector<FeedbackPrimitive>& primitives) {
  std::vector<std::vector<Triangle>> pieces;
  std::vector<FeedbackVertex> seen;  // vertices of the piece being collected
  for (const auto& p : primitives) {
    if (p.token != GL_POLYGON_TOKEN || p.vertices.size() != 3) continue;
    const Triangle triangle{p.vertices[0], p.vertices[1], p.vertices[2]};
    const bool joins = std::any_of(seen.begin(), seen.end(), [&](const FeedbackVertex& s) {
      return std::any_of(triangle.begin(), triangle.end(),
                         [&](const FeedbackVertex& v) { return samePosition(s, v); });
    });
    if (!joins || pieces.empty()) {
      pieces.emplace_back();
      seen.clear();
    }
    pieces.back().push_back(triangle);
    seen.insert(seen.end(), triangle.begin(), triangle.end());
  }
  return pieces;
}

Cone measureCone(const std::vector<Triangle>& piece) {
  float low = INFINITY, high = -INFINITY;
  for (const auto& triangle : piece) {
    for (const auto& v : triangle) {
      low = std::min(low, v.t);
      high = std::max(high, v.t);
    }
  }
  // Ring vertices in the order the strip reached them, which runs round the ring.
  std::vector<Vec3> lower, upper;
  for (const auto& triangle : piece) {
    for (const auto& v : triangle) {
      if (v.t == low) addDistinct(lower, position(v));
      if (v.t == high) addDistinct(upper, position(v));
    }
  }
  Cone cone;
  measureRing(lower, cone.base, cone.baseRadius);
  measureRing(upper, cone.top, cone.topRadius);
  return cone;
}

Card measureCard(const std::vector<Triangle>& piece) {
  Card card;
  for (const auto& triangle : piece) {
    for (const auto& v : triangle) {
      const int index = v.s == 0 && v.t == 0   ? 0
                        : v.s == 0 && v.t == 1 ? 1
                        : v.s == 1 && v.t == 1 ? 2
                        : v.s == 1 && v.t == 0 ? 3
                                               : -1;
      if (index < 0) continue;
      card.corner[index] = position(v);
      card.found[index] = true;
    }
  }
  return card;
}

Vec3 Card::centre() const { return (corner[0] + corner[1] + corner[2] + corner[3]) * 0.25; }

bool allVerticesAt(const std::vector<Triangle>& piece, float s, float t) {
  return std::all_of(piece.begin(), piece.end(), [&](const Triangle& triangle) {
    return std::all_of(triangle.begin(), triangle.end(),
                       [&](const FeedbackVertex& v) { return v.s == s && v.t == t; });
  });
}

std::vector<FeedbackPrimitive> captureNormals(const std::function<void()>& draw) {
  glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT);
  // Mesa generates texture coordinates only for a unit that has a complete texture.
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  const GLubyte white[4] = {255, 255, 255, 255};
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
  glEnable(GL_TEXTURE_2D);
  for (const GLenum coordinate : {GL_S, GL_T}) {
    glTexGeni(coordinate, GL_TEXTURE_GEN_MODE, GL_NORMAL_MAP);
  }
  glEnable(GL_TEXTURE_GEN_S);
  glEnable(GL_TEXTURE_GEN_T);

  // The capture keeps s and t only, so a second pass turns the scene a quarter about y first,
  // which carries the eye-space z of every normal into x.
  auto result = captureFeedback(draw);
  const auto second = captureFeedback([&draw] {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    GLfloat current[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, current);
    glLoadIdentity();
    glRotatef(90, 0, 1, 0);
    glMultMatrixf(current);
    draw();
    glPopMatrix();
  });
  glPopAttrib();
  glDeleteTextures(1, &texture);

  if (second.size() != result.size()) return {};
  for (std::size_t p = 0; p < result.size(); ++p) {
    auto& vertices = result[p].vertices;
    if (second[p].vertices.size() != vertices.size()) return {};
    for (std::size_t v = 0; v < vertices.size(); ++v) {
      vertices[v].nx = vertices[v].s;
      vertices[v].ny = vertices[v].t;
      vertices[v].nz = second[p].vertices[v].s;
    }
  }
  return result;
}

void flatLeaf() {
  glBegin(GL_QUADS);
  glVertex3f(0, 0, 0);
  glVertex3f(1, 0, 0);
  glVertex3f(1, 0, 1);
  glVertex3f(0, 0, 1);
  glEnd();
}

void restartSequence(std::int32_t seed) {
  RANDSEED = seed ^ 1;
  RANDOMWORD();
  RANDSEED = seed;
}

}  // namespace trees_test
