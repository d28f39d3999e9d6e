// The tree generators: compiling the demo's eight trees (three fixed-level trees with their
// crowns, five fractal trees) and drawing each of their eleven lists, with the vertices each
// list sends to GL. Runs headless on a hidden window's context; the fractal trees get the
// demo's own leaf and texture callbacks (no texture is loaded here, so they bind none).
#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>

#include "app/demo.h"
#include "framework/framework.h"
#include "platform/sdl/test_gl_context.h"

namespace {

// The demo's arguments for its three fixed-level trees and their crowns.
struct StaticTree {
  float ANG;
  std::int32_t NUMPICE;
  float R, H, H2;
};
constexpr StaticTree kStaticTrees[3] = {
    {30, 3, 0.15f, 3.25f, 1.5f}, {40, 4, 0.25f, 3.6f, 1.75f}, {50, 5, 0.45f, 4.2f, 2.0f}};
constexpr std::int32_t kNumPoints = 10;
constexpr float kCardSize = 0.15f;
constexpr int kFractalTrees = 5;

struct NamedList {
  std::string name;
  GLuint list;
  bool upright;  // the fixed-level trees grow along +Z and are turned upright to be drawn
};

// Compiles the eight trees in the demo's order and returns their eleven lists.
std::array<NamedList, 11> compileDemoTrees() {
  std::array<NamedList, 11> lists;
  std::size_t next = 0;
  for (int i = 0; i < 3; ++i) {
    const StaticTree& t = kStaticTrees[i];
    GLuint crown = 0, tree = 0;
    TREELEAF(crown, t.ANG, t.NUMPICE, kCardSize, t.H, t.H2);
    TREE(tree, t.ANG, kNumPoints, t.NUMPICE, t.R, t.H, t.H2);
    lists[next++] = {"crown" + std::to_string(i), crown, true};
    lists[next++] = {"tree" + std::to_string(i), tree, true};
  }
  for (int i = 0; i < kFractalTrees; ++i) {
    GLuint tree = 0;
    TREEFRACTAL3D(tree, CHIOMA, TEXALBERO, TEXFOGLIE, 10, 4);
    lists[next++] = {"fractal" + std::to_string(i), tree, false};
  }
  return lists;
}

// Every list name the generators hand out lies above the one reserved before them, so
// deleting the range up to a name reserved after them frees all their sub-lists too.
class ListRange {
 public:
  ListRange() : first_(glGenLists(1)) {}
  ~ListRange() {
    const GLuint last = glGenLists(1);
    glDeleteLists(first_, static_cast<GLsizei>(last - first_ + 1));
  }
  ListRange(const ListRange&) = delete;
  ListRange& operator=(const ListRange&) = delete;

 private:
  GLuint first_;
};

bool makeContext(benchmark::State& state) {
  if (platform::sdl::makeTestGlContext()) return true;
  state.SkipWithError("no headless GL context");
  return false;
}

void BM_CompileDemoTrees(benchmark::State& state) {
  if (!makeContext(state)) return;
  for (auto _ : state) {
    ListRange range;
    benchmark::DoNotOptimize(compileDemoTrees());
    glFinish();
  }
}
BENCHMARK(BM_CompileDemoTrees)->Unit(benchmark::kMillisecond)->UseRealTime();

// A lit, depth-tested view of the tree, as in the demo's frame.
void setUpView(bool upright) {
  glViewport(0, 0, 800, 600);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45, 800.0 / 600.0, 0.1, 100);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0, -4, -16);
  if (upright) glRotatef(-90, 1, 0, 0);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_NORMALIZE);
  SETGLLIGHT(GL_LIGHT0, 0, 10, 5, 0);
  glEnable(GL_TEXTURE_2D);
}

// Vertices GL receives while running a list once.
GLuint64 verticesOf(GLuint list) {
  GLuint query = 0;
  glGenQueries(1, &query);
  glBeginQuery(GL_VERTICES_SUBMITTED_ARB, query);
  glCallList(list);
  glEndQuery(GL_VERTICES_SUBMITTED_ARB);
  GLuint64 vertices = 0;
  glGetQueryObjectui64v(query, GL_QUERY_RESULT, &vertices);
  glDeleteQueries(1, &query);
  return vertices;
}

void BM_DrawList(benchmark::State& state) {
  if (!makeContext(state)) return;
  static const std::array<NamedList, 11> lists = compileDemoTrees();
  const NamedList& entry = lists[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(entry.name);
  setUpView(entry.upright);
  const GLuint64 vertices = verticesOf(entry.list);
  for (auto _ : state) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glCallList(entry.list);
    glFinish();
  }
  state.counters["vertices"] = static_cast<double>(vertices);
  state.counters["vertices_per_second"] =
      benchmark::Counter(static_cast<double>(vertices) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}
// Mesa draws on worker threads, so the wall-clock time is the one that counts.
BENCHMARK(BM_DrawList)->DenseRange(0, 10)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
