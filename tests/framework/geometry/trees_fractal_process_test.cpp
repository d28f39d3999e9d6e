// The demo's five fractal trees come out the same in every process: this test starts two
// fresh copies of its own program, each builds the five trees the way the demo does and
// writes what GL draws for them to files, which are then compared.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "tests/framework/geometry/trees_geometry.h"
#include "tests/support/gl_fixture.h"

extern char** environ;

namespace {

constexpr const char* kDumpVariable = "TREES_FRACTAL_DUMP";
constexpr int kTrees = 5;

void leaf() {
  glBegin(GL_QUADS);
  glNormal3f(0, -1, 0);
  glTexCoord2f(0, 0);
  glVertex3f(-0.35f, 0, 0.35f);
  glTexCoord2f(1, 0);
  glVertex3f(0.35f, 0, 0.35f);
  glTexCoord2f(1, 1);
  glVertex3f(0.35f, 0, -0.7f);
  glTexCoord2f(0, 1);
  glVertex3f(-0.35f, 0, -0.7f);
  glEnd();
}
void material() { glColor3f(0.5f, 0.8f, 0.2f); }

// What GL draws for one list, as bytes: every vertex of every primitive, position, colour
// and texture coordinates.
std::string drawnBytes(GLuint list) {
  std::string bytes;
  for (const auto& p : captureFeedback([list] { glCallList(list); })) {
    bytes.append(reinterpret_cast<const char*>(&p.token), sizeof p.token);
    for (const auto& v : p.vertices) {
      const float values[9] = {v.x, v.y, v.z, v.r, v.g, v.b, v.a, v.s, v.t};
      bytes.append(reinterpret_cast<const char*>(values), sizeof values);
    }
  }
  return bytes;
}

// The demo's five calls in a row, as drawn.
std::vector<std::string> buildFiveTrees() {
  std::vector<std::string> trees;
  for (int i = 0; i < kTrees; ++i) {
    GLuint tree = 0;
    TREEFRACTAL3D(tree, leaf, material, material, 10, 4);
    trees.push_back(drawnBytes(tree));
  }
  return trees;
}

std::string fileFor(const std::string& prefix, int tree) { return prefix + std::to_string(tree); }

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs this test alone in a new process of this program, asking it to dump its trees.
int runDumpingCopy(const std::string& prefix) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string filter =
      std::string("--gtest_filter=") + info->test_suite_name() + "." + info->name();
  std::string variable = std::string(kDumpVariable) + "=" + prefix;
  std::vector<char*> env;
  for (char** e = environ; *e; ++e) env.push_back(*e);
  env.push_back(variable.data());
  env.push_back(nullptr);
  char self[] = "/proc/self/exe";
  char* argv[] = {self, filter.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, self, &actions, nullptr, argv, env.data());
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

class FractalTreeProcesses : public GlTest {};

}  // namespace

TEST_F(FractalTreeProcesses, FiveDemoTreesAreTheSameInEveryRunAndDifferFromEachOther) {
  if (const char* prefix = std::getenv(kDumpVariable)) {
    // The dumping copy: a fresh process, whose sequence nothing has drawn from yet.
    ASSERT_EQ(RANDSEED, 0);
    const auto trees = buildFiveTrees();
    for (int i = 0; i < kTrees; ++i) {
      std::ofstream(fileFor(prefix, i), std::ios::binary) << trees[i];
    }
    return;
  }

  const std::string base = ::testing::TempDir() + "fractal_trees_" + std::to_string(getpid());
  const std::string prefixes[2] = {base + "_a_", base + "_b_"};
  for (const auto& prefix : prefixes) ASSERT_EQ(runDumpingCopy(prefix), 0);
  std::vector<std::string> runs[2];
  for (int run = 0; run < 2; ++run) {
    for (int i = 0; i < kTrees; ++i) {
      runs[run].push_back(readFile(fileFor(prefixes[run], i)));
      std::remove(fileFor(prefixes[run], i).c_str());
    }
  }
  for (int i = 0; i < kTrees; ++i) {
    ASSERT_FALSE(runs[0][i].empty()) << "tree " << i;
    EXPECT_TRUE(runs[0][i] == runs[1][i]) << "tree " << i << " differs between the two runs";
    for (int j = 0; j < i; ++j) {
      EXPECT_FALSE(runs[0][i] == runs[0][j]) << "trees " << j << " and " << i << " are the same";
    }
  }

  // Within this process, restarting the sequence from seed 0 builds the same five trees.
  trees_test::restartSequence(0);
  const auto here = buildFiveTrees();
  for (int i = 0; i < kTrees; ++i) {
    EXPECT_TRUE(here[i] == runs[0][i]) << "tree " << i << " differs from a fresh run's";
  }
}
